#include "App/CodiComu/TParametrosApp.h"

#include <algorithm>

#include "App/CodiComu/SqlBuilders.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Variants.h"
#include "platform/zul/DefaultDataBase.h"
#include "platform/zul/TDataBaseZUL.h"
#include "platform/zul/TSQLDataSet.h"

namespace {

const QString kTable = QStringLiteral("T99ParametrosAplicacion");
const QString kFieldName = QStringLiteral("NombreCampoValorT99");

const char* const kValueFields[] = {"",
                                    "ValorIntegerT99",
                                    "ValorCurrencyT99",
                                    "ValorFechaHoraT99",
                                    "ValorFechaHoraT99",
                                    "ValorBooleanT99",
                                    "ValorTextoT99",
                                    "ValorMemoT99",
                                    "ValorOLET99"};
constexpr int kTypeCount = 9;

QString InvalidType() { return QStringLiteral("El tipo de parametro no es válido"); }

// The value in the kind its field stores, so that literals and reads agree.
QVariant AsTypeValue(const QVariant& value, int type) {
  if (Var::IsNullOrEmpty(value)) return Var::Null();
  switch (type) {
    case TParametrosApp::tpInteger:
      return QVariant::fromValue<qint64>(Var::ToInt64(value));
    case TParametrosApp::tpCurrency:
      return Var::FromCurrency(Var::ToCurrency(value));
    case TParametrosApp::tpFechaHora:
    case TParametrosApp::tpFecha:
      return Var::FromDate(Var::ToDateTime(value));
    case TParametrosApp::tpBoolean:
      return QVariant(Var::ToBool(value));
    case TParametrosApp::tpTexto:
    case TParametrosApp::tpMemo:
      return QVariant(Var::ToString(value));
    default:
      return value;
  }
}

}  // namespace

TDataBaseZUL* TParametrosApp::DataBase() const { return m_db ? m_db : DefaultDataBase::Get(); }

void TParametrosApp::CheckDataBase() const {
  TDataBaseZUL* db = DataBase();
  if (!db) throw EDatabaseError(QStringLiteral("DataBaseZUL no inicializada en TParametrosApp"));
  if (!db->IsOpen()) {
    throw EDatabaseError(QStringLiteral("La base de datos no está conectada\nNo se pueden leer parámetros"));
  }
}

QString TParametrosApp::ValueFieldName(int type) {
  if (type <= 0 || type >= kTypeCount) return QString();
  return QString::fromLatin1(kValueFields[type]);
}

int TParametrosApp::TypeOfField(const QString& fieldName) {
  for (int type = 1; type < kTypeCount; ++type) {
    if (fieldName.compare(QLatin1String(kValueFields[type]), Qt::CaseInsensitive) == 0) return type;
  }
  return tpNinguno;
}

int TParametrosApp::TypeOfValue(const QVariant& value) {
  switch (Var::Kind(value)) {
    case VariantKind::SmallInt:
    case VariantKind::Integer:
    // Our values also arrive as 64-bit or unsigned integers; they are integers too.
    case VariantKind::ShortInt:
    case VariantKind::Word:
    case VariantKind::LongWord:
    case VariantKind::Int64:
    case VariantKind::UInt64:
      return tpInteger;
    case VariantKind::Single:
    case VariantKind::Double:
    case VariantKind::Byte:
      return tpFechaHora;
    case VariantKind::Currency:
      return tpCurrency;
    case VariantKind::Date:
      return tpFecha;
    case VariantKind::OleStr:
    case VariantKind::String:
    case VariantKind::UString:
      return tpTexto;
    case VariantKind::Boolean:
      return tpBoolean;
    default:
      return tpNinguno;
  }
}

std::unique_ptr<TSQLDataSet> TParametrosApp::OpenParameter(const QString& name, bool editable) const {
  TDataBaseZUL& db = *DataBase();
  // The name goes in as a LIKE pattern: '_' and '%' in it match any character(s).
  auto query =
      db.GetTSQLDataSet(QStringLiteral("SELECT * FROM T99ParametrosAplicacion WHERE ") +
                            QStringLiteral("NombreParametroT99 LIKE ") + ValorSQL(db, QVariant(name)),
                        nullptr, editable ? 0 : 1);
  query->Open();
  return query;
}

QVariant TParametrosApp::GetValue(const QString& name) const {
  CheckDataBase();
  auto query = OpenParameter(name, false);
  if (query->IsEmpty()) return Var::Null();
  const QString field = query->FieldByName(kFieldName).AsString();
  return query->FieldByName(field).Value();
}

