// A data form used as a record picker: positioning, the modal show through the
// plugged shower, and reading the picked record.
#include <gtest/gtest.h>

#include <optional>

#include "App/CodiComu/RecordPicker.h"
#include "platform/zul/TDataBaseZUL.h"
#include "platform/zul/TProcedureZUL.h"
#include "platform/zul/TQuerySQL.h"
#include "platform/zul/TSQLDataSet.h"
#include "platform/zul/TZULForm.h"
#include "tests/support/TempDir.h"

namespace {

class RecordPickerTest : public ::testing::Test {
protected:
  void SetUp() override {
    db.Create(dir.File(QStringLiteral("empresa.mdb")));
    db.ExecuteNativeSQL(
        QStringLiteral("CREATE TABLE T20Centros (IDCentroT20 INTEGER PRIMARY KEY AUTOINCREMENT, "
                       "CodigoCentroT20 VARCHAR(50), "
                       "NombreCentroT20 VARCHAR(50))"));
    db.ExecuteNativeSQL(QStringLiteral(
        "INSERT INTO T20Centros (CodigoCentroT20, NombreCentroT20) VALUES ('C1', 'Alfa'), ('C2', 'Zeta')"));
    query = new TQuerySQL(&db, QStringLiteral("SELECT * FROM T20Centros ORDER BY CodigoCentroT20"), 0,
                          &procedures, &form);
    query->Open();
    form.SetQuery(query);
    SetFormModalShower([this](TZULForm& shown, const TPickRequest& request) {
      EXPECT_EQ(&shown, &form);
      requests.push_back(request);
      shownOn = GetPickedValue(shown, QStringLiteral("CodigoCentroT20"));
      return answer;
    });
  }
  void TearDown() override { SetFormModalShower({}); }

  TempDir dir;
  TDataBaseZUL db;
  TProcedureZUL procedures;
  TZULForm form{11342, 0, QStringLiteral("Centros")};
  TQuerySQL* query = nullptr;
  std::vector<TPickRequest> requests;
  std::optional<QVariant> shownOn;
  int answer = mrOk;
};

TEST_F(RecordPickerTest, LocatesThenShowsWithTheModeAndGivesThePickedValues) {
  EXPECT_EQ(PickRecord(form, 4, true, QStringLiteral("c2"), QStringLiteral("CodigoCentroT20"), 3), mrOk);
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].mode, 4);
  ASSERT_TRUE(requests[0].locate.has_value());
  EXPECT_EQ(requests[0].locate->fieldName, QStringLiteral("CodigoCentroT20"));
  EXPECT_EQ(requests[0].locate->value, QVariant(QStringLiteral("c2")));
  EXPECT_EQ(requests[0].locate->flag, 1);
  EXPECT_EQ(requests[0].locate->option, 3);
  EXPECT_EQ(shownOn, std::optional<QVariant>(QStringLiteral("C2"))) << "positioned before it is shown";

  const auto name = GetPickedValue(form, QStringLiteral("nombrecentrot20"));
  ASSERT_TRUE(name.has_value()) << "field names compare without regard to case";
  EXPECT_EQ(name->toString(), QStringLiteral("Zeta"));
  EXPECT_FALSE(GetPickedValue(form, QStringLiteral("NoExisteT20")).has_value());

  // Without locating, the form stays on its record and the request carries none.
  answer = mrCancel;
  EXPECT_EQ(PickRecord(form, 4, false, QStringLiteral("C1"), QStringLiteral("CodigoCentroT20")), mrCancel);
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_FALSE(requests[1].locate.has_value());
  EXPECT_EQ(shownOn, std::optional<QVariant>(QStringLiteral("C2")));

  // A value that is not there leaves the form where it was.
  PickRecord(form, 1, true, QStringLiteral("C9"), QStringLiteral("CodigoCentroT20"));
  EXPECT_EQ(shownOn, std::optional<QVariant>(QStringLiteral("C2")));
}

TEST_F(RecordPickerTest, WithoutAShowerOrARecordNothingIsPicked) {
  SetFormModalShower({});
  EXPECT_EQ(PickRecord(form, 4, true, QStringLiteral("C1"), QStringLiteral("CodigoCentroT20")), mrCancel);
  EXPECT_TRUE(requests.empty());

  db.ExecuteNativeSQL(QStringLiteral("DELETE FROM T20Centros"));
  query->RefrescaSQL();
  EXPECT_FALSE(GetPickedValue(form, QStringLiteral("CodigoCentroT20")).has_value()) << "an empty list";
  TZULForm bare(1, 0, QStringLiteral("SinDatos"));
  EXPECT_FALSE(GetPickedValue(bare, QStringLiteral("CodigoCentroT20")).has_value());
}

}  // namespace
