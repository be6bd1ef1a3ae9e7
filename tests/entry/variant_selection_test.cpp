#include "entry/variant_selection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "entry_run.h"
#include "state/chain_error.h"
#include "state/form_fields.h"

namespace chainadj::testing {
namespace {

constexpr const char* kKindRow1 = "由起始边长按边条件、方位角条件和座标条件平差";
constexpr const char* kKindRow2 = "由假定边长按方位角条件和座标条件平差、没有边条件";
constexpr const char* kKindRow3 = "由起始边长按方位角条件和座标条件平差、没有边条件";
constexpr const char* kKindRow4 = "由起始边长按座标条件平差,没有边条件和方位角条件";
constexpr const char* kKindRow5 = "本锁以线形锁近似平差";
constexpr const char* kKindRow6 = "本锁以三角锁按边条件、方位角条件和座标条件平差";
constexpr const char* kStartOriented = "由外方位定向";
constexpr const char* kStartUnoriented = " 無外方位定向";
constexpr const char* kClosingOriented = "由外方位闭合";
constexpr const char* kClosingUnoriented = " 無外方位闭合";

bool looksChinese(const std::string& text) {
  return text.find_first_of("\xE4\xE5\xE6\xE7\xE8\xE9") != std::string::npos;
}

// ---- The choice from the chain's fields ----

// A known point: present (both coordinates non-zero), absent (both 0) or neither (one 0).
enum class Point { Absent, Present, Neither };

void place(Point point, double& x, double& y, double east) {
  x = point == Point::Absent ? 0.0 : 1000.0;
  y = point == Point::Present ? east : 0.0;
}

struct Known {
  const char* title;
  Point c, d, e, f;
  double sa, sb, ta, tb, qa, qb;
  const char* tag;
  const char* tbg;
  std::optional<int> row;
};

void PrintTo(const Known& k, std::ostream* os) { *os << k.title; }

ChainState chainWith(const Known& k) {
  ChainState chain;
  chain.n = 1;
  chain.createArrays(1);
  chain.Xa = 3000, chain.Ya = 1000, chain.Xb = 3000, chain.Yb = 3000;
  place(k.c, chain.Xc, chain.Yc, 600);
  place(k.d, chain.Xd, chain.Yd, 3300);
  place(k.e, chain.Xe, chain.Ye, 500);
  place(k.f, chain.Xf, chain.Yf, 3800);
  chain.Sa = k.sa, chain.Sb = k.sb, chain.Ta = k.ta, chain.Tb = k.tb, chain.Qa = k.qa,
  chain.Qb = k.qb;
  return chain;
}

class SelectVariant : public ::testing::TestWithParam<Known> {};

TEST_P(SelectVariant, ChoosesTheFirstRowThatHolds) {
  const Known& k = GetParam();
  RunFlags flags;
  flags.Tag = k.tag;
  flags.TbG = k.tbg;
  EXPECT_EQ(selectVariant(chainWith(k), flags), k.row);
}

constexpr Point O = Point::Absent, P = Point::Present, H = Point::Neither;

INSTANTIATE_TEST_SUITE_P(
    Rows, SelectVariant,
    ::testing::Values(
        Known{"Row1", O, O, O, O, 500, 600, 45, 135, 0, 0, "y", "y", 1},
        Known{"Row1WithoutAzimuths", O, O, O, O, 500, 600, 0, 0, 0.5, -0.5, "y", "y", 1},
        Known{"Row2", O, O, O, O, 500, 0, 45, 135, 0, 0, "y", "y", 2},
        Known{"Row3", O, O, O, O, 500, 0, 45, 0, 0, 0, "y", "nn", 3},
        Known{"Row4", O, O, O, O, 0, 0, 45, 135, 0, 0, "y", "y", 4},
        Known{"Row5", O, O, O, O, 0, 0, 0, 0, 0, 0, "n", "nn", 5},
        Known{"Row5TagNotTested", O, O, O, O, 0, 0, 0, 0, 0, 0, "y", "nn", 5},
        Known{"Row5WithClosingAzimuth", O, O, O, O, 0, 0, 0, 135, 0, 0, "", "nn", 5},
        Known{"Row6", P, P, O, O, 500, 500, 53, 323, 0, 0, "y", "y", 6},
        Known{"Row6WhateverFlagsEAndF", P, P, P, P, 0, 0, 0, 0, 1, 2, "Y", "N", 6},
        Known{"Row6BeforeRow9", P, P, O, P, 500, 500, 53, 323, 0, 0, "y", "y", 6},
        Known{"Row7", O, O, P, P, 400, 250, 0, 126, 1, 2, "y", "y", 7},
        Known{"Row8", O, O, P, O, 400, 0, 0, 135, 1, 0, "y", "y", 8},
        Known{"Row8DNotTested", O, P, P, O, 400, 500, 0, 323, 0, 0, "y", "y", 8},
        Known{"Row9", P, O, O, P, 500, 250, 53, 126, 0, 0, "y", "y", 9},
        Known{"Row9DNotTested", P, H, O, P, 500, 0, 53, 126, 0, 0, "y", "y", 9},
        Known{"Row10", P, O, O, O, 500, 0, 53, 0, 0, 0, "y", "nn", 10},
        Known{"Row10DNotTested", P, H, O, O, 500, 0, 53, 0, 0, 0, "y", "nn", 10}),
    [](const auto& info) { return std::string(info.param.title); });

INSTANTIATE_TEST_SUITE_P(
    NoRow, SelectVariant,
    ::testing::Values(
        Known{"TagUpperCaseY", O, O, O, O, 500, 600, 0, 0, 0, 0, "Y", "y", std::nullopt},
        Known{"TbGUpperCaseY", O, O, O, O, 500, 600, 45, 0, 0, 0, "y", "Y", std::nullopt},
        Known{"BothSidesNoClosingAzimuth", O, O, O, O, 500, 600, 45, 0, 0, 0, "y", "nn",
              std::nullopt},
        Known{"OnlyClosingSide", O, O, O, O, 0, 600, 45, 135, 0, 0, "y", "y", std::nullopt},
        Known{"UnorientedWithTa", O, O, O, O, 0, 0, 45, 0, 0, 0, "y", "nn", std::nullopt},
        Known{"UnorientedWithQa", O, O, O, O, 0, 0, 0, 0, 0.5, 0, "y", "nn", std::nullopt},
        Known{"UnorientedTbGN", O, O, O, O, 0, 0, 0, 0, 0, 0, "n", "N", std::nullopt},
        Known{"CWithTypedClosingAzimuth", P, O, O, O, 500, 0, 53, 135, 0, 0, "y", "y",
              std::nullopt},
        Known{"CWithTbGUpperCaseN", P, O, O, O, 500, 0, 53, 0, 0, 0, "y", "N", std::nullopt},
        Known{"CAndE", P, O, P, P, 500, 0, 53, 126, 0, 0, "y", "y", std::nullopt},
        Known{"EAndFWithD", O, P, P, P, 0, 500, 0, 323, 0, 0, "y", "y", std::nullopt},
        Known{"CWithOneZeroCoordinate", H, O, O, O, 500, 600, 45, 135, 0, 0, "y", "y",
              std::nullopt},
        Known{"EWithOneZeroCoordinate", O, O, H, O, 500, 600, 45, 135, 0, 0, "y", "y",
              std::nullopt},
        Known{"DOnly", O, P, O, O, 0, 500, 0, 323, 0, 0, "", "y", std::nullopt}),
    [](const auto& info) { return std::string(info.param.title); });

// ---- The status messages from the chain's fields ----

struct Status {
  const char* title;
  Point c, d, e;
  double sa, sb, ta, tb, qa, qb;
  const char* start;    // nullptr: Text29/30 not written
  const char* closing;  // nullptr: Text31/32 not written
  const char* kind;     // nullptr: Text26 not written
};

void PrintTo(const Status& s, std::ostream* os) { *os << s.title; }

class StatusMessages : public ::testing::TestWithParam<Status> {};

TEST_P(StatusMessages, SayHowTheChainIsOrientedAndAdjusted) {
  const Status& s = GetParam();
  const ChainState chain = chainWith(Known{s.title, s.c, s.d, s.e, Point::Absent, s.sa, s.sb,
                                           s.ta, s.tb, s.qa, s.qb, "", "", std::nullopt});
  ScriptedPlatform platform;
  writeStatusMessages(chain, platform);
  EXPECT_TRUE(platform.prompts().empty());
  const auto expectPair = [&](int first, const char* text) {
    if (text == nullptr) {
      EXPECT_FALSE(platform.written(first)) << first;
      EXPECT_FALSE(platform.written(first + 1)) << first + 1;
    } else {
      EXPECT_EQ(platform.text(first), text) << first;
      EXPECT_EQ(platform.text(first + 1), text) << first + 1;
    }
  };
  expectPair(box::kXc, s.start);
  expectPair(box::kXd, s.closing);
  if (s.kind == nullptr) {
    EXPECT_FALSE(platform.written(box::kAdjustmentKind));
  } else {
    EXPECT_EQ(platform.text(box::kAdjustmentKind), s.kind);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Messages, StatusMessages,
    ::testing::Values(
        Status{"TypedAzimuths", O, O, O, 500, 600, 45, 135, 0, 0, kStartOriented,
               kClosingOriented, kKindRow1},
        Status{"Unoriented", O, O, O, 0, 0, 0, 0, 0, 0, kStartUnoriented, kClosingUnoriented,
               kKindRow5},
        Status{"EPresentCountsAsExternal", O, O, P, 400, 0, 0, 0, 0, 0, kStartOriented,
               kClosingUnoriented, nullptr},
        Status{"QaAloneCountsAsExternal", O, O, O, 0, 0, 0, 0, 0.5, 0, kStartOriented,
               kClosingUnoriented, kKindRow5},
        Status{"QbAloneCountsAsExternal", O, O, O, 0, 0, 0, 0, 0, -0.5, kStartUnoriented,
               kClosingOriented, kKindRow5},
        Status{"CAndDKeepTheirEchoes", P, P, O, 500, 500, 53, 323, 0, 0, nullptr, nullptr,
               kKindRow1},
        Status{"CAndDWithoutAzimuths", P, P, O, 500, 500, 0, 323, 0, 0, nullptr, nullptr,
               kKindRow6},
        Status{"CAndDWithQbGetNoKind", P, P, O, 500, 500, 0, 323, 0, 0.5, nullptr,
               kClosingOriented, nullptr},
        Status{"CWithQa", P, O, O, 500, 0, 53, 0, 0.5, 0, kStartOriented, kClosingUnoriented,
               kKindRow4},
        Status{"CWithOneZeroCoordinate", H, O, O, 0, 0, 0, 0, 0, 0, nullptr, kClosingUnoriented,
               kKindRow5},
        Status{"DWithOneZeroCoordinate", O, H, O, 0, 0, 0, 0, 0, 0, kStartUnoriented, nullptr,
               kKindRow5},
        Status{"Row2Kind", O, O, O, 0, 0, 45, 135, 0, 0, kStartOriented, kClosingOriented,
               kKindRow2},
        Status{"Row3Kind", O, O, O, 500, 0, 45, 135, 0, 0, kStartOriented, kClosingOriented,
               kKindRow3},
        Status{"Row4Kind", O, O, O, 500, 0, 45, 0, 0, 0, kStartOriented, kClosingUnoriented,
               kKindRow4},
        Status{"NoKind", O, O, O, 0, 600, 45, 135, 0, 0, kStartOriented, kClosingOriented,
               nullptr}),
    [](const auto& info) { return std::string(info.param.title); });

// F due north of B gives Tb = 0, yet F orients the closing just as E orients the start.
TEST(StatusMessagesWithF, APresentFClosesTheChainEvenWithAZeroAzimuth) {
  const ChainState chain =
      chainWith(Known{"FDueNorth", O, O, O, P, 500, 0, 45, 0, 0, 0, "y", "y", std::nullopt});
  ScriptedPlatform platform;
  writeStatusMessages(chain, platform);
  EXPECT_EQ(platform.text(box::kXd), kClosingOriented);
  EXPECT_EQ(platform.text(box::kYd), kClosingOriented);
}

// ---- Whole runs: the procedure called, once ----

struct RowRun {
  const char* title;
  ChainAnswers answers;
  int row;
  const char* start;    // Text29 and Text30
  const char* closing;  // Text31 and Text32
  const char* kind;     // Text26, nullptr when not written
};

void PrintTo(const RowRun& r, std::ostream* os) { *os << r.title; }

ChainAnswers build(int n, bool c, bool d, bool e, bool f,
                   std::vector<std::pair<InputItem, std::string>> values) {
  ChainAnswers answers = chainOf(n);
  if (c) withC(answers);
  if (d) withD(answers);
  if (e) withE(answers);
  if (f) withF(answers);
  for (const auto& [item, typed] : values) answers.set(item, typed);
  return answers;
}

using I = InputItem;

std::vector<RowRun> rowRuns() {
  return {
      {"Row1", build(2, false, false, false, false,
                     {{I::Sa, "500"}, {I::Sb, "600"}, {I::Tag, "y"}, {I::Ta, "45"},
                      {I::TbG, "y"}, {I::Tb, "135"}}),
       1, kStartOriented, kClosingOriented, kKindRow1},
      {"Row2", build(2, false, false, false, false,
                     {{I::Sa, "500"}, {I::Tag, "y"}, {I::Ta, "45"}, {I::TbG, "y"},
                      {I::Tb, "135"}, {I::Qb, "0.3"}}),
       2, kStartOriented, kClosingOriented, kKindRow3},
      {"Row3", build(2, false, false, false, false,
                     {{I::Sa, "500"}, {I::Tag, "y"}, {I::Ta, "45"}, {I::TbG, "n"}}),
       3, kStartOriented, kClosingUnoriented, kKindRow4},
      {"Row4", build(2, false, false, false, false,
                     {{I::Tag, "y"}, {I::Ta, "45"}, {I::TbG, "y"}, {I::Tb, "135"}}),
       4, kStartOriented, kClosingOriented, kKindRow2},
      {"Row5Unoriented", build(2, false, false, false, false, {{I::Tag, "n"}, {I::TbG, "n"}}),
       5, kStartUnoriented, kClosingUnoriented, kKindRow5},
      {"Row5WithTagYAndNothingTyped",
       build(2, false, false, false, false, {{I::Tag, "y"}, {I::Ta, "0"}, {I::TbG, "n"}}), 5,
       kStartUnoriented, kClosingUnoriented, kKindRow5},
      {"Row6", build(3, true, true, false, false, {}), 6, " 2700.000", " 2600.000", kKindRow1},
      {"Row7", build(2, false, false, true, true,
                     {{I::Sa, "400"}, {I::Sb, "250"}, {I::Qa, "1.3"}, {I::Qb, "-2.3"}}),
       7, kStartOriented, kClosingOriented, nullptr},
      {"Row8", build(2, false, false, true, false,
                     {{I::Sa, "400"}, {I::TbG, "y"}, {I::Tb, "135"}, {I::Qa, "1.3"}}),
       8, kStartOriented, kClosingOriented, nullptr},
      {"Row8ClosedOnD", build(2, false, true, true, false, {{I::Sa, "400"}}), 8, kStartOriented,
       " 2600.000", nullptr},
      {"Row9", build(2, true, false, false, true, {{I::Sb, "250"}, {I::Qb, "0.1"}}), 9,
       " 2700.000", kClosingOriented, kKindRow1},
      {"Row10", build(2, true, false, false, false, {{I::TbG, "n"}}), 10, " 2700.000",
       kClosingUnoriented, kKindRow4},
  };
}

class SelectionRun : public EntryRun, public ::testing::WithParamInterface<RowRun> {};

TEST_P(SelectionRun, CallsItsProcedureOnceAfterTheTriangles) {
  const RowRun& r = GetParam();
  ASSERT_EQ(run(r.answers), RunOutcome::Adjusted);
  EXPECT_EQ(procedureCalls().rows, (std::vector<int>{r.row}));
  EXPECT_EQ(driver.lastSelection(), std::optional<int>(r.row));
  EXPECT_TRUE(platform.messages().empty());
  EXPECT_EQ(platform.text(box::kXc), r.start);
  EXPECT_EQ(platform.text(box::kYc), platform.text(box::kXc) == " 2700.000" ? " 600.000" : r.start);
  EXPECT_EQ(platform.text(box::kXd), r.closing);
  EXPECT_EQ(platform.text(box::kYd),
            platform.text(box::kXd) == " 2600.000" ? " 3300.000" : r.closing);
  if (r.kind == nullptr) {
    EXPECT_FALSE(platform.written(box::kAdjustmentKind));
  } else {
    EXPECT_EQ(platform.text(box::kAdjustmentKind), r.kind);
  }
  // The procedure gets the chain after the whole triangle loop.
  const ChainState& seen = procedureCalls().chainSeen;
  ASSERT_EQ(seen.dA.size(), static_cast<std::size_t>(seen.n) + 1);
  EXPECT_NEAR(seen.A[static_cast<std::size_t>(seen.n)], 60.0, 1e-12);
  EXPECT_NEAR(seen.dA[static_cast<std::size_t>(seen.n)], 2.1055 / std::sqrt(3.0), 1e-8);
  EXPECT_GT(seen.WW, 0.0);
}

INSTANTIATE_TEST_SUITE_P(Rows, SelectionRun, ::testing::ValuesIn(rowRuns()),
                         [](const auto& info) { return std::string(info.param.title); });

using Selection = EntryRun;

TEST_F(Selection, ChainClosedOnDAndOrientedByEUsesDForSideAndAzimuth) {
  ASSERT_EQ(run(build(2, false, true, true, false, {{I::Sa, "400"}})), RunOutcome::Adjusted);
  ASSERT_EQ(driver.lastSelection(), std::optional<int>(8));
  const ChainState& seen = procedureCalls().chainSeen;
  EXPECT_DOUBLE_EQ(seen.Sb, 500.0);
  EXPECT_NEAR(seen.Tb, kAzimuthDtoB, kAzimuthTolerance);
  EXPECT_EQ(seen.Qb, 0.0);
  EXPECT_FALSE(askedValue(InputItem::Qb));
  EXPECT_FALSE(askedValue(InputItem::TbG));
}

TEST_F(Selection, UnorientedChainKeepsTaAndQaAtZero) {
  ASSERT_EQ(run(build(2, false, false, false, false, {{I::Tag, "n"}, {I::TbG, "n"}})),
            RunOutcome::Adjusted);
  EXPECT_EQ(chain().Ta, 0.0);
  EXPECT_EQ(chain().Qa, 0.0);
  EXPECT_EQ(flags().TbG, "nn");
  EXPECT_EQ(driver.lastSelection(), std::optional<int>(5));
}

TEST_F(Selection, TheProcedureWorksOnTheDriversOwnChain) {
  ScriptedPlatform own;
  ProcedureTable table = recordingProcedures();
  table[5] = [](ChainState& chain, Platform& platform, AdjustmentResult&) {
    chain.Qa = 7.0;
    chain.A[1] = 61.0;
    platform.setText(box::kAzimuthClosure, "closure");
  };
  RunDriver writing(own, table);
  own.setResponder(respondWith(build(3, true, true, false, false, {})));
  ASSERT_EQ(writing.runOnce(), RunOutcome::Adjusted);
  EXPECT_EQ(writing.chain().Qa, 7.0);
  EXPECT_EQ(writing.chain().A[1], 61.0);
  EXPECT_EQ(own.text(box::kAzimuthClosure), "closure");
  EXPECT_TRUE(procedureCalls().rows.empty());
}

TEST_F(Selection, AProcedureThatStopsOnItsDataIsShownItsMessage) {
  ScriptedPlatform own;
  ProcedureTable table = recordingProcedures();
  table[5] = [](ChainState&, Platform&, AdjustmentResult&) { throw ChainError("图形强度太弱，本次计算停止。"); };
  RunDriver stopping(own, table);
  own.setResponder(respondWith(build(3, true, true, false, false, {})));
  EXPECT_EQ(stopping.runOnce(), RunOutcome::Stopped);
  EXPECT_EQ(own.messages(), (std::vector<std::string>{"图形强度太弱，本次计算停止。"}));
  EXPECT_FALSE(own.ended());
}

TEST_F(Selection, AProcedureCutShortByClosingTheProgramEndsTheRunQuietly) {
  ScriptedPlatform own;
  ProcedureTable table = recordingProcedures();
  table[5] = [](ChainState&, Platform& platform, AdjustmentResult&) { askOrEnd(platform, "listing", PromptKey::listing(1)); };
  RunDriver ending(own, table);
  own.setResponder(respondWith(build(3, true, true, false, false, {})));
  EXPECT_EQ(ending.runOnce(), RunOutcome::ProgramEnding);
  EXPECT_TRUE(own.messages().empty());
}

// ---- When no row holds ----

struct NoRowRun {
  const char* title;
  ChainAnswers answers;
};

void PrintTo(const NoRowRun& r, std::ostream* os) { *os << r.title; }

class NothingSelected : public EntryRun, public ::testing::WithParamInterface<NoRowRun> {};

constexpr int kResultBoxes[] = {box::kAzimuthClosure, box::kSideClosure, box::kXClosure,
                                box::kYClosure, box::kMeanError, box::kReciprocalWeight,
                                box::kLogMeanError, box::kRelativeMeanError, box::kListedX,
                                box::kListedY, box::kPointMeanError};

TEST_P(NothingSelected, SaysSoAndLeavesTheResultsStanding) {
  for (int box : kResultBoxes) platform.setText(box, "earlier");
  platform.setLabel(label::kListedName, "earlier");
  platform.clearEvents();
  EXPECT_EQ(run(GetParam().answers), RunOutcome::NothingSelected);
  EXPECT_TRUE(procedureCalls().rows.empty());
  EXPECT_FALSE(driver.lastSelection());
  ASSERT_EQ(platform.messages().size(), 1u);
  EXPECT_TRUE(looksChinese(platform.messages()[0]));
  EXPECT_EQ(platform.events().back(), "! " + platform.messages()[0]);
  for (int box : kResultBoxes) EXPECT_EQ(platform.text(box), "earlier") << box;
  EXPECT_EQ(platform.label(label::kListedName), "earlier");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NothingSelected,
    ::testing::Values(
        NoRowRun{"CWithTypedClosingAzimuth",
                 build(2, true, false, false, false, {{I::TbG, "y"}, {I::Tb, "135"}})},
        NoRowRun{"TagNeitherYNorN", build(2, false, false, false, false,
                                          {{I::Sa, "500"}, {I::Sb, "600"}, {I::Tag, "yes"},
                                           {I::TbG, "y"}, {I::Tb, "135"}})},
        NoRowRun{"TbGNeitherYNorN", build(2, false, false, false, false,
                                          {{I::Tag, "n"}, {I::TbG, "no"}})},
        NoRowRun{"OnlyClosingSide", build(2, false, false, false, false,
                                          {{I::Sb, "600"}, {I::Tag, "y"}, {I::Ta, "45"},
                                           {I::TbG, "y"}, {I::Tb, "135"}})},
        NoRowRun{"DOnly", build(2, false, true, false, false, {{I::Tag, "n"}})},
        NoRowRun{"CWithOneZeroCoordinate",
                 build(2, false, false, false, false, {{I::Xc, "2700"}, {I::TbG, "n"}})}),
    [](const auto& info) { return std::string(info.param.title); });

// ---- Runs one after another ----

using SuccessiveRuns = EntryRun;

void expectSameChain(const ChainState& a, const ChainState& b) {
  EXPECT_EQ(a.n, b.n);
  EXPECT_EQ(a.rho, b.rho);
  const double scalarsA[] = {a.Xa, a.Ya, a.Xb, a.Yb, a.Xc, a.Yc, a.Xd, a.Yd, a.Xe, a.Ye,
                             a.Xf, a.Yf, a.Sa, a.Sb, a.Ta, a.Tb, a.Qa, a.Qb, a.WW};
  const double scalarsB[] = {b.Xa, b.Ya, b.Xb, b.Yb, b.Xc, b.Yc, b.Xd, b.Yd, b.Xe, b.Ye,
                             b.Xf, b.Yf, b.Sa, b.Sb, b.Ta, b.Tb, b.Qa, b.Qb, b.WW};
  for (std::size_t k = 0; k < std::size(scalarsA); ++k) EXPECT_EQ(scalarsA[k], scalarsB[k]) << k;
  EXPECT_EQ(a.A, b.A);
  EXPECT_EQ(a.B, b.B);
  EXPECT_EQ(a.C, b.C);
  EXPECT_EQ(a.Sg, b.Sg);
  EXPECT_EQ(a.na, b.na);
  EXPECT_EQ(a.dA, b.dA);
  EXPECT_EQ(a.dB, b.dB);
  EXPECT_EQ(a.S, b.S);
}

ChainAnswers orientedByEAndF() {
  ChainAnswers answers =
      build(3, false, false, true, true,
            {{I::Sa, "400"}, {I::Sb, "250"}, {I::Qa, "1.3000"}, {I::Qb, "-2.3000"}});
  answers.triangles = {{"60.0001", "60.0001", "-60.0001"}, {"59.5958", "59.5958", "59.5958"},
                       {"45.0002", "45.0002", "90.0002"}};
  return answers;
}

TEST_F(SuccessiveRuns, TheSameAnswersGiveTheSameChainAndWindow) {
  ASSERT_EQ(run(orientedByEAndF()), RunOutcome::Adjusted);
  const ChainState first = chain();
  const std::vector<std::string> firstEvents = platform.events();
  platform.clearEvents();
  ASSERT_EQ(run(orientedByEAndF()), RunOutcome::Adjusted);
  expectSameChain(chain(), first);
  EXPECT_EQ(platform.events(), firstEvents);
  EXPECT_EQ(procedureCalls().rows, (std::vector<int>{7, 7}));
}

TEST_F(SuccessiveRuns, NothingOfAnEarlierRunLeaksIntoTheNext) {
  ASSERT_EQ(run(orientedByEAndF()), RunOutcome::Adjusted);
  ASSERT_NE(chain().WW, 0.0);
  ASSERT_NE(chain().Qb, 0.0);

  // C and D known: E, F, Qa and Qb are never asked; the one triangle closes exactly.
  ChainAnswers closed = build(1, true, true, false, false, {});
  closed.triangles = {{"60", "60", "60"}};
  ASSERT_EQ(run(closed), RunOutcome::Adjusted);
  EXPECT_EQ(chain().n, 1);
  EXPECT_EQ(chain().WW, 0.0);
  for (double field : {chain().Xe, chain().Ye, chain().Xf, chain().Yf, chain().Qa, chain().Qb}) {
    EXPECT_EQ(field, 0.0);
  }
  EXPECT_EQ(chain().Sg, (std::vector<float>{0.0f, 1.0f, 0.0f}));
  EXPECT_EQ(chain().na, (std::vector<std::string>{"", "P1", ""}));
  EXPECT_EQ(driver.lastSelection(), std::optional<int>(6));

  // Nothing known and no flag typed "y": Ta, Tb, Qa, Sa, Sb read 0 whatever came before.
  ASSERT_EQ(run(build(1, false, false, false, false, {{I::Tag, "Ｎ"}, {I::TbG, "no"}})),
            RunOutcome::NothingSelected);
  for (double field : {chain().Ta, chain().Tb, chain().Qa, chain().Qb, chain().Sa, chain().Sb,
                       chain().Xc, chain().Yc, chain().Xd, chain().Yd}) {
    EXPECT_EQ(field, 0.0);
  }
  EXPECT_EQ(flags().Tag, "n");
  EXPECT_EQ(flags().TbG, "no");
  EXPECT_FALSE(driver.lastSelection());
  EXPECT_EQ(procedureCalls().rows, (std::vector<int>{7, 6}));
}

TEST_F(SuccessiveRuns, ATagOtherThanYLeavesTaAndQaAtZeroWhateverCameBefore) {
  ASSERT_EQ(run(build(1, false, false, false, false,
                      {{I::Sa, "500"}, {I::Sb, "600"}, {I::Tag, "y"}, {I::Ta, "45"},
                       {I::Qa, "1.3"}, {I::TbG, "y"}, {I::Tb, "135"}, {I::Qb, "2.3"}})),
            RunOutcome::Adjusted);
  ASSERT_NE(chain().Ta, 0.0);
  ASSERT_NE(chain().Qa, 0.0);
  ASSERT_NE(chain().Tb, 0.0);
  ASSERT_NE(chain().Qb, 0.0);
  ASSERT_EQ(run(build(1, false, false, false, false, {{I::Tag, "n"}, {I::TbG, "n"}})),
            RunOutcome::Adjusted);
  EXPECT_EQ(chain().Ta, 0.0);
  EXPECT_EQ(chain().Qa, 0.0);
  EXPECT_EQ(chain().Tb, 0.0);
  EXPECT_EQ(chain().Qb, 0.0);
  EXPECT_EQ(chain().Sg[0], 0.0f);
  EXPECT_EQ(chain().Sg[2], 0.0f);
  EXPECT_EQ(procedureCalls().rows, (std::vector<int>{1, 5}));
}

TEST_F(SuccessiveRuns, FlagsStartEmptyInEveryRun) {
  ASSERT_EQ(run(build(2, true, true, false, false, {})), RunOutcome::Adjusted);
  ASSERT_EQ(flags().Tag, "y");
  ASSERT_EQ(flags().TbG, "y");
  // C known but D not: TbG is asked and left empty; Tag comes from C again.
  ASSERT_EQ(run(build(2, true, false, false, false, {})), RunOutcome::NothingSelected);
  EXPECT_EQ(flags().Tag, "y");
  EXPECT_EQ(flags().TbG, "");
  // Nothing known: Tag is asked and left empty.
  ASSERT_EQ(run(build(2, false, false, false, false, {})), RunOutcome::NothingSelected);
  EXPECT_EQ(flags().Tag, "");
}

TEST_F(SuccessiveRuns, AnAbandonedRunForgetsTheLastSelection) {
  ASSERT_EQ(run(build(2, true, true, false, false, {})), RunOutcome::Adjusted);
  ASSERT_EQ(driver.lastSelection(), std::optional<int>(6));
  platform.addAnswers({""});
  EXPECT_EQ(driver.runOnce(), RunOutcome::Abandoned);
  EXPECT_FALSE(driver.lastSelection());
  EXPECT_EQ(chain().n, 0);
  EXPECT_EQ(chain().Sa, 0.0);
  EXPECT_TRUE(chain().A.empty());
}

TEST_F(SuccessiveRuns, ARunCutShortByClosingTheProgramCallsNothing) {
  ChainAnswers answers = build(2, true, true, false, false, {});
  answers.triangles.pop_back();  // the second triangle's A is never answered
  EXPECT_EQ(run(answers), RunOutcome::ProgramEnding);
  EXPECT_TRUE(procedureCalls().rows.empty());
  EXPECT_TRUE(platform.messages().empty());
  EXPECT_FALSE(driver.lastSelection());
}

// ---- Ending the program ----

TEST_F(Selection, Command2EndsTheProgramAtOnce) {
  driver.endProgram();
  EXPECT_TRUE(platform.ended());
  EXPECT_TRUE(platform.prompts().empty());
  EXPECT_EQ(platform.events(), (std::vector<std::string>{"END"}));
}

}  // namespace
}  // namespace chainadj::testing
