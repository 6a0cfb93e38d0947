#pragma once
// Named, typed settings stored in the open company database (T99ParametrosAplicacion).
// Each module declares its parameters once, with a description and a default, in a
// declaration procedure registered here; after every connection the procedures run,
// so that an old or empty database receives the missing parameters while existing
// values stay. Typed reads never fail: anything wrong gives the caller's default.

#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

class TDataBaseZUL;
class TSQLDataSet;

class TParametrosApp {
public:
  // Type codes: the position of the value field in this list (0: none).
  enum TipoParametro : int {
    tpNinguno = 0,
    tpInteger = 1,
    tpCurrency = 2,
    tpFechaHora = 3,
    tpFecha = 4,
    tpBoolean = 5,
    tpTexto = 6,
    tpMemo = 7,
    tpOLE = 8,
  };
  using TDeclaration = void (*)();

  TParametrosApp() = default;
  TParametrosApp(const TParametrosApp&) = delete;
  TParametrosApp& operator=(const TParametrosApp&) = delete;

  // The database worked on. Without one set, the application's default database is
  // looked up at every access, so a closed or replaced default never dangles here.
  void SetDataBase(TDataBaseZUL* db) { m_db = db; }
  TDataBaseZUL* DataBase() const;

  // The stored value converted; the default when missing, null or not convertible,
  // and on any error (no database, closed connection, missing table).
  bool GetBoolean(const QString& name, bool def) const;
  int GetInteger(const QString& name, int def) const;
  QString GetString(const QString& name, const QString& def) const;
  // The stored value, or null when the parameter does not exist; raises on errors.
  QVariant GetValue(const QString& name) const;

  // Stores a value, creating the parameter (empty description, type from the value's
  // kind) when it does not exist. A value of no storable kind creates nothing.
  void SetValue(const QString& name, const QVariant& value);
  // Creates the parameter with this value when missing; otherwise updates its
  // description and, only when it is stored in another value field, moves it to the
  // declared type with this value. Errors of the table itself are swallowed.
  void DeclareParameter(const QString& name, const QString& description, const QVariant& value, int type);

  void RegisterDeclaration(TDeclaration procedure);
  void UnregisterDeclaration(TDeclaration procedure);
  // Runs the declaration procedures in registration order when the database is
  // connected and holds the parameters table.
  void NotifyParametersChanged();

  // Raises when there is no database or it is not connected.
  void CheckDataBase() const;

  // The value field of a type code ("" for 0 or out of range), and back (the first
  // code of a field name compared without regard to case, 0 when unknown).
  static QString ValueFieldName(int type);
  static int TypeOfField(const QString& fieldName);
  // The type a new parameter takes from the kind of its value (0: none).
  static int TypeOfValue(const QVariant& value);

private:
  std::unique_ptr<TSQLDataSet> OpenParameter(const QString& name, bool editable) const;
  bool HasParametersTable() const;

  TDataBaseZUL* m_db = nullptr;
  std::vector<TDeclaration> m_declarations;
};

// The shared instance, alive to the end of the program.
TParametrosApp& ParametrosApp();
