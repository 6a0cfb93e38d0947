#include <gtest/gtest.h>

#include <QBuffer>
#include <QJsonDocument>
#include <QJsonObject>

#include "platform/core/Exceptions.h"
#include "platform/zul/TTreeZUL.h"
#include "platform/zul/TZULAppFile.h"
#include "platform/zul/ZulUtils.h"
#include "tests/support/QtPrinters.h"

namespace {

TEST(ZulUtils, PartsIgualtatSplitsAtTheFirstEquals) {
  struct Case {
    const char* text;
    bool found;
    const char* left;
    const char* right;
  };
  const Case cases[] = {
      {"T01Alumnos=Alumnos", true, "T01Alumnos", "Alumnos"},
      {"Alumnos=Ctrl+A=B", true, "Alumnos", "Ctrl+A=B"},
      {"Sin igual", false, "Sin igual", ""},
      {"=derecha", true, "", "derecha"},
      {"izquierda=", true, "izquierda", ""},
      {"", false, "", ""},
  };
  for (const Case& c : cases) {
    QString left = QStringLiteral("basura"), right = QStringLiteral("basura");
    EXPECT_EQ(PartsIgualtat(QString::fromUtf8(c.text), left, right), c.found) << c.text;
    EXPECT_EQ(left, QString::fromUtf8(c.left)) << c.text;
    EXPECT_EQ(right, QString::fromUtf8(c.right)) << c.text;
  }
  EXPECT_EQ(VersioZULText(CT_VersioZUL),
            QStringLiteral("%1.%2").arg(CT_VersioZUL / 10).arg(CT_VersioZUL % 10));
}

TEST(TreeZUL, ChildrenInOrderAndTheVirtualTree) {
  TTreeZUL tree;
  tree.AddNode(1, TreeKind::Application, QStringLiteral("App"));
  tree.AddNode(30, TreeKind::Menu, QStringLiteral("Tablas"), 1);
  tree.AddNode(20, TreeKind::DesignOnly, QStringLiteral("Notas"), 1);
  tree.AddNode(21, TreeKind::MenuEntry, QStringLiteral("Bajo notas"), 20);
  tree.AddNode(10, TreeKind::MenuEntry, QStringLiteral("Alumnos=Ctrl+A"), 30);
  tree.AddNode(5, TreeKind::MenuEntry, QStringLiteral("Centros"), 30);
  tree.AddNode(2, TreeKind::DesignOnly, QStringLiteral("Raíz de diseño"));

  EXPECT_EQ(tree.Count(), 7);
  EXPECT_EQ(tree.RootNodes(), (QList<int>{1, 2}));
  EXPECT_EQ(tree.Children(1), (QList<int>{30, 20}));
  EXPECT_EQ(tree.Children(30), (QList<int>{10, 5})) << "the order added, not the numbers";
  ASSERT_NE(tree.FindNode(10), nullptr);
  EXPECT_EQ(tree.FindNode(10)->text, QStringLiteral("Alumnos=Ctrl+A"));
  EXPECT_EQ(tree.FindNode(10)->parent, 30);
  EXPECT_EQ(tree.FindNode(99), nullptr);
  EXPECT_EQ(tree.Children(99), QList<int>{});

  tree.SetRealTree(false);
  EXPECT_EQ(tree.RootNodes(), QList<int>{1});
  EXPECT_EQ(tree.Children(1), QList<int>{30});
  EXPECT_TRUE(tree.Hidden(21));
  EXPECT_EQ(tree.Children(20), QList<int>{});
  EXPECT_NE(tree.FindNode(21), nullptr) << "still found by number";
  tree.SetRealTree(true);
  EXPECT_EQ(tree.Children(20), QList<int>{21});

  EXPECT_THROW(tree.AddNode(10, 4, QString(), 1), EFileError);
  EXPECT_THROW(tree.AddNode(0, 4, QString()), EFileError);
  EXPECT_THROW(tree.AddNode(77, 4, QString(), 76), EFileError);
}

QByteArray Json(const TZULAppFile& file) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  file.SaveToStream(buffer);
  return buffer.data();
}

TZULAppFile FromJson(const QByteArray& json) {
  TZULAppFile file;
  QBuffer buffer;
  buffer.setData(json);
  buffer.open(QIODevice::ReadOnly);
  file.LoadFromStream(buffer);
  return file;
}

const TZULControlDef* FindDef(const std::vector<TZULControlDef>& defs, const QString& name) {
  for (const TZULControlDef& d : defs) {
    if (d.name == name) return &d;
    if (const TZULControlDef* found = FindDef(d.controls, name)) return found;
  }
  return nullptr;
}

