#pragma once
// The framework's parameter list: named values with typed reads that fall back to
// a default. Names are compared without regard to case. Writable parameters are
// the ones saved with the resource file. Object references (the calling form,
// grid, dataset...) travel in the list as integer handles that never dangle: a
// destroyed object reads back as nullptr.

#include <QIODevice>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

#include "platform/core/Currency.h"
#include "platform/core/DayDate.h"

class TParametres {
public:
  TParametres();
  ~TParametres();
  TParametres(const TParametres&) = delete;
  TParametres& operator=(const TParametres&) = delete;

  // Adds (or replaces) a parameter.
  void AddParam(const QString& name, const QVariant& value, bool writable = false);
  void DeleteParam(const QString& name);
  bool ParamExists(const QString& name) const;
  void Clear();
  QStringList Names() const;  // in the order added

  // The value, or a null variant when the parameter does not exist.
  QVariant GetParametreValue(const QString& name) const;
  // Sets the value, adding a (non-writable) parameter when it does not exist.
  void SetParametreValue(const QString& name, const QVariant& value);

  // Typed reads: the default when the parameter is missing, null or of another kind
  // that does not convert.
  QString AsString(const QString& name, const QString& def = QString()) const;
  int AsInteger(const QString& name, int def = 0) const;
  bool AsBoolean(const QString& name, bool def = false) const;
  TDateTime AsDateTime(const QString& name, TDateTime def = 0) const;
  Currency AsCurrency(const QString& name, Currency def = Currency()) const;

  // Object references: stored as an integer handle.
  void SetObject(const QString& name, QObject* object);
  QObject* GetObject(const QString& name) const;  // nullptr when absent, zero or destroyed
  template <typename T>
  T* GetObjectAs(const QString& name) const {
    return qobject_cast<T*>(GetObject(name));
  }
  static qint64 ObjectHandle(QObject* object);  // 0 for nullptr
  static QObject* ObjectFromHandle(qint64 handle);

  bool IsWritable(const QString& name) const;
  void SetWritable(const QString& name, bool writable);
  QStringList Writables() const;

  // The writable parameters only, in a binary format of ours; LoadFromStream adds
  // or replaces what the stream holds and raises EFileError on a damaged stream.
  void SaveToStream(QIODevice& stream) const;
  void LoadFromStream(QIODevice& stream);

private:
  struct Param;
  Param* Find(const QString& name);
  const Param* Find(const QString& name) const;
  std::vector<Param>* m_params;
};

// The framework's global list, where procedures find "PRMIP_..." and "PRME01"...
TParametres& Parametres();

// Names of the parameters the framework sets before an action procedure runs.
namespace PRM {
inline const QString TQuerySQL = QStringLiteral("PRMIP_TQUERYSQL");
inline const QString DBGrid = QStringLiteral("PRMIP_DBGRID");
inline const QString DataSet = QStringLiteral("PRMIP_DATASET");
inline const QString ZULForm = QStringLiteral("PRMIP_ZULFORM");
// "PRME01" ... "PRME06" (arguments), "PRMS01" ... (results).
QString Argument(int n);
QString Result(int n);
}  // namespace PRM
