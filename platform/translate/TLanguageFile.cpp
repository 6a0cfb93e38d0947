#include "platform/translate/TLanguageFile.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include "platform/core/Exceptions.h"

namespace {

[[noreturn]] void Damaged(const QString& fileName, const QString& detail) {
  throw EFileError(QStringLiteral("El archivo de idioma «%1» está dañado: %2").arg(fileName, detail));
}

}  // namespace

TLanguageFile TLanguageFile::Load(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    throw EFileError(QStringLiteral("No se puede leer el archivo de idioma «%1»").arg(fileName));
  }
  QByteArray data = file.readAll();
  // Editors on other systems like to start UTF-8 files with a byte-order mark.
  if (data.startsWith("\xEF\xBB\xBF")) data.remove(0, 3);

  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(data, &error);
  if (error.error != QJsonParseError::NoError) {
    Damaged(fileName, QStringLiteral("%1 (posición %2)").arg(error.errorString()).arg(error.offset));
  }
  if (!document.isObject()) Damaged(fileName, QStringLiteral("no contiene un objeto JSON"));
  const QJsonObject root = document.object();

  TLanguageFile result;
  const QJsonValue language = root.value(QLatin1String("language"));
  if (!language.isUndefined() && !language.isString()) {
    Damaged(fileName, QStringLiteral("\"language\" debe ser un texto"));
  }
  result.language = language.toString();

  const QJsonValue texts = root.value(QLatin1String("texts"));
  if (!texts.isObject()) Damaged(fileName, QStringLiteral("falta el objeto \"texts\""));
  const QJsonObject entries = texts.toObject();
  for (auto it = entries.begin(); it != entries.end(); ++it) {
    if (!it.value().isString()) {
      Damaged(fileName, QStringLiteral("el valor de la clave \"%1\" no es un texto").arg(it.key()));
    }
    result.texts.insert(it.key(), it.value().toString());
  }
  return result;
}

void TLanguageFile::Save(const QString& fileName) const {
  QJsonObject entries;
  for (auto it = texts.begin(); it != texts.end(); ++it) entries.insert(it.key(), it.value());
  QJsonObject root;
  root.insert(QLatin1String("language"), language);
  root.insert(QLatin1String("texts"), entries);

  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(QJsonDocument(root).toJson(QJsonDocument::Indented)) < 0 || !file.commit()) {
    throw EFileError(QStringLiteral("No se puede guardar el archivo de idioma «%1»").arg(fileName));
  }
}
