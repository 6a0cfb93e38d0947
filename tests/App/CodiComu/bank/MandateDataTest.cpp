// Mandate reference and date.

#include <gtest/gtest.h>

#include <QRegularExpression>

#include "App/CodiComu/bank/MandateData.h"
#include "tests/support/QtPrinters.h"

namespace {

class MandateDataTest : public ::testing::Test {
protected:
  ~MandateDataTest() override {
    MandateData::SetClock(nullptr);
    MandateData::SetRandomSource(nullptr);
  }
};

TEST_F(MandateDataTest, ReferenceIsTheMomentAndThreeRandomDigits) {
  const TDateTime moment = DayDate::Encode(2024, 3, 5, 14, 7, 9, 999);  // seconds are cut, not rounded
  const std::pair<int, const char*> cases[] = {
      {7, "A240305140709007"},    {0, "A240305140709000"},  {999, "A240305140709999"},
      {1000, "A240305140709000"}, {-1, "A240305140709999"},
  };
  for (const auto& [random, reference] : cases) {
    EXPECT_EQ(MandateData::ReferenciaMandato(moment, random), QString::fromUtf8(reference)) << random;
  }
}

TEST_F(MandateDataTest, PluggedClockAndRandomSource) {
  MandateData::SetClock([] { return DayDate::Encode(2031, 12, 31, 23, 59, 58); });
  int next = 41;
  MandateData::SetRandomSource([&next] { return next++; });
  const QString first = MandateData::NuevaReferenciaMandato();
  const QString second = MandateData::NuevaReferenciaMandato();
  EXPECT_EQ(first, QStringLiteral("A311231235958041"));
  // Built in the same second: only the last three digits differ.
  EXPECT_EQ(second, QStringLiteral("A311231235958042"));
  EXPECT_EQ(MandateData::FechaMandato(), DayDate::Encode(2031, 12, 31));
  const MandateData::TDatosMandato data = MandateData::NuevosDatosMandato();
  EXPECT_EQ(data.referencia, QStringLiteral("A311231235958043"));
  EXPECT_EQ(MandateData::FormatoFechaMandato(data.fecha), QStringLiteral("31/12/2031"));
}

TEST_F(MandateDataTest, RealClockAndRandomSource) {
  const TDateTime before = DayDate::Today();
  const MandateData::TDatosMandato data = MandateData::NuevosDatosMandato();
  const TDateTime after = DayDate::Today();
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^A\\d{15}$")).match(data.referencia).hasMatch())
      << data.referencia.toStdString();
  EXPECT_TRUE(data.fecha == before || data.fecha == after);
  EXPECT_EQ(data.referencia.mid(1, 6), DayDate::ToDate(data.fecha).toString(QStringLiteral("yyMMdd")));
}

}  // namespace
