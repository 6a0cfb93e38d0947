// The application object: the application file with its fallback to the built-in
// application, and the forms it builds with their controls, grids and buttons.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <memory>

#include "platform/core/Exceptions.h"
#include "platform/os/TRegistryStore.h"
#include "platform/zul/TDBGrid.h"
#include "platform/zul/TDataBaseZUL.h"
#include "platform/zul/TParametres.h"
#include "platform/zul/TProcedureZUL.h"
#include "platform/zul/TQuerySQL.h"
#include "platform/zul/TSQLDataSet.h"
#include "platform/zul/TZULApp.h"
#include "platform/zul/TZULAppFile.h"
#include "platform/zul/TZULForm.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

namespace {

class AppTest : public ::testing::Test {
protected:
  void SetUp() override {
    db.Create(dir.File(QStringLiteral("empresa.mdb")));
    for (const char* sql : {
             "CREATE TABLE T20Centros (IDCentroT20 INTEGER PRIMARY KEY AUTOINCREMENT, CodigoCentroT20 "
             "VARCHAR(50) "
             "COLLATE JETNOCASE, NombreCentroT20 VARCHAR(50) COLLATE JETNOCASE, ActivoT20 BOOLEAN NOT NULL "
             "DEFAULT 0, "
             "ComentariosT20 LONGTEXT COLLATE JETNOCASE)",
             "CREATE TABLE T01Alumnos (IDAlumnoT01 INTEGER PRIMARY KEY AUTOINCREMENT, IDCentroT01 INTEGER, "
             "CodigoT01 "
             "INTEGER, NombreT01 VARCHAR(50) COLLATE JETNOCASE, ApellidosT01 VARCHAR(50) COLLATE JETNOCASE, "
             "NombreCompletoT01 VARCHAR(100) COLLATE JETNOCASE, ActivoT01 BOOLEAN NOT NULL DEFAULT 0, "
             "FechaNacT01 "
             "DATETIME REAL, SexoT01 VARCHAR(1), ComentariosT01 LONGTEXT COLLATE JETNOCASE)",
             "CREATE TABLE T02Matriculas (IDMatriculaT02 INTEGER PRIMARY KEY AUTOINCREMENT, IDAlumnoT02 "
             "INTEGER, "
             "NMatriculaT02 VARCHAR(20) COLLATE JETNOCASE, ActivaT02 BOOLEAN NOT NULL DEFAULT 0)",
             "INSERT INTO T20Centros (CodigoCentroT20, NombreCentroT20, ActivoT20) VALUES ('C2', 'Zeta', 1), "
             "('C1', "
             "'Alfa', 1)",
             "INSERT INTO T01Alumnos (IDCentroT01, CodigoT01, NombreT01, ApellidosT01, ActivoT01) VALUES (1, "
             "1, 'Ana', "
             "'Abad', 1), (2, 2, 'Luis', 'Bueno', 1), (2, 3, 'Eva', 'Cano', 0)",
             "INSERT INTO T02Matriculas (IDAlumnoT02, NMatriculaT02, ActivaT02) VALUES (1, 'M-1', 1), (1, "
             "'M-2', 0), "
             "(2, 'M-3', 1)",
         }) {
      db.ExecuteNativeSQL(QString::fromUtf8(sql));
    }
    app.SetDefaultDB(&db);
  }

  std::unique_ptr<TZULForm> Open(int node) { return std::unique_ptr<TZULForm>(app.ObreComponent(node)); }

  TempDir dir;
  TDataBaseZUL db;
  TZULApp app;
};

QStringList Column(TSQLDataSet* ds, const char* field) {
  QStringList values;
  if (!ds || !ds->Active()) return values;
  const int count = ds->RecordCount();
  for (int row = 0; row < count; ++row) {
    values << ds->RowValue(row, ds->FieldByName(QLatin1String(field)).Index()).toString();
  }
  return values;
}

TEST_F(AppTest, BuildsTheFormOfANode) {
  QVariantList created;
  bool openWhenCreated = true;
  app.Procedures().RegisterProcedure(QStringLiteral("ProcedureZULFormEvent_CREATE"), QString(),
                                     [&](QObject*, const QVariantList& args) {
                                       created = args;
                                       auto* f = qobject_cast<TZULForm*>(args.value(0).value<QObject*>());
                                       openWhenCreated = f && f->DataSet()->Active();
                                     });
  QObject owner;
  TZULForm* form = app.ObreComponent(11780, &owner);
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->parent(), &owner);
  EXPECT_EQ(form->Node(), 11780);
  EXPECT_EQ(form->DataObjectId(), 3);
  EXPECT_EQ(form->Caption(), QStringLiteral("Alumnos"));
  ASSERT_EQ(created.size(), 3);
  EXPECT_EQ(created[0].value<QObject*>(), form);
  EXPECT_EQ(created[1].toInt(), 1);
  EXPECT_EQ(created[2].toInt(), 3);
  EXPECT_FALSE(openWhenCreated) << "rules set the form up before its data arrives";

