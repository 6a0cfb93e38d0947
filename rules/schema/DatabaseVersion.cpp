#include "rules/schema/DatabaseVersion.h"

namespace {

DatabaseVersion Make(const QString& appName, const QString& mask) {
  return DatabaseVersion{appName, DatabaseVersion::kCurrent,
                         mask + QString::number(DatabaseVersion::kCurrent)};
}

}  // namespace

DatabaseVersion DatabaseVersion::Full() {
  return Make(QStringLiteral("ZUL Lumaresca EXT"), QStringLiteral("ZULLumaExtV"));
}

DatabaseVersion DatabaseVersion::Lite() {
  return Make(QStringLiteral("ZUL Lumaresca LITE"), QStringLiteral("ZULLumaLiteV"));
}
