// The list grid: lazy rows, the current record both ways, the model's selection and
// the incremental search.
#include <QItemSelectionModel>

#include "platform/core/Exceptions.h"
#include "platform/zul/windows/TZULDBGridView.h"
#include "tests/platform/zul/windows/FormViewFixture.h"
#include "tests/support/ScriptedDialogs.h"

namespace {

class GridViewTest : public FormViewFixture {
protected:
  void SetUp() override {
    FormViewFixture::SetUp();
    db.ExecuteNativeSQL(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 10000) "
        "INSERT INTO T01Alumnos (CodigoT01, NombreT01) SELECT i, printf('Alumno %05d', i) FROM n"));
    Build(QStringLiteral("SELECT NombreT01, CodigoT01, IDAlumnoT01 FROM T01Alumnos ORDER BY CodigoT01"),
          [](TZULForm& f) {
            TZULControl* c = f.AddControl(TZULControlKind::DBEdit, QStringLiteral("ZULebNombre"));
            c->SetDataField(QStringLiteral("NombreT01"));
          });
    grid = view->ListGrid();
  }
  int CurrentRow() const { return grid->currentIndex().row(); }

  TZULDBGridView* grid = nullptr;
};

TEST_F(GridViewTest, ShowsTheFirstRowsWithoutReadingAll) {
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->objectName(), QStringLiteral("DBGrid"));
  EXPECT_EQ(grid->model()->index(0, 0).data().toString(), QStringLiteral("Alumno 00001"));
  EXPECT_GT(grid->model()->rowCount(), 1) << "the visible rows are read";
  EXPECT_LT(ds()->RecordCountFetched(), 1000);
  EXPECT_TRUE(ds()->MoreRows());
  EXPECT_EQ(CurrentRow(), 0);
}

TEST_F(GridViewTest, TheCurrentRowAndTheRecordFollowEachOther) {
  grid->setCurrentIndex(grid->model()->index(4, 1));
  EXPECT_EQ(ds()->RecNo(), 5);
  EXPECT_EQ(view->ControlWidget(QStringLiteral("zulebnombre"))->property("text").toString(),
            QStringLiteral("Alumno 00005"));
  ds()->Next();
  EXPECT_EQ(CurrentRow(), 5);

  // Moving away from a record that a rule refuses to save: shown, nothing moves.
  ScriptedDialogs::Scope dialogs;
  app.Procedures().RegisterProcedure(
      QStringLiteral("ProcedureZULDataEvent_BEFOREPOST"), QString(),
      [](QObject*, const QVariantList&) { throw EDatabaseError(QStringLiteral("No se puede guardar")); });
  ds()->Edit();
  grid->setCurrentIndex(grid->model()->index(0, 0));
  EXPECT_EQ(dialogs->errors, QStringList{QStringLiteral("No se puede guardar")});
  EXPECT_EQ(ds()->RecNo(), 6);
  EXPECT_EQ(CurrentRow(), 5);
  ds()->Cancel();
}

TEST_F(GridViewTest, TheSelectionIsKeptByTheModel) {
  TDBGrid* model = form->ListGrid();
  QItemSelectionModel* selection = grid->selectionModel();
  selection->select(model->index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
  selection->select(model->index(3, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
  EXPECT_EQ(model->SelectedBookmarks(), (QVariantList{2, 4}));
  selection->select(model->index(1, 0), QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
  EXPECT_EQ(model->SelectedBookmarks(), QVariantList{4});
  // A refresh re-reads the rows; the selection comes back on them.
  form->Query()->RefrescaSQL();
  EXPECT_TRUE(selection->isRowSelected(3, QModelIndex()));
  EXPECT_FALSE(selection->isRowSelected(1, QModelIndex()));
}

TEST_F(GridViewTest, TypingSearchesTheFirstColumn) {
  grid->keyboardSearch(QStringLiteral("alumno 0003"));
  EXPECT_EQ(ds()->RecNo(), 30);
  EXPECT_EQ(CurrentRow(), 29);
  grid->keyboardSearch(QStringLiteral("5"));  // goes on: "alumno 00035"
  EXPECT_EQ(ds()->RecNo(), 35);
  // Beyond the rows read so far: read as the search goes on.
  grid->keyboardSearch(QString());
  grid->keyboardSearch(QStringLiteral("Alumno 09000"));
  EXPECT_EQ(ds()->RecNo(), 9000);
  EXPECT_EQ(CurrentRow(), 8999);
  grid->keyboardSearch(QString());
  grid->keyboardSearch(QStringLiteral("Nadie"));
  EXPECT_EQ(ds()->RecNo(), 9000) << "nothing found: nothing moves";
}

}  // namespace
