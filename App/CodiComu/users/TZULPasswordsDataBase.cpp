#include "App/CodiComu/users/TZULPasswordsDataBase.h"

#include "App/CodiComu/CCTranslate.h"
#include "App/CodiComu/users/PasswordHash.h"
#include "platform/core/Dialogs.h"
#include "platform/core/Exceptions.h"

namespace {

const char* const kTables[] = {
    "T01Alumnos=Alumnos",
    "T02Matriculas=Matrículas",
    "T03Cursos=Cursos",
    "T04Profesores=Profesores",
    "T05Grupos=Grupos",
    "T07TarifasPrecios=Tarifas de precios",
    "T14ConceptosMatricula=Conceptos de matrícula",
    "T15FacturasCab=Cabecera de las facturas",
    "T16FacturasCue=Cuerpo de las facturas",
    "T17FormasCobro=Formas de cobro",
    "T18Series=Series de facturas",
    "T20Centros=Centros",
    "T22TiposIva=Tipos de IVA",
    "T11Incidencias=Incidencias",
    "T12TipoIncidencias=Tipos de incidencias",
    "T27LiquidacionesCab=Cabecera de las liquidaciones",
    "T28LiquidacionesCue=Cuerpo de las liquidaciones",
    "T24BoletinesNotas=Boletines de notas",
    "T23FormatosBoletinesNotas=Formato de los boletines de notas",
    "T25NotasBoletin=Notas de los boletines",
    "T26FaltasAsistencia=Faltas de asistencia",
};

QString CannotModify() { return QStringLiteral("No puede modificar el usuario"); }

[[noreturn]] void NotStored(const QString& name) {
  throw Exception(QStringLiteral("No se ha podido guardar el usuario \"%1\" en la base de datos").arg(name));
}

}  // namespace

const QStringList& DefaultRightsTables() {
  static const QStringList tables = [] {
    QStringList list;
    for (const char* entry : kTables) list << QString::fromUtf8(entry);
    return list;
  }();
  return tables;
}

TZULPasswordsDataBase::TZULPasswordsDataBase() : m_rightsTables(DefaultRightsTables()) { Logout(); }

QString TZULPasswordsDataBase::SlotName(int slot) { return QStringLiteral("USER_VALUE_%1").arg(slot); }

QString TZULPasswordsDataBase::RightsName(int slot) { return SlotName(slot) + QStringLiteral("_TBLRIGHTS"); }

const QString& TZULPasswordsDataBase::NeedName() {
  static const QString name = QStringLiteral("USER_NEED");
  return name;
}

void TZULPasswordsDataBase::InitLoggedOutUser(TUserValues& values) {
  values.properties = upAdministrator | upWrite;
  m_captured = TDBUserValues{};
}

TUserValues TZULPasswordsDataBase::ReadSlot(int slot) const {
  const QString text = m_params.GetString(SlotName(slot), QString());
  return text.isEmpty() ? TUserValues{} : UserText::ParseSlot(text);
}

int TZULPasswordsDataBase::SlotOf(const QString& name) const {
  for (int slot = 1; slot <= kSlots; ++slot) {
    const TUserValues values = ReadSlot(slot);
    if (!values.name.isEmpty() && values.name.compare(name, Qt::CaseInsensitive) == 0) return slot;
  }
  return -1;
}

void TZULPasswordsDataBase::GetUserNames(QStringList& list) {
  for (int slot = 1; slot <= kSlots; ++slot) {
    const TUserValues values = ReadSlot(slot);
    if (!values.name.isEmpty()) list << values.name;
  }
}

void TZULPasswordsDataBase::GetPropertyNames(std::vector<TUserPropertyName>& list) const {
  list.push_back({QStringLiteral("Administrador"), upAdministrator});
  list.push_back({QStringLiteral("Escritura"), upWrite});
}

TUserValues TZULPasswordsDataBase::ReadUser(const QString& name) {
  const int slot = SlotOf(name);
  return slot < 0 ? TUserValues{} : ReadSlot(slot);
}

