#include "platform/zul/TZULAppFileReader.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <QSet>
#include <cmath>
#include <limits>

#include "platform/core/Exceptions.h"
#include "platform/core/Variants.h"

const QString TZULAppFileReader::kFormatName = QStringLiteral("lumaresca-application");

namespace {

[[noreturn]] void Fail(const QString& where, const QString& what) {
  throw EFileError(QStringLiteral("El archivo de aplicación no es válido: %1: %2").arg(where, what));
}

QString At(const QString& where, const QString& key) {
  return where.isEmpty() ? key : where + QLatin1Char('.') + key;
}
QString At(const QString& where, const QString& key, qsizetype index) {
  return QStringLiteral("%1[%2]").arg(At(where, key)).arg(index);
}

// Typed reads of optional keys: a missing key gives the default, a key of another
// type is a fault.
QString Text(const QJsonObject& o, const QString& key, const QString& where, bool required = false) {
  const QJsonValue v = o.value(key);
  if (v.isUndefined() || v.isNull()) {
    if (required) Fail(where, QStringLiteral("falta \"%1\"").arg(key));
    return QString();
  }
  if (!v.isString()) Fail(where, QStringLiteral("\"%1\" debe ser un texto").arg(key));
  if (required && v.toString().isEmpty()) Fail(where, QStringLiteral("\"%1\" está vacío").arg(key));
  return v.toString();
}

bool IsInteger(const QJsonValue& v) {
  if (!v.isDouble()) return false;
  const double d = v.toDouble();
  return std::floor(d) == d && d >= std::numeric_limits<int>::min() && d <= std::numeric_limits<int>::max();
}

int Integer(const QJsonObject& o, const QString& key, const QString& where, bool required = false,
            int def = 0) {
  const QJsonValue v = o.value(key);
  if (v.isUndefined() || v.isNull()) {
    if (required) Fail(where, QStringLiteral("falta \"%1\"").arg(key));
    return def;
  }
  if (!IsInteger(v)) Fail(where, QStringLiteral("\"%1\" debe ser un número entero").arg(key));
  return v.toInt();
}

int Positive(const QJsonObject& o, const QString& key, const QString& where) {
  const int n = Integer(o, key, where, true);
  if (n <= 0) Fail(where, QStringLiteral("\"%1\" debe ser mayor que cero").arg(key));
  return n;
}

bool Boolean(const QJsonObject& o, const QString& key, const QString& where, bool def) {
  const QJsonValue v = o.value(key);
  if (v.isUndefined() || v.isNull()) return def;
  if (!v.isBool()) Fail(where, QStringLiteral("\"%1\" debe ser true o false").arg(key));
  return v.toBool();
}

QJsonArray Array(const QJsonObject& o, const QString& key, const QString& where) {
  const QJsonValue v = o.value(key);
  if (v.isUndefined() || v.isNull()) return QJsonArray();
  if (!v.isArray()) Fail(where, QStringLiteral("\"%1\" debe ser una lista").arg(key));
  return v.toArray();
}

QJsonObject Object(const QJsonValue& v, const QString& where) {
  if (!v.isObject()) Fail(where, QStringLiteral("debe ser un objeto"));
  return v.toObject();
}

// A scalar of the file as a value: integers as int, other numbers as double.
QVariant Scalar(const QJsonValue& v, const QString& where) {
  switch (v.type()) {
    case QJsonValue::Null:
      return Var::Null();
    case QJsonValue::Bool:
      return v.toBool();
    case QJsonValue::Double:
      return IsInteger(v) ? QVariant(v.toInt()) : QVariant(v.toDouble());
    case QJsonValue::String:
      return v.toString();
    default:
      Fail(where, QStringLiteral("debe ser un texto, un número, true, false o null"));
  }
}

void CollectNames(const std::vector<TZULControlDef>& controls, QSet<QString>& names,
                  QSet<QString>& components, QSet<QString>& grids, const QString& where) {
  for (const TZULControlDef& c : controls) {
    const QString folded = c.name.toCaseFolded();
    if (c.name.isEmpty()) Fail(where, QStringLiteral("un control no tiene nombre"));
    if (names.contains(folded)) Fail(where, QStringLiteral("el control \"%1\" está repetido").arg(c.name));
    names.insert(folded);
    if (c.kind == TZULControlKind::Grid) {
      components.insert(TZULAppFile::DetailDataSetComponent(c.name).toCaseFolded());
      components.insert(TZULAppFile::DetailDataSourceComponent(c.name).toCaseFolded());
      grids.insert(folded);
    }
    CollectNames(c.controls, names, components, grids, where);
  }
}

void CheckControls(const std::vector<TZULControlDef>& controls, const QSet<QString>& known,
                   const QSet<QString>& grids, const QString& where) {
  for (const TZULControlDef& c : controls) {
    const QString here = QStringLiteral("%1 \"%2\"").arg(where, c.name);
    if (!c.dataSetName.isEmpty()) {
      if (c.kind == TZULControlKind::Grid) {
        Fail(here, QStringLiteral("una rejilla de detalle no puede tomar los datos de otra"));
      }
      if (!grids.contains(c.dataSetName.toCaseFolded())) {
        Fail(here, QStringLiteral("\"dataSet\" debe nombrar una rejilla de detalle del formulario: \"%1\"")
                       .arg(c.dataSetName));
      }
    }
    if (c.arguments.size() > 6) Fail(here, QStringLiteral("un botón admite seis argumentos como máximo"));
    for (const TZULArgumentDef& a : c.arguments) {
      if (!a.object.isEmpty() && !known.contains(a.object.toCaseFolded())) {
        Fail(here, QStringLiteral("el argumento se refiere a un objeto que no existe: \"%1\"").arg(a.object));
      }
    }
    if (!c.itemValues.isEmpty() && c.itemValues.size() != c.items.size()) {
      Fail(here, QStringLiteral("\"values\" debe tener tantos elementos como \"items\""));
    }
    if (c.kind == TZULControlKind::DBLookup &&
        (c.lookup.sql.isEmpty() || c.lookup.keyField.isEmpty() || c.lookup.displayField.isEmpty())) {
      Fail(here, QStringLiteral("una lista de búsqueda necesita \"sql\", \"keyField\" y \"displayField\""));
    }
    if (c.kind == TZULControlKind::Grid && (c.detail.sql.isEmpty() || c.detail.masterField.isEmpty())) {
      Fail(here, QStringLiteral("una rejilla de detalle necesita \"sql\" y \"masterField\""));
    }
    CheckControls(c.controls, known, grids, where);
  }
}

}  // namespace

