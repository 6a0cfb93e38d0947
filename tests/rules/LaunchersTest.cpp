// The procedures that open process windows from data forms.

#include "platform/core/Exceptions.h"
#include "platform/zul/TDBGrid.h"
#include "platform/zul/TParametres.h"
#include "platform/zul/TSQLDataSet.h"
#include "rules/ProcessWindows.h"
#include "rules/RuleSeams.h"
#include "tests/rules/RulesFixture.h"

namespace {

// What the fake windows saw.
struct WindowLog {
  int built = 0;
  int shown = 0;
  int freed = 0;
  TProcessLaunch launch;
};

class FakeWindow : public TProcessWindow {
public:
  FakeWindow(WindowLog& log, bool ok) : m_log(log), m_ok(ok) {}
  ~FakeWindow() override { ++m_log.freed; }
  bool ShowModal() override {
    ++m_log.shown;
    EXPECT_EQ(m_log.freed, m_log.shown - 1);  // shown before it is freed
    return m_ok;
  }

private:
  WindowLog& m_log;
  bool m_ok;
};

QString Message(const std::function<void()>& run) {
  try {
    run();
  } catch (const Exception& e) {
    return e.Message();
  }
  return QString();
}

class LaunchersTest : public RulesFixture {
protected:
  LaunchersTest() {
    AddStudent(QStringLiteral("Ana"));
    query = OpenQuery(QStringLiteral("SELECT * FROM T01Alumnos"), 3);
    grid = std::make_unique<TDBGrid>(query->DataSet());
    Parametres().SetObject(PRM::TQuerySQL, query.get());
  }

  void AddStudent(const QString& name) {
    Insert(QStringLiteral("T01Alumnos"), QStringLiteral("IDAlumnoT01"), {QStringLiteral("NombreT01")},
           {name});
  }
  void Factory(TProcessWindowKind kind, bool ok) {
    ProcessWindows::Register(kind, [this, ok](const TProcessLaunch& launch) {
      ++log.built;
      log.launch = launch;
      return std::make_unique<FakeWindow>(log, ok);
    });
  }
  void SetCentre(int centre) { Parametres().AddParam(QStringLiteral("PRMIDCentroActual"), centre); }

