#include "rules/schema/SchemaTables.h"

#include <functional>

namespace {

// Text fields are 255 characters wide unless the program depends on a width.
constexpr int kTextWidth = 255;

QString Name(const char* name) { return QString::fromUtf8(name); }

FieldDef Field(const char* name, FieldKind kind, const char* defaultSql = "") {
  FieldDef field;
  field.name = Name(name);
  field.kind = kind;
  field.defaultSql = Name(defaultSql);
  return field;
}

FieldDef Key(const char* name) { return Field(name, FieldKind::Key); }

FieldDef Ref(const char* name, const char* table) {
  FieldDef field = Field(name, FieldKind::Reference);
  field.references = Name(table);
  return field;
}

// Number fields default to 0 like Jet's; pass "" where null has a meaning.
FieldDef Int(const char* name, const char* defaultSql = "0") {
  return Field(name, FieldKind::Integer, defaultSql);
}

FieldDef Text(const char* name, int width = kTextWidth, const char* defaultSql = "") {
  FieldDef field = Field(name, FieldKind::Text, defaultSql);
  field.width = width;
  return field;
}

FieldDef Memo(const char* name) { return Field(name, FieldKind::Memo); }

FieldDef Bool(const char* name, bool defaultValue = false) {
  return Field(name, FieldKind::Boolean, defaultValue ? "1" : "0");
}

// Activation flags: a new record is active, because an inactive one is read-only
// on its form and is left out of invoicing.
FieldDef Active(const char* name) { return Bool(name, true); }

// Amounts default to 0; pass "" where null has a meaning (VAT rates not yet chosen).
FieldDef Money(const char* name, const char* defaultSql = "0") {
  return Field(name, FieldKind::Currency, defaultSql);
}

FieldDef Stamp(const char* name) { return Field(name, FieldKind::DateTime); }
FieldDef Day(const char* name) { return Field(name, FieldKind::Date); }
FieldDef Clock(const char* name) { return Field(name, FieldKind::Time); }

FieldDef Searched(FieldDef field) {
  field.searched = true;
  return field;
}

// Appends prefix + n + suffix for n = 1..count (two digits when twoDigits).
void AddNumbered(std::vector<FieldDef>& fields, const char* prefix, const char* suffix, int count,
                 const std::function<FieldDef(const char*)>& make, bool twoDigits = false) {
  for (int n = 1; n <= count; ++n) {
    const QString number =
        twoDigits ? QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')) : QString::number(n);
    const QByteArray name = (Name(prefix) + number + Name(suffix)).toUtf8();
    fields.push_back(make(name.constData()));
  }
}

TableDef Table(const char* name, const char* caption, const char* keyField, std::vector<FieldDef> fields) {
  TableDef table;
  table.name = Name(name);
  table.caption = Name(caption);
  table.keyField = Name(keyField);
  table.fields = std::move(fields);
  return table;
}

TableDef Alumnos() {
  TableDef table = Table("T01Alumnos", "Alumnos", "IDAlumnoT01",
                         {Key("IDAlumnoT01"),
                          Ref("IDCentroT01", "T20Centros"),
                          Searched(Int("CodigoT01", "")),  // null until the code is assigned on posting
                          Text("NombreT01"),
                          Text("ApellidosT01"),
                          Text("NombreCompletoT01"),
                          Active("ActivoT01"),
                          Ref("IDAlumnoRelacionadoT01", "T01Alumnos"),
                          Text("NIFT01"),
                          Text("DomicilioT01"),
                          Text("CPPoblacionT01"),
                          Text("PoblacionT01"),
                          Text("ProvinciaT01"),
                          Text("Telf1T01"),
                          Text("Telf2T01"),
                          Text("Telf3T01"),
                          Text("FaxT01"),
                          Text("EMailT01"),
                          Stamp("FechaNacT01"),
                          Text("SexoT01"),
                          Text("NombrePadreT01"),
                          Text("DNIPadreT01"),
                          Text("TelfPadreT01"),
                          Text("NombreMadreT01"),
                          Text("DNIMadreT01"),
                          Text("TelfMadreT01"),
                          Memo("ComentariosT01"),
                          Ref("IDFormaCobroT01", "T17FormasCobro"),
                          Text("IBANT01"),
                          Text("BICT01"),
                          Text("CCCNombreTitularT01"),
                          Text("NIFTitularCuentaT01"),
                          Text("ReferenciaMandatoT01"),
                          Stamp("FechaMandatoT01")});
  // The list of students is sorted by surname and name, and their lookups by full name.
  table.indexes = {{QStringLiteral("ApellidosT01"), QStringLiteral("NombreT01")},
                   {QStringLiteral("NombreCompletoT01")}};
  return table;
}

TableDef Matriculas() {
  return Table(
      "T02Matriculas", "Matrículas", "IDMatriculaT02",
      {Key("IDMatriculaT02"), Ref("IDAlumnoT02", "T01Alumnos"), Ref("IDGrupoT02", "T05Grupos"),
       Ref("IDCentroT02", "T20Centros"), Text("NMatriculaT02"), Active("ActivaT02"), Stamp("FechaAltaT02"),
       Day("FechaBajaT02"),
       Text("CursoEscolarT02"),  // a school year such as "2014/2015"
       Memo("ComentariosT02"), Bool("DatosCobroEnMatriculaT02"), Ref("IDFormaCobroT02", "T17FormasCobro"),
       Text("IBANT02"), Text("BICT02"), Text("CCCNombreTitularT02"), Text("NIFTitularCuentaT02"),
       Text("ReferenciaMandatoT02"), Stamp("FechaMandatoT02")});
}

TableDef Cursos() {
  return Table("T03Cursos", "Cursos", "IDCursoT03",
               {Key("IDCursoT03"), Ref("IDCentroT03", "T20Centros"), Text("CodigoT03"),
                Text("DescripcionT03", 50), Active("ActivoT03"), Day("InicioCursoT03"), Day("FinCursoT03"),
                Money("TotalHorasT03"),  // hours with decimals, copied as they are
                Money("ImporteColabT03"), Memo("ComentariosT03")});
}

TableDef Profesores() {
  return Table(
      "T04Profesores", "Profesores", "IDProfesorT04",
      {Key("IDProfesorT04"), Ref("IDCentroT04", "T20Centros"), Active("ActivoT04"), Text("NombreT04"),
       Text("ApellidosT04"), Text("NIFT04"), Text("DomicilioT04"), Text("CPPoblacionT04"),
       Text("PoblacionT04"), Text("ProvinciaT04"), Text("Telf1T04"), Text("Telf2T04"), Text("EMailT04"),
       Memo("ComentariosT04"), Text("IBANT04"), Text("BICT04"), Text("CCCNombreTitularT04")});
}

TableDef Grupos() {
  std::vector<FieldDef> fields = {Key("IDGrupoT05"),
                                  Ref("IDCursoT05", "T03Cursos"),
                                  Ref("IDCentroT05", "T20Centros"),
                                  Ref("IDProfesorT05", "T04Profesores"),
                                  Text("CodigoT05"),
                                  Text("NombreT05", 50),
                                  Active("ActivoT05"),
                                  Text("DiasHorasTxtT05"),
                                  Text("DescrHorarioT05")};
  // Weekly timetable: per day, morning start/end and afternoon start/end.
  for (const char* day : {"Lunes", "Martes", "Miercoles", "Jueves", "Viernes", "Sabado"}) {
    for (const char* part : {"MHI", "MHF", "THI", "THF"}) {
      const QByteArray name = QByteArray(day) + part + "T05";
      fields.push_back(Clock(name.constData()));
    }
  }
  fields.push_back(Memo("ComentariosT05"));
  return Table("T05Grupos", "Grupos", "IDGrupoT05", std::move(fields));
}

TableDef TarifasPrecios() {
  return Table(
      "T07TarifasPrecios", "Tarifas de precios", "IDTarifaPreciosT07",
      {Key("IDTarifaPreciosT07"), Ref("IDCentroT07", "T20Centros"), Text("CodigoTarifaT07"),
       Text("DescrTarifaT07"), Money("ImporteSinIVAT07"), Money("TPCIvaT07", ""), Money("ImporteConIVAT07")});
}

TableDef Incidencias() {
  return Table("T11Incidencias", "Incidencias", "IDIncidenciaT11",
               {Key("IDIncidenciaT11"), Ref("IDCentroT11", "T20Centros"), Ref("IDCursoT11", "T03Cursos"),
                Ref("IDGrupoT11", "T05Grupos"), Ref("IDMatriculaT11", "T02Matriculas"),
                Ref("IDAlumnoT11", "T01Alumnos"), Ref("IDProfesorT11", "T04Profesores"),
                Ref("IDFacturaCabT11", "T15FacturasCab"), Ref("IDTipoIncidenciaT11", "T12TipoIncidencias"),
                Bool("AutomaticaT11"), Text("TituloT11"), Memo("IncidenciaT11"), Bool("ResueltaT11"),
                Stamp("DiaHoraT11"), Stamp("DiaHoraResolucionT11")});
}

TableDef TipoIncidencias() {
  return Table("T12TipoIncidencias", "Tipos de incidencias", "IDTipoIncidenciaT12",
               {Key("IDTipoIncidenciaT12"), Text("CodigoTipoIncidenciaT12"), Text("DescrTipoIncidenciaT12")});
}

TableDef ConceptosMatricula() {
  std::vector<FieldDef> fields = {
      Key("IDConceptoMatriculaT14"),
      Ref("IDCentroT14", "T20Centros"),
      Ref("IDPlantillaCobroT14", ""),  // billing templates live outside this schema
      Ref("IDCursoT14", "T03Cursos"),
      Ref("IDGrupoT14", "T05Grupos"),
      Ref("IDMatriculaT14", "T02Matriculas"),
      Ref("IDAlumnoT14", "T01Alumnos"),
      Ref("IDConcMatrPadreT14", "T14ConceptosMatricula"),
      Ref("IDTarifaPreciosT14", "T07TarifasPrecios"),
      Text("ConceptoT14", 80),
      Money("ImporteBaseT14"),
      Money("UnidadesT14", "1"),
      Money("TPCDtoT14"),
      Money("BaseImponibleT14"),
      Money("TPCIvaT14", ""),  // null: the default VAT is put in on posting
      Money("ImporteIvaIncluidoT14"),
      Bool("EsCuotaT14")};
  for (const char* month : {"Enero", "Febrero", "Marzo", "Abril", "Mayo", "Junio", "Julio", "Agosto",
                            "Septiembre", "Octubre", "Noviembre", "Diciembre"}) {
    const QByteArray name = QByteArray("Cobrar") + month + "T14";
    fields.push_back(Bool(name.constData()));
  }
  fields.push_back(Active("ActivoT14"));
  fields.push_back(Stamp("FechaAltaT14"));
  fields.push_back(Int("NOrdenT14"));
  fields.push_back(Memo("ComentariosT14"));
  return Table("T14ConceptosMatricula", "Conceptos de matrícula", "IDConceptoMatriculaT14",
               std::move(fields));
}

TableDef FacturasCab() {
  std::vector<FieldDef> fields = {Key("IDFacturaCabT15"),
                                  Ref("IDCentroT15", "T20Centros"),
                                  Ref("IDAlumnoT15", "T01Alumnos"),
                                  Ref("IDFormaCobroT15", "T17FormasCobro"),
                                  Ref("IDSerieT15", "T18Series"),
                                  Text("SerieT15"),
                                  Int("NumeroT15", ""),  // null: not numbered
                                  Day("FechaT15"),
                                  Bool("CobradaT15"),
                                  Stamp("FechaCobroT15"),
                                  Bool("DevueltaT15"),
                                  Stamp("FechaDevolucionT15"),
                                  Bool("PteRevisarT15"),
                                  Text("TipoPagoT15"),
                                  Ref("IDNorma19T15", ""),  // direct-debit files live outside this schema
                                  Text("Norma19CodDevT15"),
                                  Text("Norma19CodMotivoDevT15"),
                                  Text("Norma19RefClienteT15"),
                                  Text("Norma19RefInternaT15"),
                                  Int("CodigoAlumnoT15", ""),  // copy of CodigoT01
                                  Text("NIFT15"),
                                  Text("NombreT15"),
                                  Text("DireccionT15"),
                                  Text("CPT15"),
                                  Text("PoblacionT15"),
                                  Text("ProvinciaT15"),
                                  Text("IBANT15"),
                                  Text("BICT15"),
                                  Text("CCCNombreTitularT15"),
                                  Text("NIFTitularCuentaT15"),
                                  Text("ReferenciaMandatoT15"),
                                  Stamp("FechaMandatoT15"),
                                  Money("ImporteArticulosT15"),
                                  Money("ImporteDescuentosT15"),
                                  Money("ImporteBasesImponiblesT15"),
                                  Money("ImporteIvasT15"),
                                  Money("ImporteTotalT15")};
  // VAT breakdown: a slot whose rate is null is empty.
  for (const char* n : {"1", "2", "3"}) {
    const QByteArray rate = QByteArray("TPCIva") + n + "T15";
    const QByteArray base = QByteArray("BaseImponible") + n + "T15";
    const QByteArray vat = QByteArray("ImporteIva") + n + "T15";
    fields.push_back(Money(rate.constData(), ""));
    fields.push_back(Money(base.constData()));
    fields.push_back(Money(vat.constData()));
  }
  AddNumbered(
      fields, "Linea", "T15", 8, [](const char* name) { return Text(name, 80); }, true);
  fields.push_back(Text("ConceptoSEPAT15", 140));
  fields.push_back(Memo("ComentariosT15"));
  return Table("T15FacturasCab", "Cabecera de las facturas", "IDFacturaCabT15", std::move(fields));
}

TableDef FacturasCue() {
  return Table("T16FacturasCue", "Cuerpo de las facturas", "IDFacturaCueT16",
               {Key("IDFacturaCueT16"),
                Ref("IDFacturaCabT16", "T15FacturasCab"),
                Ref("IDConceptoMatriculaT16", "T14ConceptosMatricula"),
                Ref("IDMatriculaT16", "T02Matriculas"),
                Int("NOrdenT16"),
                Int("NMesFacturadoT16"),
                Int("AnyoFacturadoT16"),
                Text("CodConceptoT16"),
                Text("DescConceptoT16"),  // the concept text with its placeholders expanded: can outgrow 80
                Money("ImporteBaseT16"),
                Money("UnidadesT16", "1"),
                Money("TPCDtoT16"),
                Money("BaseImponibleT16"),
                Money("TPCIvaT16", ""),  // null: the default VAT is put in on a new line
                Money("ImporteIvaIncluidoT16"),
                Text("CodigoCentroT16"),
                Text("NombreCentroT16"),
                Text("CodigoCursoT16"),
                Text("DescrCursoT16", 50),
                Text("CodigoGrupoT16"),
                Text("DescrGrupoT16", 50),
                Text("NMatriculaT16"),
                Text("NombreAlumnoT16")});
}

TableDef FormasCobro() {
  return Table(
      "T17FormasCobro", "Formas de cobro", "IDFormaCobroT17",
      {Key("IDFormaCobroT17"), Text("CodFormaCobroT17"), Text("DescFormaCobroT17"), Bool("UsaNorma19T17"),
       Text("IBANT17"), Text("BICT17"), Text("AgenciaT17", 4), Text("OficinaT17", 4),
       Text("LocalidadExpedT17"), Text("NIFPresentadorT17"), Text("NombrePresentadorT17"), Text("SufijoT17"),
       Text("AcreedorPaisT17", kTextWidth, "'España'"), Text("AcreedorIdentificadorT17")});
}

TableDef Series() {
  // A new series starts numbering at 1.
  return Table("T18Series", "Series de facturas", "IDSerieT18",
               {Key("IDSerieT18"), Text("SerieT18"), Int("NSiguienteFacturaT18", "1"), Active("ActivaT18")});
}

TableDef Centros() {
  return Table(
      "T20Centros", "Centros", "IDCentroT20",
      {Key("IDCentroT20"), Text("CodigoCentroT20"), Text("NombreCentroT20"), Active("ActivoT20"),
       Text("DireccionT20"), Text("CPT20"), Text("PoblacionT20"), Text("ProvinciaT20"), Text("Telf1T20"),
       Text("Telf2T20"), Text("FaxT20"), Text("EMailT20"), Text("CIFT20"), Memo("ComentariosT20")});
}

TableDef TiposIva() {
  return Table("T22TiposIva", "Tipos de IVA", "IDTipoIvaT22", {Key("IDTipoIvaT22"), Money("TPCIvaT22", "")});
}

// The eight evaluated items of a report-card format or card: name, definition, print format.
void AddConcepts(std::vector<FieldDef>& fields, const char* suffix) {
  const auto text = [](const char* name) { return Text(name); };
  AddNumbered(fields, "NombreConc", suffix, 8, text);
  AddNumbered(fields, "ValoresConc", suffix, 8, text);  // encoded definition, at most 255 characters
  AddNumbered(fields, "FormatoConc", suffix, 8, text);
}

TableDef FormatosBoletinesNotas() {
  std::vector<FieldDef> fields = {Key("IDFormatoBoletinT23"), Text("DescrFormatoBoletinT23")};
  AddConcepts(fields, "T23");
  return Table("T23FormatosBoletinesNotas", "Formato de los boletines de notas", "IDFormatoBoletinT23",
               std::move(fields));
}

TableDef BoletinesNotas() {
  std::vector<FieldDef> fields = {Key("IDBoletinNotasT24"), Ref("IDCursoT24", "T03Cursos"),
                                  Text("DescrBoletinNotasT24"), Bool("BloqueadoT24")};
  AddConcepts(fields, "T24");
  return Table("T24BoletinesNotas", "Boletines de notas", "IDBoletinNotasT24", std::move(fields));
}

TableDef NotasBoletin() {
  std::vector<FieldDef> fields = {Key("IDNotasBoletinT25"), Ref("IDBoletinNotasT25", "T24BoletinesNotas"),
                                  Ref("IDMatriculaT25", "T02Matriculas")};
  AddNumbered(fields, "ValorConc", "T25", 8, [](const char* name) { return Text(name); });
  return Table("T25NotasBoletin", "Notas de los boletines", "IDNotasBoletinT25", std::move(fields));
}

TableDef FaltasAsistencia() {
  return Table(
      "T26FaltasAsistencia", "Faltas de asistencia", "IDFaltaAsistenciaT26",
      {Key("IDFaltaAsistenciaT26"), Ref("IDMatriculaT26", "T02Matriculas"), Day("FechaFaltaT26"),
       Stamp("DHInicioFaltaT26"), Stamp("DHFinalFaltaT26"), Bool("JustificadaT26"), Bool("ResueltaT26")});
}

TableDef LiquidacionesCab() {
  return Table("T27LiquidacionesCab", "Cabecera de las liquidaciones", "IDLiquidacionCabT27",
               {Key("IDLiquidacionCabT27"), Ref("IDCentroT27", "T20Centros"), Int("NLiquidacionT27"),
                Stamp("FechaLiquidacionT27"), Text("DescrLiquidacionT27", 50), Text("CodigoT27"),
                Text("NombreT27"), Text("DireccionT27"), Text("CPT27"), Text("PoblacionT27"),
                Text("ProvinciaT27"), Text("Telf1T27"), Text("Telf2T27"), Text("FaxT27"), Text("EMailT27"),
                Text("CIFT27"), Money("ImporteLiquidadoT27"), Memo("ComentariosT27")});
}

TableDef LiquidacionesCue() {
  // A line typed by hand counts one unit until changed.
  return Table("T28LiquidacionesCue", "Cuerpo de las liquidaciones", "IDLiquidacionCueT28",
               {Key("IDLiquidacionCueT28"), Ref("IDLiquidacionCabT28", "T27LiquidacionesCab"),
                Text("CodigoT28"), Text("DescripcionT28"), Money("PrecioUnitarioT28"),
                Money("UnidadesT28", "1"), Money("ImporteLineaT28")});
}

TableDef ParametrosAplicacion() {
  // Only the value field named by NombreCampoValorT99 holds the value; the others stay
  // null, and an empty value must read as null so the caller's default applies.
  return Table("T99ParametrosAplicacion", "", "IDParamAplicT99",
               {Key("IDParamAplicT99"), Ref("IDUsuarioT99", ""), Searched(Text("NombreParametroT99")),
                Text("DescrParametroT99"), Text("NombreCampoValorT99"), Int("ValorIntegerT99", ""),
                Money("ValorCurrencyT99", ""), Stamp("ValorFechaHoraT99"), Bool("ValorBooleanT99"),
                Text("ValorTextoT99"), Memo("ValorMemoT99"), Field("ValorOLET99", FieldKind::Blob)});
}

TableDef VersionInfo() {
  return Table("TZULVersionInfo", "", "",
               {Text("NombreAplicacion"), Int("NumeroVersion"), Text("MasterFileName")});
}

TableDef ImportVersions() {
  return Table(
      "TZULImportVersions", "", "",
      {Text("NombreAplicacion"), Int("NumeroVersion"), Text("NombreArchivo"), Text("PrefijoConsultas")});
}

}  // namespace

std::vector<TableDef> BuildSchemaTables() {
  return {Alumnos(),
          Matriculas(),
          Cursos(),
          Profesores(),
          Grupos(),
          TarifasPrecios(),
          Incidencias(),
          TipoIncidencias(),
          ConceptosMatricula(),
          FacturasCab(),
          FacturasCue(),
          FormasCobro(),
          Series(),
          Centros(),
          TiposIva(),
          FormatosBoletinesNotas(),
          BoletinesNotas(),
          NotasBoletin(),
          FaltasAsistencia(),
          LiquidacionesCab(),
          LiquidacionesCue(),
          ParametrosAplicacion(),
          VersionInfo(),
          ImportVersions()};
}
