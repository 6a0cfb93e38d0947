#include "platform/os/ElfNotes.h"

#include <QFile>

namespace {

constexpr quint32 kSectionNote = 7;          // SHT_NOTE
constexpr qint64 kMaxNoteSection = 1 << 20;  // ours is a few hundred bytes

class Reader {
public:
  Reader(const QByteArray& bytes, bool bigEndian) : m_bytes(bytes), m_big(bigEndian) {}

  // False when [at, at + width) is not inside the bytes.
  bool Unsigned(qint64 at, int width, quint64& value) const {
    if (at < 0 || width <= 0 || at > m_bytes.size() - width) return false;
    value = 0;
    for (int i = 0; i < width; ++i) {
      const quint64 byte =
          static_cast<quint8>(m_bytes[static_cast<qsizetype>(at + (m_big ? i : width - 1 - i))]);
      value = (value << 8) | byte;
    }
    return true;
  }

private:
  const QByteArray& m_bytes;
  bool m_big;
};

// The bytes [offset, offset + size) of the file, or nothing when they are not all there.
std::optional<QByteArray> ReadAt(QFile& file, quint64 offset, quint64 size) {
  if (offset > static_cast<quint64>(file.size()) || size > static_cast<quint64>(file.size()) - offset) {
    return std::nullopt;
  }
  if (!file.seek(static_cast<qint64>(offset))) return std::nullopt;
  QByteArray bytes = file.read(static_cast<qint64>(size));
  if (bytes.size() != static_cast<qsizetype>(size)) return std::nullopt;
  return bytes;
}

quint64 Aligned(quint64 value, quint64 alignment) { return (value + alignment - 1) / alignment * alignment; }

std::optional<QByteArray> FindInSection(const QByteArray& notes, bool bigEndian, quint64 alignment,
                                        const QByteArray& owner, quint32 type) {
  const Reader r(notes, bigEndian);
  const quint64 size = static_cast<quint64>(notes.size());
  quint64 at = 0;
  while (at + 12 <= size) {
    quint64 nameSize = 0, descSize = 0, noteType = 0;
    r.Unsigned(static_cast<qint64>(at), 4, nameSize);
    r.Unsigned(static_cast<qint64>(at + 4), 4, descSize);
    r.Unsigned(static_cast<qint64>(at + 8), 4, noteType);
    const quint64 nameAt = at + 12;
    const quint64 descAt = nameAt + Aligned(nameSize, 4);
    if (descAt > size || descSize > size - descAt) return std::nullopt;
    const QByteArray name = notes.mid(static_cast<qsizetype>(nameAt), static_cast<qsizetype>(nameSize));
    if (noteType == type && name.size() == owner.size() + 1 && name.startsWith(owner) &&
        name.endsWith('\0')) {
      return notes.mid(static_cast<qsizetype>(descAt), static_cast<qsizetype>(descSize));
    }
    at = descAt + Aligned(descSize, alignment);
  }
  return std::nullopt;
}

}  // namespace

namespace ElfNotes {

std::optional<QByteArray> Find(const QString& fileName, const QByteArray& owner, quint32 type) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray header = file.read(64);
  if (header.size() < 52 || !header.startsWith("\x7f"
                                               "ELF"))
    return std::nullopt;
  const bool is64 = header[4] == 2;
  if (!is64 && header[4] != 1) return std::nullopt;
  if (header[5] != 1 && header[5] != 2) return std::nullopt;
  const bool big = header[5] == 2;
  const Reader h(header, big);

  quint64 tableAt = 0, entrySize = 0, count = 0;
  if (!h.Unsigned(is64 ? 0x28 : 0x20, is64 ? 8 : 4, tableAt) ||
      !h.Unsigned(is64 ? 0x3A : 0x2E, 2, entrySize) || !h.Unsigned(is64 ? 0x3C : 0x30, 2, count)) {
    return std::nullopt;
  }
  const quint64 minEntry = is64 ? 64 : 40;
  if (tableAt == 0 || entrySize < minEntry) return std::nullopt;
  if (count == 0) {
    // Extended numbering: the count is the size field of section 0.
    const auto first = ReadAt(file, tableAt, entrySize);
    if (!first || !Reader(*first, big).Unsigned(is64 ? 32 : 20, is64 ? 8 : 4, count)) return std::nullopt;
  }
  if (count == 0 || count > 0xFFFFFF) return std::nullopt;
  const auto table = ReadAt(file, tableAt, count * entrySize);
  if (!table) return std::nullopt;
  const Reader t(*table, big);

  for (quint64 i = 0; i < count; ++i) {
    const qint64 entry = static_cast<qint64>(i * entrySize);
    quint64 kind = 0, offset = 0, size = 0, alignment = 0;
    if (!t.Unsigned(entry + 4, 4, kind) || kind != kSectionNote) continue;
    if (!t.Unsigned(entry + (is64 ? 24 : 16), is64 ? 8 : 4, offset) ||
        !t.Unsigned(entry + (is64 ? 32 : 20), is64 ? 8 : 4, size) ||
        !t.Unsigned(entry + (is64 ? 48 : 32), is64 ? 8 : 4, alignment)) {
      continue;
    }
    if (size == 0 || size > static_cast<quint64>(kMaxNoteSection)) continue;
    const auto notes = ReadAt(file, offset, size);
    if (!notes) continue;
    if (auto found = FindInSection(*notes, big, alignment == 8 ? 8 : 4, owner, type)) return found;
  }
  return std::nullopt;
}

}  // namespace ElfNotes
