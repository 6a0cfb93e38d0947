#pragma once
// Registered procedures: the one way the framework reaches the program's rules.
// Names are kept in registration order and compared without regard to case.

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>
#include <vector>

// Arguments as the kind of procedure receives them (dataset events: two ignored
// values, the data-object identifier and the dataset; data change: two ignored
// values, identifier, data source and field or null; form events: form, integer,
// identifier). Objects travel as QObject* in the variants.
using TZULProcedure = std::function<void(QObject* sender, const QVariantList& args)>;

class TProcedureZUL {
public:
  // Registers (or replaces, keeping its place) a procedure.
  void RegisterProcedure(const QString& name, const QString& description, TZULProcedure procedure);
  bool Exists(const QString& name) const;
  QStringList Names() const;
  QString Description(const QString& name) const;
  void Clear();

  // Runs the procedure; a name that is not registered does nothing and returns false.
  // Whatever the procedure raises goes through to the caller.
  bool ExecuteProcedure(const QString& name, QObject* sender = nullptr, const QVariantList& args = {});

private:
  struct Entry {
    QString name;
    QString description;
    TZULProcedure procedure;
  };
  std::vector<Entry> m_entries;
};
