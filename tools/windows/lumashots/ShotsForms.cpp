// Data forms in the main window, on a sample company with real records: an invoice
// with its lines, and a student's record with address, bank and mandate data.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTemporaryDir>
#include <functional>

#include "App/CodiComu/TParametrosApp.h"
#include "App/CodiComu/config/StartUp.h"
#include "App/CodiComu/config/TZULAppConfig.h"
#include "App/CodiComu/database/TZULDataBases.h"
#include "App/CodiComu/windows/TFRMMenuLevel0Ext.h"
#include "App/CodiComu/windows/TZULAppPaintBackGroundForm.h"
#include "platform/core/Exceptions.h"
#include "platform/os/ExecutableFolder.h"
#include "platform/zul/DefaultDataBase.h"
#include "platform/zul/TDataBaseZUL.h"
#include "platform/zul/windows/TZULFormView.h"
#include "rules/CurrentCentre.h"
#include "tools/windows/lumashots/ShotMainWindow.h"
#include "tools/windows/lumashots/ShotRegistry.h"

namespace {

constexpr int kInvoicesNode = 10723;
constexpr int kStudentsNode = 11780;

// Each picture gets a company file of its own in the folder.
TShotProgramFolder& Folder() {
  static TShotProgramFolder folder;
  return folder;
}

// The sample centre and payment method that both companies share.
const char* const kCommonRows[] = {
    "INSERT INTO T20Centros (CodigoCentroT20, NombreCentroT20, ActivoT20, DireccionT20, CPT20, PoblacionT20, "
    "ProvinciaT20, Telf1T20, CIFT20) VALUES ('1', 'Academia Lumaresca Centro', True, 'Calle Mayor, 12', "
    "'46001', 'Valencia', 'Valencia', '963 123 456', 'B46123456')",
    "INSERT INTO T17FormasCobro (CodFormaCobroT17, DescFormaCobroT17, UsaNorma19T17) VALUES ('01', "
    "'Domiciliación bancaria', True)",
    "INSERT INTO T17FormasCobro (CodFormaCobroT17, DescFormaCobroT17, UsaNorma19T17) VALUES ('02', "
    "'Efectivo', False)",
};

// Ana García López, with every part of her record filled.
const char* const kStudentRows[] = {
    "INSERT INTO T01Alumnos (IDCentroT01, CodigoT01, NombreT01, ApellidosT01, NombreCompletoT01, NIFT01, "
    "FechaNacT01, SexoT01, DomicilioT01, CPPoblacionT01, PoblacionT01, ProvinciaT01, Telf1T01, Telf2T01, "
    "EMailT01, NombrePadreT01, DNIPadreT01, TelfPadreT01, NombreMadreT01, DNIMadreT01, TelfMadreT01, "
    "IDFormaCobroT01, IBANT01, BICT01, CCCNombreTitularT01, NIFTitularCuentaT01, ReferenciaMandatoT01, "
    "FechaMandatoT01, ComentariosT01, ActivoT01) VALUES (1, 1, 'Ana', 'García López', 'García López, Ana', "
    "'12345678Z', #2012-03-14#, 'M', 'Avenida del Puerto, 45, 3.º B', '46023', 'Valencia', 'Valencia', "
    "'600 111 222', '963 555 010', 'ana.garcia@correo.es', 'José García Pérez', '23456789D', "
    "'611 222 333', 'Lucía López Martín', '34567890V', '622 333 444', 1, 'ES9121000418450200051332', "
    "'CAIXESBBXXX', 'José García Pérez', '23456789D', 'LUM-000001-01', #2026-09-01#, "
    "'Prefiere las clases de tarde.', True)",
    "INSERT INTO T01Alumnos (IDCentroT01, CodigoT01, NombreT01, ApellidosT01, NombreCompletoT01, Telf1T01, "
    "ActivoT01) VALUES (1, 2, 'Luis', 'Martín Ruiz', 'Martín Ruiz, Luis', '600 333 444', True)",
    "INSERT INTO T01Alumnos (IDCentroT01, CodigoT01, NombreT01, ApellidosT01, NombreCompletoT01, Telf1T01, "
    "ActivoT01) VALUES (1, 3, 'Marta', 'Sánchez Gil', 'Sánchez Gil, Marta', '600 555 666', True)",
};

// Series A with three invoices; the latest (A/12) has four lines at two VAT rates:
// 21 % on 45,00 + 54,00 (60,00 less 10 %) + 10,00 and 4 % on the 32,50 book.
const char* const kInvoiceRows[] = {
    "INSERT INTO T18Series (SerieT18, NSiguienteFacturaT18, ActivaT18) VALUES ('A', 13, True)",
    "INSERT INTO T15FacturasCab (IDCentroT15, IDAlumnoT15, IDFormaCobroT15, IDSerieT15, SerieT15, NumeroT15, "
    "FechaT15, TipoPagoT15, CodigoAlumnoT15, NIFT15, NombreT15, DireccionT15, CPT15, PoblacionT15, "
    "ProvinciaT15, IBANT15, BICT15, CCCNombreTitularT15, NIFTitularCuentaT15, ReferenciaMandatoT15, "
    "FechaMandatoT15, ImporteArticulosT15, ImporteDescuentosT15, ImporteBasesImponiblesT15, ImporteIvasT15, "
    "ImporteTotalT15, TPCIva1T15, BaseImponible1T15, ImporteIva1T15, TPCIva2T15, BaseImponible2T15, "
    "ImporteIva2T15, Linea01T15, ConceptoSEPAT15) VALUES (1, 1, 1, 1, 'A', 12, #2026-10-01#, 'RCUR', 1, "
    "'12345678Z', 'García López, Ana', 'Avenida del Puerto, 45, 3.º B', '46023', 'Valencia', 'Valencia', "
    "'ES9121000418450200051332', 'CAIXESBBXXX', 'José García Pérez', '23456789D', 'LUM-000001-01', "
    "#2026-09-01#, 147.5, 6, 141.5, 24.19, 165.69, 21, 109, 22.89, 4, 32.5, 1.3, "
    "'Curso 2026/2027 - Inglés B1', 'Academia Lumaresca - octubre 2026')",
    "INSERT INTO T16FacturasCue (IDFacturaCabT16, NOrdenT16, NMesFacturadoT16, AnyoFacturadoT16, "
    "CodConceptoT16, DescConceptoT16, ImporteBaseT16, UnidadesT16, TPCDtoT16, BaseImponibleT16, TPCIvaT16, "
    "ImporteIvaIncluidoT16, CodigoCentroT16, NombreCentroT16, CodigoCursoT16, DescrCursoT16, "
    "NombreAlumnoT16) VALUES (1, 1, 10, 2026, 'MAT', 'Matrícula del curso 2026/2027', 45, 1, 0, 45, 21, "
    "54.45, '1', 'Academia Lumaresca Centro', 'ING-B1', 'Inglés B1', 'García López, Ana')",
    "INSERT INTO T16FacturasCue (IDFacturaCabT16, NOrdenT16, NMesFacturadoT16, AnyoFacturadoT16, "
    "CodConceptoT16, DescConceptoT16, ImporteBaseT16, UnidadesT16, TPCDtoT16, BaseImponibleT16, TPCIvaT16, "
    "ImporteIvaIncluidoT16, CodigoCentroT16, NombreCentroT16, CodigoCursoT16, DescrCursoT16, "
    "NombreAlumnoT16) VALUES (1, 2, 10, 2026, 'MEN', 'Mensualidad de octubre - Inglés B1', 60, 1, 10, 54, "
    "21, 65.34, '1', 'Academia Lumaresca Centro', 'ING-B1', 'Inglés B1', 'García López, Ana')",
    "INSERT INTO T16FacturasCue (IDFacturaCabT16, NOrdenT16, NMesFacturadoT16, AnyoFacturadoT16, "
    "CodConceptoT16, DescConceptoT16, ImporteBaseT16, UnidadesT16, TPCDtoT16, BaseImponibleT16, TPCIvaT16, "
    "ImporteIvaIncluidoT16, CodigoCentroT16, NombreCentroT16, NombreAlumnoT16) VALUES (1, 3, 10, 2026, "
    "'LIB', 'Libro de texto Inglés B1', 32.5, 1, 0, 32.5, 4, 33.8, '1', 'Academia Lumaresca Centro', "
    "'García López, Ana')",
    "INSERT INTO T16FacturasCue (IDFacturaCabT16, NOrdenT16, NMesFacturadoT16, AnyoFacturadoT16, "
    "CodConceptoT16, DescConceptoT16, ImporteBaseT16, UnidadesT16, TPCDtoT16, BaseImponibleT16, TPCIvaT16, "
    "ImporteIvaIncluidoT16, CodigoCentroT16, NombreCentroT16, NombreAlumnoT16) VALUES (1, 4, 10, 2026, "
    "'MDI', 'Material didáctico (cuadernos)', 2.5, 4, 0, 10, 21, 12.1, '1', 'Academia Lumaresca Centro', "
    "'García López, Ana')",
    "INSERT INTO T15FacturasCab (IDCentroT15, IDAlumnoT15, IDFormaCobroT15, IDSerieT15, SerieT15, NumeroT15, "
    "FechaT15, CodigoAlumnoT15, NombreT15, ImporteArticulosT15, ImporteBasesImponiblesT15, ImporteIvasT15, "
    "ImporteTotalT15, TPCIva1T15, BaseImponible1T15, ImporteIva1T15, CobradaT15, FechaCobroT15) VALUES (1, "
    "2, 2, 1, 'A', 11, #2026-09-15#, 2, 'Martín Ruiz, Luis', 60, 60, 12.6, 72.6, 21, 60, 12.6, True, "
    "#2026-09-15#)",
    "INSERT INTO T15FacturasCab (IDCentroT15, IDAlumnoT15, IDFormaCobroT15, IDSerieT15, SerieT15, NumeroT15, "
    "FechaT15, CodigoAlumnoT15, NombreT15, ImporteArticulosT15, ImporteBasesImponiblesT15, ImporteIvasT15, "
    "ImporteTotalT15, TPCIva1T15, BaseImponible1T15, ImporteIva1T15, CobradaT15, FechaCobroT15) VALUES (1, "
    "3, 1, 1, 'A', 10, #2026-09-01#, 3, 'Sánchez Gil, Marta', 45, 45, 9.45, 54.45, 21, 45, 9.45, True, "
    "#2026-09-05#)",
};

template <std::size_t N>
void Run(TDataBaseZUL& db, const char* const (&rows)[N]) {
  for (const char* sql : rows) db.ExecuteSQL(QString::fromUtf8(sql));
}

// The main window connected to a new company file filled by `fill`, with the form
// of `node` opened in a child window that takes most of the work area.
TZULFormView* OpenedForm(std::unique_ptr<QWidget>& keep, const QString& name,
                         const std::function<void(TDataBaseZUL&)>& fill, int node) {
  const QString path = Folder().Path();
  TShotWindow* shown = TShotWindow::StartOn(Folder(), QSize(1180, 1120), keep);

  const QString file = QDir(path).filePath(QStringLiteral("DATADIR/%1.MDB").arg(name));
  QFile::remove(file);
  if (!QFile::copy(Folder().Master(), file)) throw Exception(file + QStringLiteral(": no se puede copiar"));
  QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
  {
    TDataBaseZUL db;
    db.Open(file);
    Run(db, kCommonRows);
    fill(db);
  }
  const int index = AppConfig().DataBases().AddDataBase({QStringLiteral("Academia Lumaresca"), -1, file, {}});
  AppConfig().ConnectDataBase(index);
  ParametrosApp().SetValue(QStringLiteral("EmpresaNombre"), QStringLiteral("Academia Lumaresca"));
  shown->BackGround().ApplySettings();
  CurrentCentre::CargaCentroActual(1);
  TZULFormView* form = shown->OpenNode(node);
  if (!form) throw Exception(QStringLiteral("formularios: el nodo %1 no abre ningún formulario").arg(node));
  shown->resize(shown->minimumSize());
  if (auto* child = qobject_cast<QMdiSubWindow*>(form->parentWidget())) child->setGeometry(8, 8, 1164, 1056);
  shown->show();
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  return form;
}

// The list takes `listHeight` pixels and the record is scrolled to put `control` at
// `offset` pixels from its top.
void Frame(TZULFormView& form, int listHeight, const QString& control, int offset) {
  auto* splitter = form.findChild<QSplitter*>();
  auto* scroll = form.findChild<QScrollArea*>();
  QWidget* target = form.ControlWidget(control);
  if (!splitter || !scroll || !target) throw Exception(QStringLiteral("formularios: falta ") + control);
  const int total = splitter->height();
  splitter->setSizes({listHeight, total - listHeight});
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
  const int y = target->mapTo(scroll->widget(), QPoint(0, 0)).y();
  scroll->verticalScrollBar()->setValue(y - offset);
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

QWidget* InvoiceWithLines(std::unique_ptr<QWidget>& keep) {
  TZULFormView* form = OpenedForm(
      keep, QStringLiteral("Facturas"),
      [](TDataBaseZUL& db) {
        Run(db, kStudentRows);
        Run(db, kInvoiceRows);
      },
      kInvoicesNode);
  // The invoice list above; below, the current line's fields and the lines grid.
  Frame(*form, 120, QStringLiteral("ZULgrdLineas"), 380);
  return keep.get();
}

QWidget* StudentsRecord(std::unique_ptr<QWidget>& keep) {
  TZULFormView* form = OpenedForm(
      keep, QStringLiteral("Alumnos"), [](TDataBaseZUL& db) { Run(db, kStudentRows); }, kStudentsNode);
  // The student list above; below, the record from the address to the mandate.
  Frame(*form, 120, QStringLiteral("ZULdbeDomicilio"), 48);
  return keep.get();
}

const ShotRegistration kShots{{"invoice-with-lines.png", InvoiceWithLines},
                              {"students-record.png", StudentsRecord}};

}  // namespace
