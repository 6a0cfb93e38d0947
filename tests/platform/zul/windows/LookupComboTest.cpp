// Lookup combos over a table of their own: the first page of choices and the current
// key's text read by key when the form opens, the rest a page at a time, the search as the person types, and
// the field set (or cleared) through the binding when a row is chosen.
#include <QAbstractItemView>
#include <QLineEdit>

#include "platform/core/Variants.h"
#include "platform/zul/TZULLookupModel.h"
#include "platform/zul/windows/TZULDBNavigator.h"
#include "platform/zul/windows/TZULLookupCombo.h"
#include "tests/platform/zul/windows/FormViewFixture.h"

namespace {

constexpr int kCentres = 250;

class LookupComboTest : public FormViewFixture {
protected:
  void SetUp() override {
    FormViewFixture::SetUp();
    db.ExecuteNativeSQL(
        QStringLiteral("CREATE TABLE T20Centros (IDCentroT20 INTEGER PRIMARY KEY AUTOINCREMENT, "
                       "NombreCentroT20 VARCHAR(50) COLLATE JETNOCASE)"));
    // Centro 001 ... Centro 250, then texts with the engine's wildcards and a quote.
    db.ExecuteNativeSQL(
        QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                       "INSERT INTO T20Centros (NombreCentroT20) SELECT printf('Centro %03d', i) FROM n")
            .arg(kCentres));
    db.ExecuteNativeSQL(QStringLiteral(
        "INSERT INTO T20Centros (NombreCentroT20) VALUES ('50%_norte'), ('50x_sur'), ('O''Brien')"));
    db.ExecuteNativeSQL(
        QStringLiteral("INSERT INTO T01Alumnos (IDCentroT01, CodigoT01, NombreT01) VALUES (200, 1, 'Ana'), "
                       "(NULL, 2, 'Luis')"));
    Build(QStringLiteral("SELECT * FROM T01Alumnos ORDER BY CodigoT01"), [](TZULForm& f) {
      TZULControl* centro = f.AddControl(TZULControlKind::DBLookup, QStringLiteral("ZULlkCentro"));
      centro->SetDataField(QStringLiteral("IDCentroT01"));
      centro->SetLookup(
          QStringLiteral("SELECT IDCentroT20, NombreCentroT20 FROM T20Centros ORDER BY NombreCentroT20"),
          QStringLiteral("IDCentroT20"), QStringLiteral("NombreCentroT20"));
    });
  }

  TZULLookupCombo* Combo() const { return W<TZULLookupCombo>("ZULlkCentro"); }
  TZULLookupModel* Model() const { return Combo()->LookupModel(); }
  // What the person types, then leaving the combo.
  void TypeAndLeave(const QString& text) {
    Combo()->lineEdit()->clear();
    if (text.isEmpty()) {
      emit Combo()->lineEdit()->textEdited(QString());
    } else {
      Type(Combo()->lineEdit(), text);
    }
    emit Combo()->lineEdit()->editingFinished();
  }
  QVariant Centre() { return ds()->FieldByName(QStringLiteral("IDCentroT01")).Value(); }
};

TEST_F(LookupComboTest, OpensWithOnePageAndAKeyedReadAndReadsOnAPageAtATime) {
  ASSERT_NE(Combo(), nullptr) << "still a combo under the control's name";
  EXPECT_EQ(Combo()->currentText(), QStringLiteral("Centro 200"));
  EXPECT_EQ(Model()->QueryCount(), 2) << "the first page, and the current key's text by key";
  EXPECT_EQ(Model()->rowCount(), TZULLookupModel::kPageSize + 1) << "the first page and the empty choice";
  EXPECT_EQ(Model()->RowOfKey(200), -1) << "not read yet";

  // Moving to a record without a centre and back reads nothing new, whatever turns
  // of the event loop pass: a list that is not shown asks for no page.
  ds()->Next();
  QApplication::processEvents();
  EXPECT_EQ(Combo()->currentText(), QString());
  ds()->Prior();
  QApplication::processEvents();

  EXPECT_EQ(Combo()->currentText(), QStringLiteral("Centro 200"));
  EXPECT_EQ(Model()->QueryCount(), 2);

  Combo()->showPopup();
  // The first page, and at most one more that the list's view asks for as it lays out.
  EXPECT_GE(Model()->rowCount(), TZULLookupModel::kPageSize + 1);
  EXPECT_LE(Model()->rowCount(), 2 * TZULLookupModel::kPageSize + 1);
  EXPECT_EQ(Model()->Text(1), QStringLiteral("50%_norte")) << "in the query's order";
  EXPECT_EQ(Combo()->currentText(), QStringLiteral("Centro 200")) << "dropping down keeps the text";
  // A view at the end of its rows asks for the next page, one per turn.
  for (int turns = 0; turns < 10; ++turns) {
    QApplication::processEvents();
    if (!Model()->canFetchMore(QModelIndex())) break;
    const int before = Model()->rowCount();
    Model()->fetchMore(QModelIndex());
    EXPECT_LE(Model()->rowCount() - before, TZULLookupModel::kPageSize);
    EXPECT_FALSE(Model()->canFetchMore(QModelIndex())) << "not twice in one turn";
  }
  Combo()->hidePopup();
  EXPECT_EQ(Model()->rowCount(), kCentres + 3 + 1);
  EXPECT_EQ(Model()->Text(Model()->rowCount() - 1), QStringLiteral("O'Brien"));
  EXPECT_EQ(Model()->RowOfKey(200), 202) << "after the two texts that begin with digits";
}

