// The current centre: loading, the reload from the application parameter, the
// requirement, the procedure behind the centre label and the reload after deleting.
#include <gtest/gtest.h>

#include "App/CodiComu/TParametrosApp.h"
#include "platform/core/Exceptions.h"
#include "platform/zul/TParametres.h"
#include "platform/zul/TSQLDataSet.h"
#include "rules/CurrentCentre.h"
#include "rules/RuleSeams.h"
#include "tests/rules/RulesFixture.h"

namespace {

class CurrentCentreTest : public RulesFixture {
protected:
  CurrentCentreTest() {
    norte = Insert(QStringLiteral("T20Centros"), QStringLiteral("IDCentroT20"),
                   {QStringLiteral("CodigoCentroT20"), QStringLiteral("NombreCentroT20")},
                   {QStringLiteral("N1"), QStringLiteral("Academia Norte")});
    sur = Insert(QStringLiteral("T20Centros"), QStringLiteral("IDCentroT20"),
                 {QStringLiteral("CodigoCentroT20"), QStringLiteral("NombreCentroT20")},
                 {QStringLiteral("S1"), QStringLiteral("Academia Sur")});
    CurrentCentre::SetChangeNotification([this] { ++notified; });
  }
  int norte = 0;
  int sur = 0;
  int notified = 0;
};

TEST_F(CurrentCentreTest, LoadingKeepsTheChoiceAndAMissingCentreClearsIt) {
  EXPECT_EQ(CurrentCentre::CentroActual(), 0);
  EXPECT_THROW(CurrentCentre::ExigeCentroActual(), Exception);
  EXPECT_THROW(RuleSeams::RequireCurrentCentre(), Exception);

  CurrentCentre::CargaCentroActual(sur);
  EXPECT_EQ(CurrentCentre::CentroActual(), sur);
  EXPECT_EQ(Parametres().AsString(QStringLiteral("PRMCodigoCentroActual")), QStringLiteral("S1"));
  EXPECT_EQ(Parametres().AsString(QStringLiteral("PRMNombreCentroActual")), QStringLiteral("Academia Sur"));
  EXPECT_FALSE(Parametres().IsWritable(QStringLiteral("PRMIDCentroActual")));
  EXPECT_EQ(ParametrosApp().GetInteger(QStringLiteral("PRMIDCentroActual"), -1), sur);
  EXPECT_EQ(notified, 1);
  EXPECT_NO_THROW(CurrentCentre::ExigeCentroActual());

  // Another run of the program: the framework parameters are gone, the choice stays.
  Parametres().Clear();
  CurrentCentre::RecargaCentroActual();
  EXPECT_EQ(CurrentCentre::CentroActual(), sur);

  CurrentCentre::CargaCentroActual(9999);
  EXPECT_EQ(CurrentCentre::CentroActual(), 0);
  EXPECT_TRUE(Parametres().AsString(QStringLiteral("PRMNombreCentroActual")).isEmpty());
  EXPECT_TRUE(ParametrosApp().GetValue(QStringLiteral("PRMIDCentroActual")).isNull());
  EXPECT_EQ(notified, 3);
}

TEST_F(CurrentCentreTest, TheLabelProcedureStoresTheChosenCentreAndDeletingReloads) {
  Parametres().AddParam(QStringLiteral("PRMIDCentroActual"), norte, true);
  Run(QStringLiteral("MUESTRA_CENTRO_ACTUAL"));
  EXPECT_EQ(ParametrosApp().GetInteger(QStringLiteral("PRMIDCentroActual"), -1), norte);
  EXPECT_EQ(Parametres().AsString(QStringLiteral("PRMNombreCentroActual")), QStringLiteral("Academia Norte"));

  // Deleting the current centre through its form leaves no current centre.
  auto centres =
      OpenQuery(QStringLiteral("SELECT * FROM T20Centros WHERE IDCentroT20=") + QString::number(norte), 251);
  centres->DataSet()->Delete();
  EXPECT_EQ(CurrentCentre::CentroActual(), 0);
  EXPECT_TRUE(Parametres().AsString(QStringLiteral("PRMCodigoCentroActual")).isEmpty());
}

}  // namespace