TEST(AppFile, BuiltInApplicationHoldsEveryKindOfElement) {
  const TZULAppFile app = TZULAppFile::BuiltIn();
  EXPECT_EQ(app.SaveCounter(), 1);
  EXPECT_FALSE(app.GeneratorId().isEmpty());
  EXPECT_TRUE(app.FileDate().isValid());
  ASSERT_EQ(app.Tree().RootNodes().size(), 1);
  EXPECT_EQ(app.Tree().FindNode(app.Tree().RootNodes().first())->text,
            QStringLiteral("ZUL-Lumaresca 2014 EXTENDED"));
  EXPECT_EQ(app.Tree().Children(391), (QList<int>{11342, 11780}));

  const TZULFormDef* students = app.FindForm(11780);
  ASSERT_NE(students, nullptr);
  EXPECT_EQ(students->dataObjectId, 3);
  EXPECT_EQ(app.FindFormByDataObject(251)->node, 11342);
  EXPECT_EQ(app.FindForm(391), nullptr);

  QSet<TZULControlKind> kinds;
  std::function<void(const std::vector<TZULControlDef>&)> collect =
      [&](const std::vector<TZULControlDef>& defs) {
        for (const TZULControlDef& d : defs) {
          kinds.insert(d.kind);
          collect(d.controls);
        }
      };
  for (const TZULFormDef& f : app.Forms()) collect(f.controls);
  for (TZULControlKind k :
       {TZULControlKind::Panel, TZULControlKind::Label, TZULControlKind::Button, TZULControlKind::DBEdit,
        TZULControlKind::DBCheckBox, TZULControlKind::DBMemo, TZULControlKind::DBDate,
        TZULControlKind::DBLookup, TZULControlKind::DBRadioGroup, TZULControlKind::Grid}) {
    EXPECT_TRUE(kinds.contains(k)) << ControlKindName(k).toStdString();
  }
  const TZULControlDef* button = FindDef(students->controls, QStringLiteral("ZULbtnControlActivo"));
  ASSERT_NE(button, nullptr);
  ASSERT_EQ(button->arguments.size(), 2u);
  EXPECT_EQ(button->arguments[1].object, QStringLiteral("DadesQry"));
  const TZULControlDef* grid = FindDef(students->controls, QStringLiteral("ZULgrdMatriculas"));
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->detail.masterField, QStringLiteral("IDAlumnoT01"));
  ASSERT_NE(app.FindReport(20001), nullptr);
  EXPECT_EQ(app.FindReport(20001)->kind, 1);
}

TEST(AppFile, SaveAndLoadRoundTrip) {
  TZULAppFile app = TZULAppFile::BuiltIn();
  app.SetSaveCounter(42);
  app.SetGeneratorId(QStringLiteral("diseñador 7"));
  app.SetFileDate(QDateTime(QDate(2025, 2, 3), QTime(4, 5, 6, 789), Qt::UTC));
  TZULFormDef extra;
  extra.node = 900;
  extra.dataObjectId = 77;
  extra.name = QStringLiteral("Extra");
  extra.formObjectId = 208;
  extra.toolWindow = true;
  extra.sql = QStringLiteral("SELECT * FROM T20Centros");
  TZULControlDef lines;
  lines.name = QStringLiteral("ZULgrdLineas");
  lines.kind = TZULControlKind::Grid;
  lines.detail.dataObjectId = 199;
  lines.detail.sql = QStringLiteral("SELECT * FROM T16FacturasCue WHERE IDFacturaCabT16 = {MASTER}");
  lines.detail.masterField = QStringLiteral("IDFacturaCabT15");
  extra.controls.push_back(lines);
  TZULControlDef b;
  b.name = QStringLiteral("btn");
  b.kind = TZULControlKind::Button;
  b.procedure = QStringLiteral("P");
  b.dataSetName = QStringLiteral("ZULgrdLineas");
  b.arguments = {{QVariant(5), {}},
                 {QVariant(2.5), {}},
                 {QVariant(QStringLiteral("t")), {}},
                 {QVariant(true), {}},
                 {QVariant(), QStringLiteral("btn")},
                 {QVariant(), QStringLiteral("DBGrid")}};
  extra.controls.push_back(b);
  app.AddForm(extra);
  app.AddReport(TZULReportDef{5, QStringLiteral("Otro"), 2, QStringLiteral("línea 1\nlínea 2")});

  const QByteArray saved = Json(app);
  const TZULAppFile loaded = FromJson(saved);
  EXPECT_EQ(Json(loaded), saved);
  EXPECT_EQ(loaded.SaveCounter(), 42);
  EXPECT_EQ(loaded.GeneratorId(), QStringLiteral("diseñador 7"));
  EXPECT_EQ(loaded.FileDate(), app.FileDate());
  EXPECT_TRUE(loaded.Tree() == app.Tree());
  ASSERT_NE(loaded.FindForm(900), nullptr);
  EXPECT_EQ(loaded.FindForm(900)->formObjectId, 208);
  EXPECT_TRUE(loaded.FindForm(900)->toolWindow);
  EXPECT_EQ(loaded.FindForm(900)->controls.at(1).dataSetName, QStringLiteral("ZULgrdLineas"));
  const auto& args = loaded.FindForm(900)->controls.at(1).arguments;
  ASSERT_EQ(args.size(), 6u);
  EXPECT_EQ(args[0].value.metaType().id(), QMetaType::Int);
  EXPECT_EQ(args[1].value.toDouble(), 2.5);
  EXPECT_EQ(args[3].value.metaType().id(), QMetaType::Bool);
  EXPECT_EQ(args[5].object, QStringLiteral("DBGrid"));
  EXPECT_EQ(loaded.FindReport(5)->payload, QStringLiteral("línea 1\nlínea 2"));
}

