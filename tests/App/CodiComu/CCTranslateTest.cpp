#include <gtest/gtest.h>

#include "App/CodiComu/CCTranslate.h"
#include "platform/core/Exceptions.h"
#include "platform/os/KeyState.h"
#include "platform/translate/TLanguageFile.h"
#include "platform/translate/TZULTranslate.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempDir.h"

namespace {

// Both process-wide translation objects follow a master of the test's own, which
// holds the language and collects the keys, so that no test sees another's state.
class CCTranslateTest : public ::testing::Test {
protected:
  void SetUp() override {
    Reset();
    ExeTranslate().SetMasterTranslate(&m_master);
    BPLTranslate().SetMasterTranslate(&m_master);
  }
  void TearDown() override {
    ExeTranslate().SetMasterTranslate(nullptr);
    BPLTranslate().SetMasterTranslate(nullptr);
    Reset();
  }
  static void Reset() {
    KeyState::SetProvider({});
    for (TZULTranslate* t : {&ExeTranslate(), &BPLTranslate()}) {
      t->SetSaveMode(false);
      t->Init(QString(), QString(), QString());
    }
    RegisterExeStrings({});
    ResetCatalogueRegistration();
  }
  void UseLanguage(const QMap<QString, QString>& texts) {
    TLanguageFile file;
    file.language = QStringLiteral("English");
    file.texts = texts;
    file.Save(m_dir.File(QStringLiteral("app_English.lang")));
    m_master.Init(m_dir.File(QStringLiteral("app_English.lang")), QString(), QStringLiteral("English"));
  }
  static void HoldKeys(bool shift, bool leftAlt) {
    KeyState::SetProvider(
        [shift, leftAlt](KeyState::Key key) { return key == KeyState::Key::Shift ? shift : leftAlt; });
  }
  static QString ErrorOf(const std::function<void()>& call) {
    try {
      call();
    } catch (const Exception& e) {
      return e.Message();
    }
    return QStringLiteral("(no error)");
  }