bool TParametrosApp::GetBoolean(const QString& name, bool def) const {
  try {
    const QVariant value = GetValue(name);
    return Var::IsNullOrEmpty(value) ? def : Var::ToBool(value);
  } catch (...) {
    return def;
  }
}

int TParametrosApp::GetInteger(const QString& name, int def) const {
  try {
    const QVariant value = GetValue(name);
    return Var::IsNullOrEmpty(value) ? def : Var::ToInt(value);
  } catch (...) {
    return def;
  }
}

QString TParametrosApp::GetString(const QString& name, const QString& def) const {
  try {
    const QVariant value = GetValue(name);
    return Var::IsNullOrEmpty(value) ? def : Var::ToString(value);
  } catch (...) {
    return def;
  }
}

void TParametrosApp::SetValue(const QString& name, const QVariant& value) {
  CheckDataBase();
  auto query = OpenParameter(name, true);
  if (query->IsEmpty()) {
    query.reset();
    const int type = TypeOfValue(value);
    if (type != tpNinguno) DeclareParameter(name, QString(), value, type);
    return;
  }
  const int type = TypeOfField(query->FieldByName(kFieldName).AsString());
  if (type == tpNinguno) throw EDatabaseError(InvalidType());
  query->Edit();
  try {
    query->FieldByName(ValueFieldName(type)).SetValue(AsTypeValue(value, type));
    query->Post();
  } catch (...) {
    if (query->Modifying()) query->Cancel();
    throw;
  }
}

void TParametrosApp::DeclareParameter(const QString& name, const QString& description, const QVariant& value,
                                      int type) {
  CheckDataBase();
  if (type <= tpNinguno || type >= kTypeCount) throw EDatabaseError(InvalidType());
  const QString valueField = ValueFieldName(type);
  try {
    TDataBaseZUL& db = *DataBase();
    auto query = OpenParameter(name, true);
    if (query->IsEmpty()) {
      query.reset();
      const int id = Var::VarAEnter(MaximValor(db, kTable, QStringLiteral("IDParamAplicT99"))) + 1;
      CreaRegistre(db, kTable,
                   {QStringLiteral("IDParamAplicT99"), QStringLiteral("NombreParametroT99"),
                    QStringLiteral("DescrParametroT99"), kFieldName, valueField},
                   {id, name, description, valueField, AsTypeValue(value, type)});
      return;
    }
    query->Edit();
    query->FieldByName(QStringLiteral("DescrParametroT99")).SetValue(description);
    // Codes 3 and 4 share one field: the type changes only when the field does, so a
    // date declared again keeps its value.
    const QString storedField = query->FieldByName(kFieldName).AsString();
    if (storedField.compare(valueField, Qt::CaseInsensitive) != 0) {
      query->FieldByName(kFieldName).SetValue(valueField);
      query->FieldByName(valueField).SetValue(AsTypeValue(value, type));
    }
    try {
      query->Post();
    } catch (...) {
      if (query->Modifying()) query->Cancel();
      throw;
    }
  } catch (...) {
    // A damaged or missing table must not stop the program from starting.
  }
}

void TParametrosApp::RegisterDeclaration(TDeclaration procedure) {
  if (!procedure) return;
  if (std::find(m_declarations.begin(), m_declarations.end(), procedure) == m_declarations.end()) {
    m_declarations.push_back(procedure);
  }
}

void TParametrosApp::UnregisterDeclaration(TDeclaration procedure) {
  m_declarations.erase(std::remove(m_declarations.begin(), m_declarations.end(), procedure),
                       m_declarations.end());
}

bool TParametrosApp::HasParametersTable() const {
  try {
    auto query = DataBase()->GetTSQLDataSet(
        QStringLiteral("SELECT IDParamAplicT99 FROM T99ParametrosAplicacion WHERE IDParamAplicT99 = 0"));
    query->Open();
    return true;
  } catch (...) {
    return false;
  }
}

void TParametrosApp::NotifyParametersChanged() {
  TDataBaseZUL* db = DataBase();
  if (!db || !db->IsOpen() || !HasParametersTable()) return;
  // A copy: a procedure may register or unregister others while the list runs.
  const std::vector<TDeclaration> procedures = m_declarations;
  for (TDeclaration procedure : procedures) procedure();
}

TParametrosApp& ParametrosApp() {
  static TParametrosApp instance;
  return instance;
}
