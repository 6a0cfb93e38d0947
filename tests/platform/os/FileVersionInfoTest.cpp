// The version information compiled into our programs, read back from memory and
// from program files, and what foreign or damaged files give.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

#include "platform/os/ElfNotes.h"
#include "platform/os/TFileVersionInfo.h"
#include "tests/support/TempDir.h"

namespace {

QByteArray Described(const TFileVersionInfo& info) {
  return (info.present ? "present " : "absent ") + info.ToNote();
}

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
  return f.readAll();
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

TEST(FileVersionInfoTest, OwnInformationIsCompiledIn) {
  const TFileVersionInfo& own = OwnVersionInfo();
  EXPECT_TRUE(own.present);
  EXPECT_EQ(own.ProductName, QStringLiteral("Lumaresca"));
  EXPECT_EQ(own.CompanyName, QStringLiteral("Korvaneware"));
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+")).match(own.FileVersion).hasMatch())
      << own.FileVersion.toStdString();
  EXPECT_EQ(own.ProductVersion, own.FileVersion);
  EXPECT_TRUE(own.FileDescription.contains(QString::fromUtf8("gestión de centros de enseñanza")));
  EXPECT_TRUE(own.LegalTrademarks.isEmpty() && own.Comments.isEmpty());
#ifdef NDEBUG
  EXPECT_FALSE(own.debug);
#else
  EXPECT_TRUE(own.debug);
#endif
  EXPECT_FALSE(own.preRelease || own.patched || own.privateBuild || own.infoInferred || own.specialBuild);
}

TEST(FileVersionInfoTest, ProgramFilesOnDiskGiveTheSameInformation) {
  const QString self = QCoreApplication::applicationFilePath();
  EXPECT_EQ(Described(ReadFileVersionInfo(self)), Described(OwnVersionInfo()));

  // A copy is not the running program: the note is read from the file.
  TempDir dir;
  const QString copy = dir.File(QStringLiteral("programa"));
  ASSERT_TRUE(QFile::copy(self, copy));
  ASSERT_TRUE(ElfNotes::Find(copy, "Lumaresca", 1).has_value());
  EXPECT_EQ(Described(ReadFileVersionInfo(copy)), Described(OwnVersionInfo()));
  EXPECT_FALSE(ElfNotes::Find(copy, "Lumaresca", 2).has_value()) << "another note type";
  EXPECT_FALSE(ElfNotes::Find(copy, "Lumares", 1).has_value()) << "owner names match whole";
}

TEST(FileVersionInfoTest, FilesWithoutReadableInformationAreAbsent) {
  TempDir dir;
  const QByteArray program = ReadAll(QCoreApplication::applicationFilePath());
  ASSERT_GT(program.size(), 4096);

  // The note's size field sits 8 bytes before the owner name.
  QByteArray hugeNote = program;
  const qsizetype owner = hugeNote.indexOf(QByteArray("Lumaresca\0", 10));
  ASSERT_GT(owner, 12);
  hugeNote[owner - 8] = hugeNote[owner - 7] = hugeNote[owner - 6] = hugeNote[owner - 5] = '\xF0';

  // The section table pointed past the end of the file (64-bit little-endian field).
  QByteArray lostTable = program;
  for (int i = 0x28; i < 0x30; ++i) lostTable[i] = '\x7F';

  const struct {
    const char* name;
    QByteArray bytes;
  } cases[] = {
      {"vacio", QByteArray()},        {"texto.txt", QByteArray("CompanyName=Korvaneware\n")},
      {"cabecera", program.left(64)}, {"mitad", program.left(program.size() / 2)},
      {"nota_enorme", hugeNote},      {"sin_tabla", lostTable},
  };
  for (const auto& c : cases) {
    const QString path = dir.File(QString::fromLatin1(c.name));
    Write(path, c.bytes);
    const TFileVersionInfo info = ReadFileVersionInfo(path);
    EXPECT_FALSE(info.present) << c.name;
    EXPECT_TRUE(info.FileVersion.isEmpty() && info.ProductName.isEmpty()) << c.name;
  }
  EXPECT_FALSE(ReadFileVersionInfo(dir.File(QStringLiteral("no_existe"))).present);
  EXPECT_FALSE(ReadFileVersionInfo(dir.Path()).present) << "a folder";
}

TEST(FileVersionInfoTest, NoteTextRoundTripsStringsAndFlags) {
  TFileVersionInfo info;
  info.Comments = QString::fromUtf8("Edición \"completa\"; año=2024");
  info.InternalName = QStringLiteral("lumapro");
  info.SetFileFlags(0x2A);
  EXPECT_TRUE(info.preRelease && info.privateBuild && info.specialBuild);
  EXPECT_FALSE(info.debug || info.patched || info.infoInferred);
  EXPECT_EQ(info.FileFlags(), 0x2Au);

  const TFileVersionInfo back = TFileVersionInfo::FromNote(info.ToNote());
  EXPECT_TRUE(back.present);
  EXPECT_EQ(back.Comments, info.Comments) << "a value may hold '='";
  EXPECT_EQ(back.InternalName, QStringLiteral("lumapro"));
  EXPECT_EQ(back.FileFlags(), 0x2Au);
  EXPECT_EQ(TFileVersionInfo::StringNames().size(), 10);

  EXPECT_FALSE(TFileVersionInfo::FromNote(QByteArray("Desconocido=1\0=x\0sin igual", 25)).present);
  EXPECT_FALSE(TFileVersionInfo::FromNote(QByteArray("FileFlags=mucho")).present);
}

}  // namespace
