// The database selection window and the database wizard window, offscreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

#include "App/CodiComu/windows/TCCFRMEditDataBase.h"
#include "App/CodiComu/windows/TFRMSelEmpresa.h"
#include "tests/App/CodiComu/database/DataBaseTestEnvironment.h"
#include "tests/support/ScriptedDialogs.h"

namespace {

using TPage = TEditDataBaseWizard::TPage;

template <typename T = QWidget>
T* Child(QWidget& window, const char* name) {
  T* child = window.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

void Click(QWidget& window, const char* button) {
  if (auto* b = Child<QPushButton>(window, button)) b->click();
}

void Key(QWidget& window, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QCoreApplication::sendEvent(&window, &press);
}

// Runs `drive` on the modal window that `open` shows; whatever happens, that window is
// closed afterwards so the test never hangs.
void WithModal(const std::function<void()>& open, const std::function<void(QWidget&)>& drive) {
  bool seen = false;
  QTimer::singleShot(0, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    seen = true;
    drive(*modal);
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()); dialog == modal)
      dialog->reject();
  });
  open();
  EXPECT_TRUE(seen) << "no modal window was shown";
}

class DataBaseWindowsTest : public ::testing::Test {
protected:
  QString AddFile(const QString& name, int version) {
    const QString file = env.Data(name + QStringLiteral(".MDB"));
    DataBaseTestEnvironment::MakeDataBase(file, version);
    env.Add(name, file, -1);
    return file;
  }

  DataBaseTestEnvironment env;
  ScriptedDialogs::Scope dialogs;
};

TEST_F(DataBaseWindowsTest, AddsANewEmptyDatabaseEndToEnd) {
  TFRMSelEmpresa w(env.list, env.files, env.session);
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Bases de datos"));
  EXPECT_EQ(w.List()->count(), 0);
  WithModal([&] { Click(w, "btnAnadir"); },
            [&](QWidget& modal) {
              auto* wizard = qobject_cast<TCCFRMEditDataBase*>(&modal);
              ASSERT_NE(wizard, nullptr);
              EXPECT_EQ(wizard->windowTitle(), QStringLiteral("Datos de la Base de datos"));
              EXPECT_EQ(Child<QLabel>(modal, "lblEstado")->text(), QString::fromUtf8("AÑADIENDO"));
              Child<QLineEdit>(modal, "edtNombre")->setText(QStringLiteral("Academia Norte"));
              Click(modal, "btnSiguiente");
              ASSERT_EQ(wizard->Pages()->currentIndex(), static_cast<int>(TPage::Action));
              EXPECT_EQ(Child<QLabel>(modal, "lblTitulo")->text(), QString::fromUtf8("Acción"));
              Child<QRadioButton>(modal, "rbNueva")->click();
              EXPECT_EQ(Child<QLabel>(modal, "lblAyuda")->text(), ccTranslate(1922));
              Click(modal, "btnSiguiente");
              ASSERT_EQ(wizard->Pages()->currentIndex(), static_cast<int>(TPage::Confirm));
              EXPECT_TRUE(Child<QPlainTextEdit>(modal, "memConfirmacion")
                              ->toPlainText()
                              .startsWith(QString::fromUtf8("Se procederá a crear una nueva base de datos")));
              EXPECT_TRUE(Child(modal, "pnlAyuda")->isHidden());
              EXPECT_TRUE(Child(modal, "btnSiguiente")->isHidden());
              EXPECT_FALSE(Child(modal, "btnFinalizar")->isHidden());
              Click(modal, "btnFinalizar");
            });
  ASSERT_EQ(w.List()->count(), 1);
  EXPECT_EQ(w.List()->item(0)->text(), QStringLiteral("Academia Norte"));
  EXPECT_EQ(w.List()->item(0)->foreground().color(), QColor(Qt::black));  // current version, read back
  EXPECT_TRUE(QFileInfo::exists(env.Data(QStringLiteral("ZULLumarescaExtV4E1.MDB"))));
  EXPECT_EQ(env.session.calls, QStringList{QStringLiteral("SetConnected(0)")});
  EXPECT_TRUE(dialogs->errors.isEmpty());
}

