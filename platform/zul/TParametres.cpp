#include "platform/zul/TParametres.h"

#include <QDataStream>
#include <QHash>
#include <QMutex>
#include <QPointer>
#include <limits>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/core/Variants.h"

struct TParametres::Param {
  QString name;
  QVariant value;
  bool writable = false;
};

namespace {

// The handle table: a number for every object put into a parameter list. The
// QPointer turns a destroyed object into nullptr; the entry goes away with it.
class HandleTable {
public:
  qint64 HandleOf(QObject* object) {
    QMutexLocker lock(&m_mutex);
    const auto found = m_byObject.constFind(object);
    if (found != m_byObject.constEnd()) {
      const auto entry = m_byHandle.constFind(*found);
      // Another object may live at the address of a destroyed one.
      if (entry != m_byHandle.constEnd() && entry->data() == object) return *found;
    }
    const qint64 handle = m_next++;
    m_byObject.insert(object, handle);
    m_byHandle.insert(handle, QPointer<QObject>(object));
    QObject::connect(object, &QObject::destroyed, [this, handle, object] { Forget(handle, object); });
    return handle;
  }

  QObject* ObjectOf(qint64 handle) const {
    QMutexLocker lock(&m_mutex);
    const auto entry = m_byHandle.constFind(handle);
    return entry == m_byHandle.constEnd() ? nullptr : entry->data();
  }

private:
  void Forget(qint64 handle, QObject* object) {
    QMutexLocker lock(&m_mutex);
    m_byHandle.remove(handle);
    const auto found = m_byObject.constFind(object);
    if (found != m_byObject.constEnd() && *found == handle) m_byObject.remove(object);
  }

  mutable QMutex m_mutex;
  QHash<QObject*, qint64> m_byObject;
  QHash<qint64, QPointer<QObject>> m_byHandle;
  // Well away from the small integers that parameters usually hold.
  qint64 m_next = 0x10000001;
};

HandleTable& Handles() {
  // Never destroyed: objects may outlive the end of main.
  static HandleTable* table = new HandleTable;
  return *table;
}

// The stream: magic, version, count, then per parameter its name, a value tag and
// the value.
constexpr quint32 kMagic = 0x4C50524D;  // "LPRM"
constexpr quint16 kVersion = 1;
constexpr quint32 kMaxParams = 1u << 20;

enum class Tag : quint8 { Empty = 0, Null, Bool, Int, Double, String, DateTime, Currency, Bytes, Date };

void WriteValue(QDataStream& out, const QVariant& v) {
  if (Var::IsEmpty(v)) {
    out << quint8(Tag::Empty);
    return;
  }
  if (Var::IsNull(v)) {
    out << quint8(Tag::Null);
    return;
  }
  switch (v.metaType().id()) {
    case QMetaType::Bool:
      out << quint8(Tag::Bool) << v.toBool();
      return;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Long:
      out << quint8(Tag::Int) << v.toLongLong();
      return;
    case QMetaType::Double:
    case QMetaType::Float:
      out << quint8(Tag::Double) << v.toDouble();
      return;
    case QMetaType::QString:
      out << quint8(Tag::String) << v.toString();
      return;
    case QMetaType::QDateTime:
      out << quint8(Tag::DateTime) << DayDate::FromDateTime(v.toDateTime());
      return;
    case QMetaType::QDate:
      out << quint8(Tag::Date) << v.toDate().toJulianDay();
      return;
    case QMetaType::QByteArray:
      out << quint8(Tag::Bytes) << v.toByteArray();
      return;
    default:
      break;
  }
  if (v.metaType() == QMetaType::fromType<Currency>()) {
    out << quint8(Tag::Currency) << qint64(v.value<Currency>().Raw());
    return;
  }
  // Anything else (lists, object pointers) has no meaning in another run: its text.
  out << quint8(Tag::String) << v.toString();
}

QVariant ReadValue(QDataStream& in) {
  quint8 tag = 0;
  in >> tag;
  switch (static_cast<Tag>(tag)) {
    case Tag::Empty:
      return QVariant();
    case Tag::Null:
      return Var::Null();
    case Tag::Bool: {
      bool b = false;
      in >> b;
      return b;
    }
    case Tag::Int: {
      qint64 i = 0;
      in >> i;
      if (i >= std::numeric_limits<int>::min() && i <= std::numeric_limits<int>::max()) return int(i);
      return i;
    }
    case Tag::Double: {
      double d = 0;
      in >> d;
      return d;
    }
    case Tag::String: {
      QString s;
      in >> s;
      return s;
    }
    case Tag::DateTime: {
      double d = 0;
      in >> d;
      return Var::FromDate(d);
    }
    case Tag::Date: {
      qint64 jd = 0;
      in >> jd;
      return QDate::fromJulianDay(jd);
    }
    case Tag::Currency: {
      qint64 raw = 0;
      in >> raw;
      return Var::FromCurrency(Currency::FromRaw(raw));
    }
    case Tag::Bytes: {
      QByteArray b;
      in >> b;
      return b;
    }
  }
  in.setStatus(QDataStream::ReadCorruptData);
  return QVariant();
}

// Object pointers are kept as handles, never as pointers that could dangle.
QVariant Stored(const QVariant& value) {
  if (value.metaType() == QMetaType::fromType<QObject*>()) {
    return TParametres::ObjectHandle(value.value<QObject*>());
  }
  return value;
}

[[noreturn]] void Damaged(const QString& why) {
  throw EFileError(QStringLiteral("La lista de parámetros guardada está dañada (%1)").arg(why));
}

}  // namespace

