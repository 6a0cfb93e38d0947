#pragma once
// Reads a note of an ELF file's note sections (32 or 64 bit, either byte order)
// without loading the file. Every offset and size read from the file is checked
// against the file, so a damaged or foreign file only yields "not found".

#include <QByteArray>
#include <QString>
#include <optional>

namespace ElfNotes {

// The description of the first note with this owner and type, or nothing.
std::optional<QByteArray> Find(const QString& file, const QByteArray& owner, quint32 type);

}  // namespace ElfNotes
