#pragma once
// Reads the JSON of an application file into a TZULAppFile, checking every element;
// a fault raises EFileError naming where it is.

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include "platform/zul/TZULAppFile.h"

class TZULAppFileReader {
public:
  static constexpr int kFormatVersion = 1;
  static const QString kFormatName;  // "lumaresca-application"

  // The whole file; raises EFileError.
  static TZULAppFile Read(const QByteArray& json);
  // The checks that a form passes when read (unique control names, known kinds,
  // at most six arguments, references to objects of the form); raises EFileError.
  static void CheckForm(const TZULFormDef& form, const QString& where);

private:
  explicit TZULAppFileReader(TZULAppFile& file) : m_file(file) {}

  void ReadTree(const QJsonArray& nodes, int parent, const QString& where);
  TZULFormDef ReadForm(const QJsonObject& o, const QString& where);
  TZULControlDef ReadControl(const QJsonObject& o, const QString& where);
  std::vector<TZULColumnDef> ReadColumns(const QJsonObject& o, const QString& where);
  TZULReportDef ReadReport(const QJsonObject& o, const QString& where);

  TZULAppFile& m_file;
};
