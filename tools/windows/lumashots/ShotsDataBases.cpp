// The database windows: the selection list and the database wizard on a few pages.
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "App/CodiComu/database/IDataBaseSession.h"
#include "App/CodiComu/database/TDataBaseFiles.h"
#include "App/CodiComu/database/TEditDataBaseWizard.h"
#include "App/CodiComu/database/TZULDataBases.h"
#include "App/CodiComu/windows/TCCFRMEditDataBase.h"
#include "App/CodiComu/windows/TFRMSelEmpresa.h"
#include "tools/windows/lumashots/ShotRegistry.h"

namespace {

// Plays an open database without touching any file.
class TSampleSession : public IDataBaseSession {
public:
  void ConnectDataBase(int index) override { m_index = index; }
  bool IsConnected() const override { return m_index >= 0; }
  void SetConnected(bool connected) override {
    if (!connected) m_index = -1;
  }
  int CurrentDataBaseIndex() const override { return m_index; }
  void CheckDataBaseAdministrator(const TZULDataBase&, const QString&) override {}

private:
  int m_index = 0;
};

// A program folder of its own with a sample list of databases.
struct TSample {
  TSample() : list(folder.filePath(QStringLiteral("lumapro.INI")), folder.path()) {
    files.ExecutableFolder = folder.path();
    files.DefaultDataDir = folder.filePath(QStringLiteral("DATADIR"));
    files.MastersFolder = folder.filePath(QStringLiteral("MastersMDB"));
    files.MastersMask = QStringLiteral("ZULLumaExtV");
    files.NewDataBaseMaskFileName = QStringLiteral("ZULLumarescaExtV");
    files.DataBaseAppNameValue = QStringLiteral("ZUL Lumaresca EXT");
    files.DataBaseVersion = 4;
    const QString data = files.DefaultDataDir + QLatin1Char('/');
    list.AddDataBase({QStringLiteral("Academia Lumaresca"), 4, data + QStringLiteral("Lumaresca.MDB"), {}});
    list.AddDataBase(
        {QStringLiteral("Academia Lumaresca (curso 2019)"), 3, data + QStringLiteral("Curso2019.MDB"), {}});
    list.AddDataBase({QStringLiteral("Escuela de Idiomas Norte"), 4, data + QStringLiteral("Norte.MDB"), {}});
    list.AddDataBase(
        {QString::fromUtf8("Pruebas (versión nueva)"), 5, data + QStringLiteral("Pruebas.MDB"), {}});
  }
  TZULDataBase Record(int index) { return list.ReadDataBase(index); }

  QTemporaryDir folder;
  TDataBaseFiles files;
  TZULDataBases list;
  TSampleSession session;
};

TSample& Sample() {
  static TSample sample;
  return sample;
}

QWidget* Selection(std::unique_ptr<QWidget>& keep) {
  keep = std::make_unique<TFRMSelEmpresa>(Sample().list, Sample().files, Sample().session);
  return keep.get();
}

// A wizard window over a wizard that lives as long as the picture needs it.
QWidget* Wizard(std::unique_ptr<QWidget>& keep, TEditKind kind, int index,
                const std::function<void(TCCFRMEditDataBase&)>& walk) {
  static std::vector<std::unique_ptr<TEditDataBaseWizard>> wizards;
  const TZULDataBase record = index >= 0 ? Sample().Record(index) : TZULDataBase{};
  wizards.push_back(std::make_unique<TEditDataBaseWizard>(Sample().files, record, kind));
  auto window = std::make_unique<TCCFRMEditDataBase>(*wizards.back(), Sample().files);
  if (walk) walk(*window);
  keep = std::move(window);
  return keep.get();
}

QWidget* WizardAction(std::unique_ptr<QWidget>& keep) {
  return Wizard(keep, TEditKind::Add, 0, [](TCCFRMEditDataBase& w) {
    w.GoNext();
    w.findChild<QRadioButton*>(QStringLiteral("rbNueva"))->click();
  });
}

QWidget* WizardConfirm(std::unique_ptr<QWidget>& keep) {
  return Wizard(keep, TEditKind::Add, -1, [](TCCFRMEditDataBase& w) {
    w.findChild<QLineEdit*>(QStringLiteral("edtNombre"))->setText(QString::fromUtf8("Escuela de Música Sur"));
    w.GoNext();
    w.findChild<QRadioButton*>(QStringLiteral("rbNueva"))->click();
    w.GoNext();
  });
}

QWidget* WizardModify(std::unique_ptr<QWidget>& keep) { return Wizard(keep, TEditKind::Modify, 2, {}); }

QWidget* WizardDelete(std::unique_ptr<QWidget>& keep) {
  return Wizard(keep, TEditKind::Delete, 2, [](TCCFRMEditDataBase& w) {
    w.findChild<QRadioButton*>(QStringLiteral("rbBorrarVinculo"))->click();
  });
}

const ShotRegistration kDataBaseShots{
    {"TFRMSelEmpresa.png", Selection},
    {"TCCFRMEditDataBase.png", WizardAction},
    {"TCCFRMEditDataBase-Confirmacion.png", WizardConfirm},
    {"TCCFRMEditDataBase-Modificar.png", WizardModify},
    {"TCCFRMEditDataBase-Borrado.png", WizardDelete},
};

}  // namespace
