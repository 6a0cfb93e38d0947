#include "platform/zul/dialect/JetTranslator.h"

#include <gtest/gtest.h>

TEST(JetTranslator, PassesThrough) {
  JetTranslation t = JetTranslator::Translate(QStringLiteral(" (SELECT 1)"));
  EXPECT_TRUE(t.isQuery);
}
