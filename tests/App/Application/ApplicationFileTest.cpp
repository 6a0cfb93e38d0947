// The program's application file against a company database of the real schema:
// the tree, every form built and opened, the fields the controls name, and the
// controls, identifiers and procedures that the rules rely on.
#include <gtest/gtest.h>

#include <QSet>
#include <functional>
#include <memory>

#include "platform/zul/TDataBaseZUL.h"
#include "platform/zul/TParametres.h"
#include "platform/zul/TSQLDataSet.h"
#include "platform/zul/TTreeZUL.h"
#include "platform/zul/TZULApp.h"
#include "platform/zul/TZULAppFile.h"
#include "platform/zul/TZULForm.h"
#include "rules/RegisterLibrary.h"
#include "rules/RulesApp.h"
#include "rules/schema/MasterDatabase.h"
#include "rules/schema/SchemaDefinition.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

namespace {

const QString kAppFile = QStringLiteral(LUMA_APPLICATION_FILE);

void ForEachControl(const std::vector<TZULControlDef>& controls,
                    const std::function<void(const TZULControlDef&)>& visit) {
  for (const TZULControlDef& c : controls) {
    visit(c);
    ForEachControl(c.controls, visit);
  }
}

class ApplicationFileTest : public ::testing::Test {
protected:
  void SetUp() override {
    db.Create(dir.File(QStringLiteral("empresa.mdb")));
    CreateSchema(db);
    // One record of each kind, linked, so that every detail and lookup has rows.
    for (
        const char* sql : {
            "INSERT INTO T20Centros (CodigoCentroT20, NombreCentroT20) VALUES ('C1', 'Centro uno')",
            "INSERT INTO T17FormasCobro (CodFormaCobroT17, DescFormaCobroT17) VALUES ('BAN', 'Banco')",
            "INSERT INTO T18Series (SerieT18) VALUES ('A')",
            "INSERT INTO T01Alumnos (IDCentroT01, CodigoT01, NombreT01, ApellidosT01, NombreCompletoT01) "
            "VALUES (1, 1, 'Ana', 'Abad', 'Abad, Ana')",
            "INSERT INTO T04Profesores (IDCentroT04, NombreT04, ApellidosT04) VALUES (1, 'Luis', 'Bueno')",
            "INSERT INTO T03Cursos (IDCentroT03, CodigoT03, DescripcionT03) VALUES (1, 'ING', 'Inglés')",
            "INSERT INTO T05Grupos (IDCursoT05, IDCentroT05, IDProfesorT05, CodigoT05, NombreT05) "
            "VALUES (1, 1, 1, 'ING1', 'Inglés 1')",
            "INSERT INTO T02Matriculas (IDAlumnoT02, IDGrupoT02, IDCentroT02, NMatriculaT02) VALUES (1, 1, "
            "1, '1')",
            "INSERT INTO T14ConceptosMatricula (IDCentroT14, IDMatriculaT14, ConceptoT14) VALUES (1, 1, "
            "'Cuota')",
            "INSERT INTO T15FacturasCab (IDCentroT15, IDAlumnoT15, IDSerieT15, SerieT15, NumeroT15, "
            "NombreT15) "
            "VALUES (1, 1, 1, 'A', 1, 'Abad, Ana')",
            "INSERT INTO T15FacturasCab (IDCentroT15, IDSerieT15, SerieT15, NumeroT15, CobradaT15) "
            "VALUES (1, 1, 'A', 2, TRUE)",
            "INSERT INTO T16FacturasCue (IDFacturaCabT16, DescConceptoT16) VALUES (1, 'Cuota')",
            "INSERT INTO T14ConceptosMatricula (IDCentroT14, IDCursoT14, ConceptoT14) VALUES (1, 1, "
            "'Matrícula')",
            "INSERT INTO T07TarifasPrecios (IDCentroT07, CodigoTarifaT07) VALUES (1, 'T1')",
            "INSERT INTO T22TiposIva (TPCIvaT22) VALUES (21)",
            "INSERT INTO T12TipoIncidencias (CodigoTipoIncidenciaT12) VALUES ('GEN')",
            "INSERT INTO T11Incidencias (IDCentroT11, IDTipoIncidenciaT11, TituloT11) VALUES (1, 1, 'Aviso')",
            "INSERT INTO T23FormatosBoletinesNotas (DescrFormatoBoletinT23) VALUES ('Trimestral')",
            "INSERT INTO T24BoletinesNotas (IDCursoT24, DescrBoletinNotasT24) VALUES (1, 'Primer trimestre')",
            "INSERT INTO T25NotasBoletin (IDBoletinNotasT25, IDMatriculaT25) VALUES (1, 1)",
            "INSERT INTO T26FaltasAsistencia (IDMatriculaT26, FechaFaltaT26) VALUES (1, 46000)",
            "INSERT INTO T27LiquidacionesCab (IDCentroT27, NLiquidacionT27) VALUES (1, 1)",
            "INSERT INTO T28LiquidacionesCue (IDLiquidacionCabT28, CodigoT28) VALUES (1, 'ING')",
        }) {
      db.ExecuteSQL(QString::fromUtf8(sql));
    }
    app.SetDefaultDB(&db);
    app.SetAppFile(kAppFile);
  }

