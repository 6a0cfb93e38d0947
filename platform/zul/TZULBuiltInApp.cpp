// The application compiled into the program: it stands when there is no
// application file or the file cannot be read. Small, but with every kind of
// element of the format, so that the program is usable and the format is tested.
#include "platform/zul/TZULAppFile.h"

namespace {
const char kBuiltIn[] = R"json({
  "format": "lumaresca-application",
  "version": 1,
  "fileDate": "2024-01-15T09:00:00",
  "saveCounter": 1,
  "generatorId": "lumaresca-builtin",
  "tree": [
    {"node": 1, "kind": 1, "text": "ZUL-Lumaresca 2014 EXTENDED", "children": [
      {"node": 391, "kind": 5, "text": "Tablas", "children": [
        {"node": 11342, "kind": 4, "text": "Centros"},
        {"node": 11780, "kind": 4, "text": "Alumnos=Ctrl+A"}
      ]},
      {"node": 10722, "kind": 5, "text": "Facturación"},
      {"node": 11161, "kind": 5, "text": "Histórico"},
      {"node": 11335, "kind": 5, "text": "Consultas", "children": [
        {"node": 20001, "kind": 6, "text": "Listado de alumnos"}
      ]},
      {"node": 90, "kind": 0, "text": "Notas del diseño: aplicación mínima incorporada"}
    ]}
  ],
  "forms": [
    {
      "node": 11342, "dataObject": 251, "name": "ZULFormCentros", "caption": "Centros",
      "sql": "SELECT * FROM T20Centros ORDER BY CodigoCentroT20",
      "updateTable": "T20Centros", "keyField": "IDCentroT20",
      "columns": [
        {"field": "CodigoCentroT20", "caption": "Código", "width": 8},
        {"field": "NombreCentroT20", "caption": "Nombre", "width": 30},
        {"field": "ActivoT20", "caption": "Activo"}
      ],
      "controls": [
        {"name": "PControlsEntradaDades", "kind": "Panel", "controls": [
          {"name": "ZULlblCodigo", "kind": "Label", "caption": "Código"},
          {"name": "ZULebCodigoCentro", "kind": "DBEdit", "field": "CodigoCentroT20"},
          {"name": "ZULlblNombre", "kind": "Label", "caption": "Nombre"},
          {"name": "ZULebNombreCentro", "kind": "DBEdit", "field": "NombreCentroT20"},
          {"name": "ZULcbActivo", "kind": "DBCheckBox", "caption": "Activo", "field": "ActivoT20", "readOnly": true},
          {"name": "ZULmComentarios", "kind": "DBMemo", "field": "ComentariosT20"}
        ]},
        {"name": "ZULbtnCambioActivo", "kind": "Button", "caption": "Activar / desactivar",
         "procedure": "CAMBIO_ACTIVO_CENTRO"},
        {"name": "ZULbtnCentroActual", "kind": "SpeedButton", "caption": "Centro predeterminado",
         "procedure": "MUESTRA_CENTRO_ACTUAL"}
      ]
    },
    {
      "node": 11780, "dataObject": 3, "name": "ZULFormAlumnos", "caption": "Alumnos",
      "sql": "SELECT * FROM T01Alumnos ORDER BY ApellidosT01, NombreT01",
      "updateTable": "T01Alumnos", "keyField": "IDAlumnoT01",
      "columns": [
        {"field": "CodigoT01", "caption": "Código", "width": 6},
        {"field": "ApellidosT01", "caption": "Apellidos", "width": 25},
        {"field": "NombreT01", "caption": "Nombre", "width": 15},
        {"field": "ActivoT01", "caption": "Activo"}
      ],
      "controls": [
        {"name": "PControlsEntradaDades", "kind": "Panel", "controls": [
          {"name": "ZULebCodigo", "kind": "DBEdit", "caption": "Código", "field": "CodigoT01", "readOnly": true},
          {"name": "ZULebNombre", "kind": "DBEdit", "caption": "Nombre", "field": "NombreT01"},
          {"name": "ZULebApellidos", "kind": "DBEdit", "caption": "Apellidos", "field": "ApellidosT01"},
          {"name": "ZULebNombreCompleto", "kind": "DBEdit", "caption": "Nombre completo",
           "field": "NombreCompletoT01", "enabled": false},
          {"name": "ZULdtFechaNac", "kind": "DBDate", "caption": "Fecha de nacimiento", "field": "FechaNacT01"},
          {"name": "ZULrgSexo", "kind": "DBRadioGroup", "caption": "Sexo", "field": "SexoT01",
           "items": ["Hombre", "Mujer"], "values": ["H", "M"]},
          {"name": "ZULlkCentro", "kind": "DBLookup", "caption": "Centro", "field": "IDCentroT01",
           "lookup": {"sql": "SELECT IDCentroT20, NombreCentroT20 FROM T20Centros ORDER BY NombreCentroT20",
                      "keyField": "IDCentroT20", "displayField": "NombreCentroT20"}},
          {"name": "ZULcbActivo", "kind": "DBCheckBox", "caption": "Activo", "field": "ActivoT01", "readOnly": true},
          {"name": "ZULmComentarios", "kind": "DBMemo", "caption": "Comentarios", "field": "ComentariosT01"}
        ]},
        {"name": "ZULbtnCambioActivo", "kind": "Button", "caption": "Activar / desactivar",
         "procedure": "CAMBIO_ACTIVO_ALUMNO"},
        {"name": "ZULbtnControlActivo", "kind": "Button", "caption": "Comprobar estado", "visible": false,
         "procedure": "ControlActiuNomesQuanNoModifiqui",
         "arguments": [{"object": "ZULbtnCambioActivo"}, {"object": "DadesQry"}]},
        {"name": "ZULbtnFacturar", "kind": "Button", "caption": "Facturar", "procedure": "AUTOFACTURAR"},
        {"name": "ZULgrdMatriculas", "kind": "Grid", "caption": "Matrículas", "readOnly": true,
         "detail": {"dataObject": 10841,
                    "sql": "SELECT * FROM T02Matriculas WHERE IDAlumnoT02 = {MASTER} ORDER BY NMatriculaT02",
                    "masterField": "IDAlumnoT01",
                    "columns": [{"field": "NMatriculaT02", "caption": "Matrícula", "width": 10},
                                {"field": "ActivaT02", "caption": "Activa"}]}}
      ]
    }
  ],
  "reports": [
    {"id": 20001, "name": "Listado de alumnos", "kind": 1,
     "payload": "SELECT CodigoT01, ApellidosT01, NombreT01 FROM T01Alumnos ORDER BY ApellidosT01, NombreT01"}
  ]
}
)json";
}  // namespace

const QByteArray& TZULAppFile::BuiltInJson() {
  static const QByteArray json = QByteArray::fromRawData(kBuiltIn, sizeof(kBuiltIn) - 1);
  return json;
}