TEST_F(DataBaseWindowsTest, ARefusedCheckKeepsThePageAndTheKeysWalkThePages) {
  TEditDataBaseWizard wizard(env.files, TZULDataBase{}, TEditKind::Add);
  TCCFRMEditDataBase w(wizard, env.files);
  bool cancelled = false;
  QObject::connect(&w, &QDialog::rejected, [&] { cancelled = true; });
  EXPECT_EQ(Child<QLabel>(w, "lblTitulo")->text(), QStringLiteral("Nombre Empresa"));
  EXPECT_TRUE(Child(w, "btnAnterior")->isHidden());
  EXPECT_TRUE(Child(w, "btnFinalizar")->isHidden());

  Child<QLineEdit>(w, "edtNombre")->setText(QStringLiteral("   "));
  Click(w, "btnSiguiente");
  EXPECT_EQ(dialogs->errors, QStringList{ccTranslate(1930)});
  EXPECT_EQ(w.Pages()->currentIndex(), static_cast<int>(TPage::Name));

  Child<QLineEdit>(w, "edtNombre")->setText(QStringLiteral("Norte"));
  Key(w, Qt::Key_Return);
  EXPECT_EQ(w.Pages()->currentIndex(), static_cast<int>(TPage::Action));
  EXPECT_FALSE(Child(w, "btnAnterior")->isHidden());
  Child<QRadioButton>(w, "rbExistente")->click();
  Key(w, Qt::Key_Enter);
  EXPECT_EQ(w.Pages()->currentIndex(), static_cast<int>(TPage::Where));
  Child<QLineEdit>(w, "edtUbicar")->setText(env.Bin() + QStringLiteral("/Temp/Norte.MDB"));
  Key(w, Qt::Key_Return);
  EXPECT_EQ(dialogs->errors.size(), 2);
  EXPECT_EQ(dialogs->errors.last(), ccTranslateFmt(1901, {env.Bin() + QStringLiteral("/Temp")}));
  EXPECT_EQ(w.Pages()->currentIndex(), static_cast<int>(TPage::Where));
  EXPECT_EQ(Child<QLineEdit>(w, "edtUbicar")->text(), env.Bin() + QStringLiteral("/Temp/Norte.MDB"));

  Key(w, Qt::Key_Escape);
  EXPECT_EQ(w.Pages()->currentIndex(), static_cast<int>(TPage::Action));
  EXPECT_TRUE(Child<QRadioButton>(w, "rbExistente")->isChecked());
  Key(w, Qt::Key_Escape);
  EXPECT_EQ(w.Pages()->currentIndex(), static_cast<int>(TPage::Name));
  EXPECT_EQ(Child<QLineEdit>(w, "edtNombre")->text(), QStringLiteral("Norte"));
  EXPECT_FALSE(cancelled);
  Key(w, Qt::Key_Escape);
  EXPECT_TRUE(cancelled);
}

