#include "platform/zul/ZulUtils.h"

QString VersioZULText(int version) { return QStringLiteral("%1.%2").arg(version / 10).arg(version % 10); }

bool PartsIgualtat(const QString& text, QString& left, QString& right) {
  const qsizetype at = text.indexOf(QLatin1Char('='));
  if (at < 0) {
    left = text;
    right.clear();
    return false;
  }
  left = text.left(at);
  right = text.mid(at + 1);
  return true;
}
