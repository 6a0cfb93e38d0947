// The list grid: lazy rows, the current record both ways, the model's selection and
// the incremental search.
#include <QHeaderView>
#include <QImage>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>

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

TEST_F(GridViewTest, AHeaderClickSortsTheListAndShowsTheOrder) {
  QHeaderView* header = grid->horizontalHeader();
  QAbstractItemModel* model = grid->model();
  EXPECT_EQ(header->sortIndicatorSection(), -1);
  grid->setCurrentIndex(model->index(2, 0));
  emit header->sectionClicked(1);
  EXPECT_EQ(ds()->SortField(), QStringLiteral("CodigoT01"));
  EXPECT_EQ(header->sortIndicatorSection(), 1);
  EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);
  EXPECT_EQ(CurrentRow(), 2) << "the same record, still among the rows read";
  emit header->sectionClicked(1);
  EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
  EXPECT_EQ(model->index(0, 0).data().toString(), QStringLiteral("Alumno 10000"));
  EXPECT_EQ(CurrentRow(), 0);
  EXPECT_EQ(view->ControlWidget(QStringLiteral("ZULebNombre"))->property("text").toString(),
            QStringLiteral("Alumno 10000"));
  EXPECT_LT(ds()->RecordCountFetched(), 1000);
  emit header->sectionClicked(1);
  EXPECT_EQ(header->sortIndicatorSection(), -1) << "the third click: the query's own order";
  EXPECT_EQ(ds()->SortField(), QString());
  emit header->sectionClicked(1);
  emit header->sectionClicked(1);
  EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);

  // The list of a form is read-only: typing searches instead of editing.
  EXPECT_FALSE(model->flags(model->index(0, 0)) & Qt::ItemIsEditable);
  Type(grid, QStringLiteral("Alumno 09995"));
  EXPECT_EQ(CurrentRow(), 5);
  for (QLineEdit* e : grid->findChildren<QLineEdit*>()) EXPECT_FALSE(e->isVisible());

  // A record being typed is not re-sorted away: refused, the typing stays.
  ScriptedDialogs::Scope dialogs;
  auto* name = W<QLineEdit>("ZULebNombre");
  Type(name, QStringLiteral("X"));
  emit header->sectionClicked(0);
  EXPECT_EQ(dialogs->errors,
            QStringList{QStringLiteral("Guarde o cancele los cambios del registro antes de ordenar")});
  EXPECT_EQ(ds()->State(), TDataSetState::dsEdit);
  EXPECT_EQ(name->text(), QStringLiteral("Alumno 09995X"));
  EXPECT_EQ(header->sortIndicatorSection(), 1);
  EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
  ds()->Cancel();
}

