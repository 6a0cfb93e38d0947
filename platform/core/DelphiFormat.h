#pragma once
// Delphi-style Format: "%s", "%d", "%u", "%x", "%f", "%g", "%n", "%m", "%e", "%%",
// with index ("%1:s"), left-justify ("-"), width and precision, "*" taking them from
// the arguments. A mismatch between the format and its arguments (a missing argument,
// a text for "%d", an unknown conversion) raises EConvertError.

#include <QString>
#include <QVariantList>

QString Format(const QString& format, const QVariantList& args);