void TZULAppFileReader::CheckForm(const TZULFormDef& form, const QString& where) {
  if (form.node <= 0) Fail(where, QStringLiteral("el nodo debe ser mayor que cero"));
  if (form.dataObjectId <= 0) Fail(where, QStringLiteral("el objeto de datos debe ser mayor que cero"));
  if (form.formObjectId < 0) Fail(where, QStringLiteral("\"formObject\" debe ser mayor que cero"));
  if (form.sql.isEmpty()) Fail(where, QStringLiteral("el formulario no tiene SQL"));
  QSet<QString> names;
  QSet<QString> known;
  QSet<QString> grids;
  for (const QString& c : {TZULAppFile::DataSetComponent, TZULAppFile::QueryComponent,
                           TZULAppFile::GridComponent, TZULAppFile::DataSourceComponent}) {
    known.insert(c.toCaseFolded());
  }
  CollectNames(form.controls, names, known, grids, where);
  known.unite(names);
  CheckControls(form.controls, known, grids, where);
}

TZULAppFile TZULAppFileReader::Read(const QByteArray& json) {
  QJsonParseError error{};
  const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
  if (error.error != QJsonParseError::NoError) {
    Fail(QStringLiteral("posición %1").arg(error.offset), error.errorString());
  }
  if (!doc.isObject()) Fail(QStringLiteral("raíz"), QStringLiteral("debe ser un objeto"));
  const QJsonObject root = doc.object();
  const QString where = QString();
  if (Text(root, QStringLiteral("format"), QStringLiteral("raíz"), true) != kFormatName) {
    Fail(QStringLiteral("raíz"), QStringLiteral("no es un archivo de aplicación"));
  }
  const int version = Integer(root, QStringLiteral("version"), QStringLiteral("raíz"), true);
  if (version < 1 || version > kFormatVersion) {
    Fail(QStringLiteral("raíz"), QStringLiteral("versión %1 del formato desconocida").arg(version));
  }

  TZULAppFile file;
  const QString date = Text(root, QStringLiteral("fileDate"), QStringLiteral("raíz"));
  if (!date.isEmpty()) {
    QDateTime dt = QDateTime::fromString(date, Qt::ISODate);
    if (!dt.isValid()) Fail(QStringLiteral("fileDate"), QStringLiteral("fecha no válida: %1").arg(date));
    dt.setTimeSpec(Qt::UTC);
    file.m_fileDate = dt;
  }
  file.m_saveCounter = Integer(root, QStringLiteral("saveCounter"), QStringLiteral("raíz"));
  file.m_generatorId = Text(root, QStringLiteral("generatorId"), QStringLiteral("raíz"));

  TZULAppFileReader reader(file);
  reader.ReadTree(Array(root, QStringLiteral("tree"), QStringLiteral("raíz")), 0, QStringLiteral("tree"));

  const QJsonArray forms = Array(root, QStringLiteral("forms"), QStringLiteral("raíz"));
  for (qsizetype i = 0; i < forms.size(); ++i) {
    const QString here = At(where, QStringLiteral("forms"), i);
    TZULFormDef form = reader.ReadForm(Object(forms[i], here), here);
    if (file.FindForm(form.node)) Fail(here, QStringLiteral("el nodo %1 ya tiene formulario").arg(form.node));
    file.m_forms.push_back(std::move(form));
  }
  const QJsonArray reports = Array(root, QStringLiteral("reports"), QStringLiteral("raíz"));
  for (qsizetype i = 0; i < reports.size(); ++i) {
    const QString here = At(where, QStringLiteral("reports"), i);
    TZULReportDef report = reader.ReadReport(Object(reports[i], here), here);
    if (file.FindReport(report.id)) Fail(here, QStringLiteral("el informe %1 está repetido").arg(report.id));
    file.m_reports.push_back(std::move(report));
  }
  return file;
}