TEST_F(DataBaseWindowsTest, ModifyPageAndInformationPage) {
  const TZULDataBase escuela{QStringLiteral("Escuela"), 4, env.Data(QStringLiteral("Escuela.MDB")),
                             QString()};
  {
    TEditDataBaseWizard wizard(env.files, escuela, TEditKind::Modify);
    TCCFRMEditDataBase w(wizard, env.files);
    EXPECT_EQ(Child<QLineEdit>(w, "edtModArchivo")->text(), escuela.Archivo);
    dialogs->AnswerFile(env.Bin() + QStringLiteral("/../datos/Otra.MDB"));
    Click(w, "btnModArchivo");
    EXPECT_EQ(Child<QLineEdit>(w, "edtModArchivo")->text(), env.Data(QStringLiteral("Otra.MDB")));
    Click(w, "btnSiguiente");
    EXPECT_EQ(Child<QPlainTextEdit>(w, "memConfirmacion")->toPlainText(),
              ccTranslateFmt(1920, {QStringLiteral("Escuela"), env.Data(QStringLiteral("Otra.MDB"))}) +
                  QStringLiteral("\nNo se usará ninguna base de datos de permisos"));
    Click(w, "btnFinalizar");
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(wizard.NewDataBase().Archivo, env.Data(QStringLiteral("Otra.MDB")));
  }
  TEditDataBaseWizard wizard(env.files, escuela, TEditKind::Information);
  TCCFRMEditDataBase w(wizard, env.files);
  EXPECT_EQ(w.Pages()->currentIndex(), static_cast<int>(TPage::Info));
  for (const char* hidden : {"btnAnterior", "btnSiguiente", "btnFinalizar"})
    EXPECT_TRUE(Child(w, hidden)->isHidden());
  EXPECT_FALSE(Child(w, "btnCancelar")->isHidden());
  EXPECT_EQ(Child<QLineEdit>(w, "edtInfoArchivo")->text(), escuela.Archivo);
  EXPECT_EQ(Child<QLabel>(w, "lblAyuda")->text(), ccTranslate(2009));
  Click(w, "btnCopiar");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), escuela.Archivo);
  EXPECT_EQ(dialogs->notices, QStringList{ccTranslate(2008)});
}

TEST_F(DataBaseWindowsTest, SelectionWindowColoursCommandsAndKeys) {
  AddFile(QStringLiteral("Antigua"), 3);
  AddFile(QStringLiteral("Actual"), 4);
  AddFile(QStringLiteral("Futura"), 5);
  env.session.connected = true;
  env.session.current = 1;
  TFRMSelEmpresa w(env.list, env.files, env.session);
  ASSERT_EQ(w.List()->count(), 3);
  EXPECT_EQ(w.List()->item(0)->foreground().color(), QColor(Qt::blue));
  EXPECT_EQ(w.List()->item(1)->foreground().color(), QColor(Qt::black));
  EXPECT_EQ(w.List()->item(2)->foreground().color(), QColor(Qt::red));
  EXPECT_EQ(w.List()->currentRow(), 1);
  EXPECT_TRUE(Child(w, "btnModificar")->isEnabled());
  EXPECT_TRUE(Child(w, "btnSinBaseDatos")->isEnabled());

  Key(w, Qt::Key_F8);
  EXPECT_EQ(env.session.calls,
            (QStringList{QStringLiteral("Connect(-1)"), QStringLiteral("SetConnected(0)")}));
  EXPECT_FALSE(Child(w, "btnSinBaseDatos")->isEnabled());

  w.List()->setCurrentRow(-1);
  for (const char* name : {"btnModificar", "btnBorrar", "btnDuplicar", "btnSeleccionar"}) {
    EXPECT_FALSE(Child(w, name)->isEnabled()) << name;
  }
  EXPECT_TRUE(Child(w, "btnAnadir")->isEnabled());
  EXPECT_TRUE(Child(w, "btnInformacion")->isEnabled());
  Key(w, Qt::Key_F5);  // disabled: nothing happens
  Key(w, Qt::Key_Return);
  EXPECT_EQ(dialogs->errors, QStringList{ccTranslate(1720)});

  // The older database offers its import; the wizard opens on the file to import.
  w.List()->setCurrentRow(0);
  dialogs->Answer(dbYes);
  WithModal([&] { Key(w, Qt::Key_Return); },
            [&](QWidget& modal) {
              auto* wizard = qobject_cast<TCCFRMEditDataBase*>(&modal);
              ASSERT_NE(wizard, nullptr);
              EXPECT_EQ(wizard->Pages()->currentIndex(), static_cast<int>(TPage::Import));
              EXPECT_EQ(Child<QLineEdit>(modal, "edtImportar")->text(),
                        env.Data(QStringLiteral("Antigua.MDB")));
            });
  EXPECT_EQ(w.List()->count(), 3);

  env.session.calls.clear();
  w.List()->setCurrentRow(1);
  emit w.List()->itemDoubleClicked(w.List()->item(1));
  EXPECT_EQ(env.session.calls, QStringList{QStringLiteral("Connect(1)")});
  EXPECT_EQ(w.result(), QDialog::Accepted);
}

}  // namespace