  const TZULAppFile& File() const { return app.AppFile(); }

  TempDir dir;
  TDataBaseZUL db;
  TZULApp app;
};

TEST_F(ApplicationFileTest, TreeWithTheMenusAndTheFixedNodes) {
  const TTreeZUL& tree = File().Tree();
  ASSERT_EQ(tree.RootNodes().size(), 1);
  const TTreeNodeZUL* root = tree.FindNode(tree.RootNodes().first());
  EXPECT_EQ(root->kind, TreeKind::Application);
  EXPECT_EQ(root->text, QStringLiteral("ZUL-Lumaresca 2014 EXTENDED"));
  const struct {
    int node;
    const char* text;
  } menus[] = {{391, "Tablas"}, {10722, "Facturación"}, {11161, "Histórico"}, {11335, "Consultas"}};
  for (const auto& m : menus) {
    SCOPED_TRACE(m.node);
    const TTreeNodeZUL* menu = tree.FindNode(m.node);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->kind, TreeKind::Menu);
    EXPECT_EQ(menu->text, QString::fromUtf8(m.text));
    EXPECT_EQ(menu->parent, root->number);
  }

  // The fixed nodes, with the identifiers their events carry (data object, form).
  const struct {
    int node;
    int dataObject;
    int formObject;
  } fixed[] = {{11342, 251, 251}, {11780, 3, 3},     {11782, 186, 186},     {11778, 110, 110},
               {11779, 14, 14},   {10723, 198, 208}, {10724, 198, 209},     {11632, 10834, 10834},
               {11781, 5, 5},     {11783, 242, 242}, {11336, 242, 203},     {11337, 242, 368},
               {11784, 88, 88},   {11785, 213, 213}, {11786, 10831, 10831}, {11162, 193, 193},
               {11163, 296, 296}, {11164, 186, 303}, {10725, 348, 348}};
  for (const auto& f : fixed) {
    SCOPED_TRACE(f.node);
    const TZULFormDef* form = File().FindForm(f.node);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->dataObjectId, f.dataObject);
    EXPECT_EQ(form->formObjectId > 0 ? form->formObjectId : form->dataObjectId, f.formObject);
    EXPECT_TRUE(tree.Exists(f.node));
  }

  // Every menu entry opens a form, every report node is a report, every form is reachable.
  for (const TZULFormDef& form : File().Forms()) EXPECT_TRUE(tree.Exists(form.node)) << form.node;
  std::function<void(int)> walk = [&](int number) {
    const TTreeNodeZUL* node = tree.FindNode(number);
    if (node->kind == TreeKind::MenuEntry) {
      EXPECT_NE(File().FindForm(number), nullptr) << number;
    }
    if (node->kind == TreeKind::Report) {
      EXPECT_NE(File().FindReport(number), nullptr) << number;
    }
    for (int child : node->children) walk(child);
  };
  walk(root->number);
}