void TZULAppFileReader::ReadTree(const QJsonArray& nodes, int parent, const QString& where) {
  for (qsizetype i = 0; i < nodes.size(); ++i) {
    const QString here = QStringLiteral("%1[%2]").arg(where).arg(i);
    const QJsonObject o = Object(nodes[i], here);
    const int number = Positive(o, QStringLiteral("node"), here);
    const int kind = Integer(o, QStringLiteral("kind"), here, true);
    try {
      m_file.m_tree.AddNode(number, kind, Text(o, QStringLiteral("text"), here), parent);
    } catch (const EFileError& e) {
      Fail(here, e.Message());
    }
    ReadTree(Array(o, QStringLiteral("children"), here), number, At(here, QStringLiteral("children")));
  }
}

std::vector<TZULColumnDef> TZULAppFileReader::ReadColumns(const QJsonObject& o, const QString& where) {
  std::vector<TZULColumnDef> columns;
  const QJsonArray list = Array(o, QStringLiteral("columns"), where);
  for (qsizetype i = 0; i < list.size(); ++i) {
    const QString here = At(where, QStringLiteral("columns"), i);
    const QJsonObject c = Object(list[i], here);
    TZULColumnDef column;
    column.field = Text(c, QStringLiteral("field"), here, true);
    column.caption = Text(c, QStringLiteral("caption"), here);
    column.width = Integer(c, QStringLiteral("width"), here);
    if (column.width < 0) Fail(here, QStringLiteral("el ancho no puede ser negativo"));
    columns.push_back(std::move(column));
  }
  return columns;
}

TZULFormDef TZULAppFileReader::ReadForm(const QJsonObject& o, const QString& where) {
  TZULFormDef form;
  form.node = Positive(o, QStringLiteral("node"), where);
  form.dataObjectId = Positive(o, QStringLiteral("dataObject"), where);
  if (o.contains(QStringLiteral("formObject")))
    form.formObjectId = Positive(o, QStringLiteral("formObject"), where);
  form.name = Text(o, QStringLiteral("name"), where);
  if (form.name.isEmpty()) form.name = QStringLiteral("ZULForm%1").arg(form.node);
  form.caption = Text(o, QStringLiteral("caption"), where);
  form.sql = Text(o, QStringLiteral("sql"), where, true);
  form.updateTable = Text(o, QStringLiteral("updateTable"), where);
  form.keyField = Text(o, QStringLiteral("keyField"), where);
  form.toolWindow = Boolean(o, QStringLiteral("toolWindow"), where, false);
  form.columns = ReadColumns(o, where);
  const QJsonArray controls = Array(o, QStringLiteral("controls"), where);
  for (qsizetype i = 0; i < controls.size(); ++i) {
    const QString here = At(where, QStringLiteral("controls"), i);
    form.controls.push_back(ReadControl(Object(controls[i], here), here));
  }
  CheckForm(form, where);
  return form;
}

