#include <gtest/gtest.h>

#include "App/CodiComu/TRelatedIDs.h"
#include "platform/core/Exceptions.h"

namespace {

TEST(TRelatedIDsTest, KeysAndTheirRelatedReferences) {
  TRelatedIDs ids;
  EXPECT_EQ(ids.IndexOfKey(5), -1);
  EXPECT_EQ(ids.IndexOfRelated(100), -1);
  ids.AddRelated(5, 100);
  ids.AddRelated(5, 100);  // no duplicates
  ids.AddRelated(5, 101);
  ids.AddKey(7);
  ids.AddKey(5);  // already there: nothing appended
  ids.AddRelated(9, 101);
  ASSERT_EQ(ids.Count(), 3);
  EXPECT_EQ(ids.GetItem(0).key, 5);
  EXPECT_EQ(ids.GetItem(0).related, (QVector<std::intptr_t>{100, 101}));
  EXPECT_TRUE(ids.GetItem(1).related.isEmpty());
  EXPECT_EQ(ids.IndexOfKey(7), 1);
  EXPECT_EQ(ids.IndexOfRelated(100), 0);
  EXPECT_EQ(ids.IndexOfRelated(101), 2);  // the last entry holding it
  EXPECT_THROW(ids.GetItem(3), EConvertError);
  ids.Clear();
  EXPECT_EQ(ids.Count(), 0);
}

}  // namespace
