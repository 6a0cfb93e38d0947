#include "platform/zul/TZULApp.h"

#include <QFile>
#include <QFileInfo>

#include "platform/core/Exceptions.h"
#include "platform/os/TRegistryStore.h"
#include "platform/zul/DefaultDataBase.h"
#include "platform/zul/TProcedureZUL.h"
#include "platform/zul/TTreeZUL.h"
#include "platform/zul/TZULAppFile.h"
#include "platform/zul/TZULForm.h"
#include "platform/zul/TZULFormBuilder.h"

namespace {
TZULApp*& MainApp() {
  static TZULApp* app = nullptr;
  return app;
}

// The file read for an application file name: the name itself when it carries the
// ".ZUL" extension, otherwise the name with it.
QString AppFilePath(const QString& fileName) {
  if (fileName.endsWith(QStringLiteral(".zul"), Qt::CaseInsensitive)) return fileName;
  return fileName + QStringLiteral(".ZUL");
}
}  // namespace

TZULApp::TZULApp()
    : m_procedures(std::make_unique<TProcedureZUL>()), m_appFile(std::make_unique<TZULAppFile>()) {
  LoadBuiltInApp();
}

TZULApp::~TZULApp() {
  if (MainApp() == this) MainApp() = nullptr;
  if (m_defaultDB && DefaultDataBase::Get() == m_defaultDB) DefaultDataBase::Set(nullptr);
}

TZULApp* TZULApp::Main() { return MainApp(); }

void TZULApp::SetMain(TZULApp* app) { MainApp() = app; }

void TZULApp::SetAppFile(const QString& fileName) {
  m_appFileName = fileName;
  const QString path = AppFilePath(fileName);
  QFile file(path);
  if (!file.exists()) {
    throw EFileError(QStringLiteral("No existe el archivo de aplicación:\n%1").arg(path));
  }
  if (!file.open(QIODevice::ReadOnly)) {
    throw EFileError(
        QStringLiteral("No se puede abrir el archivo de aplicación:\n%1\n%2").arg(path, file.errorString()));
  }
  try {
    LoadAppFromStream(file);
  } catch (const EFileError& e) {
    throw EFileError(QStringLiteral("%1\n\nArchivo: %2").arg(e.Message(), path));
  }
}

void TZULApp::LoadAppFromStream(QIODevice& stream) {
  // Read into a new object: a damaged file leaves the application as it was.
  TZULAppFile loaded;
  loaded.LoadFromStream(stream);
  loaded.Tree().SetRealTree(m_appFile->Tree().RealTree());
  *m_appFile = std::move(loaded);
}

void TZULApp::SaveAppToStream(QIODevice& stream) const { m_appFile->SaveToStream(stream); }

void TZULApp::LoadBuiltInApp() {
  TZULAppFile builtIn = TZULAppFile::BuiltIn();
  builtIn.Tree().SetRealTree(m_appFile->Tree().RealTree());
  *m_appFile = std::move(builtIn);
}

void TZULApp::ClearApp() {
  const bool realTree = m_appFile->Tree().RealTree();
  m_appFile->Clear();
  m_appFile->Tree().SetRealTree(realTree);
}

void TZULApp::CloseApp() {
  // The session ends: the file is forgotten and the built-in application stands,
  // in the real-tree mode a new load starts in.
  m_appFileName.clear();
  m_appFile->Clear();
  LoadBuiltInApp();
  m_appFile->Tree().SetRealTree(true);
}

const TZULAppFile& TZULApp::AppFile() const { return *m_appFile; }

TTreeZUL& TZULApp::Tree() { return m_appFile->Tree(); }

QDateTime TZULApp::FileDate() const { return m_appFile->FileDate(); }

int TZULApp::SaveCounter() const { return m_appFile->SaveCounter(); }

QString TZULApp::GeneratorId() const { return m_appFile->GeneratorId(); }

void TZULApp::SetDefaultDB(TDataBaseZUL* db) {
  m_defaultDB = db;
  DefaultDataBase::Set(db);
}

TRegistryStore& TZULApp::GetAppRegister() const { return TRegistryStore::User(); }

QString TZULApp::AppRegisterKey() const { return TRegistryStore::AppKey(m_appName); }

TZULForm* TZULApp::ObreComponent(int node, QObject* owner) {
  const TZULFormDef* def = m_appFile->FindForm(node);
  if (!def) return nullptr;
  if (!m_defaultDB) throw EDatabaseError(QStringLiteral("No hay ninguna base de datos abierta"));
  // A copy: a procedure run while the form is built may load another application.
  const TZULFormDef form = *def;
  return TZULFormBuilder(*m_defaultDB, *m_procedures).Build(form, owner);
}
