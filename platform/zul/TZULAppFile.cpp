#include "platform/zul/TZULAppFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <array>
#include <utility>

#include "platform/core/Exceptions.h"
#include "platform/core/Variants.h"
#include "platform/zul/TZULAppFileReader.h"

const QString TZULAppFile::DataSetComponent = QStringLiteral("DadesQry");
const QString TZULAppFile::QueryComponent = QStringLiteral("DATASETSQL");
const QString TZULAppFile::GridComponent = QStringLiteral("DBGrid");
const QString TZULAppFile::DataSourceComponent = QStringLiteral("DataSource");

QString TZULAppFile::DetailDataSetComponent(const QString& gridControl) {
  return gridControl + QStringLiteral("DataSet");
}

QString TZULAppFile::DetailDataSourceComponent(const QString& gridControl) {
  return gridControl + QStringLiteral("DataSource");
}

namespace {

constexpr std::array<std::pair<TZULControlKind, const char*>, 15> kKindNames{{
    {TZULControlKind::Panel, "Panel"},
    {TZULControlKind::Label, "Label"},
    {TZULControlKind::Button, "Button"},
    {TZULControlKind::SpeedButton, "SpeedButton"},
    {TZULControlKind::CheckBox, "CheckBox"},
    {TZULControlKind::DBCheckBox, "DBCheckBox"},
    {TZULControlKind::DBEdit, "DBEdit"},
    {TZULControlKind::DBMemo, "DBMemo"},
    {TZULControlKind::DBDate, "DBDate"},
    {TZULControlKind::DBTime, "DBTime"},
    {TZULControlKind::DBLookup, "DBLookup"},
    {TZULControlKind::DBRadioGroup, "DBRadioGroup"},
    {TZULControlKind::DateTimePicker, "DateTimePicker"},
    {TZULControlKind::Grid, "Grid"},
    {TZULControlKind::Other, "Other"},
}};

QJsonValue ScalarJson(const QVariant& v) {
  if (Var::IsNullOrEmpty(v)) return QJsonValue(QJsonValue::Null);
  switch (v.metaType().id()) {
    case QMetaType::Bool:
      return v.toBool();
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
      return QJsonValue(v.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
      return v.toDouble();
    default:
      return v.toString();
  }
}

void PutText(QJsonObject& o, const char* key, const QString& value) {
  if (!value.isEmpty()) o.insert(QLatin1String(key), value);
}

QJsonArray ColumnsJson(const std::vector<TZULColumnDef>& columns) {
  QJsonArray list;
  for (const TZULColumnDef& c : columns) {
    QJsonObject o{{QStringLiteral("field"), c.field}};
    PutText(o, "caption", c.caption);
    if (c.width != 0) o.insert(QStringLiteral("width"), c.width);
    list.append(o);
  }
  return list;
}

QJsonObject ControlJson(const TZULControlDef& c) {
  QJsonObject o{{QStringLiteral("name"), c.name}, {QStringLiteral("kind"), ControlKindName(c.kind)}};
  PutText(o, "caption", c.caption);
  PutText(o, "field", c.dataField);
  PutText(o, "dataSet", c.dataSetName);
  if (!c.enabled) o.insert(QStringLiteral("enabled"), false);
  if (!c.visible) o.insert(QStringLiteral("visible"), false);
  if (c.readOnly) o.insert(QStringLiteral("readOnly"), true);
  if (!c.items.isEmpty()) o.insert(QStringLiteral("items"), QJsonArray::fromStringList(c.items));
  if (!c.itemValues.isEmpty()) {
    QJsonArray values;
    for (const QVariant& v : c.itemValues) values.append(ScalarJson(v));
    o.insert(QStringLiteral("values"), values);
  }
  if (!c.lookup.sql.isEmpty()) {
    o.insert(QStringLiteral("lookup"), QJsonObject{{QStringLiteral("sql"), c.lookup.sql},
                                                   {QStringLiteral("keyField"), c.lookup.keyField},
                                                   {QStringLiteral("displayField"), c.lookup.displayField}});
  }
  PutText(o, "procedure", c.procedure);
  if (!c.arguments.empty()) {
    QJsonArray args;
    for (const TZULArgumentDef& a : c.arguments) {
      args.append(a.object.isEmpty() ? ScalarJson(a.value)
                                     : QJsonObject{{QStringLiteral("object"), a.object}});
    }
    o.insert(QStringLiteral("arguments"), args);
  }
  if (!c.detail.sql.isEmpty()) {
    QJsonObject d{{QStringLiteral("dataObject"), c.detail.dataObjectId},
                  {QStringLiteral("sql"), c.detail.sql},
                  {QStringLiteral("masterField"), c.detail.masterField}};
    PutText(d, "detailField", c.detail.detailField);
    PutText(d, "updateTable", c.detail.updateTable);
    PutText(d, "keyField", c.detail.keyField);
    if (!c.detail.columns.empty()) d.insert(QStringLiteral("columns"), ColumnsJson(c.detail.columns));
    o.insert(QStringLiteral("detail"), d);
  }
  if (!c.controls.empty()) {
    QJsonArray children;
    for (const TZULControlDef& child : c.controls) children.append(ControlJson(child));
    o.insert(QStringLiteral("controls"), children);
  }
  return o;
}

QJsonArray TreeJson(const TTreeZUL& tree, const QList<int>& numbers) {
  QJsonArray list;
  for (int n : numbers) {
    const TTreeNodeZUL* node = tree.FindNode(n);
    QJsonObject o{{QStringLiteral("node"), node->number}, {QStringLiteral("kind"), node->kind}};
    PutText(o, "text", node->text);
    if (!node->children.isEmpty()) o.insert(QStringLiteral("children"), TreeJson(tree, node->children));
    list.append(o);
  }
  return list;
}

}  // namespace

QString ControlKindName(TZULControlKind kind) {
  for (const auto& [k, name] : kKindNames) {
    if (k == kind) return QLatin1String(name);
  }
  return QStringLiteral("Other");
}

bool ControlKindFromName(const QString& name, TZULControlKind& kind) {
  for (const auto& [k, text] : kKindNames) {
    if (name.compare(QLatin1String(text), Qt::CaseInsensitive) == 0) {
      kind = k;
      return true;
    }
  }
  kind = TZULControlKind::Other;
  return false;
}

void TZULAppFile::Clear() { *this = TZULAppFile(); }

bool TZULAppFile::IsEmpty() const { return m_tree.Count() == 0 && m_forms.empty() && m_reports.empty(); }

void TZULAppFile::LoadFromJson(const QByteArray& json) { *this = TZULAppFileReader::Read(json); }

QByteArray TZULAppFile::ToJson() const {
  QJsonObject root{{QStringLiteral("format"), TZULAppFileReader::kFormatName},
                   {QStringLiteral("version"), TZULAppFileReader::kFormatVersion},
                   {QStringLiteral("saveCounter"), m_saveCounter}};
  if (m_fileDate.isValid()) {
    root.insert(QStringLiteral("fileDate"), m_fileDate.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz")));
  }
  PutText(root, "generatorId", m_generatorId);
  // The tree as the file holds it, whatever the mode.
  TTreeZUL real = m_tree;
  real.SetRealTree(true);
  root.insert(QStringLiteral("tree"), TreeJson(real, real.RootNodes()));
  QJsonArray forms;
  for (const TZULFormDef& f : m_forms) {
    QJsonObject o{{QStringLiteral("node"), f.node},
                  {QStringLiteral("dataObject"), f.dataObjectId},
                  {QStringLiteral("name"), f.name},
                  {QStringLiteral("sql"), f.sql}};
    if (f.formObjectId > 0) o.insert(QStringLiteral("formObject"), f.formObjectId);
    PutText(o, "caption", f.caption);
    PutText(o, "updateTable", f.updateTable);
    PutText(o, "keyField", f.keyField);
    if (f.toolWindow) o.insert(QStringLiteral("toolWindow"), true);
    if (!f.columns.empty()) o.insert(QStringLiteral("columns"), ColumnsJson(f.columns));
    QJsonArray controls;
    for (const TZULControlDef& c : f.controls) controls.append(ControlJson(c));
    if (!controls.isEmpty()) o.insert(QStringLiteral("controls"), controls);
    forms.append(o);
  }
  root.insert(QStringLiteral("forms"), forms);
  QJsonArray reports;
  for (const TZULReportDef& r : m_reports) {
    reports.append(QJsonObject{{QStringLiteral("id"), r.id},
                               {QStringLiteral("name"), r.name},
                               {QStringLiteral("kind"), r.kind},
                               {QStringLiteral("payload"), r.payload}});
  }
  root.insert(QStringLiteral("reports"), reports);
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

void TZULAppFile::LoadFromStream(QIODevice& stream) {
  const QByteArray json = stream.readAll();
  if (json.isEmpty())
    throw EFileError(QStringLiteral("El archivo de aplicación está vacío o no se puede leer"));
  LoadFromJson(json);
}

void TZULAppFile::SaveToStream(QIODevice& stream) const {
  const QByteArray json = ToJson();
  if (stream.write(json) != json.size()) {
    throw EFileError(
        QStringLiteral("No se pudo escribir el archivo de aplicación: %1").arg(stream.errorString()));
  }
}

TZULAppFile TZULAppFile::BuiltIn() { return TZULAppFileReader::Read(BuiltInJson()); }

const TZULFormDef* TZULAppFile::FindForm(int node) const {
  for (const TZULFormDef& f : m_forms) {
    if (f.node == node) return &f;
  }
  return nullptr;
}

const TZULFormDef* TZULAppFile::FindFormByDataObject(int dataObjectId) const {
  for (const TZULFormDef& f : m_forms) {
    if (f.dataObjectId == dataObjectId) return &f;
  }
  return nullptr;
}

void TZULAppFile::AddForm(const TZULFormDef& form) {
  TZULAppFileReader::CheckForm(form, QStringLiteral("formulario %1").arg(form.node));
  if (FindForm(form.node)) {
    throw EFileError(QStringLiteral("El nodo %1 ya tiene formulario").arg(form.node));
  }
  m_forms.push_back(form);
}

const TZULReportDef* TZULAppFile::FindReport(int id) const {
  for (const TZULReportDef& r : m_reports) {
    if (r.id == id) return &r;
  }
  return nullptr;
}

void TZULAppFile::AddReport(const TZULReportDef& report) {
  if (report.id <= 0 || FindReport(report.id)) {
    throw EFileError(QStringLiteral("Identificador de informe no válido o repetido: %1").arg(report.id));
  }
  m_reports.push_back(report);
}