TEST_F(ApplicationFileTest, EveryFormBuildsAndOpensOnTheCompanySchema) {
  int built = 0;
  for (const TZULFormDef& def : File().Forms()) {
    SCOPED_TRACE(def.node);
    std::unique_ptr<TZULForm> form;
    try {
      form.reset(app.ObreComponent(def.node));
    } catch (const std::exception& e) {
      ADD_FAILURE() << e.what();
      continue;
    }
    ASSERT_NE(form, nullptr);
    ++built;
    TSQLDataSet* ds = form->DataSet();
    ASSERT_TRUE(ds->Active());
    EXPECT_FALSE(ds->IsEmpty()) << "the sample records show";
    const TableDef* table = SchemaDefinition::FindTable(def.updateTable);
    ASSERT_NE(table, nullptr) << qPrintable(def.updateTable);
    for (const TZULColumnDef& c : def.columns)
      EXPECT_NE(ds->FindField(c.field), nullptr) << qPrintable(c.field);

    ForEachControl(def.controls, [&](const TZULControlDef& c) {
      SCOPED_TRACE(qPrintable(c.name));
      TZULControl* control = form->FindControl(c.name);
      ASSERT_NE(control, nullptr);
      if (c.kind == TZULControlKind::Grid) {
        TSQLDataSet* detail = control->DataSet();
        ASSERT_NE(detail, nullptr);
        EXPECT_TRUE(detail->Active()) << "detail of " << qPrintable(c.detail.sql);
        EXPECT_NE(ds->FindField(c.detail.masterField), nullptr);
        if (!c.detail.detailField.isEmpty()) {
          EXPECT_NE(detail->FindField(c.detail.detailField), nullptr);
        }
        for (const TZULColumnDef& col : c.detail.columns) EXPECT_NE(detail->FindField(col.field), nullptr);
        EXPECT_EQ(c.readOnly, c.detail.updateTable.isEmpty())
            << "views are read-only, editable details say their table";
      }
      if (c.dataField.isEmpty()) return;
      // A data control edits a stored field of the table that its dataset writes.
      const TZULControlDef* grid = nullptr;
      ForEachControl(def.controls, [&](const TZULControlDef& g) {
        if (!c.dataSetName.isEmpty() && g.name.compare(c.dataSetName, Qt::CaseInsensitive) == 0) grid = &g;
      });
      const QString tableName = grid ? grid->detail.updateTable : def.updateTable;
      const TableDef* owner = SchemaDefinition::FindTable(tableName);
      ASSERT_NE(owner, nullptr) << qPrintable(tableName);
      EXPECT_NE(owner->FindField(c.dataField), nullptr)
          << qPrintable(c.dataField) << " in " << qPrintable(tableName);
      TSQLDataSet* bound = control->DataSet() ? control->DataSet() : ds;
      EXPECT_NE(bound->FindField(c.dataField), nullptr) << qPrintable(c.dataField);
      // Buttons that fill fields name fields of the calling record.
    });
    ForEachControl(def.controls, [&](const TZULControlDef& c) {
      if (c.procedure != QStringLiteral("BuscarCodigoBIC") &&
          c.procedure != QStringLiteral("GeneraDatosMandato"))
        return;
      ASSERT_EQ(c.arguments.size(), 2u) << qPrintable(c.name);
      for (const TZULArgumentDef& a : c.arguments) EXPECT_NE(table->FindField(a.value.toString()), nullptr);
    });
    form->Close();
  }
  EXPECT_EQ(built, static_cast<int>(File().Forms().size()));
  EXPECT_GE(built, 20);
}

