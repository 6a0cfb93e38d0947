#pragma once
// A company database with the full schema, the framework's application object on
// it, and the program's procedures registered, as after start-up. Every global
// table and seam the rules keep is emptied again after each test.

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <memory>

#include "platform/zul/TDataBaseZUL.h"
#include "platform/zul/TQuerySQL.h"
#include "platform/zul/TZULApp.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempDir.h"

class RulesFixture : public ::testing::Test {
protected:
  RulesFixture();
  ~RulesFixture() override;

  // Runs a registered procedure as the framework does.
  void Run(const QString& name, const QVariantList& args = {});
  // A form's query over the default database, opened, raising its events with `id`.
  std::unique_ptr<TQuerySQL> OpenQuery(const QString& sql, int id);
  // Inserts a record through the statement builders; returns its key.
  int Insert(const QString& table, const QString& keyField, const QStringList& fields,
             const QVariantList& values);
  // The first field of the first row, null when there is none.
  QVariant Scalar(const QString& jetSql);

  TempDir dir;
  TDataBaseZUL db;
  TZULApp app;
};
