#include <gtest/gtest.h>

#include <vector>

#include "lintarra/Lintarra.h"

namespace {

std::vector<int> FirstAnswers(CTimeout& timeout, int polls) {
  std::vector<int> answers;
  for (int i = 0; i < polls; ++i) answers.push_back(timeout.Expired());
  return answers;
}

TEST(CTimeoutTest, LimitThreeAllowsTwoPolls) {
  CTimeout timeout(3);
  EXPECT_EQ(FirstAnswers(timeout, 5), (std::vector<int>{0, 0, 1, 1, 1}));
}

TEST(CTimeoutTest, LimitOneOrLessExpiresAtOnce) {
  for (long limit : {1L, 0L, -4L}) {
    CTimeout timeout(limit);
    EXPECT_EQ(timeout.Expired(), 1) << "limit " << limit;
  }
  CTimeout unset;
  EXPECT_EQ(unset.Expired(), 1);
}

TEST(CTimeoutTest, EnableRestartsTheCount) {
  CTimeout timeout(2);
  EXPECT_EQ(FirstAnswers(timeout, 3), (std::vector<int>{0, 1, 1}));
  timeout.Enable(3);
  EXPECT_EQ(FirstAnswers(timeout, 3), (std::vector<int>{0, 0, 1}));
}

TEST(CTimeoutTest, AssignmentCopiesCountAndLimit) {
  CTimeout used(4);
  used.Expired();
  used.Expired();
  CTimeout copy;
  copy = used;
  EXPECT_EQ(FirstAnswers(copy, 2), (std::vector<int>{0, 1}));
}

}  // namespace
