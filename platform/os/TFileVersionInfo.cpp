#include "platform/os/TFileVersionInfo.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <array>
#include <cstdint>

#include "platform/os/ElfNotes.h"

#ifndef LUMA_FILE_VERSION
#define LUMA_FILE_VERSION "0.0.0"
#endif

#ifdef NDEBUG
#define LUMA_FILE_FLAGS "0"
#else
#define LUMA_FILE_FLAGS "1"  // debug
#endif

namespace {

constexpr quint32 kNoteType = 1;  // the version note
constexpr char kOwner[] = "Lumaresca";

// What every one of our programs says about itself.
#define LUMA_VERSION_NOTE                                                \
  "CompanyName=Korvaneware\0"                                            \
  "FileDescription=Lumaresca: gesti\xC3\xB3n de centros de ense\xC3\xB1" \
  "anza\0"                                                               \
  "FileVersion=" LUMA_FILE_VERSION                                       \
  "\0"                                                                   \
  "LegalCopyright=\xC2\xA9 Korvaneware\0"                                \
  "ProductName=Lumaresca\0"                                              \
  "ProductVersion=" LUMA_FILE_VERSION                                    \
  "\0"                                                                   \
  "FileFlags=" LUMA_FILE_FLAGS

constexpr std::uint32_t Padded(std::size_t size) { return static_cast<std::uint32_t>((size + 3) / 4 * 4); }

struct VersionNote {
  std::uint32_t nameSize;
  std::uint32_t descSize;
  std::uint32_t type;
  char name[Padded(sizeof(kOwner))];
  char desc[Padded(sizeof(LUMA_VERSION_NOTE))];
};

// In a note section of its own: the linker keeps it and readelf -n shows it. The
// explicit alignment keeps the compiler from padding it to a wider boundary, which
// would break the note layout.
[[gnu::section(".note.lumaresca.version"), gnu::used, gnu::aligned(4)]] const VersionNote kVersionNote = {
    sizeof(kOwner), sizeof(LUMA_VERSION_NOTE), kNoteType, "Lumaresca", LUMA_VERSION_NOTE};

struct Field {
  const char* name;
  QString TFileVersionInfo::*member;
};

constexpr std::array<Field, 10> kFields{{
    {"CompanyName", &TFileVersionInfo::CompanyName},
    {"FileDescription", &TFileVersionInfo::FileDescription},
    {"FileVersion", &TFileVersionInfo::FileVersion},
    {"InternalName", &TFileVersionInfo::InternalName},
    {"LegalCopyright", &TFileVersionInfo::LegalCopyright},
    {"LegalTrademarks", &TFileVersionInfo::LegalTrademarks},
    {"OriginalFilename", &TFileVersionInfo::OriginalFilename},
    {"ProductName", &TFileVersionInfo::ProductName},
    {"ProductVersion", &TFileVersionInfo::ProductVersion},
    {"Comments", &TFileVersionInfo::Comments},
}};

const Field* FindField(const QString& name) {
  for (const Field& f : kFields) {
    if (name == QLatin1String(f.name)) return &f;
  }
  return nullptr;
}

QString RunningProgram() {
  const QString self = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
  if (!self.isEmpty()) return self;
  return QCoreApplication::instance() ? QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath()
                                      : QString();
}

}  // namespace

void TFileVersionInfo::SetFileFlags(quint32 flags) {
  debug = flags & 0x01;
  preRelease = flags & 0x02;
  patched = flags & 0x04;
  privateBuild = flags & 0x08;
  infoInferred = flags & 0x10;
  specialBuild = flags & 0x20;
}

quint32 TFileVersionInfo::FileFlags() const {
  return (debug ? 0x01u : 0) | (preRelease ? 0x02u : 0) | (patched ? 0x04u : 0) | (privateBuild ? 0x08u : 0) |
         (infoInferred ? 0x10u : 0) | (specialBuild ? 0x20u : 0);
}

QStringList TFileVersionInfo::StringNames() {
  QStringList names;
  for (const Field& f : kFields) names.append(QLatin1String(f.name));
  return names;
}

QString TFileVersionInfo::Value(const QString& name) const {
  const Field* f = FindField(name);
  return f ? this->*(f->member) : QString();
}

bool TFileVersionInfo::SetValue(const QString& name, const QString& value) {
  const Field* f = FindField(name);
  if (!f) return false;
  this->*(f->member) = value;
  return true;
}

TFileVersionInfo TFileVersionInfo::FromNote(const QByteArray& description) {
  TFileVersionInfo info;
  for (const QByteArray& entry : description.split('\0')) {
    const qsizetype equals = entry.indexOf('=');
    if (equals <= 0) continue;
    const QString name = QString::fromUtf8(entry.left(equals));
    const QString value = QString::fromUtf8(entry.mid(equals + 1));
    if (name == QLatin1String("FileFlags")) {
      bool ok = false;
      const quint32 flags = value.toUInt(&ok);
      if (!ok) continue;
      info.SetFileFlags(flags);
      info.present = true;
    } else if (info.SetValue(name, value)) {
      info.present = true;
    }
  }
  return info;
}

QByteArray TFileVersionInfo::ToNote() const {
  QByteArray note;
  for (const Field& f : kFields) {
    const QString& value = this->*(f.member);
    if (value.isEmpty()) continue;
    note += QByteArray(f.name) + '=' + value.toUtf8() + '\0';
  }
  note += "FileFlags=" + QByteArray::number(FileFlags());
  return note;
}

const TFileVersionInfo& OwnVersionInfo() {
  static const TFileVersionInfo info = TFileVersionInfo::FromNote(
      QByteArray(kVersionNote.desc, static_cast<qsizetype>(kVersionNote.descSize)));
  return info;
}

TFileVersionInfo ReadFileVersionInfo(const QString& file) {
  const QString path = QFileInfo(file).canonicalFilePath();
  if (path.isEmpty()) return TFileVersionInfo();
  if (path == RunningProgram()) return OwnVersionInfo();
  const auto note = ElfNotes::Find(path, QByteArray(kOwner), kNoteType);
  return note ? TFileVersionInfo::FromNote(*note) : TFileVersionInfo();
}
