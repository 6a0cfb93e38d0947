#include <gtest/gtest.h>
#include <QObject>
#include <memory>

#include "platform/translate/TLanguageFile.h"
#include "platform/translate/TZULTranslate.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempDir.h"

// A control of a form: a declared "caption", a read-only "title" and a number.
class TTestControl : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString caption READ Caption WRITE SetCaption)
  Q_PROPERTY(QString title READ Title)
  Q_PROPERTY(int tabOrder READ TabOrder)
public:
  TTestControl(const QString& name, const QString& caption, QObject* parent = nullptr)
      : QObject(parent), m_caption(caption) {
    setObjectName(name);
  }
  QString Caption() const { return m_caption; }
  void SetCaption(const QString& caption) { m_caption = caption; }
  QString Title() const { return QStringLiteral("Fijo"); }
  int TabOrder() const { return 1; }

private:
  QString m_caption;
};

namespace {

QString Prop(const QObject* object, const char* name) { return object->property(name).toString(); }

// FRMPrueba "Formulario"
//   btnOk "Aceptar", toolTip "Guardar los cambios"
//   (a panel without name, text "Panel")
//     lblNombre text "Nombre:", caption 5 (not a text)
//   edNombre text "Luis" (what the user typed)
struct Form {
  std::unique_ptr<TTestControl> form =
      std::make_unique<TTestControl>(QStringLiteral("FRMPrueba"), QStringLiteral("Formulario"));
  TTestControl* ok = new TTestControl(QStringLiteral("btnOk"), QStringLiteral("Aceptar"), form.get());
  QObject* panel = new QObject(form.get());
  QObject* label = new QObject(panel);
  QObject* edit = new QObject(form.get());
  Form() {
    ok->setProperty("toolTip", QStringLiteral("Guardar los cambios"));
    panel->setProperty("text", QStringLiteral("Panel"));
    label->setObjectName(QStringLiteral("lblNombre"));
    label->setProperty("text", QStringLiteral("Nombre:"));
    label->setProperty("caption", 5);
    edit->setObjectName(QStringLiteral("edNombre"));
    edit->setProperty("text", QStringLiteral("Luis"));
  }
};

const TZULTranslate::Filter kSkipEdits = [](const QObject* object, const QString& property) {
  return object->objectName().startsWith(QLatin1String("ed")) && property == QLatin1String("text");
};

QString English(const TempDir& dir) {
  TLanguageFile file;
  file.language = QStringLiteral("English");
  file.texts = {{QStringLiteral("Pfx.caption"), QStringLiteral("Form")},
                {QStringLiteral("Pfx.title"), QStringLiteral("Fixed")},
                {QStringLiteral("Pfx.btnOk.caption"), QStringLiteral("OK")},
                {QStringLiteral("Pfx.btnOk.toolTip"), QStringLiteral("Save the changes")},
                {QStringLiteral("Pfx.lblNombre.text"), QStringLiteral("Name:")},
                {QStringLiteral("Pfx.lblNombre.caption"), QStringLiteral("Five")},
                {QStringLiteral("Pfx.edNombre.text"), QStringLiteral("Louis")},
                {QStringLiteral("Pfx..text"), QStringLiteral("Unnamed")},
                {QStringLiteral("Pfx.text"), QStringLiteral("Unnamed")}};
  const QString path = dir.File(QStringLiteral("en.lang"));
  file.Save(path);
  return path;
}

TEST(TZULTranslateExecuteTest, TranslatesNamedObjectsAndGoesBackToTheOriginals) {
  TempDir dir;
  Form f;
  TZULTranslate t;
  t.Init(English(dir), QString(), QStringLiteral("English"));
  t.Execute(f.form.get(), QStringLiteral("Pfx"), kSkipEdits);
  EXPECT_EQ(f.form->Caption(), QStringLiteral("Form"));
  EXPECT_EQ(f.form->Title(), QStringLiteral("Fijo"));  // read-only: left alone
  EXPECT_EQ(f.ok->Caption(), QStringLiteral("OK"));
  EXPECT_EQ(Prop(f.ok, "toolTip"), QStringLiteral("Save the changes"));
  EXPECT_EQ(Prop(f.panel, "text"), QStringLiteral("Panel"));  // no name, no key
  EXPECT_EQ(Prop(f.label, "text"), QStringLiteral("Name:"));  // found below the unnamed panel
  EXPECT_EQ(f.label->property("caption"), QVariant(5));       // not a text
  EXPECT_EQ(Prop(f.edit, "text"), QStringLiteral("Luis"));    // skipped by the filter

  // The default language brings the original texts back.
  t.Init(QString(), QString(), QString());
  t.Execute(f.form.get(), QStringLiteral("Pfx"), kSkipEdits);
  EXPECT_EQ(f.form->Caption(), QStringLiteral("Formulario"));
  EXPECT_EQ(f.ok->Caption(), QStringLiteral("Aceptar"));
  EXPECT_EQ(Prop(f.ok, "toolTip"), QStringLiteral("Guardar los cambios"));
  EXPECT_EQ(Prop(f.label, "text"), QStringLiteral("Nombre:"));
}

TEST(TZULTranslateExecuteTest, ATextSetByTheProgramBecomesTheNewOriginal) {
  TempDir dir;
  Form f;
  TZULTranslate t;
  t.Init(English(dir), QString(), QStringLiteral("English"));
  t.Execute(f.form.get(), QStringLiteral("Pfx"));
  EXPECT_EQ(f.ok->Caption(), QStringLiteral("OK"));
  f.ok->SetCaption(QStringLiteral("Cerrar"));
  t.Init(QString(), QString(), QString());
  t.Execute(f.form.get(), QStringLiteral("Pfx"));
  EXPECT_EQ(f.ok->Caption(), QStringLiteral("Cerrar"));
  EXPECT_EQ(f.form->Caption(), QStringLiteral("Formulario"));
}

TEST(TZULTranslateExecuteTest, SaveModeCollectsEveryKeyWithItsUntranslatedText) {
  TempDir dir;
  Form f;
  TZULTranslate t;
  t.Init(English(dir), QString(), QStringLiteral("English"));
  t.SetSaveMode(true);
  t.Execute(f.form.get(), QStringLiteral("Pfx"), kSkipEdits);
  t.Execute(f.form.get(), QStringLiteral("Pfx"), kSkipEdits);  // a second pass still sees the Spanish
  EXPECT_EQ(t.Collected(), (QMap<QString, QString>{
                               {QStringLiteral("Pfx.caption"), QStringLiteral("Formulario")},
                               {QStringLiteral("Pfx.title"), QStringLiteral("Fijo")},
                               {QStringLiteral("Pfx.btnOk.caption"), QStringLiteral("Aceptar")},
                               {QStringLiteral("Pfx.btnOk.title"), QStringLiteral("Fijo")},
                               {QStringLiteral("Pfx.btnOk.toolTip"), QStringLiteral("Guardar los cambios")},
                               {QStringLiteral("Pfx.lblNombre.text"), QStringLiteral("Nombre:")},
                           }));
  EXPECT_EQ(f.ok->Caption(), QStringLiteral("OK"));
}

TEST(TZULTranslateExecuteTest, AnEmptyPrefixGivesKeysWithoutALeadingPoint) {
  Form f;
  TZULTranslate t;
  t.SetSaveMode(true);
  t.Execute(f.form.get(), QString());
  EXPECT_TRUE(t.Collected().contains(QStringLiteral("caption")));
  EXPECT_TRUE(t.Collected().contains(QStringLiteral("btnOk.caption")));
  t.Execute(nullptr, QStringLiteral("Pfx"));  // nothing to do
}

}  // namespace

#include "ExecuteTest.moc"