TParametres::TParametres() : m_params(new std::vector<Param>) {}

TParametres::~TParametres() { delete m_params; }

TParametres::Param* TParametres::Find(const QString& name) {
  for (Param& p : *m_params) {
    if (p.name.compare(name, Qt::CaseInsensitive) == 0) return &p;
  }
  return nullptr;
}

const TParametres::Param* TParametres::Find(const QString& name) const {
  return const_cast<TParametres*>(this)->Find(name);
}

void TParametres::AddParam(const QString& name, const QVariant& value, bool writable) {
  if (Param* p = Find(name)) {
    p->value = Stored(value);
    p->writable = writable;
    return;
  }
  m_params->push_back(Param{name, Stored(value), writable});
}

void TParametres::DeleteParam(const QString& name) {
  for (auto it = m_params->begin(); it != m_params->end(); ++it) {
    if (it->name.compare(name, Qt::CaseInsensitive) == 0) {
      m_params->erase(it);
      return;
    }
  }
}

bool TParametres::ParamExists(const QString& name) const { return Find(name) != nullptr; }

void TParametres::Clear() { m_params->clear(); }

QStringList TParametres::Names() const {
  QStringList names;
  for (const Param& p : *m_params) names.append(p.name);
  return names;
}

QVariant TParametres::GetParametreValue(const QString& name) const {
  const Param* p = Find(name);
  return p ? p->value : QVariant();
}

void TParametres::SetParametreValue(const QString& name, const QVariant& value) {
  if (Param* p = Find(name)) {
    p->value = Stored(value);
    return;
  }
  m_params->push_back(Param{name, Stored(value), false});
}

namespace {
// A value that typed reads may convert: present and not null.
const QVariant* Readable(const QVariant* v) { return !v || Var::IsNullOrEmpty(*v) ? nullptr : v; }

template <typename T, typename F>
T Convert(const QVariant* v, T def, F convert) {
  if (!Readable(v)) return def;
  try {
    return convert(*v);
  } catch (const Exception&) {
    return def;
  }
}
}  // namespace

QString TParametres::AsString(const QString& name, const QString& def) const {
  const Param* p = Find(name);
  return Convert<QString>(p ? &p->value : nullptr, def, [](const QVariant& v) { return Var::ToString(v); });
}

int TParametres::AsInteger(const QString& name, int def) const {
  const Param* p = Find(name);
  return Convert<int>(p ? &p->value : nullptr, def, [](const QVariant& v) { return Var::ToInt(v); });
}