  TempDir m_dir;
  TZULTranslate m_master;
};

const TExeTranslateValue kProgramTable[] = {
    {10019, "Proceso cancelado"},         {0, "vacío"},        {-3, "negativo"}, {10017, "Registro %d / %d"},
    {10002, "No existe el IDAlumno: %d"}, {10019, "repetido"},
};

TEST_F(CCTranslateTest, ShiftWithLeftAltShowsTheNumberInFront) {
  RegisterExeStrings(kProgramTable);
  EXPECT_EQ(ccTranslate(1004), QStringLiteral("SOLO LECTURA"));
  HoldKeys(true, false);
  EXPECT_EQ(ccTranslate(1004), QStringLiteral("SOLO LECTURA"));
  HoldKeys(false, true);
  EXPECT_EQ(ccTranslate(1004), QStringLiteral("SOLO LECTURA"));
  HoldKeys(true, true);
  EXPECT_EQ(ccTranslate(1004), QStringLiteral("(1004)SOLO LECTURA"));
  EXPECT_EQ(ccExeTranslate(10019), QStringLiteral("(10019)Proceso cancelado"));
  EXPECT_EQ(ccTranslateFmt(1005, {QStringLiteral("English")}),
            QStringLiteral("(1005)Cambiar el programa al nuevo idioma: English"));
  EXPECT_EQ(ccTranslate(9998), QString());  // nothing to number
}

TEST_F(CCTranslateTest, UnknownNumbersAreEmptyOutsideSaveModeAndErrorsInIt) {
  RegisterExeStrings(kProgramTable);
  for (int number : {9998, 0, -1, 10019, 20000}) EXPECT_EQ(ccTranslate(number), QString()) << number;
  for (int number : {10001, 0, -3, 1004}) EXPECT_EQ(ccExeTranslate(number), QString()) << number;

  m_master.SetSaveMode(true);
  EXPECT_EQ(ErrorOf([] { ccTranslate(9998); }), QStringLiteral("ccTRANSLATE inum NOT FOUND: 9998"));
  EXPECT_EQ(ErrorOf([] { ccTranslate(0); }), QStringLiteral("ccTRANSLATE inum NOT FOUND: 0"));
  EXPECT_EQ(ErrorOf([] { ccExeTranslate(10001); }), QStringLiteral("ExeTRANSLATE inum NOT FOUND: 10001"));
  EXPECT_EQ(ErrorOf([] { ccTranslateFmt(9998, {1}); }), QStringLiteral("ccTRANSLATE inum NOT FOUND: 9998"));
  EXPECT_EQ(ccTranslate(1004), QStringLiteral("SOLO LECTURA"));
}

TEST_F(CCTranslateTest, TranslationsReplaceTheDefaultsAndBadPlaceholdersLeaveTheTextAsIs) {
  RegisterExeStrings(kProgramTable);
  EXPECT_EQ(ccTranslateFmt(1005, {QStringLiteral("English")}),
            QStringLiteral("Cambiar el programa al nuevo idioma: English"));
  EXPECT_EQ(ccExeTranslateFmt(10017, {3, 7}), QStringLiteral("Registro 3 / 7"));
  EXPECT_EQ(ccExeTranslateFmt(10002, {QStringLiteral("x")}), QStringLiteral("No existe el IDAlumno: %d"));

  UseLanguage(
      {{QStringLiteral("CC.TFRMMenuLevel0Ext.confirm_new_language"), QStringLiteral("Change the language")},
       {QStringLiteral("CC.Common.filenotfound"), QStringLiteral("File %d not found")},
       {QStringLiteral("ExeStrings.10017"), QStringLiteral("Record %d of %d")}});
  EXPECT_EQ(ccTranslateFmt(1005, {QStringLiteral("English")}), QStringLiteral("Change the language"));
  EXPECT_EQ(ccTranslateFmt(102, {QStringLiteral("a.txt")}), QStringLiteral("File %d not found"));
  EXPECT_EQ(ccExeTranslateFmt(10017, {3, 7}), QStringLiteral("Record 3 of 7"));
  EXPECT_EQ(ccTranslate(106), QStringLiteral("Si"));  // not translated
}

TEST_F(CCTranslateTest, RegisterExeStringsSkipsNumbersBelowOneAndReplacesTheList) {
  RegisterExeStrings(kProgramTable);
  EXPECT_EQ(ccExeTranslate(10019), QStringLiteral("Proceso cancelado"));  // the first entry wins
  RegisterExeStrings(std::span<const TExeTranslateValue>(kProgramTable).subspan(3, 1));
  EXPECT_EQ(ccExeTranslate(10019), QString());
  EXPECT_EQ(ccExeTranslate(10017), QStringLiteral("Registro %d / %d"));

  // In save mode every entry is declared, and a number out of range stops the table.
  m_master.SetSaveMode(true);
  RegisterExeStrings(kProgramTable);
  EXPECT_EQ(m_master.Collected().value(QStringLiteral("ExeStrings.10019")), QStringLiteral("repetido"));
  EXPECT_TRUE(m_master.Collected().contains(QStringLiteral("ExeStrings.10002")));
  EXPECT_FALSE(m_master.Collected().contains(QStringLiteral("ExeStrings.0")));
  EXPECT_FALSE(m_master.Collected().contains(QStringLiteral("ExeStrings.-3")));

  const TExeTranslateValue outOfRange[] = {{10001, "uno"}, {9999, "fuera"}, {10003, "tres"}};
  EXPECT_EQ(ErrorOf([&] { RegisterExeStrings(outOfRange); }),
            QStringLiteral("ERROR UCCTranslate.ExeTranslate 9999 debe estar entre 10000 y 99999. "));
  EXPECT_EQ(ccExeTranslate(10001), QStringLiteral("uno"));
  m_master.SetSaveMode(false);
  RegisterExeStrings(outOfRange);  // outside save mode nothing is checked
  EXPECT_EQ(ccExeTranslate(9999), QStringLiteral("fuera"));
}

TEST_F(CCTranslateTest, CatalogueRegistrationChecksEveryFilledSlot) {
  const struct {
    std::vector<TTranslateiNum> table;
    QString error;
  } cases[] = {
      {{{5, "A.a", "x"}, {0, nullptr, nullptr}, {10000, "B.b", "y"}},
       QStringLiteral("ERROR UCCTranslate. 10000 debe estar entre 1 y 9999")},
      {{{-1, "A.a", "x"}}, QStringLiteral("ERROR UCCTranslate. -1 debe estar entre 1 y 9999")},
      {{{7, "", "x"}}, QStringLiteral("ERROR UCCTranslate. TRANSARRAY i=7 n= IS NULL !!!")},
      {{{7, nullptr, "x"}}, QStringLiteral("ERROR UCCTranslate. TRANSARRAY i=7 n= IS NULL !!!")},
  };
  for (const auto& c : cases) {
    TZULTranslate quiet;
    RegisterCatalogue(c.table, quiet);  // outside save mode: no checks, nothing declared
    EXPECT_TRUE(quiet.Collected().isEmpty());
    TZULTranslate translate;
    translate.SetSaveMode(true);
    EXPECT_EQ(ErrorOf([&] { RegisterCatalogue(c.table, translate); }), c.error);
  }
  TZULTranslate translate;
  translate.SetSaveMode(true);
  EXPECT_THROW(RegisterCatalogue(cases[0].table, translate), Exception);  // after declaring slot 5
  EXPECT_EQ(translate.Collected().value(QStringLiteral("CC.A.a")), QStringLiteral("x"));
}

TEST_F(CCTranslateTest, TheCatalogueRegistersOnceAtTheFirstLookupInSaveMode) {
  m_master.SetSaveMode(true);
  EXPECT_EQ(ccTranslate(106), QStringLiteral("Si"));
  EXPECT_EQ(m_master.Collected().size(), 211);
  EXPECT_EQ(m_master.Collected().value(QStringLiteral("CC.Common.DefaultLanguage")),
            QStringLiteral("(Defecto)"));

  // Registered only once per process: a later save mode collects what is looked up.
  TZULTranslate other;
  BPLTranslate().SetMasterTranslate(&other);
  other.SetSaveMode(true);
  ccTranslate(107);
  EXPECT_EQ(other.Collected().keys(), QStringList{QStringLiteral("CC.Common.no")});
}

}  // namespace
