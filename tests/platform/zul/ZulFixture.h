#pragma once
// A small database with the storage conventions of the company schema.

#include <gtest/gtest.h>

#include "platform/zul/TDataBaseZUL.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempDir.h"

class ZulFixture : public ::testing::Test {
protected:
  void SetUp() override {
    path = dir.File(QStringLiteral("test.mdb"));
    db.Create(path);
    db.ExecuteNativeSQL(QStringLiteral(
        "CREATE TABLE T01Alumnos (IDAlumnoT01 INTEGER PRIMARY KEY AUTOINCREMENT, IDCentroT01 INTEGER, "
        "CodigoT01 INTEGER DEFAULT 0, NombreT01 VARCHAR(50) COLLATE JETNOCASE, ComentariosT01 LONGTEXT "
        "COLLATE "
        "JETNOCASE, ActivoT01 BOOLEAN NOT NULL DEFAULT 0, FechaNacT01 DATETIME REAL, SaldoT01 CURRENCY REAL "
        "DEFAULT 0)"));
  }
  TempDir dir;
  QString path;
  TDataBaseZUL db;
};
