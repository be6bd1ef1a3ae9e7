#include "entry/observation_entry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "adjust/adjustment_messages.h"
#include "entry_run.h"
#include "state/form_fields.h"

namespace chainadj::testing {
namespace {

using Events = std::vector<std::string>;

constexpr const char* kNoOrientationPoint = "無定向点";
constexpr const char* kNoOrientationAngleAtB = "B点没有定向角";

bool looksChinese(const std::string& text) {
  return text.find_first_of("\xE4\xE5\xE6\xE7\xE8\xE9") != std::string::npos;
}

// ---- The prompts of whole runs ----

using RunPrompts = EntryRun;

TEST_F(RunPrompts, ChainWithoutKnownNeighboursAsksEverythingInOrder) {
  RunScript script("2");
  script.coordinates({"3000", "1000", "3000", "3000", "0", "0", "0", "0"})
      .value(InputItem::Xe, "0").value(InputItem::Ye, "0")
      .value(InputItem::Xf, "0").value(InputItem::Yf, "0")
      .value(InputItem::Sa, "500").value(InputItem::Sb, "600")
      .value(InputItem::Tag, "y").value(InputItem::Ta, "45.0000")
      .value(InputItem::TbG, "y").value(InputItem::Tb, "135.0000")
      .value(InputItem::Qa, "0.3000").value(InputItem::Qb, "-0.1500")
      .ask(kLiteralNameA, "A").ask(kLiteralNameNew, "P1").ask(kLiteralNameNew, "P2")
      .ask(kLiteralNameB, "B")
      .triangle("60.0001", "60.0001", "60.0001")
      .triangle("59.5959", "59.5959", "59.5959");
  EXPECT_EQ(run(script), RunOutcome::Adjusted);
  EXPECT_EQ(platform.prompts(), script.prompts());
  EXPECT_EQ(platform.answersLeft(), 0u);
  EXPECT_EQ(procedureCalls().rows, (std::vector<int>{1}));
  EXPECT_EQ(platform.text(box::kTriangleCount), "三角锁共有2个三角形");
  EXPECT_TRUE(platform.messages().empty());
  // The status messages come between the last value and the first point name.
  const Events& events = platform.events();
  const auto index = [&](const std::string& event) {
    return std::find(events.begin(), events.end(), event) - events.begin();
  };
  const auto qbAccepted = index("? " + std::string(literal(InputItem::Qb).confirm));
  const auto firstName = index("? " + std::string(kLiteralNameA));
  for (const char* status : {"Text29: 由外方位定向", "Text30: 由外方位定向", "Text31: 由外方位闭合",
                             "Text32: 由外方位闭合",
                             "Text26: 由起始边长按边条件、方位角条件和座标条件平差"}) {
    EXPECT_GT(index(status), qbAccepted) << status;
    EXPECT_LT(index(status), firstName) << status;
  }
}

TEST_F(RunPrompts, ChainBetweenCAndDAsksNoSidesFlagsOrAngles) {
  RunScript script("3");
  script.coordinates({"3000", "1000", "3000", "3000", "2700", "600", "2600", "3300"})
      .ask(kLiteralNameC, "C").ask(kLiteralNameNew, "P2").ask(kLiteralNameD, "D")
      .triangle("60", "60", "60").triangle("60", "60", "60").triangle("60", "60", "60");
  EXPECT_EQ(run(script), RunOutcome::Adjusted);
  EXPECT_EQ(platform.prompts(), script.prompts());
  EXPECT_EQ(procedureCalls().rows, (std::vector<int>{6}));
}

TEST_F(RunPrompts, ChainFromCClosedOnFAsksSbAndQbOnly) {
  RunScript script("2");
  script.coordinates({"3000", "1000", "3000", "3000", "2700", "600", "0", "0"})
      .value(InputItem::Xf, "2400").value(InputItem::Yf, "3800")
      .value(InputItem::Sb, "250")
      .value(InputItem::Qb, "0.1000")
      .ask(kLiteralNameC, "C").ask(kLiteralNameNewTight, "P2").ask(kLiteralNameB, "B")
      .triangle("60", "60", "60").triangle("60", "60", "60");
  EXPECT_EQ(run(script), RunOutcome::Adjusted);
  EXPECT_EQ(platform.prompts(), script.prompts());
  EXPECT_EQ(procedureCalls().rows, (std::vector<int>{9}));
}

TEST_F(RunPrompts, ChainOrientedByEAndClosedOnDAsksNoNames) {
  RunScript script("1");
  script.coordinates({"3000", "1000", "3000", "3000", "0", "0", "2600", "3300"})
      .value(InputItem::Xe, "3500").value(InputItem::Ye, "500")
      .value(InputItem::Sa, "400")
      .value(InputItem::Qa, "-12.3000")
      .triangle("60", "60", "60");
  EXPECT_EQ(run(script), RunOutcome::Adjusted);
  EXPECT_EQ(platform.prompts(), script.prompts());
  EXPECT_EQ(procedureCalls().rows, (std::vector<int>{8}));
  EXPECT_NEAR(chain().Qa, -12.5, 1e-12);
}

// ---- The triangle count ----

using TriangleCount = EntryRun;

TEST_F(TriangleCount, AnEmptyAnswerEndsTheRunQuietly) {
  for (const char* empty : {"", "   "}) {
    platform.addAnswers({empty});
    EXPECT_EQ(driver.runOnce(), RunOutcome::Abandoned);
    EXPECT_EQ(platform.prompts(), (Events{kLiteralCountPrompt}));
    EXPECT_TRUE(platform.messages().empty());
    EXPECT_FALSE(platform.written(box::kTriangleCount));
    EXPECT_TRUE(procedureCalls().rows.empty());
    EXPECT_FALSE(driver.lastSelection());
    platform.clearEvents();
  }
}

class TriangleCountRefused : public EntryRun, public ::testing::WithParamInterface<const char*> {};

TEST_P(TriangleCountRefused, WithAMessageAndTheSamePromptAgain) {
  platform.addAnswers({GetParam(), ""});
  EXPECT_EQ(driver.runOnce(), RunOutcome::Abandoned);
  EXPECT_EQ(platform.prompts(), (Events{kLiteralCountPrompt, kLiteralCountPrompt}));
  ASSERT_EQ(platform.messages().size(), 1u);
  EXPECT_TRUE(looksChinese(platform.messages()[0]));
  EXPECT_FALSE(platform.written(box::kTriangleCount));
}

INSTANTIATE_TEST_SUITE_P(Answers, TriangleCountRefused,
                         ::testing::Values("0", "-1", "-0", "0.5", "1.5", "abc", "2x", "100001",
                                           "1e6", "1e400", "\xEF\xBC\x91\xEF\xBD\x98"));

struct CountCase {
  const char* typed;
  int n;
};

void PrintTo(const CountCase& c, std::ostream* os) { *os << '"' << c.typed << '"'; }

class TriangleCountTaken : public EntryRun, public ::testing::WithParamInterface<CountCase> {};

TEST_P(TriangleCountTaken, CreatesTheArraysAndEchoesTheAnswerAsTyped) {
  platform.addAnswers({GetParam().typed});  // the run then ends at the first coordinate
  EXPECT_EQ(driver.runOnce(), RunOutcome::ProgramEnding);
  EXPECT_TRUE(platform.messages().empty());
  EXPECT_EQ(chain().n, GetParam().n);
  EXPECT_EQ(chain().A.size(), static_cast<std::size_t>(GetParam().n) + 1);
  EXPECT_EQ(chain().na.size(), static_cast<std::size_t>(GetParam().n) + 2);
  EXPECT_EQ(platform.text(box::kTriangleCount), std::string("三角锁共有") + GetParam().typed + "个三角形");
  EXPECT_EQ(platform.prompts().at(1), literal(InputItem::Xa).enter);
}

INSTANTIATE_TEST_SUITE_P(Answers, TriangleCountTaken,
                         ::testing::Values(CountCase{"1", 1}, CountCase{"12", 12},
                                           CountCase{"2.0", 2}, CountCase{"1e2", 100},
                                           CountCase{"100000", 100000},
                                           CountCase{"\xEF\xBC\x93", 3}));

TEST_F(TriangleCount, OneTriangleCreatesEveryArrayWithItsRange) {
  platform.addAnswers({"1"});
  driver.runOnce();
  const ChainState& c = chain();
  for (const auto* angles : {&c.A, &c.B, &c.C, &c.dA, &c.dB}) EXPECT_EQ(angles->size(), 2u);
  EXPECT_EQ(c.Sg.size(), 3u);
  EXPECT_EQ(c.na.size(), 3u);
  EXPECT_EQ(c.S.size(), 3u);
  EXPECT_EQ(c.rho, 3.1415926535 / 180.0);
}

// ---- Values derived from C, D and F ----

using Derivation = EntryRun;

TEST_F(Derivation, SideAndAzimuthFromCAndD) {
  ChainAnswers answers = chainOf(3);
  withC(answers);
  withD(answers);
  ASSERT_EQ(run(answers), RunOutcome::Adjusted);
  EXPECT_DOUBLE_EQ(chain().Sa, 500.0);
  EXPECT_NEAR(chain().Ta, kAzimuthCtoA, kAzimuthTolerance);
  EXPECT_EQ(platform.text(box::kStartSide), " 500.0000");
  EXPECT_EQ(platform.text(box::kStartAzimuth), " 53.13010 度");
  EXPECT_EQ(flags().Tag, "y");
  EXPECT_EQ(chain().Qa, 0.0);
  EXPECT_DOUBLE_EQ(chain().Sb, 500.0);
  EXPECT_NEAR(chain().Tb, kAzimuthDtoB, kAzimuthTolerance);
  EXPECT_EQ(platform.text(box::kClosingSide), " 500.0000");
  EXPECT_EQ(platform.text(box::kClosingAzimuth), " 323.13010 度");
  EXPECT_EQ(flags().TbG, "y");
  EXPECT_EQ(chain().Qb, 0.0);
  EXPECT_FALSE(platform.written(box::kQa));
  EXPECT_FALSE(platform.written(box::kQb));
}

TEST_F(Derivation, SideIsKeptUnrounded) {
  ChainAnswers answers = chainOf(1);
  withD(answers);
  answers.set(InputItem::Xc, "2999.9999").set(InputItem::Yc, "999.0001");
  ASSERT_EQ(run(answers), RunOutcome::Adjusted);
  EXPECT_DOUBLE_EQ(chain().Sa, std::hypot(3000.0 - 2999.9999, 1000.0 - 999.0001));
  EXPECT_EQ(platform.text(box::kStartSide), " 0.9999");
}

struct AxisCase {
  const char* xc;
  const char* yc;
  double ta;
  const char* text5;
};

void PrintTo(const AxisCase& c, std::ostream* os) { *os << "C " << c.xc << " " << c.yc; }

class AzimuthFromCOnAnAxis : public EntryRun, public ::testing::WithParamInterface<AxisCase> {};

TEST_P(AzimuthFromCOnAnAxis, IsExact) {
  ChainAnswers answers = chainOf(1);
  withD(answers);
  answers.set(InputItem::Xc, GetParam().xc).set(InputItem::Yc, GetParam().yc);
  ASSERT_EQ(run(answers), RunOutcome::Adjusted);
  EXPECT_EQ(chain().Ta, GetParam().ta);
  EXPECT_EQ(platform.text(box::kStartAzimuth), GetParam().text5);
}

// A is (3000, 1000).
INSTANTIATE_TEST_SUITE_P(
    Axes, AzimuthFromCOnAnAxis,
    ::testing::Values(AxisCase{"3000", "700", 90.0, " 90.00000 度"},     // C due west of A
                      AxisCase{"3200", "1000", 180.0, " 180.00000 度"},  // C north of A
                      AxisCase{"3000", "1300", 270.0, " 270.00000 度"},
                      AxisCase{"2800", "1000", 0.0, " 0.00000 度"}));

// C on A (or D on B) leaves no start (closing) side to derive: the run stops with a message
// before anything is derived from them.
TEST_F(Derivation, CEqualToAStopsTheRun) {
  ChainAnswers answers = chainOf(1);
  withD(answers);
  answers.set(InputItem::Xc, "3000").set(InputItem::Yc, "1000");
  EXPECT_EQ(run(answers), RunOutcome::Stopped);
  ASSERT_EQ(platform.messages().size(), 1u);
  EXPECT_NE(platform.messages()[0].find("已知点 C 与起算点 A 的座标相同"), std::string::npos);
  EXPECT_FALSE(platform.written(box::kStartSide));
  EXPECT_FALSE(driver.lastSelection().has_value());
}

TEST_F(Derivation, DEqualToBStopsTheRun) {
  ChainAnswers answers = chainOf(1);
  withC(answers);
  answers.set(InputItem::Xd, answers.values[InputItem::Xb]).set(InputItem::Yd, answers.values[InputItem::Yb]);
  EXPECT_EQ(run(answers), RunOutcome::Stopped);
  ASSERT_EQ(platform.messages().size(), 1u);
  EXPECT_NE(platform.messages()[0].find("已知点 D 与闭合点 B 的座标相同"), std::string::npos);
}

TEST_F(Derivation, FEqualToBStopsTheRun) {
  ChainAnswers answers = chainOf(2);
  withC(answers);
  answers.set(InputItem::Xf, answers.values[InputItem::Xb]).set(InputItem::Yf, answers.values[InputItem::Yb]);
  EXPECT_EQ(run(answers), RunOutcome::Stopped);
  EXPECT_EQ(platform.messages(), std::vector<std::string>{kFOnBMessage});
  EXPECT_FALSE(driver.lastSelection().has_value());
}

TEST_F(Derivation, FGivesTheClosingAzimuthAndShowsItsDistanceOnly) {
  ChainAnswers answers = chainOf(2);
  withC(answers);
  withF(answers);
  answers.set(InputItem::Sb, "250");
  ASSERT_EQ(run(answers), RunOutcome::Adjusted);
  EXPECT_EQ(flags().TbG, "y");
  EXPECT_NEAR(chain().Tb, kAzimuthBtoF, kAzimuthTolerance);
  EXPECT_EQ(platform.text(box::kClosingSide), " 1000.0000");
  EXPECT_EQ(chain().Sb, 250.0);
  EXPECT_FALSE(platform.written(box::kClosingAzimuth));
  EXPECT_FALSE(askedValue(InputItem::TbG));
  EXPECT_FALSE(askedValue(InputItem::Tb));
}

TEST_F(Derivation, FWhereNoCIsKnownAlsoClosesTheChain) {
  ChainAnswers answers = chainOf(1);
  withE(answers);
  withF(answers);
  answers.set(InputItem::Sa, "400").set(InputItem::Sb, "250");
  ASSERT_EQ(run(answers), RunOutcome::Adjusted);
  EXPECT_EQ(procedureCalls().rows, (std::vector<int>{7}));
  EXPECT_NEAR(chain().Tb, kAzimuthBtoF, kAzimuthTolerance);
  EXPECT_EQ(chain().Sb, 250.0);
  EXPECT_EQ(platform.text(box::kClosingSide), " 1000.0000");
}

TEST_F(Derivation, EOrientsTheStartWithoutAskingTagOrTa) {
  ChainAnswers answers = chainOf(1);
  withE(answers);
  answers.set(InputItem::Qa, "10.3000");
  ASSERT_EQ(run(answers), RunOutcome::Adjusted);
  EXPECT_EQ(procedureCalls().rows, (std::vector<int>{8}));
  EXPECT_EQ(flags().Tag, "y");
  EXPECT_FALSE(askedValue(InputItem::Tag));
  EXPECT_FALSE(askedValue(InputItem::Ta));
  EXPECT_TRUE(askedValue(InputItem::Qa));
  EXPECT_EQ(chain().Ta, 0.0);
  EXPECT_NEAR(chain().Qa, 10.5, 1e-12);
  EXPECT_EQ(platform.text(box::kXe), " 3500.000");
  EXPECT_EQ(platform.text(box::kYe), " 500.000");
}

TEST_F(Derivation, CoordinatesTooLargeToMeasureStopTheRunWithAMessage) {
  ChainAnswers answers = chainOf(1);
  withD(answers);
  answers.set(InputItem::Xa, "1e200").set(InputItem::Xc, "-1e200").set(InputItem::Yc, "5");
  EXPECT_EQ(run(answers), RunOutcome::Stopped);
  ASSERT_EQ(platform.messages().size(), 1u);
  EXPECT_TRUE(looksChinese(platform.messages()[0]));
  for (const std::string& event : platform.events()) {
    EXPECT_EQ(event.find("inf"), std::string::npos) << event;
    EXPECT_EQ(event.find("nan"), std::string::npos) << event;
  }
  EXPECT_TRUE(procedureCalls().rows.empty());
}

// ---- "無定向点" ----

TEST_F(Derivation, MissingOrientationPointsAreNamedSo) {
  ChainAnswers answers = chainOf(1);
  ASSERT_EQ(run(answers), RunOutcome::NothingSelected);
  for (int box : {box::kXe, box::kYe, box::kXf, box::kYf}) {
    EXPECT_EQ(platform.text(box), kNoOrientationPoint) << box;
  }
}

TEST_F(Derivation, OrientationPointsNotAskedAreNamedMissingToo) {
  ChainAnswers answers = chainOf(3);
  withC(answers);
  withD(answers);
  ASSERT_EQ(run(answers), RunOutcome::Adjusted);
  EXPECT_FALSE(askedValue(InputItem::Xe));
  EXPECT_FALSE(askedValue(InputItem::Xf));
  for (int box : {box::kXe, box::kYe, box::kXf, box::kYf}) {
    EXPECT_EQ(platform.text(box), kNoOrientationPoint) << box;
  }
}

TEST_F(Derivation, OnlyTheMissingOneOfEAndFIsNamedSo) {
  ChainAnswers answers = chainOf(1);
  withF(answers);
  run(answers);
  EXPECT_EQ(platform.text(box::kXe), kNoOrientationPoint);
  EXPECT_EQ(platform.text(box::kYe), kNoOrientationPoint);
  EXPECT_EQ(platform.text(box::kXf), " 2400.000");
  EXPECT_EQ(platform.text(box::kYf), " 3800.000");
}

// ---- The run flags Tag and TbG ----

using RunFlagsRule = EntryRun;

TEST_F(RunFlagsRule, TagYAsksTaAndQa) {
  ChainAnswers answers = chainOf(1);
  answers.set(InputItem::Tag, "y").set(InputItem::Ta, "45.3015").set(InputItem::Qa, "0.3");
  run(answers);
  EXPECT_NEAR(chain().Ta, 45.0 + 30.0 / 60 + 15.0 / 3600, 1e-12);
  EXPECT_NEAR(chain().Qa, 0.5, 1e-12);
  EXPECT_EQ(chain().Sg[0], 1.0f);
  EXPECT_EQ(platform.text(box::kStartAzimuth), " 45.30150");
  EXPECT_EQ(platform.text(box::kQa), " 0.30000");
}

// The prompts say "输入 Y": the letter counts in either case and width, blanks around it.
class TagTypedAsY : public EntryRun, public ::testing::WithParamInterface<const char*> {};

TEST_P(TagTypedAsY, CountsAsYAndAsksTaAndQaWhileTheEchoKeepsWhatWasTyped) {
  ChainAnswers answers = chainOf(1);
  answers.set(InputItem::Tag, GetParam()).set(InputItem::Ta, "45.3015").set(InputItem::Qa, "0.3");
  run(answers);
  EXPECT_EQ(flags().Tag, "y");
  EXPECT_TRUE(askedValue(InputItem::Ta));
  EXPECT_NEAR(chain().Qa, 0.5, 1e-12);
  const Events& events = platform.events();
  const std::string echo = std::string("Text5:  ") + GetParam();  // before Ta replaces it
  EXPECT_NE(std::find(events.begin(), events.end(), echo), events.end());
}

INSTANTIATE_TEST_SUITE_P(Flags, TagTypedAsY, ::testing::Values("Y", "Ｙ", "　y　"));

struct TypedFlag {
  const char* typed;
  const char* kept;
};

void PrintTo(const TypedFlag& flag, std::ostream* os) { *os << '"' << flag.typed << '"'; }

class TagOtherThanY : public EntryRun, public ::testing::WithParamInterface<TypedFlag> {};

TEST_P(TagOtherThanY, AsksNeitherTaNorQa) {
  ChainAnswers answers = chainOf(1);
  answers.set(InputItem::Tag, GetParam().typed).set(InputItem::Ta, "45").set(InputItem::Qa, "1");
  run(answers);
  EXPECT_EQ(flags().Tag, GetParam().kept);
  EXPECT_FALSE(askedValue(InputItem::Ta));
  EXPECT_FALSE(askedValue(InputItem::Qa));
  EXPECT_EQ(chain().Ta, 0.0);
  EXPECT_EQ(chain().Qa, 0.0);
  EXPECT_EQ(platform.text(box::kStartAzimuth), std::string(" ") + GetParam().typed);
}

INSTANTIATE_TEST_SUITE_P(Flags, TagOtherThanY,
                         ::testing::Values(TypedFlag{"n", "n"}, TypedFlag{"N", "n"},
                                           TypedFlag{"Ｎ", "n"}, TypedFlag{"yes", "yes"},
                                           TypedFlag{"", ""}));

TEST_F(RunFlagsRule, TbGNBecomesNnWithNoOrientationAngleAtB) {
  ChainAnswers answers = chainOf(1);
  answers.set(InputItem::TbG, "n").set(InputItem::Tb, "45").set(InputItem::Qb, "1");
  run(answers);
  EXPECT_EQ(flags().TbG, "nn");
  EXPECT_FALSE(askedValue(InputItem::Tb));
  EXPECT_FALSE(askedValue(InputItem::Qb));
  EXPECT_EQ(chain().Qb, 0.0);
  EXPECT_EQ(platform.text(box::kQb), kNoOrientationAngleAtB);
  EXPECT_EQ(platform.text(box::kClosingAzimuth), " n");  // the echo shows what was typed
}

class TbGTypedAsN : public EntryRun, public ::testing::WithParamInterface<const char*> {};

TEST_P(TbGTypedAsN, BecomesNnWhileTheEchoKeepsWhatWasTyped) {
  ChainAnswers answers = chainOf(1);
  answers.set(InputItem::TbG, GetParam()).set(InputItem::Tb, "45").set(InputItem::Qb, "1");
  run(answers);
  EXPECT_EQ(flags().TbG, "nn");
  EXPECT_FALSE(askedValue(InputItem::Qb));
  EXPECT_EQ(platform.text(box::kQb), kNoOrientationAngleAtB);
  EXPECT_EQ(platform.text(box::kClosingAzimuth), std::string(" ") + GetParam());
}

INSTANTIATE_TEST_SUITE_P(Flags, TbGTypedAsN, ::testing::Values("N", "ｎ　"));

class TbGOtherThanYOrN : public EntryRun, public ::testing::WithParamInterface<const char*> {};

TEST_P(TbGOtherThanYOrN, StaysAsTypedAndAsksNothingMore) {
  ChainAnswers answers = chainOf(1);
  answers.set(InputItem::TbG, GetParam()).set(InputItem::Tb, "45").set(InputItem::Qb, "1");
  run(answers);
  EXPECT_EQ(flags().TbG, GetParam());
  EXPECT_FALSE(askedValue(InputItem::Tb));
  EXPECT_FALSE(askedValue(InputItem::Qb));
  EXPECT_EQ(chain().Tb, 0.0);
  EXPECT_EQ(chain().Qb, 0.0);
  EXPECT_FALSE(platform.written(box::kQb));
}

INSTANTIATE_TEST_SUITE_P(Flags, TbGOtherThanYOrN, ::testing::Values("nn ", "no", "Y N", ""));

TEST_F(RunFlagsRule, TbGYAsksTbAndQb) {
  ChainAnswers answers = chainOf(1);
  answers.set(InputItem::TbG, "y").set(InputItem::Tb, "1.1300").set(InputItem::Qb, "-0.3000");
  run(answers);
  EXPECT_EQ(flags().TbG, "y");
  EXPECT_NEAR(chain().Tb, 1.0 + 13.0 / 60, 1e-12);
  EXPECT_NEAR(chain().Qb, -0.5, 1e-12);
  EXPECT_EQ(chain().Sg[2], -1.0f);
  EXPECT_EQ(platform.text(box::kClosingAzimuth), " 1.13000");
  EXPECT_EQ(platform.text(box::kQb), " -0.3000");
}

TEST_F(RunFlagsRule, TbGNTypedAfterAReentryStillBecomesNn) {
  RunScript script("1");
  script.coordinates({"3000", "1000", "3000", "3000", "0", "0", "0", "0"})
      .value(InputItem::Xe, "").value(InputItem::Ye, "")
      .value(InputItem::Xf, "").value(InputItem::Yf, "")
      .value(InputItem::Sa, "").value(InputItem::Sb, "")
      .value(InputItem::Tag, "n")
      .ask(literal(InputItem::TbG).enter, "y").ask(literal(InputItem::TbG).confirm, "0")
      .ask(literal(InputItem::TbG).reenter, "n").ask(literal(InputItem::TbG).confirmAgain, "")
      .ask(kLiteralNameA, "A").ask(kLiteralNameNew, "1").ask(kLiteralNameB, "B")
      .triangle("60", "60", "60");
  EXPECT_EQ(run(script), RunOutcome::Adjusted);
  EXPECT_EQ(platform.prompts(), script.prompts());
  EXPECT_EQ(flags().TbG, "nn");
  EXPECT_EQ(procedureCalls().rows, (std::vector<int>{5}));
}

// ---- Signs of C(i), Qa and Qb ----

using Signs = EntryRun;

TEST_F(Signs, NegativeQaKeepsItsSign) {
  ChainAnswers answers = chainOf(1);
  answers.set(InputItem::Tag, "y").set(InputItem::Qa, "-0.3000");
  run(answers);
  EXPECT_EQ(chain().Sg[0], -1.0f);
  EXPECT_NEAR(chain().Qa, -0.5, 1e-12);
  EXPECT_EQ(platform.text(box::kQa), " -0.30000");
}

TEST_F(Signs, QaOfZeroHasSignZero) {
  ChainAnswers answers = chainOf(1);
  answers.set(InputItem::Tag, "y").set(InputItem::Qa, "0");
  run(answers);
  EXPECT_EQ(chain().Sg[0], 0.0f);
  EXPECT_EQ(chain().Qa, 0.0);
}

TEST_F(Signs, NegativeIntervalAngleIsKeptPositiveWithItsSignApart) {
  ChainAnswers answers = chainOf(0);
  answers.n = 2;
  answers.triangles = {{"75", "74.5000", "-30.1000"}, {"90", "90", "0"}};
  run(answers);
  EXPECT_EQ(chain().Sg[1], -1.0f);
  EXPECT_NEAR(chain().C[1], 30.0 + 10.0 / 60, 1e-12);  // no closure to take off
  EXPECT_NEAR(chain().B[1], 74.0 + 50.0 / 60, 1e-12);
  EXPECT_EQ(chain().Sg[2], 0.0f);
  EXPECT_EQ(chain().C[2], 0.0);
  EXPECT_EQ(platform.text(box::kTriangleClosure), "0.00 秒");
}

// ---- Point names ----

struct NamesCase {
  const char* title;
  bool c, d;
  int n;
  std::vector<std::string> prompts;
  std::vector<std::string> na;
};

void PrintTo(const NamesCase& c, std::ostream* os) { *os << c.title; }

class PointNames : public EntryRun, public ::testing::WithParamInterface<NamesCase> {};

TEST_P(PointNames, AreAskedForTheKnownPoints) {
  const NamesCase& c = GetParam();
  ChainAnswers answers = chainOf(c.n);
  if (c.c) withC(answers);
  if (c.d) withD(answers);
  answers.names = {"n1", "n2", "n3", "n4", "n5"};
  run(answers);
  Events names;
  for (const std::string& prompt : platform.prompts()) {
    if (prompt.find("点名") != std::string::npos) names.push_back(prompt);
  }
  EXPECT_EQ(names, c.prompts);
  EXPECT_EQ(chain().na, c.na);
  if (c.prompts.empty()) {
    EXPECT_FALSE(platform.written(box::kPointName));
  } else {
    EXPECT_EQ(platform.text(box::kPointName), " n" + std::to_string(c.prompts.size()));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Combinations, PointNames,
    ::testing::Values(
        NamesCase{"CAndD", true, true, 3, {kLiteralNameC, kLiteralNameNew, kLiteralNameD},
                  {"", "n1", "n2", "n3", ""}},
        NamesCase{"CAndDOneTriangle", true, true, 1, {kLiteralNameC, kLiteralNameD},
                  {"", "n2", ""}},  // the D name replaces the C name
        NamesCase{"CAndDTwoTriangles", true, true, 2, {kLiteralNameC, kLiteralNameD},
                  {"", "n1", "n2", ""}},
        NamesCase{"COnly", true, false, 3,
                  {kLiteralNameC, kLiteralNameNewTight, kLiteralNameNewTight, kLiteralNameB},
                  {"", "n1", "n2", "n3", "n4"}},
        NamesCase{"Neither", false, false, 2,
                  {kLiteralNameA, kLiteralNameNew, kLiteralNameNew, kLiteralNameB},
                  {"n1", "n2", "n3", "n4"}},
        NamesCase{"DOnly", false, true, 2, {}, {"", "", "", ""}}),
    [](const auto& info) { return std::string(info.param.title); });

TEST_F(PointNames, AKnownPointWithOneZeroCoordinateGetsNoNames) {
  ChainAnswers answers = chainOf(2);
  answers.set(InputItem::Xc, "2700").set(InputItem::Yc, "0");
  run(answers);
  for (const std::string& prompt : platform.prompts()) {
    EXPECT_EQ(prompt.find("点名"), std::string::npos) << prompt;
  }
  // C is neither present nor absent: nothing is asked or derived for it.
  EXPECT_FALSE(askedValue(InputItem::Xe));
  EXPECT_FALSE(askedValue(InputItem::Sa));
  EXPECT_FALSE(askedValue(InputItem::Tag));
  EXPECT_EQ(chain().Sa, 0.0);
  EXPECT_FALSE(platform.written(box::kStartSide));
}

// ---- The triangle loop ----

using TriangleLoop = EntryRun;

TEST_F(TriangleLoop, CaptionsEchoesAndEmptiedBoxesInOrder) {
  ChainAnswers answers = chainOf(1);
  run(answers);
  const Events& events = platform.events();
  const auto first = std::find(events.begin(), events.end(), "Label44: 求距角 A(1)");
  ASSERT_NE(first, events.end());
  const auto p = [](InputItem item, int which) {
    const LiteralPrompts& l = literal(item);
    return "? " + std::string(which == 0 ? l.enter : l.confirm);
  };
  const Events expected = {
      "Label44: 求距角 A(1)", "Text9: ", p(InputItem::A, 0), "Text9:  60.00010", "Text10: ",
      "Text24: ", "Text25: ", p(InputItem::A, 1), "Text9:  60.00010", "Text10: ",
      "Label12(1): 前进角 B(1)", p(InputItem::B, 0), "Text10:  60.00010", p(InputItem::B, 1),
      "Text10:  60.00010", "Text24: ", "Label12(2): 间隔角 C(1)", p(InputItem::C, 0),
      "Text24:  60.00010", p(InputItem::C, 1), "Text24:  60.00010",
      "Label13: 三角形闭合差 w(1)", "Text25: 3.00 秒"};
  ASSERT_GE(events.end() - first, static_cast<long>(expected.size()));
  EXPECT_EQ(Events(first, first + static_cast<long>(expected.size())), expected);
}

TEST_F(TriangleLoop, TheLastTriangleStaysOnTheWindow) {
  ChainAnswers answers = chainOf(0);
  answers.n = 2;
  answers.triangles = {{"60.0001", "60.0001", "60.0001"}, {"59.5958", "59.5958", "-59.5958"}};
  run(answers);
  EXPECT_EQ(platform.label(label::kAngleA), "求距角 A(2)");
  EXPECT_EQ(platform.label12(label::kAngleBElement), "前进角 B(2)");
  EXPECT_EQ(platform.label12(label::kAngleCElement), "间隔角 C(2)");
  EXPECT_EQ(platform.label(label::kTriangleClosure), "三角形闭合差 w(2)");
  EXPECT_EQ(platform.text(box::kAngleA), " 59.59580");
  EXPECT_EQ(platform.text(box::kAngleB), " 59.59580");
  EXPECT_EQ(platform.text(box::kAngleC), " -59.59580");
  EXPECT_EQ(platform.text(box::kTriangleClosure), "-6.00 秒");
  const double w1 = 3.0 / 3600, w2 = -6.0 / 3600;
  EXPECT_NEAR(chain().WW, (w1 * w1 + w2 * w2) / 3.0, 1e-9 * chain().WW);
}

TEST_F(TriangleLoop, ThreeSecondsOfClosureAreTakenOffEvenly) {
  ChainAnswers answers = chainOf(1);
  run(answers);
  EXPECT_EQ(platform.text(box::kTriangleClosure), "3.00 秒");
  const double w = 3.0 / 3600;
  EXPECT_NEAR(chain().WW, w * w / 3.0, 1e-9 * chain().WW);  // (3/3600)^2 / 3
  EXPECT_NEAR(chain().A[1], 60.0, 1e-12);
  EXPECT_NEAR(chain().B[1], 60.0, 1e-12);
  EXPECT_NEAR(chain().C[1], 60.0, 1e-12);
  // cot 60° = 1/sqrt 3
  EXPECT_NEAR(chain().dA[1], 2.1055 / std::sqrt(3.0), 1e-8);
  EXPECT_NEAR(chain().dB[1], -2.1055 / std::sqrt(3.0), 1e-8);
  EXPECT_EQ(chain().A[0], 0.0);
  EXPECT_EQ(chain().dA[0], 0.0);
}

TEST_F(TriangleLoop, SideConditionCoefficientsUseTheCorrectedAngles) {
  ChainAnswers answers = chainOf(0);
  answers.n = 2;
  // 60°, 30° and 90° once typed exactly and once 6" too large in all.
  answers.triangles = {{"60", "30", "90"}, {"60.0002", "30.0002", "-90.0002"}};
  run(answers);
  for (std::size_t i : {1u, 2u}) {
    EXPECT_NEAR(chain().A[i], 60.0, 1e-12) << i;
    EXPECT_NEAR(chain().B[i], 30.0, 1e-12) << i;
    EXPECT_NEAR(chain().C[i], 90.0, 1e-12) << i;
    EXPECT_NEAR(chain().dA[i], 2.1055 / std::sqrt(3.0), 1e-8) << i;  // 1.215611...
    EXPECT_NEAR(chain().dB[i], -2.1055 * std::sqrt(3.0), 1e-8) << i;  // -3.646833...
  }
  EXPECT_EQ(platform.text(box::kTriangleClosure), "6.00 秒");
  EXPECT_NEAR(chain().WW, std::pow(6.0 / 3600, 2) / 3.0, 1e-9 * chain().WW);
}

struct StopCase {
  const char* a;
  const char* b;
  const char* c;
  const char* closure;
};

void PrintTo(const StopCase& c, std::ostream* os) { *os << c.a << " " << c.b << " " << c.c; }

class TooLargeClosure : public EntryRun, public ::testing::WithParamInterface<StopCase> {};

TEST_P(TooLargeClosure, StopsTheRunRightAfterItIsShown) {
  ChainAnswers answers = chainOf(0);
  answers.n = 3;
  answers.triangles = {{"60", "60", "60"}, {GetParam().a, GetParam().b, GetParam().c},
                       {"60", "60", "60"}};
  EXPECT_EQ(run(answers), RunOutcome::Stopped);
  const Events& events = platform.events();
  ASSERT_GE(events.size(), 2u);
  EXPECT_EQ(events[events.size() - 2], std::string("Text25: ") + GetParam().closure);
  ASSERT_EQ(events.back().rfind("! ", 0), 0u) << events.back();
  EXPECT_TRUE(looksChinese(events.back()));
  EXPECT_EQ(platform.label(label::kTriangleClosure), "三角形闭合差 w(2)");
  EXPECT_TRUE(procedureCalls().rows.empty());
  EXPECT_FALSE(driver.lastSelection());
  const Events prompts = platform.prompts();
  EXPECT_EQ(std::count(prompts.begin(), prompts.end(), literal(InputItem::A).enter), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Closures, TooLargeClosure,
    ::testing::Values(StopCase{"10", "110", "90", "108000.00 秒"},    // A becomes exactly 0
                      StopCase{"100", "10", "-100", "108000.00 秒"},  // B becomes exactly 0
                      StopCase{"1", "100", "170", "327600.00 秒"},    // A below 0
                      StopCase{"100", "1", "170", "327600.00 秒"}));  // B below 0

}  // namespace
}  // namespace chainadj::testing