void TZULPasswordsDataBase::WriteUser(TUserAction action, const TUserValues& values) {
  const TUserValues defaultUser = GetDefaultUser();
  const bool isDefault = values.name.compare(defaultUser.name, Qt::CaseInsensitive) == 0;
  if (action == uaDelete) {
    if (isDefault) {
      throw Exception(QStringLiteral("No se puede borrar el usuario \"") + defaultUser.name +
                      QLatin1Char('"'));
    }
    const int slot = SlotOf(values.name);
    if (slot < 0) throw Exception(CannotModify());
    m_params.SetValue(SlotName(slot), QString());
    m_params.SetValue(RightsName(slot), QString());
    return;
  }
  // A "|" would shift the fields of the slot.
  if (values.name.contains(QLatin1Char('|')) || values.fullName.contains(QLatin1Char('|'))) {
    CheckValid(values.name, QString(), values.fullName);
  }
  int slot = -1;
  if (action == uaAdd) {
    for (int i = 1; i <= kSlots && slot < 0; ++i) {
      if (ReadSlot(i).name.isEmpty()) slot = i;
    }
    if (slot < 0) throw Exception(QStringLiteral("No puede crear más usuarios"));
  } else {
    slot = SlotOf(values.name);
    if (slot < 0) throw Exception(CannotModify());
  }
  TUserValues stored = values;
  stored.password = PasswordHash::ForStorage(values.password);
  if (isDefault && stored.properties != defaultUser.properties) {
    stored.properties = defaultUser.properties;
    Dialogs::Notify(QStringLiteral("El usuario \"") + defaultUser.name +
                        QStringLiteral("\" es el ADMINISTRADOR") + QLatin1Char('\n') +
                        QStringLiteral("de la base de datos y solamente puede") + QLatin1Char('\n') +
                        QStringLiteral("cambiar su contraseña, no sus propiedades."),
                    TDialogIcon::Information);
  }
  const QString text = UserText::FormatSlot(stored);
  m_params.SetValue(SlotName(slot), text);
  // A new parameter is declared, and declaring swallows the table's errors.
  if (m_params.GetString(SlotName(slot), QString()) != text) NotStored(values.name);
  // A new user starts with every right, not with what a former user of the slot had.
  if (action == uaAdd && !m_params.GetString(RightsName(slot), QString()).isEmpty()) {
    m_params.SetValue(RightsName(slot), QString());
  }
}

TDBUserValues TZULPasswordsDataBase::ReadUserRights(const QString& name) {
  TDBUserValues values;
  const int slot = SlotOf(name);
  if (slot < 0) return values;
  values.user = ReadSlot(slot);
  values.tables = UserText::ParseRights(m_params.GetString(RightsName(slot), QString()));
  return values;
}

void TZULPasswordsDataBase::WriteUserRights(const TDBUserValues& values) {
  const int slot = SlotOf(values.user.name);
  if (slot < 0) throw Exception(CannotModify());
  const QString list = UserText::FormatRights(values.tables);
  m_params.DeclareParameter(RightsName(slot), QStringLiteral("Propiedades acceso usuario %1").arg(slot), list,
                            TParametrosApp::tpMemo);
  m_params.SetValue(RightsName(slot), list);
  if (m_params.GetString(RightsName(slot), QString()) != list) NotStored(values.user.name);
}

QString TZULPasswordsDataBase::RightsText(const TUserValues& values) const {
  if (values.IsAdministrator()) return ccTranslate(1570);
  if (values.CanWrite()) return ccTranslate(1571);
  return ccTranslate(1572);
}

bool TZULPasswordsDataBase::NeedUserName() { return m_params.GetBoolean(NeedName(), false); }

void TZULPasswordsDataBase::SetNeedUserName(bool flag) {
  TCustomZULPasswords::SetNeedUserName(flag);
  m_params.SetValue(NeedName(), flag);
}

TUserValues TZULPasswordsDataBase::GetDefaultUser() const {
  TUserValues values = TCustomZULPasswords::GetDefaultUser();
  values.properties |= upAdministrator | upWrite;
  return values;
}

QString TZULPasswordsDataBase::KindName() const { return QStringLiteral("Base de Datos"); }