  std::unique_ptr<TQuerySQL> query;
  std::unique_ptr<TDBGrid> grid;
  WindowLog log;
};

const QString kNoCentre = QStringLiteral(
    "No ha seleccionado ningún centro\n\nPara poder realizar esta acción necesita un centro predeterminado");

TEST_F(LaunchersTest, AutofacturarWithoutACurrentCentreRaisesBeforeLookingAtTheGrid) {
  Factory(TProcessWindowKind::GenerarFacturas, true);
  for (QVariant centre : {QVariant(), QVariant(0), QVariant(-1)}) {
    if (centre.isValid()) SetCentre(centre.toInt());
    Parametres().DeleteParam(PRM::DBGrid);
    EXPECT_EQ(Message([&] { Run(QStringLiteral("AUTOFACTURAR")); }), kNoCentre);
    Parametres().SetObject(PRM::DBGrid, grid.get());
    EXPECT_EQ(Message([&] { Run(QStringLiteral("AUTOFACTURAR")); }), kNoCentre);
  }
  EXPECT_EQ(log.built, 0);

  // A plugged check takes the place of the parameter test.
  int checks = 0;
  RuleSeams::SetCurrentCentreCheck([&] { ++checks; });
  Run(QStringLiteral("AUTOFACTURAR"));
  EXPECT_EQ(checks, 1);
  EXPECT_EQ(log.built, 1);
}

struct GridCase {
  const char* procedure;
  TProcessWindowKind kind;
  bool getsGrid;
  const char* unavailable;
};

const GridCase kGridLaunchers[] = {
    {"AUTOFACTURAR", TProcessWindowKind::GenerarFacturas, true,
     "La ventana «Generar Facturas» (AUTOFACTURAR) todavía no está disponible"},
    {"FUNCIONES_FACTURAS", TProcessWindowKind::Facturas, true,
     "La ventana «Facturas» (FUNCIONES_FACTURAS) todavía no está disponible"},
    {"GENERAR_LIQUIDACIONES", TProcessWindowKind::GeneradorLiquidaciones, false,
     "La ventana «Generador de liquidaciones» (GENERAR_LIQUIDACIONES) todavía no está disponible"},
};

TEST_F(LaunchersTest, GridLaunchersShowTheWindowModallyFreeItAndRefreshOnOk) {
  SetCentre(1);
  for (const GridCase& c : kGridLaunchers) {
    SCOPED_TRACE(c.procedure);
    const QString procedure = QString::fromUtf8(c.procedure);
    ProcessWindows::Clear();

    // Without a grid: nothing, even without a window.
    Parametres().DeleteParam(PRM::DBGrid);
    Run(procedure);
    Parametres().SetObject(PRM::DBGrid, grid.get());
    EXPECT_EQ(Message([&] { Run(procedure); }), QString::fromUtf8(c.unavailable));

    for (bool ok : {false, true}) {
      log = WindowLog();
      const int rowsBefore = query->DataSet()->RecordCount();
      AddStudent(QStringLiteral("Nuevo"));
      Factory(c.kind, ok);
      Run(procedure);
      EXPECT_EQ(log.built, 1);
      EXPECT_EQ(log.shown, 1);
      EXPECT_EQ(log.freed, 1);
      EXPECT_EQ(log.launch.grid, c.getsGrid ? grid.get() : nullptr);
      EXPECT_EQ(query->DataSet()->RecordCount(), ok ? rowsBefore + 1 : rowsBefore) << "ok=" << ok;
      query->RefrescaSQL();
    }
  }
}

struct AttendanceCase {
  const char* procedure;
  bool removing;
  const char* empty;
};

const AttendanceCase kAttendance[] = {
    {"FALTAS_NUEVA_FALTA", false, "No existe ningún grupo para poder asignar la falta"},
    {"FALTAS_BORRA_FALTA", true, "No existe ningún grupo para poder quitar la falta"},
};

TEST_F(LaunchersTest, AttendanceLaunchersOpenTheWindowOnTheCallingEnrolment) {
  auto enrolments = OpenQuery(QStringLiteral("SELECT * FROM T02Matriculas"), 186);
  Parametres().SetObject(PRM::TQuerySQL, enrolments.get());
  for (const AttendanceCase& c : kAttendance) {
    SCOPED_TRACE(c.procedure);
    const QString procedure = QString::fromUtf8(c.procedure);
    db.ExecuteSQL(QStringLiteral("DELETE FROM T02Matriculas"));
    enrolments->RefrescaSQL();
    Factory(TProcessWindowKind::FaltasAsistencia, false);
    EXPECT_EQ(Message([&] { Run(procedure); }), QString::fromUtf8(c.empty));
    EXPECT_EQ(log.built, 0);

    const int enrolment = Insert(QStringLiteral("T02Matriculas"), QStringLiteral("IDMatriculaT02"),
                                 {QStringLiteral("NMatriculaT02")}, {QStringLiteral("M-7")});
    enrolments->RefrescaSQL();
    const TDateTime day = DayDate::Encode(2024, 3, 11);
    Parametres().AddParam(QStringLiteral("PRMFechaIntroduccionFaltas"), day);
    const int rowsBefore = enrolments->DataSet()->RecordCount();
    Insert(QStringLiteral("T02Matriculas"), QStringLiteral("IDMatriculaT02"),
           {QStringLiteral("NMatriculaT02")}, {QStringLiteral("M-8")});
    Run(procedure);
    EXPECT_EQ(log.built, 1);
    EXPECT_EQ(log.shown, 1);
    EXPECT_EQ(log.freed, 1);
    EXPECT_EQ(log.launch.enrolment, enrolment);
    EXPECT_EQ(log.launch.date, day);
    EXPECT_EQ(log.launch.removing, c.removing);
    // Re-run even though the window closed without OK.
    EXPECT_EQ(enrolments->DataSet()->RecordCount(), rowsBefore + 1);

    // Without the date parameter: now.
    Parametres().DeleteParam(QStringLiteral("PRMFechaIntroduccionFaltas"));
    const TDateTime before = DayDate::Now();
    Run(procedure);
    EXPECT_GE(log.launch.date, before);
    EXPECT_LE(log.launch.date, DayDate::Now());

    ProcessWindows::Clear();
    log = WindowLog();
    EXPECT_EQ(
        Message([&] { Run(procedure); }),
        QStringLiteral("La ventana «Faltas de Asistencia» (%1) todavía no está disponible").arg(procedure));
  }
  Parametres().DeleteParam(PRM::TQuerySQL);
  Run(QStringLiteral("FALTAS_NUEVA_FALTA"));  // no calling query: nothing
}

}  // namespace
