#pragma once
// A students form model over a small database, drawn by the generic form view.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <memory>

#include "platform/zul/TDBGrid.h"
#include "platform/zul/TDataBaseZUL.h"
#include "platform/zul/TProcedureZUL.h"
#include "platform/zul/TQuerySQL.h"
#include "platform/zul/TSQLDataSet.h"
#include "platform/zul/TZULApp.h"
#include "platform/zul/TZULForm.h"
#include "platform/zul/windows/TZULFormView.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempDir.h"

class FormViewFixture : public ::testing::Test {
protected:
  void SetUp() override {
    db.Create(dir.File(QStringLiteral("empresa.mdb")));
    db.ExecuteNativeSQL(QStringLiteral(
        "CREATE TABLE T01Alumnos (IDAlumnoT01 INTEGER PRIMARY KEY AUTOINCREMENT, IDCentroT01 INTEGER, "
        "CodigoT01 INTEGER, NombreT01 VARCHAR(50) COLLATE JETNOCASE, ComentariosT01 LONGTEXT COLLATE "
        "JETNOCASE, ActivoT01 BOOLEAN NOT NULL DEFAULT 0, FechaNacT01 DATE REAL, SaldoT01 CURRENCY REAL "
        "DEFAULT 0)"));
  }

  // The form over the query, with the list grid and the given controls built by `add`.
  template <typename Add>
  void Build(const QString& sql, Add add) {
    form = std::make_unique<TZULForm>(11780, 3, QStringLiteral("ZULFormAlumnos"));
    form->SetCaption(QStringLiteral("Alumnos"));
    form->SetProcedures(&app.Procedures());
    auto* query = new TQuerySQL(&db, sql, 3, &app.Procedures(), form.get());
    query->DataSet()->SetUpdateTable(QStringLiteral("T01Alumnos"), QStringLiteral("IDAlumnoT01"));
    form->SetQuery(query);
    form->SetListGrid(new TDBGrid(query->DataSet(), form.get()));
    add(*form);
    query->Open();
    view = std::make_unique<TZULFormView>(form.get());
    view->resize(800, 600);
    view->show();
    QApplication::processEvents();
  }

  TSQLDataSet* ds() const { return form->DataSet(); }
  TZULControl* Control(const char* name) const { return form->FindControl(QLatin1String(name)); }
  template <typename T>
  T* W(const char* name) const {
    return qobject_cast<T*>(view->ControlWidget(QLatin1String(name)));
  }

  // Keys as the person presses them.
  static void Key(QWidget* target, int key, const QString& text = QString()) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
  }
  static void Type(QWidget* target, const QString& text) {
    for (QChar c : text) Key(target, Qt::Key_unknown, QString(c));
  }

  QString Stored(const QString& sql) {
    auto rows = db.GetTSQLDataSet(sql);
    rows->Open();
    return rows->IsEmpty() ? QStringLiteral("<none>") : rows->Fields(0).AsString();
  }

  TempDir dir;
  TDataBaseZUL db;
  TZULApp app;
  std::unique_ptr<TZULForm> form;
  std::unique_ptr<TZULFormView> view;  // destroyed before the form
};