  TSQLDataSet* ds = form->DataSet();
  ASSERT_NE(ds, nullptr);
  EXPECT_TRUE(ds->Active());
  EXPECT_EQ(ds->DataObjectId(), 3);
  EXPECT_EQ(ds->Procedures(), &app.Procedures());
  EXPECT_EQ(ds->UpdateTable(), QStringLiteral("T01Alumnos"));
  EXPECT_EQ(ds->FieldByName(QStringLiteral("NombreT01")).AsString(), QStringLiteral("Ana"));
  EXPECT_EQ(form->Component(QStringLiteral("dadesqry")), ds);
  EXPECT_EQ(form->Component(QStringLiteral("DATASETSQL")), form->Query());
  ASSERT_NE(form->ListGrid(), nullptr);
  EXPECT_EQ(form->Component(QStringLiteral("DBGrid")), form->ListGrid());
  EXPECT_EQ(form->ListGrid()->columnCount(), 4);
  EXPECT_EQ(form->ListGrid()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Apellidos"));

  // Controls by name, inside their panel, with what the file says.
  TZULControl* panel = form->FindControl(QStringLiteral("PControlsEntradaDades"));
  ASSERT_NE(panel, nullptr);
  TZULControl* nombre = form->FindControl(QStringLiteral("zulebnombre"));
  ASSERT_NE(nombre, nullptr);
  EXPECT_EQ(nombre->parent(), panel);
  EXPECT_EQ(nombre->Kind(), TZULControlKind::DBEdit);
  EXPECT_EQ(nombre->DataField(), QStringLiteral("NombreT01"));
  EXPECT_EQ(nombre->Caption(), QStringLiteral("Nombre"));
  EXPECT_FALSE(form->FindControl(QStringLiteral("ZULebNombreCompleto"))->Enabled());
  EXPECT_TRUE(form->FindControl(QStringLiteral("ZULebCodigo"))->ReadOnly());
  EXPECT_FALSE(form->FindControl(QStringLiteral("ZULbtnControlActivo"))->Visible());
  EXPECT_EQ(form->FindControl(QStringLiteral("ZULdtFechaNac"))->Kind(), TZULControlKind::DBDate);
  TZULControl* sexo = form->FindControl(QStringLiteral("ZULrgSexo"));
  EXPECT_EQ(sexo->Items(), (QStringList{QStringLiteral("Hombre"), QStringLiteral("Mujer")}));
  EXPECT_EQ(sexo->ItemValues(), (QVariantList{QStringLiteral("H"), QStringLiteral("M")}));
  TZULControl* centro = form->FindControl(QStringLiteral("ZULlkCentro"));
  // A lookup keeps its query; the combo that shows it reads the choices lazily.
  EXPECT_TRUE(centro->Items().isEmpty()) << "the look-up table is not read when the form opens";
  EXPECT_TRUE(centro->LookupSQL().contains(QStringLiteral("T20Centros")));
  EXPECT_EQ(centro->LookupKeyField(), QStringLiteral("IDCentroT20"));
  EXPECT_EQ(centro->LookupDisplayField(), QStringLiteral("NombreCentroT20"));
  EXPECT_EQ(form->FindControl(QStringLiteral("NoExiste")), nullptr);
  const QList<TZULControl*> all = form->Controls();
  EXPECT_EQ(all.first(), panel);
  EXPECT_EQ(all.size(), 14);

  // The detail grid follows the current student.
  TZULControl* grid = form->FindControl(QStringLiteral("ZULgrdMatriculas"));
  ASSERT_NE(grid, nullptr);
  ASSERT_NE(grid->Grid(), nullptr);
  TSQLDataSet* detail = grid->Grid()->DataSet();
  EXPECT_EQ(form->Component(QStringLiteral("ZULgrdMatriculasDataSet")), detail);
  EXPECT_EQ(detail->DataObjectId(), 10841) << "a view of the enrolments, not their data object";
  EXPECT_EQ(Column(detail, "NMatriculaT02"), (QStringList{QStringLiteral("M-1"), QStringLiteral("M-2")}));
  EXPECT_EQ(grid->Grid()->columnCount(), 2);
  ds->Next();
  EXPECT_EQ(Column(detail, "NMatriculaT02"), QStringList{QStringLiteral("M-3")});
  ds->Next();
  EXPECT_EQ(Column(detail, "NMatriculaT02"), QStringList{});
  ds->First();
  EXPECT_EQ(Column(detail, "NMatriculaT02").size(), 2);
}

TEST_F(AppTest, NodesWithoutAFormAndMissingDatabase) {
  EXPECT_EQ(app.ObreComponent(391), nullptr) << "a menu node";
  EXPECT_EQ(app.ObreComponent(123456), nullptr) << "no such node";
  TZULApp noDb;
  EXPECT_EQ(noDb.ObreComponent(1), nullptr);
  EXPECT_THROW(noDb.ObreComponent(11342), EDatabaseError);

  // A rule that refuses the form at creation: the error goes through, nothing leaks.
  app.Procedures().RegisterProcedure(QStringLiteral("ProcedureZULFormEvent_CREATE"), QString(),
                                     [](QObject*, const QVariantList&) {
                                       throw EDatabaseError(QStringLiteral("No puede abrir este formulario"));
                                     });
  QObject owner;
  EXPECT_THROW(app.ObreComponent(11342, &owner), EDatabaseError);
  EXPECT_TRUE(owner.children().isEmpty());
}

TEST_F(AppTest, ButtonsRunTheirProcedureWithTheFormsObjects) {
  struct Seen {
    QObject* sender = nullptr;
    QObject* query = nullptr;
    QObject* grid = nullptr;
    QObject* dataSet = nullptr;
    QObject* form = nullptr;
    QObject* prme01 = nullptr;
    QObject* prme02 = nullptr;
    bool prme03 = true;
  } seen;
  int runs = 0;
  // A rule shaped like "enabled only while not editing", reading its objects from PRME01/PRME02.
  app.Procedures().RegisterProcedure(
      QStringLiteral("ControlActiuNomesQuanNoModifiqui"), QString(),
      [&](QObject* sender, const QVariantList&) {
        ++runs;
        TParametres& p = Parametres();
        seen = {sender,
                p.GetObject(PRM::TQuerySQL),
                p.GetObject(PRM::DBGrid),
                p.GetObject(PRM::DataSet),
                p.GetObject(PRM::ZULForm),
                p.GetObject(PRM::Argument(1)),
                p.GetObject(PRM::Argument(2)),
                p.ParamExists(PRM::Argument(3))};
        auto* control = p.GetObjectAs<TZULControl>(PRM::Argument(1));
        auto* ds = p.GetObjectAs<TSQLDataSet>(PRM::Argument(2));
        if (control && ds) {
          control->SetEnabled(ds->State() != TDataSetState::dsEdit && ds->State() != TDataSetState::dsInsert);
        }
      });
  auto form = Open(11780);
  ASSERT_TRUE(form);
  TZULControl* button = form->FindControl(QStringLiteral("ZULbtnControlActivo"));
  TZULControl* target = form->FindControl(QStringLiteral("ZULbtnCambioActivo"));
  ASSERT_TRUE(button && target);
  EXPECT_EQ(button->Procedure(), QStringLiteral("ControlActiuNomesQuanNoModifiqui"));

  Parametres().AddParam(PRM::Argument(3), QStringLiteral("de antes"));
  button->Click();
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(seen.sender, button);
  EXPECT_EQ(seen.query, form->Query());
  EXPECT_EQ(seen.grid, form->ListGrid());
  EXPECT_EQ(seen.dataSet, form->DataSet());
  EXPECT_EQ(seen.form, form.get());
  EXPECT_EQ(seen.prme01, target);
  EXPECT_EQ(seen.prme02, form->DataSet());
  EXPECT_FALSE(seen.prme03) << "arguments beyond the button's are removed";
  EXPECT_TRUE(target->Enabled());

  form->DataSet()->Edit();
  button->Click();
  EXPECT_FALSE(target->Enabled());
  form->DataSet()->Cancel();

  button->SetEnabled(false);
  button->Click();
  EXPECT_EQ(runs, 2) << "a disabled button runs nothing";

  // Once the form is gone its objects read as nothing.
  form.reset();
  EXPECT_EQ(Parametres().GetObject(PRM::ZULForm), nullptr);
  EXPECT_EQ(Parametres().GetObject(PRM::Argument(1)), nullptr);
}

TEST_F(AppTest, AButtonsErrorIsShownAndRunButtonPassesItOn) {
  ScriptedDialogs::Scope dialogs;
  app.Procedures().RegisterProcedure(
      QStringLiteral("CAMBIO_ACTIVO_CENTRO"), QString(), [](QObject*, const QVariantList&) {
        throw EDatabaseError(QStringLiteral("No ha seleccionado ningún centro"));
      });
  app.Procedures().RegisterProcedure(QStringLiteral("MUESTRA_CENTRO_ACTUAL"), QString(),
                                     [](QObject*, const QVariantList&) { Abort(); });
  auto form = Open(11342);
  ASSERT_TRUE(form);
  TZULControl* button = form->FindControl(QStringLiteral("ZULbtnCambioActivo"));
  button->Click();
  EXPECT_EQ(dialogs->errors, QStringList{QStringLiteral("No ha seleccionado ningún centro")});
  form->FindControl(QStringLiteral("ZULbtnCentroActual"))->Click();
  EXPECT_EQ(dialogs->errors.size(), 1) << "a silent abort shows nothing";
  EXPECT_THROW(form->RunButton(button), EDatabaseError);
  // A procedure that is not registered does nothing.
  form->FindControl(QStringLiteral("ZULbtnCambioActivo"))->SetProcedure(QStringLiteral("NO_REGISTRADO"));
  EXPECT_NO_THROW(form->RunButton(button));
}

TEST_F(AppTest, ApplicationFileLoadsAndFallsBackToTheBuiltIn) {
  // A file of our own: one form renamed, a new save counter.
  TZULAppFile custom = TZULAppFile::BuiltIn();
  custom.SetSaveCounter(8);
  custom.SetGeneratorId(QStringLiteral("pruebas"));
  custom.Tree().AddNode(5000, 4, QStringLiteral("Nuevo"), 391);
  const QString base = dir.File(QStringLiteral("Aplicacion"));
  {
    QFile file(base + QStringLiteral(".ZUL"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    custom.SaveToStream(file);
  }
  app.SetAppFile(base);
  EXPECT_EQ(app.GetAppFile(), base);
  EXPECT_EQ(app.SaveCounter(), 8);
  EXPECT_EQ(app.GeneratorId(), QStringLiteral("pruebas"));
  EXPECT_EQ(app.Tree().Children(391).last(), 5000);

  // Save and load through streams, as the shell keeps a copy while it reads a file.
  QBuffer copy;
  copy.open(QIODevice::WriteOnly);
  app.SaveAppToStream(copy);
  app.ClearApp();
  EXPECT_TRUE(app.AppFile().IsEmpty());
  EXPECT_EQ(app.ObreComponent(11780), nullptr);
  copy.open(QIODevice::ReadOnly);
  app.LoadAppFromStream(copy);
  EXPECT_EQ(app.SaveCounter(), 8);

  // Missing and damaged files raise and leave the application as it was.
  app.LoadBuiltInApp();
  const QByteArray damaged[] = {QByteArray("{ roto"), TZULAppFile::BuiltInJson().left(100), QByteArray()};
  for (const QByteArray& bytes : damaged) {
    QFile file(base + QStringLiteral(".ZUL"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();
    try {
      app.SetAppFile(base);
      ADD_FAILURE() << "no error";
    } catch (const EFileError& e) {
      EXPECT_TRUE(e.Message().contains(base)) << e.what();
    }
    EXPECT_EQ(app.SaveCounter(), TZULAppFile::BuiltIn().SaveCounter());
    EXPECT_NE(app.AppFile().FindForm(11780), nullptr);
  }
  EXPECT_THROW(app.SetAppFile(dir.File(QStringLiteral("NoExiste"))), EFileError);
  EXPECT_NE(app.AppFile().FindForm(11342), nullptr);
  auto form = Open(11342);
  EXPECT_TRUE(form) << "the built-in application's forms open";

  // The mode of the tree survives a load; closing brings back the built-in application.
  app.Tree().SetRealTree(false);
  QBuffer builtIn;
  builtIn.setData(TZULAppFile::BuiltInJson());
  builtIn.open(QIODevice::ReadOnly);
  app.LoadAppFromStream(builtIn);
  EXPECT_FALSE(app.Tree().RealTree());
  EXPECT_FALSE(app.Tree().RootNodes().isEmpty());
  app.ClearApp();
  app.CloseApp();
  EXPECT_TRUE(app.GetAppFile().isEmpty());
  EXPECT_NE(app.AppFile().FindForm(11780), nullptr);
}

TEST_F(AppTest, AFormOfItsOwnIdentifierAndControlsOnADetailGrid) {
  const QByteArray json = R"json({"format": "lumaresca-application", "version": 1,
    "tree": [{"node": 500, "kind": 3, "text": "Faltas"}],
    "forms": [{"node": 500, "dataObject": 3, "formObject": 303, "sql": "SELECT * FROM T01Alumnos ORDER BY CodigoT01",
      "controls": [
        {"name": "ZULgrdMatriculas", "kind": "Grid",
         "detail": {"dataObject": 186, "sql": "SELECT * FROM T02Matriculas WHERE IDAlumnoT02 = {MASTER}",
                    "masterField": "IDAlumnoT01", "detailField": "IDAlumnoT02",
                    "updateTable": "T02Matriculas", "keyField": "IDMatriculaT02"}},
        {"name": "ZULgrdConsulta", "kind": "Grid", "readOnly": true,
         "detail": {"dataObject": 10841, "sql": "SELECT * FROM T02Matriculas WHERE IDAlumnoT02 = {MASTER}",
                    "masterField": "IDAlumnoT01", "updateTable": "T02Matriculas"}},
        {"name": "ZULebNMatricula", "kind": "DBEdit", "field": "NMatriculaT02", "dataSet": "zulgrdmatriculas"},
        {"name": "ZULsbDetalle", "kind": "SpeedButton", "procedure": "P", "dataSet": "ZULgrdMatriculas"},
        {"name": "ZULsbFicha", "kind": "SpeedButton", "procedure": "P"}]}]})json";
  QBuffer buffer;
  buffer.setData(json);
  buffer.open(QIODevice::ReadOnly);
  app.LoadAppFromStream(buffer);
  QList<int> events;
  for (const char* name : {"ProcedureZULFormEvent_CREATE", "ProcedureZULFormEvent_DESTROY"}) {
    app.Procedures().RegisterProcedure(
        QLatin1String(name), QString(),
        [&](QObject*, const QVariantList& args) { events << args.value(2).toInt(); });
  }
  QObject* seenDataSet = nullptr;
  QObject* seenGrid = nullptr;
  QObject* seenQuery = nullptr;
  app.Procedures().RegisterProcedure(QStringLiteral("P"), QString(), [&](QObject*, const QVariantList&) {
    seenDataSet = Parametres().GetObject(PRM::DataSet);
    seenGrid = Parametres().GetObject(PRM::DBGrid);
    seenQuery = Parametres().GetObject(PRM::TQuerySQL);
  });

  auto form = Open(500);
  ASSERT_TRUE(form);
  EXPECT_EQ(form->DataObjectId(), 3);
  EXPECT_EQ(form->FormObjectId(), 303);
  EXPECT_EQ(form->DataSet()->DataObjectId(), 3) << "the dataset keeps the data object's identifier";
  TZULControl* grid = form->FindControl(QStringLiteral("ZULgrdMatriculas"));
  TSQLDataSet* detail = grid->DataSet();
  ASSERT_NE(detail, nullptr);
  EXPECT_EQ(form->FindControl(QStringLiteral("ZULebNMatricula"))->DataSet(), detail);
  EXPECT_EQ(form->FindControl(QStringLiteral("ZULsbFicha"))->DataSet(), nullptr);
  EXPECT_THROW(form->FindControl(QStringLiteral("ZULgrdConsulta"))->DataSet()->Edit(), EDatabaseError)
      << "a read-only grid shows a read-only detail";

  form->FindControl(QStringLiteral("ZULsbDetalle"))->Click();
  EXPECT_EQ(seenDataSet, detail);
  EXPECT_EQ(seenGrid, grid->Grid());
  EXPECT_EQ(seenQuery, form->Query()) << "the calling query stays the form's";
  form->FindControl(QStringLiteral("ZULsbFicha"))->Click();
  EXPECT_EQ(seenDataSet, form->DataSet());
  EXPECT_EQ(seenGrid, form->ListGrid());

  // The detail raises its own data-change event through its data source.
  QList<int> changes;
  QObject* changeSource = nullptr;
  app.Procedures().RegisterProcedure(QStringLiteral("ProcedureZULDataChangeEvent_DATACHANGE"), QString(),
                                     [&](QObject*, const QVariantList& args) {
                                       changes << args.value(2).toInt();
                                       changeSource = args.value(3).value<QObject*>();
                                     });
  detail->Edit();
  detail->FieldByName(QStringLiteral("NMatriculaT02")).SetValue(QStringLiteral("M-9"));
  detail->Cancel();
  EXPECT_TRUE(changes.contains(186));
  EXPECT_EQ(changeSource, form->Component(QStringLiteral("ZULgrdMatriculasDataSource")));

  // A new detail record is linked to the current master record.
  detail->Append();
  EXPECT_EQ(detail->FieldByName(QStringLiteral("IDAlumnoT02")).AsInteger(),
            form->DataSet()->FieldByName(QStringLiteral("IDAlumnoT01")).AsInteger());
  detail->FieldByName(QStringLiteral("NMatriculaT02")).SetValue(QStringLiteral("M-4"));
  detail->Post();
  EXPECT_EQ(Column(detail, "NMatriculaT02").size(), 3);
  form->Close();
  EXPECT_EQ(events, (QList<int>{303, 303}));
}

TEST_F(AppTest, MainObjectAndRegistryKey) {
  {
    TZULApp other;
    TZULApp::SetMain(&other);
    EXPECT_EQ(TZULApp::Main(), &other);
  }
  EXPECT_EQ(TZULApp::Main(), nullptr) << "a destroyed application is no longer the main one";
  app.SetAppName(QStringLiteral("ZUL-Lumaresca 2014 PRO"));
  EXPECT_EQ(app.AppRegisterKey(),
            QStringLiteral("\\Software\\Korvaneware\\ZUL\\ZULAPP\\ZUL-Lumaresca 2014 PRO"));
  app.GetAppRegister().WriteInteger(app.AppRegisterKey(), QStringLiteral("ZULFileSaveCounter"),
                                    app.SaveCounter());
  EXPECT_EQ(app.GetAppRegister().ReadInteger(app.AppRegisterKey(), QStringLiteral("zulfilesavecounter")), 1);
  app.LoadBPL();
  EXPECT_TRUE(app.ZULBPLLoaded());
  app.UnLoadBPL();
  EXPECT_FALSE(app.ZULBPLLoaded());
}

}  // namespace

namespace {

TEST_F(AppTest, OtherWindowsLocateAndPickAndClosingRaisesDestroy) {
  QVariantList destroyArgs;
  int destroyed = 0;
  app.Procedures().RegisterProcedure(QStringLiteral("ProcedureZULFormEvent_DESTROY"), QString(),
                                     [&](QObject*, const QVariantList& args) {
                                       ++destroyed;
                                       destroyArgs = args;
                                     });
  std::unique_ptr<TZULForm> form = Open(11780);
  ASSERT_TRUE(form);
  EXPECT_TRUE(form->LocateRecord(QStringLiteral("NombreT01"), QStringLiteral("luis")));
  EXPECT_EQ(form->PickedValues().value(QStringLiteral("NombreT01")).toString(), QStringLiteral("Luis"));
  EXPECT_FALSE(form->LocateRecord(QStringLiteral("NombreT01"), QStringLiteral("nadie")));
  EXPECT_EQ(form->PickedValues().value(QStringLiteral("NombreT01")).toString(), QStringLiteral("Luis"));
  EXPECT_FALSE(form->LocateRecord(QStringLiteral("NoExisteT01"), 1));
  form->Close();
  form->Close();  // once
  EXPECT_EQ(destroyed, 1);
  ASSERT_EQ(destroyArgs.size(), 3);
  EXPECT_EQ(destroyArgs[0].value<QObject*>(), form.get());
  EXPECT_EQ(destroyArgs[1].toInt(), 0);
  EXPECT_EQ(destroyArgs[2].toInt(), form->DataObjectId());
}

}  // namespace
