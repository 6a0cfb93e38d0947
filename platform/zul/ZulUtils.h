#pragma once
// Small helpers of the framework shared by its users.

#include <QString>

// The framework's version number: "ZUL v" + number / 10 + "." + number % 10.
constexpr int CT_VersioZUL = 54;

// The version as people read it ("5.4").
QString VersioZULText(int version = CT_VersioZUL);

// Splits a text at its first "=": "T01Alumnos=Alumnos" gives "T01Alumnos" and
// "Alumnos". Without "=" the whole text is the left part, the right part is empty,
// and the result is false. Nothing is trimmed.
bool PartsIgualtat(const QString& text, QString& left, QString& right);