TEST_F(ApplicationFileTest, TheControlsTheRulesLookFor) {
  const struct {
    int node;
    const char* control;
    TZULControlKind kind;
    const char* procedure;
  } cases[] = {
      {11342, "ZULsbAltaBaja", TZULControlKind::SpeedButton, "CAMBIO_ACTIVO_CENTRO"},
      {11342, "ZULsbCentroActual", TZULControlKind::SpeedButton, "MUESTRA_CENTRO_ACTUAL"},
      {11780, "ZULsbAltaBaja", TZULControlKind::SpeedButton, "CAMBIO_ACTIVO_ALUMNO"},
      {11780, "ZULdbeCodigoAlumno", TZULControlKind::DBEdit, ""},
      {11780, "ZULsbFacturar", TZULControlKind::SpeedButton, "AUTOFACTURAR"},
      {11780, "ZULsbEnviarSMS", TZULControlKind::SpeedButton, "FormularioEnviarSMS"},
      {11780, "ZULsbBuscarBIC", TZULControlKind::SpeedButton, "BuscarCodigoBIC"},
      {11780, "ZULsbGenerarMandato", TZULControlKind::SpeedButton, "GeneraDatosMandato"},
      {11781, "ZULsbAltaBaja", TZULControlKind::SpeedButton, "CAMBIO_ACTIVO_PROFESOR"},
      {11781, "ZULsbBuscarBIC", TZULControlKind::SpeedButton, "BuscarCodigoBIC"},
      {11778, "ZULsbAltaBaja", TZULControlKind::SpeedButton, "CAMBIO_ACTIVO_CURSO"},
      {11778, "ZULsbDuplicarCurso", TZULControlKind::SpeedButton, "DUPLICAR_CURSO"},
      {11779, "ZULsbAltaBaja", TZULControlKind::SpeedButton, "CAMBIO_ACTIVA_CLASE"},
      {11779, "ZULsbDuplicarGrupo", TZULControlKind::SpeedButton, "DUPLICAR_GRUPO"},
      {11779, "ZULdtpSabadoTHF", TZULControlKind::DBTime, ""},
      {11782, "ZULsbAltaBaja", TZULControlKind::SpeedButton, "CAMBIO_ACTIVA_MATRICULA"},
      {11782, "ZULdbcbDatosCobroEnMatricula", TZULControlKind::DBCheckBox, "CAMBIO_DATOS_COBRO_MATRICULA"},
      {11782, "ZULpnlDatosCobroMatricula", TZULControlKind::Panel, ""},
      {11782, "ZULsbBuscarBIC", TZULControlKind::SpeedButton, "BuscarCodigoBIC"},
      {11782, "ZULsbGenerarMandato", TZULControlKind::SpeedButton, "GeneraDatosMandato"},
      {11783, "ZULsbDuplicar", TZULControlKind::SpeedButton, ""},
      {11785, "ZULsbBuscarBIC", TZULControlKind::SpeedButton, "BuscarCodigoBIC"},
      {10723, "ZULsbFuncionesFacturas", TZULControlKind::SpeedButton, "FUNCIONES_FACTURAS"},
      {10723, "ZULsbQuitarEnlaceConcepto", TZULControlKind::SpeedButton, "FACTURA_CUE_QUITA_MATRICULA"},
      {10723, "ZULsbBuscarBIC", TZULControlKind::SpeedButton, "BuscarCodigoBIC"},
      {10725, "ZULsbGenerarLiquidaciones", TZULControlKind::SpeedButton, "GENERAR_LIQUIDACIONES"},
      {11163, "ZULsbBloquearBoletin", TZULControlKind::SpeedButton, "CAMBIO_BLOQUEADO_BOLETIN"},
      {11163, "ZULsbImportarFormato", TZULControlKind::SpeedButton, "IMPORTAR_FORMATO_BOLETIN"},
      {11164, "ZULdtpFechaAsignacionFaltas", TZULControlKind::DateTimePicker, ""},
      {11164, "ZULsbNuevaFalta", TZULControlKind::SpeedButton, "FALTAS_NUEVA_FALTA"},
      {11164, "ZULsbBorraFalta", TZULControlKind::SpeedButton, "FALTAS_BORRA_FALTA"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(QStringLiteral("%1 %2").arg(c.node).arg(QLatin1String(c.control)).toStdString());
    std::unique_ptr<TZULForm> form(app.ObreComponent(c.node));
    ASSERT_NE(form, nullptr);
    TZULControl* control = form->FindControl(QLatin1String(c.control));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->Kind(), c.kind);
    EXPECT_EQ(control->Procedure(), QLatin1String(c.procedure));
  }

  // Forms whose rules switch the data controls of "PControlsEntradaDades" keep the
  // activation buttons outside it, so an inactive record can be activated again.
  for (int node : {11342, 11780, 11781, 11778, 11779, 11782, 11783, 11336, 11337, 11163, 11162, 10723}) {
    SCOPED_TRACE(node);
    std::unique_ptr<TZULForm> form(app.ObreComponent(node));
    TZULControl* panel = form->FindControl(QStringLiteral("PControlsEntradaDades"));
    ASSERT_NE(panel, nullptr);
    for (const char* name : {"ZULsbAltaBaja", "ZULsbBloquearBoletin", "ZULsbDuplicar"}) {
      EXPECT_EQ(panel->FindControl(QLatin1String(name)), nullptr) << name;
    }
  }

  // Concepts: every form over their data object carries the type label and the active box.
  for (int node : {11783, 11336, 11337}) {
    std::unique_ptr<TZULForm> form(app.ObreComponent(node));
    EXPECT_EQ(form->FindControl(QStringLiteral("ZULlblTipoConcepto"))->Kind(), TZULControlKind::Label);
    EXPECT_EQ(form->FindControl(QStringLiteral("ZULcbConceptoActivo"))->DataField(),
              QStringLiteral("ActivoT14"));
  }

  // Report cards: the eight grade selectors edit the current grade row.
  std::unique_ptr<TZULForm> cards(app.ObreComponent(11163));
  TSQLDataSet* grades = cards->FindControl(QStringLiteral("ZULgrdNotas"))->DataSet();
  ASSERT_NE(grades, nullptr);
  EXPECT_EQ(grades->DataObjectId(), 300);
  for (int i = 1; i <= 8; ++i) {
    TZULControl* selector = cards->FindControl(QStringLiteral("ZULdbcbValorConc%1").arg(i));
    ASSERT_NE(selector, nullptr) << i;
    EXPECT_EQ(selector->DataSet(), grades);
    EXPECT_EQ(selector->DataField(), QStringLiteral("ValorConc%1T25").arg(i));
  }

  // Invoices: the lines are an editable detail of identifier 199.
  std::unique_ptr<TZULForm> invoices(app.ObreComponent(10723));
  TSQLDataSet* lines = invoices->FindControl(QStringLiteral("ZULgrdLineas"))->DataSet();
  EXPECT_EQ(lines->DataObjectId(), 199);
  EXPECT_EQ(invoices->FindControl(QStringLiteral("ZULsbQuitarEnlaceConcepto"))->DataSet(), lines);
  EXPECT_EQ(invoices->FindControl(QStringLiteral("ZULdbeDescConcepto"))->DataSet(), lines);
}