TEST_F(GridViewTest, TheRulesStylerPaintsTheCells) {
  // Green rows, except where highlighted: those blue; the view only applies it.
  form->ListGrid()->SetCellStyler([](const TDBGrid& g, int row, int, bool highlighted, TCellStyle& style) {
    const int code = g.RowValue(row, QStringLiteral("CodigoT01")).toInt();
    if (code == 2 || code == 3) style.background = highlighted ? 0x0000FF : 0x00FF00;
    style.bold = true;
  });
  grid->selectionModel()->select(grid->model()->index(2, 0),
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  QApplication::processEvents();
  const QImage image = grid->viewport()->grab().toImage();
  // Left in the code cell: the number is to the right, this is background.
  auto colour = [&](int row) {
    const QRect cell = grid->visualRect(grid->model()->index(row, 1));
    return image.pixelColor(cell.left() + 3, cell.center().y()).rgb() & 0xFFFFFF;
  };
  EXPECT_EQ(colour(1), 0x00FF00u);
  EXPECT_EQ(colour(2), 0x0000FFu) << "selected: the styler's colour, not the selection's";
  EXPECT_NE(colour(3), 0x00FF00u);
  EXPECT_NE(colour(3), 0x0000FFu);
  form->ListGrid()->SetCellStyler({});
}

TEST_F(GridViewTest, AnEditableGridEditsCellsInPlace) {
  TQuerySQL lines(
      &db,
      QStringLiteral("SELECT IDAlumnoT01, NombreT01, CodigoT01, ActivoT01, FechaNacT01 FROM T01Alumnos "
                     "WHERE CodigoT01 <= 5 ORDER BY CodigoT01"),
      5, &app.Procedures());
  lines.DataSet()->SetUpdateTable(QStringLiteral("T01Alumnos"), QStringLiteral("IDAlumnoT01"));
  lines.Open();
  TDBGrid model(lines.DataSet());
  model.SetReadOnly(false);
  TZULDBGridView editable(&model);
  editable.show();
  QApplication::processEvents();
  TSQLDataSet* ds = lines.DataSet();
  // The cell's editor (closed ones wait for their deletion, hidden).
  auto editor = [&]() -> QLineEdit* {
    for (QLineEdit* e : editable.findChildren<QLineEdit*>()) {
      if (e->isVisible()) return e;
    }
    return nullptr;
  };
  ScriptedDialogs::Scope dialogs;

  // Enter stores the cell and goes to the next one; the record is in edit.
  editable.setCurrentIndex(model.index(1, 1));
  editable.edit(model.index(1, 1));
  ASSERT_NE(editor(), nullptr);
  EXPECT_EQ(editor()->text(), QStringLiteral("Alumno 00002"));
  editor()->setText(QStringLiteral("Cambiado"));
  Key(editor(), Qt::Key_Return);
  EXPECT_EQ(ds->State(), TDataSetState::dsEdit);
  EXPECT_EQ(ds->RecNo(), 2);
  EXPECT_EQ(ds->FieldByName(QStringLiteral("NombreT01")).AsString(), QStringLiteral("Cambiado"));
  EXPECT_EQ(editable.currentIndex(), model.index(1, 2));
  ASSERT_NE(editor(), nullptr) << "the next cell is being edited";
  Key(editor(), Qt::Key_Return);  // left as it was
  EXPECT_EQ(editable.currentIndex(), model.index(1, 3)) << "a check box: no text editor";
  Key(&editable, Qt::Key_Return);
  EXPECT_EQ(editable.currentIndex(), model.index(1, 4));

  // A date that does not exist: told, the value unchanged.
  ASSERT_NE(editor(), nullptr);
  editor()->setText(QStringLiteral("31/02/2024"));
  Key(editor(), Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(dialogs->errors, QStringList{QStringLiteral("«31/02/2024» no es una fecha válida (dd/mm/aaaa)")});
  EXPECT_TRUE(ds->FieldByName(QStringLiteral("FechaNacT01")).IsNull());
  EXPECT_EQ(ds->State(), TDataSetState::dsEdit);

  // Enter at the row's end saves the record.
  Key(&editable, Qt::Key_Return);
  EXPECT_EQ(ds->State(), TDataSetState::dsBrowse);
  EXPECT_EQ(Stored(QStringLiteral("SELECT NombreT01 FROM T01Alumnos WHERE CodigoT01 = 2")),
            QStringLiteral("Cambiado"));

  // Escape cancels what was typed in the record.
  editable.setCurrentIndex(model.index(2, 1));
  editable.edit(model.index(2, 1));
  ASSERT_NE(editor(), nullptr);
  editor()->setText(QStringLiteral("Descartado"));
  Key(editor(), Qt::Key_Return);
  EXPECT_EQ(ds->State(), TDataSetState::dsEdit);
  ASSERT_NE(editor(), nullptr);
  Key(editor(), Qt::Key_Escape);
  EXPECT_EQ(ds->State(), TDataSetState::dsBrowse);
  EXPECT_EQ(model.index(2, 1).data().toString(), QStringLiteral("Alumno 00003"));
  EXPECT_EQ(Stored(QStringLiteral("SELECT COUNT(*) FROM T01Alumnos WHERE NombreT01 = 'Descartado'")),
            QStringLiteral("0"));
  EXPECT_EQ(dialogs->errors.size(), 1);

  // A check box is drawn in the middle of its cell: a click there ticks it, one
  // where the style would put it on its own (the left) does not.
  auto cell = [&](int row) { return editable.visualRect(model.index(row, 3)); };
  QTest::mouseClick(editable.viewport(), Qt::LeftButton, {}, cell(3).center());
  EXPECT_EQ(ds->RecNo(), 4);
  EXPECT_TRUE(ds->FieldByName(QStringLiteral("ActivoT01")).AsBoolean());
  QTest::qWait(QApplication::doubleClickInterval() + 50);
  QTest::mouseClick(editable.viewport(), Qt::LeftButton, {}, cell(3).center());
  EXPECT_FALSE(ds->FieldByName(QStringLiteral("ActivoT01")).AsBoolean());
  QTest::qWait(QApplication::doubleClickInterval() + 50);
  QTest::mouseClick(editable.viewport(), Qt::LeftButton, {},
                    QPoint(cell(3).left() + 5, cell(3).center().y()));
  EXPECT_FALSE(ds->FieldByName(QStringLiteral("ActivoT01")).AsBoolean());
  ds->Cancel();
}

}  // namespace
