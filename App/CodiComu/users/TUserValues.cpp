#include "App/CodiComu/users/TUserValues.h"

#include <QStringList>

namespace {

enum TRightBit : int { rbView = 1, rbAdd = 2, rbModify = 4, rbDelete = 8 };

}  // namespace

int TTableUserRights::Bits() const {
  return (view ? rbView : 0) | (add ? rbAdd : 0) | (modify ? rbModify : 0) | (remove ? rbDelete : 0);
}

TTableUserRights TTableUserRights::FromBits(const QString& table, int bits) {
  return {table, (bits & rbView) != 0, (bits & rbAdd) != 0, (bits & rbModify) != 0, (bits & rbDelete) != 0};
}

bool TTableUserRights::Right(int column) const {
  switch (column) {
    case 0:
      return view;
    case 1:
      return add;
    case 2:
      return modify;
    case 3:
      return remove;
    default:
      return false;
  }
}

void TTableUserRights::SetRight(int column, bool value) {
  switch (column) {
    case 0:
      view = value;
      if (!value) add = modify = remove = false;
      return;
    case 1:
      add = value;
      break;
    case 2:
      modify = value;
      break;
    case 3:
      remove = value;
      break;
    default:
      return;
  }
  if (value) view = true;
}

const TTableUserRights* TDBUserValues::Find(const QString& table) const {
  for (const TTableUserRights& entry : tables) {
    if (entry.table.compare(table, Qt::CaseInsensitive) == 0) return &entry;
  }
  return nullptr;
}

TTableUserRights TDBUserValues::RightsOf(const QString& table) const {
  const TTableUserRights* entry = Find(table);
  return entry ? *entry : TTableUserRights{};
}

TTableUserRights& TDBUserValues::Entry(const QString& table) {
  for (TTableUserRights& entry : tables) {
    if (entry.table.compare(table, Qt::CaseInsensitive) == 0) return entry;
  }
  TTableUserRights entry;
  entry.table = table;
  tables.push_back(entry);
  return tables.back();
}

namespace UserText {

QString TenDigits(int value) {
  return QStringLiteral("%1").arg(static_cast<uint>(value), 10, 10, QLatin1Char('0'));
}

QString FormatSlot(const TUserValues& values) {
  return values.name + QLatin1Char('|') + values.password + QLatin1Char('|') + values.fullName +
         QLatin1Char('|') + TenDigits(values.properties);
}

TUserValues ParseSlot(const QString& text) {
  const QStringList parts = text.split(QLatin1Char('|'));
  TUserValues values;
  values.name = parts.value(0);
  values.password = parts.value(1);
  values.fullName = parts.value(2);
  bool ok = false;
  const uint properties = parts.value(3).trimmed().toUInt(&ok);
  values.properties = ok ? static_cast<int>(properties) : 0;
  return values;
}

QString FormatRights(const TTablesUserRights& rights) {
  QStringList entries;
  for (const TTableUserRights& entry : rights) {
    entries << entry.table + QLatin1Char('=') + TenDigits(entry.Bits());
  }
  return entries.join(QLatin1Char(','));
}

TTablesUserRights ParseRights(const QString& text) {
  TTablesUserRights rights;
  for (const QString& entry : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
    const qsizetype equals = entry.indexOf(QLatin1Char('='));
    const QString table = equals < 0 ? entry : entry.left(equals);
    bool ok = false;
    const uint bits = entry.mid(equals + 1).trimmed().toUInt(&ok);
    if (equals < 0 || table.isEmpty() || !ok) continue;
    rights.push_back(TTableUserRights::FromBits(table, static_cast<int>(bits)));
  }
  return rights;
}

}  // namespace UserText