TEST_F(ApplicationFileTest, ButtonsRunRegisteredProceduresWithTheirArguments) {
  QSet<QString> registered;
  for (const TRegisteredProcedure& p : RegisteredProcedures()) registered.insert(p.name);
  QSet<QString> used;
  for (const TZULFormDef& form : File().Forms()) {
    ForEachControl(form.controls, [&](const TZULControlDef& c) {
      if (c.procedure.isEmpty()) return;
      used.insert(c.procedure);
      EXPECT_TRUE(registered.contains(c.procedure))
          << form.node << " " << qPrintable(c.name) << " " << qPrintable(c.procedure);
      if (c.procedure == QStringLiteral("FormularioEnviarSMS")) {
        ASSERT_EQ(c.arguments.size(), 5u);
        const TableDef* table = SchemaDefinition::FindTable(c.arguments[0].value.toString());
        ASSERT_NE(table, nullptr);
        for (int i = 1; i <= 3; ++i) EXPECT_NE(table->FindField(c.arguments[i].value.toString()), nullptr);
      }
    });
  }
  // Every action the forms offer is reachable from some form.
  for (const char* name : {"AUTOFACTURAR",
                           "FUNCIONES_FACTURAS",
                           "CAMBIO_ACTIVO_CENTRO",
                           "CAMBIO_ACTIVO_CURSO",
                           "CAMBIO_ACTIVA_CLASE",
                           "CAMBIO_ACTIVA_MATRICULA",
                           "CAMBIO_ACTIVO_PROFESOR",
                           "CAMBIO_ACTIVO_ALUMNO",
                           "CAMBIO_DATOS_COBRO_MATRICULA",
                           "CAMBIO_BLOQUEADO_BOLETIN",
                           "IMPORTAR_FORMATO_BOLETIN",
                           "FACTURA_CUE_QUITA_MATRICULA",
                           "FALTAS_NUEVA_FALTA",
                           "FALTAS_BORRA_FALTA",
                           "DUPLICAR_GRUPO",
                           "DUPLICAR_CURSO",
                           "FormularioEnviarSMS",
                           "GeneraDatosMandato",
                           "BuscarCodigoBIC",
                           "GENERAR_LIQUIDACIONES",
                           "MUESTRA_CENTRO_ACTUAL"}) {
    EXPECT_TRUE(used.contains(QLatin1String(name))) << name;
  }
}

