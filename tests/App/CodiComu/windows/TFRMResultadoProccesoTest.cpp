// The process-result window: the report's lines, the two closing buttons, the
// menu, and saving the report as a text file.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <functional>
#include <memory>

#include "App/CodiComu/windows/TFRMResultadoProcceso.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

namespace {

// Records the save dialog's title, answers with the scripted file names.
class SaveDialogs : public ScriptedDialogs {
public:
  QString PickSaveFile(const QString& title, const QString& folder, const QString& filter) override {
    titles << title;
    return ScriptedDialogs::PickSaveFile(title, folder, filter);
  }
  QStringList titles;
};

class TFRMResultadoProccesoTest : public ::testing::Test {
protected:
  void SetUp() override {
    auto owned = std::make_unique<SaveDialogs>();
    dialogs = owned.get();
    Dialogs::Install(std::move(owned));
    window.SetLines(lines);
  }
  void TearDown() override { Dialogs::Install(nullptr); }

  QString Read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("<missing>");
    return QString::fromUtf8(file.readAll());
  }

  const QStringList lines = {QStringLiteral("*** Comprobación ***"), QString(),
                             QStringLiteral("4 ; Dora ; El BIC calculado no coincide  ES91...")};
  SaveDialogs* dialogs = nullptr;
  TempDir dir;
  TFRMResultadoProcceso window;
};

TEST_F(TFRMResultadoProccesoTest, ShowsTheLinesInAFixedPitchTextArea) {
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Resultado actualización de la base de datos"));
  EXPECT_EQ(window.Lines(), lines);
  QPlainTextEdit* text = window.TextArea();
  EXPECT_EQ(text->font().family(), QStringLiteral("Courier New"));
  EXPECT_EQ(text->font().pixelSize(), 12);
  EXPECT_EQ(text->lineWrapMode(), QPlainTextEdit::NoWrap);
  EXPECT_EQ(text->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(window.AcceptButton()->text(), QStringLiteral("ACEPTAR y procesar los cambios"));
  EXPECT_EQ(window.CancelButton()->text(), QStringLiteral("CANCELAR y descartar los cambios"));
  EXPECT_EQ(window.SaveAction()->text(), QStringLiteral("Guardar como ..."));
  EXPECT_EQ(window.ExitAction()->text(), QStringLiteral("Salir"));
}

TEST_F(TFRMResultadoProccesoTest, OnlyTheAcceptButtonClosesWithOk) {
  struct Case {
    const char* name;
    std::function<void(TFRMResultadoProcceso&)> close;
    bool accepted;
  };
  const Case cases[] = {
      {"aceptar", [](TFRMResultadoProcceso& w) { w.AcceptButton()->click(); }, true},
      {"cancelar", [](TFRMResultadoProcceso& w) { w.CancelButton()->click(); }, false},
      {"salir", [](TFRMResultadoProcceso& w) { w.ExitAction()->trigger(); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QTimer::singleShot(0, [&] {
      auto* shown = qobject_cast<TFRMResultadoProcceso*>(QApplication::activeModalWidget());
      ASSERT_NE(shown, nullptr);
      EXPECT_EQ(shown->Lines(), lines);
      c.close(*shown);
    });
    EXPECT_EQ(TFRMResultadoProcceso::Confirm(lines), c.accepted);
  }
}

TEST_F(TFRMResultadoProccesoTest, SaveAsWritesTheLinesAddingTxtWhenTheNameHasNoExtension) {
  const QString expected = lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
  dialogs->AnswerFile(dir.File(QStringLiteral("informe")));
  window.SaveAction()->trigger();
  EXPECT_EQ(dialogs->titles, QStringList{QStringLiteral("Guardar archivo de información")});
  EXPECT_EQ(Read(dir.File(QStringLiteral("informe.txt"))), expected);
  EXPECT_FALSE(QFile::exists(dir.File(QStringLiteral("informe"))));

  dialogs->AnswerFile(dir.File(QStringLiteral("informe.log")));
  EXPECT_TRUE(window.SaveAs());
  EXPECT_EQ(Read(dir.File(QStringLiteral("informe.log"))), expected);

  EXPECT_FALSE(window.SaveAs());  // cancelled: nothing asked of the file system
  EXPECT_TRUE(dialogs->errors.isEmpty());

  dialogs->AnswerFile(dir.File(QStringLiteral("no/existe/informe.txt")));
  EXPECT_FALSE(window.SaveAs());
  ASSERT_EQ(dialogs->errors.size(), 1);
  EXPECT_TRUE(dialogs->errors[0].startsWith(QStringLiteral("No se puede guardar el archivo")))
      << dialogs->errors[0].toStdString();
}

}  // namespace
