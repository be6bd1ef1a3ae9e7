#include "state/flag_answer.h"

#include <gtest/gtest.h>

#include <string>

namespace chainadj {
namespace {

struct FlagCase {
  const char* typed;
  const char* taken;
};

void PrintTo(const FlagCase& c, std::ostream* os) { *os << '"' << c.typed << '"'; }

class FlagAnswer : public ::testing::TestWithParam<FlagCase> {};

TEST_P(FlagAnswer, TakesTheLetterInEitherCaseAndWidthAndAnythingElseAsTyped) {
  EXPECT_EQ(flagAnswer(GetParam().typed), GetParam().taken);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, FlagAnswer,
    ::testing::Values(
        FlagCase{"y", "y"}, FlagCase{"Y", "y"}, FlagCase{"ｙ", "y"}, FlagCase{"Ｙ", "y"},
        FlagCase{"n", "n"}, FlagCase{"N", "n"}, FlagCase{"ｎ", "n"}, FlagCase{"Ｎ", "n"},
        FlagCase{" Y ", "y"}, FlagCase{"\tN", "n"}, FlagCase{"　Ｙ　", "y"},
        FlagCase{" 　n　 ", "n"},
        // Not a single letter: kept exactly, blanks included, and matches neither flag.
        FlagCase{"", ""}, FlagCase{"   ", "   "}, FlagCase{"yes", "yes"}, FlagCase{"Y Y", "Y Y"},
        FlagCase{"nn", "nn"}, FlagCase{" no ", " no "}, FlagCase{"0", "0"},
        FlagCase{"是", "是"}, FlagCase{"Ｙes", "Ｙes"}, FlagCase{"x", "x"}));

}  // namespace
}  // namespace chainadj
