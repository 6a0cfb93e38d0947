#include "App/CodiComu/ResourceFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <filesystem>

#include "App/CodiComu/CCTranslate.h"
#include "platform/core/Dialogs.h"
#include "platform/core/Exceptions.h"
#include "platform/zul/TParametres.h"
#include "platform/zul/TRecursosZUL.h"
#include "platform/zul/TZULApp.h"

namespace {

// The application file's path without its ".ZUL" extension.
QString BaseName(const QString& appFile) {
  if (appFile.endsWith(QStringLiteral(".zul"), Qt::CaseInsensitive)) return appFile.chopped(4);
  return appFile;
}

void ShowError(const QString& text) { Dialogs::Current().Error(Dialogs::AppTitle(), text); }

QString WithReason(int message, const Exception& e) {
  return ccTranslate(message) + QStringLiteral("\n\n") + e.Message();
}

void LoadStore(TRecursosZUL& resources, const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    throw EFileError(
        QStringLiteral("No se puede abrir el archivo de recursos:\n%1\n%2").arg(path, file.errorString()));
  }
  try {
    resources.LoadFromStream(file);
  } catch (const EFileError& e) {
    throw EFileError(QStringLiteral("%1\n%2").arg(e.Message(), path));
  }
}

bool Readable(const QString& path) {
  try {
    TRecursosZUL scratch;
    LoadStore(scratch, path);
    return true;
  } catch (const Exception&) {
    return false;
  }
}

// The current file becomes the backup while staying where it is: a hard link, or a
// copy where the file system has none.
void KeepAsBackup(const QString& file, const QString& backup) {
  std::error_code error;
  std::filesystem::create_hard_link(std::filesystem::path(file.toStdU16String()),
                                    std::filesystem::path(backup.toStdU16String()), error);
  if (error) QFile::copy(file, backup);
}

}  // namespace

TRecursosZUL& AppResources() {
  static TRecursosZUL resources;
  return resources;
}

QString ResourceFileName(const QString& appFile) { return BaseName(appFile) + QStringLiteral(".ZUR"); }

QString ResourceBackupFileName(const QString& appFile) {
  return BaseName(appFile) + QStringLiteral("_Seg.ZUR");
}

void LoadResources(const QString& appFile, TParametres* parameters, TRecursosZUL& resources) {
  if (appFile.isEmpty()) return;
  const QString path = ResourceFileName(appFile);
  if (QFileInfo::exists(path)) {
    try {
      LoadStore(resources, path);
    } catch (const Exception& e) {
      ShowError(WithReason(1100, e));
      const QString backup = ResourceBackupFileName(appFile);
      if (QFileInfo::exists(backup)) {
        try {
          LoadStore(resources, backup);
        } catch (const Exception& backupError) {
          ShowError(WithReason(1101, backupError));
        }
      }
    }
  }

  if (!parameters || !resources.FindIDRecursos(ResourceFile::kParametersId)) return;
  QByteArray data = resources.GetStreamRecursos(ResourceFile::kParametersId);
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  try {
    parameters->LoadFromStream(buffer);
  } catch (const Exception& e) {
    const QString question = WithReason(1102, e) + QStringLiteral("\n\n") + ccTranslate(100);
    if (Dialogs::Ask(question, TDialogIcon::Warning, dbYes | dbNo, dbYes) != dbYes) throw EAbort();
  }
}

void LoadResources(const TZULApp& application, TParametres* parameters) {
  LoadResources(application.GetAppFile(), parameters);
}

void SaveResources(const QString& appFile, TParametres* parameters, TRecursosZUL& resources) {
  if (appFile.isEmpty()) return;
  try {
    if (parameters) {
      QBuffer buffer;
      buffer.open(QIODevice::WriteOnly);
      parameters->SaveToStream(buffer);
      resources.InsertTRecursos(ResourceFile::kParametersId,
                                QString::fromLatin1(ResourceFile::kParametersName),
                                ResourceFile::kParametersKind, buffer.data());
    }

    const QString path = ResourceFileName(appFile);
    const QString backup = ResourceBackupFileName(appFile);
    if (QFileInfo::exists(path) && Readable(path)) {
      if (!QFileInfo::exists(backup) || QFile::remove(backup)) KeepAsBackup(path, backup);
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
      throw EFileError(
          QStringLiteral("No se puede crear el archivo de recursos:\n%1\n%2").arg(path, file.errorString()));
    }
    resources.SaveToStream(file, ResourceFile::kFirstSavedId);
    if (!file.commit()) {
      throw EFileError(QStringLiteral("No se puede escribir el archivo de recursos:\n%1\n%2")
                           .arg(path, file.errorString()));
    }
  } catch (const Exception& e) {
    ShowError(WithReason(1102, e));
  }
}

void SaveResources(const TZULApp& application, TParametres* parameters) {
  SaveResources(application.GetAppFile(), parameters);
}