// A file made from the built-in one with one change.
QByteArray Changed(const std::function<void(QJsonObject&)>& change) {
  QJsonObject root = QJsonDocument::fromJson(TZULAppFile::BuiltInJson()).object();
  change(root);
  return QJsonDocument(root).toJson();
}

QJsonObject FirstForm(QJsonObject& root, QJsonArray& forms) {
  forms = root[QStringLiteral("forms")].toArray();
  return forms[0].toObject();
}

void SetFirstControl(QJsonObject& root, const QString& key, const QJsonValue& value) {
  QJsonArray forms;
  QJsonObject form = FirstForm(root, forms);
  QJsonArray controls = form[QStringLiteral("controls")].toArray();
  QJsonObject control = controls[1].toObject();  // the first button
  control[key] = value;
  controls[1] = control;
  form[QStringLiteral("controls")] = controls;
  forms[0] = form;
  root[QStringLiteral("forms")] = forms;
}

TEST(AppFile, InvalidFilesRaiseAndLeaveTheApplication) {
  const QByteArray cases[] = {
      QByteArray("no es json"),
      QByteArray("[]"),
      QByteArray(),
      TZULAppFile::BuiltInJson().left(TZULAppFile::BuiltInJson().size() / 2),
      Changed([](QJsonObject& r) { r[QStringLiteral("format")] = QStringLiteral("otro"); }),
      Changed([](QJsonObject& r) { r[QStringLiteral("version")] = 99; }),
      Changed([](QJsonObject& r) { r[QStringLiteral("saveCounter")] = QStringLiteral("uno"); }),
      Changed([](QJsonObject& r) { r[QStringLiteral("fileDate")] = QStringLiteral("ayer"); }),
      Changed([](QJsonObject& r) {
        QJsonArray tree = r[QStringLiteral("tree")].toArray();
        tree.append(QJsonObject{{QStringLiteral("node"), 391}, {QStringLiteral("kind"), 4}});  // repeated
        r[QStringLiteral("tree")] = tree;
      }),
      Changed([](QJsonObject& r) {
        QJsonArray forms;
        QJsonObject form = FirstForm(r, forms);
        forms.append(form);  // two forms for one node
        r[QStringLiteral("forms")] = forms;
      }),
      Changed([](QJsonObject& r) {
        QJsonArray forms;
        QJsonObject form = FirstForm(r, forms);
        form.remove(QStringLiteral("sql"));
        forms[0] = form;
        r[QStringLiteral("forms")] = forms;
      }),
      Changed([](QJsonObject& r) { SetFirstControl(r, QStringLiteral("kind"), QStringLiteral("Botonazo")); }),
      Changed([](QJsonObject& r) {
        SetFirstControl(r, QStringLiteral("name"), QStringLiteral("PControlsEntradaDades"));
      }),
      Changed([](QJsonObject& r) {
        SetFirstControl(r, QStringLiteral("arguments"),
                        QJsonArray{QJsonObject{{QStringLiteral("object"), QStringLiteral("NoExiste")}}});
      }),
      Changed([](QJsonObject& r) {
        SetFirstControl(r, QStringLiteral("arguments"), QJsonArray{1, 2, 3, 4, 5, 6, 7});
      }),
      Changed([](QJsonObject& r) { SetFirstControl(r, QStringLiteral("enabled"), QStringLiteral("sí")); }),
      // "dataSet" names a control that is not a detail grid.
      Changed([](QJsonObject& r) {
        SetFirstControl(r, QStringLiteral("dataSet"), QStringLiteral("PControlsEntradaDades"));
      }),
      Changed([](QJsonObject& r) {
        QJsonArray forms;
        QJsonObject form = FirstForm(r, forms);
        form[QStringLiteral("formObject")] = 0;
        forms[0] = form;
        r[QStringLiteral("forms")] = forms;
      }),
      Changed([](QJsonObject& r) {
        QJsonArray reports = r[QStringLiteral("reports")].toArray();
        reports.append(reports[0]);
        r[QStringLiteral("reports")] = reports;
      }),
  };
  int index = 0;
  for (const QByteArray& json : cases) {
    SCOPED_TRACE(index++);
    TZULAppFile app = TZULAppFile::BuiltIn();
    app.SetSaveCounter(5);
    try {
      app.LoadFromJson(json);
      ADD_FAILURE() << "no error";
    } catch (const EFileError& e) {
      EXPECT_TRUE(e.Message().startsWith(QStringLiteral("El archivo de aplicación"))) << e.what();
    }
    EXPECT_EQ(app.SaveCounter(), 5);
    EXPECT_NE(app.FindForm(11780), nullptr);
  }
  // The untouched copy reads, and unknown keys are ignored.
  EXPECT_NO_THROW(FromJson(Changed([](QJsonObject& r) { r[QStringLiteral("comentario")] = 1; })));
}

}  // namespace
