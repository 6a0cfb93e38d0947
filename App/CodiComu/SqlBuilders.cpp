#include "App/CodiComu/SqlBuilders.h"

#include "platform/core/Exceptions.h"
#include "platform/core/Variants.h"
#include "platform/zul/DefaultDataBase.h"
#include "platform/zul/TDataBaseZUL.h"
#include "platform/zul/TSQLDataSet.h"

namespace {

QVariant FirstValue(TDataBaseZUL& db, const QString& sql, const QString& field) {
  auto query = db.GetTSQLDataSet(sql, nullptr, 1);
  query->Open();
  if (query->IsEmpty()) return Var::Null();
  return query->FieldByName(field).Value();
}

QString UltimSql(const QString& table, const QString& keyField) {
  return QStringLiteral("SELECT MAX(") + keyField + QStringLiteral(") As Ultim\nFROM ") + table;
}

}  // namespace

QString ValorSQL(const TDataBaseZUL& db, const QVariant& value) {
  switch (Var::Kind(value)) {
    case VariantKind::Empty:
    case VariantKind::Null:
      return QStringLiteral("NULL");
    case VariantKind::SmallInt:
      return db.ConvertToSqlString(TFieldType::ftSmallint, value);
    case VariantKind::Integer:
    case VariantKind::Byte:
    // Our database hands 64-bit and unsigned integers to the rules as well; they
    // are integers, not an invalid kind.
    case VariantKind::ShortInt:
    case VariantKind::Word:
    case VariantKind::LongWord:
    case VariantKind::Int64:
    case VariantKind::UInt64:
      return db.ConvertToSqlString(TFieldType::ftInteger, value);
    case VariantKind::Single:
    case VariantKind::Double:
      return db.ConvertToSqlString(TFieldType::ftFloat, value);
    case VariantKind::Currency:
      return db.ConvertToSqlString(TFieldType::ftCurrency, value);
    case VariantKind::Date:
      return db.GetSQLDateTime(value);
    case VariantKind::OleStr:
    case VariantKind::String:
    case VariantKind::UString:
      return db.ConvertToSqlString(TFieldType::ftString, value);
    case VariantKind::Boolean:
      return value.toBool() ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    default:
      break;
  }
  throw EVariantError(QStringLiteral("Variant de tipo inválido: ") +
                      QStringLiteral("%1").arg(Var::KindCode(value), 8, 16, QLatin1Char('0')).toUpper());
}

QString ValorSQL(const QVariant& value) { return ValorSQL(DefaultDataBase::Required(), value); }

void EsborraRegistres(TDataBaseZUL& db, const QString& table, const QString& condition) {
  db.ExecuteSQL(QStringLiteral("DELETE FROM ") + table + QStringLiteral("\nWHERE ") + condition);
}

void ModificaRegistres(TDataBaseZUL& db, const QString& table, const QString& setClause,
                       const QString& condition) {
  QString sql = QStringLiteral("UPDATE ") + table + QStringLiteral("\nSET ") + setClause;
  if (!condition.isEmpty()) sql += QStringLiteral("\nWHERE ") + condition;
  try {
    db.ExecuteSQL(sql);
  } catch (Exception& e) {
    QString message = QStringLiteral("Error al modificar registros (Tipo \"") +
                      QString::fromUtf8(e.ClassName()) + QStringLiteral("\"):\n") + e.Message();
    if (DefaultDataBase::SqlFlag()) message += QStringLiteral("\n\nSQL Generado:\n") + sql;
    e.SetMessage(message);
    throw;
  }
}

void CreaRegistre(TDataBaseZUL& db, const QString& table, const QStringList& fields,
                  const QVariantList& values) {
  if (fields.size() != values.size()) {
    throw Exception(
        QStringLiteral("ERROR a CreaRegistre: La longitud de Camps és diferent de la longitud de valors!"));
  }
  QString literals;
  for (int i = 0; i < values.size(); ++i) {
    if (i > 0) literals += QStringLiteral(", ");
    literals += ValorSQL(db, values.at(i));
  }
  const QString rest = table + QStringLiteral(" (") + fields.join(QStringLiteral(", ")) +
                       QStringLiteral(") VALUES (") + literals + QLatin1Char(')');
  try {
    db.ExecuteSQL(QStringLiteral("INSERT INTO ") + rest);
  } catch (Exception& e) {
    QString message = QStringLiteral("Error al insertar registros (Tipo \"") +
                      QString::fromUtf8(e.ClassName()) + QStringLiteral("\"):\n") + e.Message();
    if (!DefaultDataBase::SqlFlag()) message += QStringLiteral("\n\nSQL Generado:\nINSERT INTO ") + rest;
    e.SetMessage(message);
    throw;
  }
}

QVariant CreaRegistreAmbID(TDataBaseZUL& db, const QString& table, const QString& keyField,
                           const QStringList& fields, const QVariantList& values) {
  CreaRegistre(db, table, fields, values);
  return FirstValue(db, UltimSql(table, keyField), QStringLiteral("Ultim"));
}

QVariant MaximValor(TDataBaseZUL& db, const QString& table, const QString& keyField) {
  return FirstValue(db, UltimSql(table, keyField), QStringLiteral("Ultim"));
}

int ComptaRegistres(TDataBaseZUL& db, const QString& field, const QString& table, const QString& condition) {
  QString sql = QStringLiteral("SELECT COUNT(") + field + QStringLiteral(") AS CANTIDAD\nFROM ") + table;
  if (!condition.isEmpty()) sql += QStringLiteral("\nWHERE (") + condition + QLatin1Char(')');
  return Var::ToInt(FirstValue(db, sql, QStringLiteral("CANTIDAD")));
}

QVariant LlegeixCamp(const QString& table, const QString& field, const QString& condition) {
  // Everything is lower-cased, literals included: text compares without regard to case.
  const QString sql = QStringLiteral("SELECT ") + field.toLower() + QStringLiteral(" AS TheField\nFROM ") +
                      table.toLower() + QStringLiteral("\nWHERE ") + condition.toLower();
  return FirstValue(DefaultDataBase::Required(), sql, QStringLiteral("TheField"));
}

int VarAEnter(const QVariant& value) { return Var::VarAEnter(value); }