TZULControlDef TZULAppFileReader::ReadControl(const QJsonObject& o, const QString& where) {
  TZULControlDef c;
  c.name = Text(o, QStringLiteral("name"), where, true);
  const QString kind = Text(o, QStringLiteral("kind"), where, true);
  if (!ControlKindFromName(kind, c.kind))
    Fail(where, QStringLiteral("tipo de control desconocido: %1").arg(kind));
  c.caption = Text(o, QStringLiteral("caption"), where);
  c.dataField = Text(o, QStringLiteral("field"), where);
  c.dataSetName = Text(o, QStringLiteral("dataSet"), where);
  c.enabled = Boolean(o, QStringLiteral("enabled"), where, true);
  c.visible = Boolean(o, QStringLiteral("visible"), where, true);
  c.readOnly = Boolean(o, QStringLiteral("readOnly"), where, false);
  const QJsonArray items = Array(o, QStringLiteral("items"), where);
  for (qsizetype i = 0; i < items.size(); ++i) {
    if (!items[i].isString())
      Fail(At(where, QStringLiteral("items"), i), QStringLiteral("debe ser un texto"));
    c.items.append(items[i].toString());
  }
  const QJsonArray values = Array(o, QStringLiteral("values"), where);
  for (qsizetype i = 0; i < values.size(); ++i) {
    c.itemValues.append(Scalar(values[i], At(where, QStringLiteral("values"), i)));
  }
  if (o.contains(QStringLiteral("lookup"))) {
    const QString here = At(where, QStringLiteral("lookup"));
    const QJsonObject l = Object(o.value(QStringLiteral("lookup")), here);
    c.lookup.sql = Text(l, QStringLiteral("sql"), here, true);
    c.lookup.keyField = Text(l, QStringLiteral("keyField"), here, true);
    c.lookup.displayField = Text(l, QStringLiteral("displayField"), here, true);
  }
  c.procedure = Text(o, QStringLiteral("procedure"), where);
  const QJsonArray args = Array(o, QStringLiteral("arguments"), where);
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString here = At(where, QStringLiteral("arguments"), i);
    TZULArgumentDef a;
    if (args[i].isObject()) {
      a.object = Text(args[i].toObject(), QStringLiteral("object"), here, true);
    } else {
      a.value = Scalar(args[i], here);
    }
    c.arguments.push_back(std::move(a));
  }
  if (o.contains(QStringLiteral("detail"))) {
    const QString here = At(where, QStringLiteral("detail"));
    const QJsonObject d = Object(o.value(QStringLiteral("detail")), here);
    c.detail.dataObjectId = Positive(d, QStringLiteral("dataObject"), here);
    c.detail.sql = Text(d, QStringLiteral("sql"), here, true);
    c.detail.masterField = Text(d, QStringLiteral("masterField"), here, true);
    c.detail.detailField = Text(d, QStringLiteral("detailField"), here);
    c.detail.updateTable = Text(d, QStringLiteral("updateTable"), here);
    c.detail.keyField = Text(d, QStringLiteral("keyField"), here);
    c.detail.columns = ReadColumns(d, here);
  }
  const QJsonArray children = Array(o, QStringLiteral("controls"), where);
  for (qsizetype i = 0; i < children.size(); ++i) {
    const QString here = At(where, QStringLiteral("controls"), i);
    c.controls.push_back(ReadControl(Object(children[i], here), here));
  }
  return c;
}

TZULReportDef TZULAppFileReader::ReadReport(const QJsonObject& o, const QString& where) {
  TZULReportDef r;
  r.id = Positive(o, QStringLiteral("id"), where);
  r.name = Text(o, QStringLiteral("name"), where, true);
  r.kind = Integer(o, QStringLiteral("kind"), where, true);
  r.payload = Text(o, QStringLiteral("payload"), where);
  return r;
}