// With the program's procedures registered, as after start-up: every form opens and
// its records and details can be walked without a rule complaining about the form.
TEST_F(ApplicationFileTest, FormsOpenAndScrollWithTheRulesInPlace) {
  ScriptedDialogs::Scope dialogs;
  TZULApp::SetMain(&app);
  REGISTER_LIBRARY(app.Procedures());
  for (const TZULFormDef& def : File().Forms()) {
    SCOPED_TRACE(def.node);
    try {
      std::unique_ptr<TZULForm> form(app.ObreComponent(def.node));
      ASSERT_NE(form, nullptr);
      Parametres().SetObject(PRM::ZULForm, form.get());  // the active form
      TSQLDataSet* ds = form->DataSet();
      for (ds->First(); !ds->Eof(); ds->Next()) {
        for (TZULControl* control : form->Controls()) {
          if (control->Kind() != TZULControlKind::Grid) continue;
          TSQLDataSet* detail = control->DataSet();
          for (detail->First(); !detail->Eof(); detail->Next()) {
          }
        }
      }
      form->Close();
    } catch (const std::exception& e) {
      ADD_FAILURE() << e.what();
    }
  }
  EXPECT_TRUE(dialogs->errors.isEmpty()) << qPrintable(dialogs->errors.join(QStringLiteral(" | ")));
  EXPECT_TRUE(dialogs->notices.isEmpty()) << qPrintable(dialogs->notices.join(QStringLiteral(" | ")));
  EXPECT_TRUE(dialogs->questions.empty());

  // The enrolment's own payment data: the box runs its procedure, which finds the
  // box and the panel by their names on this form.
  std::unique_ptr<TZULForm> enrolments(app.ObreComponent(11782));
  TZULControl* box = enrolments->FindControl(QStringLiteral("ZULdbcbDatosCobroEnMatricula"));
  box->SetChecked(true);
  dialogs->Answer(dbNo);
  box->Click();
  EXPECT_EQ(dialogs->questions.size(), 1u);
  EXPECT_FALSE(box->Checked());
  EXPECT_FALSE(enrolments->FindControl(QStringLiteral("ZULpnlDatosCobroMatricula"))->Visible());
  enrolments.reset();
  Parametres().Clear();
  RulesApp::Set(nullptr);
  TZULApp::SetMain(nullptr);
}

}  // namespace