TEST_F(LookupComboTest, TypingSearchesByPrefixWithTheTextBoundNotPasted) {
  const struct {
    const char* typed;
    QStringList rows;
  } cases[] = {
      {"centro 24",
       {QStringLiteral("Centro 240"), QStringLiteral("Centro 241"), QStringLiteral("Centro 242"),
        QStringLiteral("Centro 243"), QStringLiteral("Centro 244"), QStringLiteral("Centro 245"),
        QStringLiteral("Centro 246"), QStringLiteral("Centro 247"), QStringLiteral("Centro 248"),
        QStringLiteral("Centro 249")}},
      {"50%_", {QStringLiteral("50%_norte")}},  // wildcards match themselves
      {"50_", {}},
      {"O'B", {QStringLiteral("O'Brien")}},
      {"x') OR 1=1 --", {}},
  };
  for (const auto& c : cases) {
    Combo()->lineEdit()->clear();
    Type(Combo()->lineEdit(), QString::fromUtf8(c.typed));
    EXPECT_EQ(Combo()->currentText(), QString::fromUtf8(c.typed)) << "what was typed stays";
    QStringList rows;
    for (int i = 1; i < Model()->rowCount(); ++i) rows << Model()->Text(i);
    EXPECT_EQ(rows, c.rows) << c.typed;
  }
  EXPECT_EQ(Centre().toInt(), 200) << "searching alone changes nothing";
  EXPECT_EQ(ds()->State(), TDataSetState::dsBrowse);
}

TEST_F(LookupComboTest, ChoosingSetsTheKeyClearingSetsNullAndOtherTextGoesBack) {
  int changes = 0;
  QObject::connect(ds(), &TSQLDataSet::dataChanged, view.get(), [&](TField* field) {
    if (field && field->FieldName() == QStringLiteral("IDCentroT01")) ++changes;
  });

  // From the list, as the popup does.
  // The key is not among the rows read: the arrow drops the list down, the field stays.
  Key(Combo(), Qt::Key_Down);
  EXPECT_TRUE(Combo()->view()->isVisible());
  EXPECT_EQ(Centre().toInt(), 200);
  EXPECT_EQ(changes, 0);
  Combo()->hidePopup();

  Combo()->showPopup();
  const int row = Model()->RowOfKey(2);
  ASSERT_GT(row, 0);
  Combo()->setCurrentIndex(row);
  emit Combo()->activated(row);
  Combo()->hidePopup();
  EXPECT_EQ(Centre().toInt(), 2);
  EXPECT_EQ(ds()->State(), TDataSetState::dsEdit);
  EXPECT_EQ(changes, 1);

  // A text typed whole, or the only row that begins with it.
  TypeAndLeave(QStringLiteral("centro 150"));
  EXPECT_EQ(Centre().toInt(), 150);
  EXPECT_EQ(Combo()->currentText(), QStringLiteral("Centro 150"));
  TypeAndLeave(QStringLiteral("o'b"));
  EXPECT_EQ(Var::ToString(Centre()), QString::number(kCentres + 3));
  EXPECT_EQ(changes, 3);

  // A text that is no row: the key's text comes back, the field is untouched.
  TypeAndLeave(QStringLiteral("Centro 9"));
  EXPECT_EQ(Combo()->currentText(), QStringLiteral("O'Brien"));
  EXPECT_EQ(changes, 3);

  // Emptied: no centre.
  TypeAndLeave(QString());
  EXPECT_TRUE(Var::IsNullOrEmpty(Centre()));
  EXPECT_EQ(changes, 4);
  ASSERT_TRUE(view->Navigator()->Run(TZULDBNavigator::Post));
  EXPECT_EQ(Stored(QStringLiteral("SELECT IIf(IsNull(IDCentroT01), 'nulo', 'no') FROM T01Alumnos WHERE "
                                  "CodigoT01 = 1")),
            QStringLiteral("nulo"));

  // A record saved elsewhere shows its new text on the next read.
  db.ExecuteNativeSQL(QStringLiteral("UPDATE T01Alumnos SET IDCentroT01 = 7 WHERE CodigoT01 = 2"));
  ds()->Refresh();
  ds()->Last();
  EXPECT_EQ(Combo()->currentText(), QStringLiteral("Centro 007"));
}

}  // namespace
