#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/core/Exceptions.h"
#include "platform/core/IniFile.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempDir.h"

namespace {

class IniFileTest : public ::testing::Test {
protected:
  QString Write(const QByteArray& bytes, const QString& name = QStringLiteral("test.ini")) {
    const QString path = dir.File(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
  }
  static QByteArray Read(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
  }
  TempDir dir;
};

TEST_F(IniFileTest, OrderSurvivesSaveAndLoad) {
  const QString path = dir.File(QStringLiteral("orden.ini"));
  {
    TIniFile ini(path);
    ini.WriteString(QStringLiteral("Zeta"), QStringLiteral("b"), QStringLiteral("2"));
    ini.WriteString(QStringLiteral("Zeta"), QStringLiteral("a"), QStringLiteral("1"));
    ini.WriteString(QStringLiteral("Alfa"), QStringLiteral("z"), QStringLiteral("26"));
    ini.WriteString(QStringLiteral("Media"), QStringLiteral("m"), QStringLiteral("Matrículas ñ"));
    ini.WriteString(QStringLiteral("Alfa"), QStringLiteral("c"), QStringLiteral("3"));
    ini.WriteString(QStringLiteral("zeta"), QStringLiteral("B"),
                    QStringLiteral("dos"));  // same key, other case
    ini.Save();
  }
  EXPECT_EQ(Read(path), QByteArray("[Zeta]\nb=dos\na=1\n\n[Alfa]\nz=26\nc=3\n\n[Media]\nm=Matrículas ñ\n"));
  const TIniFile ini(path);
  EXPECT_EQ(ini.Sections(),
            (QStringList{QStringLiteral("Zeta"), QStringLiteral("Alfa"), QStringLiteral("Media")}));
  EXPECT_EQ(ini.Keys(QStringLiteral("alfa")), (QStringList{QStringLiteral("z"), QStringLiteral("c")}));
  EXPECT_EQ(ini.ReadString(QStringLiteral("MEDIA"), QStringLiteral("M")), QStringLiteral("Matrículas ñ"));
  EXPECT_EQ(ini.ReadString(QStringLiteral("Zeta"), QStringLiteral("b")), QStringLiteral("dos"));
  EXPECT_EQ(ini.ToText().toUtf8(), Read(path));
}

TEST_F(IniFileTest, ParsingRules) {
  const QString path =
      Write(QByteArray("\xEF\xBB\xBF"
                       "suelta = 1\r\n"
                       "; comentario\n"
                       "# otro\n"
                       "\n"
                       "  [ Bases ]  ; al lado\n"
                       "Ruta = C:\\datos\\a=b.mdb  \n"
                       "vacia=\n"
                       "Ruta=repetida\n"
                       "[bases]\n"
                       "Segunda=2\n"));
  TIniFile ini(path);
  EXPECT_EQ(ini.Sections(), (QStringList{QString(), QStringLiteral("Bases")}));
  EXPECT_EQ(ini.ReadString(QString(), QStringLiteral("suelta")), QStringLiteral("1"));
  // Everything after the first '=' is the value; the first of repeated keys wins.
  EXPECT_EQ(ini.ReadString(QStringLiteral("Bases"), QStringLiteral("ruta")),
            QStringLiteral("C:\\datos\\a=b.mdb"));
  EXPECT_EQ(ini.Keys(QStringLiteral("Bases")),
            (QStringList{QStringLiteral("Ruta"), QStringLiteral("vacia"), QStringLiteral("Segunda")}));
  EXPECT_TRUE(ini.ValueExists(QStringLiteral("Bases"), QStringLiteral("VACIA")));
  EXPECT_EQ(ini.ReadString(QStringLiteral("Bases"), QStringLiteral("vacia"), QStringLiteral("def")),
            QString());
  EXPECT_EQ(ini.ReadString(QStringLiteral("Bases"), QStringLiteral("falta"), QStringLiteral("def")),
            QStringLiteral("def"));
  EXPECT_FALSE(ini.ValueExists(QStringLiteral("Otra"), QStringLiteral("Ruta")));
  // Keys outside any section stay at the top when saved.
  ini.WriteString(QString(), QStringLiteral("nueva"), QStringLiteral("x"));
  EXPECT_EQ(ini.ToText(),
            QStringLiteral("suelta=1\nnueva=x\n\n[Bases]\nRuta=C:\\datos\\a=b.mdb\nvacia=\nSegunda=2\n"));
}

TEST_F(IniFileTest, TypedValues) {
  TIniFile ini;
  ini.FromText(
      QStringLiteral("[N]\na=12\nb= -7 \nc=doce\nd=99999999999\ne=$1F\nf=\n"
                     "[B]\nt=1\nf=0\nT=TRUE\nF=false\nx=2\ny=si\n"));
  const QString n = QStringLiteral("N");
  EXPECT_EQ(ini.ReadInteger(n, QStringLiteral("a"), 5), 12);
  EXPECT_EQ(ini.ReadInteger(n, QStringLiteral("b"), 5), -7);
  EXPECT_EQ(ini.ReadInteger(n, QStringLiteral("c"), 5), 5);
  EXPECT_EQ(ini.ReadInteger(n, QStringLiteral("d"), 5), 5);
  EXPECT_EQ(ini.ReadInteger(n, QStringLiteral("e"), 5), 31);
  EXPECT_EQ(ini.ReadInteger(n, QStringLiteral("f"), 5), 5);
  EXPECT_EQ(ini.ReadInteger(n, QStringLiteral("nada"), 5), 5);
  const QString b = QStringLiteral("B");
  EXPECT_TRUE(ini.ReadBool(b, QStringLiteral("t"), false));
  EXPECT_FALSE(ini.ReadBool(b, QStringLiteral("f"), true));
  EXPECT_TRUE(ini.ReadBool(b, QStringLiteral("T"), false));
  EXPECT_FALSE(ini.ReadBool(b, QStringLiteral("F"), true));
  EXPECT_TRUE(ini.ReadBool(b, QStringLiteral("x"), true));
  EXPECT_FALSE(ini.ReadBool(b, QStringLiteral("x"), false));
  EXPECT_FALSE(ini.ReadBool(b, QStringLiteral("y"), false));
  ini.WriteBool(b, QStringLiteral("w"), true);
  ini.WriteInteger(n, QStringLiteral("g"), -15);
  EXPECT_EQ(ini.ReadString(b, QStringLiteral("w")), QStringLiteral("1"));
  EXPECT_EQ(ini.ReadInteger(n, QStringLiteral("g")), -15);
}

TEST_F(IniFileTest, EraseDeleteAndClear) {
  TIniFile ini;
  ini.FromText(QStringLiteral("[A]\nx=1\ny=2\n[B]\nz=3\n"));
  ini.DeleteKey(QStringLiteral("a"), QStringLiteral("X"));
  ini.DeleteKey(QStringLiteral("nada"), QStringLiteral("x"));
  EXPECT_EQ(ini.Keys(QStringLiteral("A")), QStringList{QStringLiteral("y")});
  ini.EraseSection(QStringLiteral("b"));
  EXPECT_FALSE(ini.SectionExists(QStringLiteral("B")));
  EXPECT_EQ(ini.ToText(), QStringLiteral("[A]\ny=2\n"));
  ini.WriteString(QStringLiteral("B"), QStringLiteral("z"), QStringLiteral("4"));  // comes back at the end
  EXPECT_EQ(ini.Sections(), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
  ini.Clear();
  EXPECT_TRUE(ini.Sections().isEmpty());
  EXPECT_TRUE(ini.ToText().isEmpty());
}

TEST_F(IniFileTest, MissingFileIsEmpty) {
  TIniFile ini(dir.File(QStringLiteral("no-existe.ini")));
  EXPECT_TRUE(ini.Sections().isEmpty());
  ini.WriteString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v"));
  ini.Save();
  EXPECT_EQ(Read(ini.FileName()), QByteArray("[S]\nk=v\n"));
}

TEST_F(IniFileTest, SaveFailuresRaise) {
  TIniFile ini;
  ini.WriteString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v"));
  EXPECT_THROW(ini.Save(), EIniFileError);  // no file name
  EXPECT_THROW(ini.SaveAs(dir.File(QStringLiteral("falta/x.ini"))), EIniFileError);
  const QString file = Write("x", QStringLiteral("archivo"));
  EXPECT_THROW(ini.SaveAs(file + QStringLiteral("/x.ini")), EIniFileError);  // parent is a file
  EXPECT_THROW(ini.SaveAs(dir.Path()), EIniFileError);                       // target is a folder
}

TEST_F(IniFileTest, FailedSaveKeepsTheOldFile) {
  TIniFile ini;
  ini.WriteString(QStringLiteral("Nuevo"), QStringLiteral("b"), QStringLiteral("2"));
  const QString path = Write("[Viejo]\na=1\n");
  QFile::setPermissions(dir.Path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  if (QFileInfo(dir.Path()).isWritable()) GTEST_SKIP() << "running with rights that ignore permissions";
  try {
    ini.SaveAs(path);
    ADD_FAILURE() << "saved into a read-only folder";
  } catch (const EIniFileError& e) {
    EXPECT_TRUE(e.Message().contains(path)) << e.what();
  }
  QFile::setPermissions(dir.Path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  EXPECT_EQ(Read(path), QByteArray("[Viejo]\na=1\n"));  // the old file is intact
}

TEST_F(IniFileTest, ValuesThatWouldNotReadBackAreRefused) {
  TIniFile ini;
  const QString s = QStringLiteral("S");
  EXPECT_THROW(ini.WriteString(s, QStringLiteral("k"), QStringLiteral("a\nb")), EIniFileError);
  EXPECT_THROW(ini.WriteString(s, QStringLiteral("k=1"), QStringLiteral("v")), EIniFileError);
  EXPECT_THROW(ini.WriteString(s, QStringLiteral("[k"), QStringLiteral("v")), EIniFileError);
  EXPECT_THROW(ini.WriteString(s, QStringLiteral(";k"), QStringLiteral("v")), EIniFileError);
  EXPECT_THROW(ini.WriteString(QStringLiteral("S]x"), QStringLiteral("k"), QStringLiteral("v")),
               EIniFileError);
  EXPECT_THROW(ini.WriteString(s, QStringLiteral("k"), QString(QChar(0))), EIniFileError);
  EXPECT_TRUE(ini.Sections().isEmpty());
}

TEST_F(IniFileTest, DamagedFilesRaiseNamingFileAndLine) {
  struct Case {
    const char* name;
    QByteArray bytes;
    int line;
    const char* what;
  };
  const Case cases[] = {
      {"latin1",
       QByteArray("[S]\nk=Matr\xED"
                  "culas\n"),
       2, "no es texto UTF-8 válido"},
      {"overlong", QByteArray("[S]\n\nk=\xC0\xAF\n"), 3, "no es texto UTF-8 válido"},
      {"surrogate", QByteArray("k=\xED\xA0\x80\n"), 1, "no es texto UTF-8 válido"},
      {"nul", QByteArray("[S]\nk=a\0b\n", 10), 2, "contiene bytes nulos"},
      {"open", QByteArray("[S]\nk=1\n[Sec\nj=2\n"), 3, "sin cerrar"},
      {"garbage", QByteArray("[S]\nk=1\ngarbage\n"), 3, "línea no válida"},
      {"after", QByteArray("[S] basura\n"), 1, "línea no válida"},
      {"cut", QByteArray("[S]\nk=Matr\xC3"), 2, "no es texto UTF-8 válido"},
      {"cutline", QByteArray("[S]\nk=1\nclav"), 3, "línea no válida"},
  };
  for (const Case& c : cases) {
    const QString path = Write(c.bytes, QString::fromUtf8(c.name) + QStringLiteral(".ini"));
    try {
      TIniFile ini(path);
      ADD_FAILURE() << c.name << " loaded";
    } catch (const EIniFileError& e) {
      EXPECT_TRUE(e.Message().contains(QStringLiteral("«%1»").arg(path))) << e.what();
      EXPECT_TRUE(e.Message().contains(QString::fromUtf8(c.what))) << c.name << ": " << e.what();
      EXPECT_TRUE(e.Message().contains(QStringLiteral("línea %1").arg(c.line))) << c.name << ": " << e.what();
    }
  }
  // A failed load leaves the object as it was, so a later Save cannot wipe the file.
  TIniFile kept(Write("[S]\nk=1\n", QStringLiteral("good.ini")));
  EXPECT_THROW(kept.Load(dir.File(QStringLiteral("garbage.ini"))), EIniFileError);
  EXPECT_EQ(kept.FileName(), dir.File(QStringLiteral("good.ini")));
  EXPECT_EQ(kept.ReadString(QStringLiteral("S"), QStringLiteral("k")), QStringLiteral("1"));

  // A file cut right after a complete pair is a valid prefix.
  const TIniFile ini(Write("[S]\nk=1\nj=Matr\xC3\xAD", QStringLiteral("prefix.ini")));
  EXPECT_EQ(ini.ReadString(QStringLiteral("S"), QStringLiteral("j")), QStringLiteral("Matrí"));
}

TEST_F(IniFileTest, EveryTruncationIsAPrefixOrAnError) {
  const QByteArray full("[Bases]\nPrimera=Matrículas ñ\nSegunda=€uros\n\n[Otra]\nk=v\n");
  for (qsizetype n = 0; n <= full.size(); ++n) {
    TIniFile ini;
    const QString path = Write(full.left(n), QStringLiteral("cut.ini"));
    try {
      ini.Load(path);
    } catch (const EIniFileError&) {
      continue;
    }
    // Whatever loaded is a prefix of the full file.
    const QString text = ini.ToText();
    const TIniFile whole(Write(full, QStringLiteral("whole.ini")));
    for (const QString& section : ini.Sections()) {
      for (const QString& key : ini.Keys(section)) {
        const QString value = ini.ReadString(section, key);
        EXPECT_TRUE(whole.ReadString(section, key).startsWith(value)) << n << ' ' << text.toStdString();
      }
    }
  }
}

}  // namespace