bool TParametres::AsBoolean(const QString& name, bool def) const {
  const Param* p = Find(name);
  return Convert<bool>(p ? &p->value : nullptr, def, [](const QVariant& v) { return Var::ToBool(v); });
}

TDateTime TParametres::AsDateTime(const QString& name, TDateTime def) const {
  const Param* p = Find(name);
  return Convert<TDateTime>(p ? &p->value : nullptr, def,
                            [](const QVariant& v) { return Var::ToDateTime(v); });
}

Currency TParametres::AsCurrency(const QString& name, Currency def) const {
  const Param* p = Find(name);
  return Convert<Currency>(p ? &p->value : nullptr, def,
                           [](const QVariant& v) { return Var::ToCurrency(v); });
}

void TParametres::SetObject(const QString& name, QObject* object) {
  SetParametreValue(name, ObjectHandle(object));
}

QObject* TParametres::GetObject(const QString& name) const {
  const Param* p = Find(name);
  if (!p || Var::IsNullOrEmpty(p->value)) return nullptr;
  bool ok = false;
  const qint64 handle = p->value.toLongLong(&ok);
  return ok ? ObjectFromHandle(handle) : nullptr;
}

qint64 TParametres::ObjectHandle(QObject* object) { return object ? Handles().HandleOf(object) : 0; }

QObject* TParametres::ObjectFromHandle(qint64 handle) {
  return handle == 0 ? nullptr : Handles().ObjectOf(handle);
}

bool TParametres::IsWritable(const QString& name) const {
  const Param* p = Find(name);
  return p && p->writable;
}

void TParametres::SetWritable(const QString& name, bool writable) {
  if (Param* p = Find(name)) p->writable = writable;
}

QStringList TParametres::Writables() const {
  QStringList names;
  for (const Param& p : *m_params) {
    if (p.writable) names.append(p.name);
  }
  return names;
}

void TParametres::SaveToStream(QIODevice& stream) const {
  QDataStream out(&stream);
  out.setVersion(QDataStream::Qt_6_0);
  const QStringList names = Writables();
  out << kMagic << kVersion << quint32(names.size());
  for (const Param& p : *m_params) {
    if (!p.writable) continue;
    out << p.name;
    WriteValue(out, p.value);
  }
  if (out.status() != QDataStream::Ok) {
    throw EFileError(QStringLiteral("No se pudo guardar la lista de parámetros"));
  }
}

void TParametres::LoadFromStream(QIODevice& stream) {
  QDataStream in(&stream);
  in.setVersion(QDataStream::Qt_6_0);
  quint32 magic = 0;
  quint16 version = 0;
  quint32 count = 0;
  in >> magic >> version >> count;
  if (in.status() != QDataStream::Ok || magic != kMagic)
    Damaged(QStringLiteral("no es una lista de parámetros"));
  if (version != kVersion) Damaged(QStringLiteral("versión %1 desconocida").arg(version));
  if (count > kMaxParams) Damaged(QStringLiteral("%1 parámetros").arg(count));
  // Read everything first: a damaged stream leaves the list as it was.
  std::vector<Param> read;
  for (quint32 i = 0; i < count; ++i) {
    Param p;
    p.writable = true;
    in >> p.name;
    p.value = ReadValue(in);
    if (in.status() != QDataStream::Ok) Damaged(QStringLiteral("parámetro %1 de %2").arg(i + 1).arg(count));
    if (p.name.isEmpty()) Damaged(QStringLiteral("parámetro %1 sin nombre").arg(i + 1));
    read.push_back(std::move(p));
  }
  for (Param& p : read) AddParam(p.name, p.value, true);
}

TParametres& Parametres() {
  static TParametres params;
  return params;
}

namespace PRM {
QString Argument(int n) { return QStringLiteral("PRME%1").arg(n, 2, 10, QLatin1Char('0')); }
QString Result(int n) { return QStringLiteral("PRMS%1").arg(n, 2, 10, QLatin1Char('0')); }
}  // namespace PRM
