// Bad input, one scenario a row, over every kind of known data it applies to: what the run does
// with it. A refused answer is told and asked again, and the run then ends as if it had never
// been typed; data that cannot be adjusted stop the run with a Chinese message and leave the
// boxes as they were; whatever the row, no box shows a number that is not finite (the checked
// platform), and the next 计 算 adjusts the clean chain of the same kind as a first run would.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <memory>

#include "adjust/adjustment_messages.h"
#include "checked_runs.h"
#include "entry/prompt_texts.h"
#include "entry/variant_selection.h"
#include "seed_chains.h"
#include "state/angles.h"
#include "state/form_fields.h"

namespace chainadj::testing {
namespace {

using Answers = CheckedPlatform::Responder;
using PromptTest = std::function<bool(const std::string& prompt)>;

// The refusals of the prompts, as the surveyor reads them.
constexpr const char* kNotANumber = "输入的不是一个数值，请重新输入。";
constexpr const char* kIllegalDms = "角度按 度.分分秒秒 输入，分和秒都必须小于 60，请重新输入。";
constexpr const char* kTriangleAngleRange =
    "求距角和前进角必须大于 0 度并且小于 180 度，请重新输入。";
constexpr const char* kIntervalAngleRange = "间隔角的绝对值必须小于 180 度，请重新输入。";
constexpr const char* kCountRefused = "三角形的个数必须是 1 到 100000 之间的整数，请重新输入。";
constexpr const char* kResultNotFinite = "计算结果不是有限的数值，请检查输入的数据。";
constexpr const char* kCOnA =
    "已知点 C 与起算点 A 的座标相同，不能推算起始边长和方位角，本次计算停止。";
constexpr const char* kDOnB =
    "已知点 D 与闭合点 B 的座标相同，不能推算闭合边长和方位角，本次计算停止。";

enum class Reaction {
  ReAsked,          // told, asked again; the run then ends as the clean one
  RefusedToTheEnd,  // told and asked again for every answer, until the input ends
  Stopped,          // the run stops with the message
  NothingFits,      // no kind of adjustment fits the known data: said so
  EndsQuietly,      // the run ends at once without a word
  Adjusted,         // through to the end of the listing, by the kind's own row
};

struct Expected {
  Reaction reaction;
  const char* message = "";
  int row = 0;  // Adjusted: the selection row, 0 for the kind's own
};

// Where each injected answer was given: the index of its prompt among the prompts asked.
using Injections = std::vector<std::size_t>;

// The answers of a row for a kind; injected bad answers are recorded in `injected`.
using MakeAnswers = std::function<Answers(KnownKind kind, std::shared_ptr<Injections> injected)>;

struct BadInput {
  const char* name;
  std::vector<KnownKind> kinds;  // where it applies
  MakeAnswers answers;
  std::function<Expected(KnownKind kind)> expected;
  // What the window shows besides, after the run.
  std::function<void(const CheckedPlatform& platform)> shows = {};
  bool inCorpus = true;
};

void PrintTo(const BadInput& row, std::ostream* out) { *out << row.name; }

// ---- Answers ----

Answers typed(KnownKind kind, const std::function<void(ChainAnswers&)>& edit = {}) {
  ChainAnswers answers = seedAnswers(kind);
  if (edit) edit(answers);
  return respondWith(answers);
}

constexpr std::size_t kEveryTime = static_cast<std::size_t>(-1);

// Before every answer to a prompt that `matches` (the first `times` of them), one `bad` answer.
Answers badFirst(Answers good, PromptTest matches, std::string bad,
                 std::shared_ptr<Injections> injected, std::size_t times = kEveryTime) {
  auto asked = std::make_shared<std::size_t>(0);
  auto justInjected = std::make_shared<bool>(false);
  return [=](const std::string& prompt) -> std::optional<std::string> {
    const std::size_t index = (*asked)++;
    if (matches(prompt) && !*justInjected && injected->size() < times) {
      *justInjected = true;
      injected->push_back(index);
      return bad;
    }
    *justInjected = false;
    return good(prompt);
  };
}

PromptTest enterPromptOf(std::vector<InputItem> items) {
  return [items](const std::string& prompt) {
    for (InputItem item : items) {
      if (prompt == promptTexts(item).enter || prompt == promptTexts(item).reenter) return true;
    }
    return false;
  };
}

PromptTest isPrompt(const char* text) {
  return [text](const std::string& prompt) { return prompt == text; };
}

const std::vector<InputItem> kNumbers = {
    InputItem::Xa, InputItem::Ya, InputItem::Xb, InputItem::Yb, InputItem::Xc, InputItem::Yc,
    InputItem::Xd, InputItem::Yd, InputItem::Xe, InputItem::Ye, InputItem::Xf, InputItem::Yf,
    InputItem::Sa, InputItem::Sb, InputItem::Ta, InputItem::Tb, InputItem::Qa, InputItem::Qb,
    InputItem::A,  InputItem::B,  InputItem::C};
const std::vector<InputItem> kAngles = {InputItem::Ta, InputItem::Tb, InputItem::Qa, InputItem::Qb,
                                        InputItem::A,  InputItem::B,  InputItem::C};

MakeAnswers edited(std::function<void(ChainAnswers&)> edit) {
  return [=](KnownKind kind, std::shared_ptr<Injections>) { return typed(kind, edit); };
}

// A bad answer before every answer to the prompts of these items.
MakeAnswers before(std::vector<InputItem> items, std::string bad, std::size_t times = kEveryTime) {
  return [=](KnownKind kind, std::shared_ptr<Injections> injected) {
    return badFirst(typed(kind), enterPromptOf(items), bad, injected, times);
  };
}

// The first answer to the prompt of the item instead of the typed one.
MakeAnswers insteadOf(InputItem item, std::string typedInstead) {
  return edited([=](ChainAnswers& answers) { answers.set(item, typedInstead); });
}

MakeAnswers lines(std::vector<std::string> typedLines) {
  return [=](KnownKind, std::shared_ptr<Injections>) { return answerLines(typedLines); };
}

MakeAnswers beforeCount(std::string bad) {
  return [=](KnownKind kind, std::shared_ptr<Injections> injected) {
    return badFirst(typed(kind), isPrompt(kTriangleCountPrompt), bad, injected);
  };
}

// ---- Editing the typed data ----

const std::string& value(const ChainAnswers& answers, InputItem item) {
  static const std::string kEmpty;
  const auto found = answers.values.find(item);
  return found == answers.values.end() ? kEmpty : found->second;
}

void movePoint(ChainAnswers& answers, InputItem x, InputItem y, InputItem toX, InputItem toY) {
  answers.set(x, value(answers, toX)).set(y, value(answers, toY));
}

MakeAnswers moved(InputItem x, InputItem y, InputItem toX, InputItem toY) {
  return edited([=](ChainAnswers& answers) { movePoint(answers, x, y, toX, toY); });
}

std::string written(double number) {
  char text[64];
  std::snprintf(text, sizeof text, "%.17g", number);
  return text;
}

const std::vector<InputItem> kCoordinates = {
    InputItem::Xa, InputItem::Ya, InputItem::Xb, InputItem::Yb, InputItem::Xc, InputItem::Yc,
    InputItem::Xd, InputItem::Yd, InputItem::Xe, InputItem::Ye, InputItem::Xf, InputItem::Yf};

// Every known coordinate (not 0) through `change`, and with `scaleSides` the typed sides too.
void mapKnownData(ChainAnswers& answers, double (*change)(double), bool scaleSides) {
  std::vector<InputItem> items = kCoordinates;
  if (scaleSides) items.insert(items.end(), {InputItem::Sa, InputItem::Sb});
  for (InputItem item : items) {
    const std::string& typedText = value(answers, item);
    const double typedValue = typedText.empty() ? 0.0 : std::stod(typedText);
    if (typedValue != 0.0) answers.set(item, written(change(typedValue)));
  }
}

// The typed angle with `degrees` more, its minutes and seconds as typed.
std::string plusWholeDegrees(const std::string& typedAngle, int degrees) {
  const std::size_t point = typedAngle.find('.');
  const int whole = std::stoi(typedAngle.substr(0, point));
  return std::to_string(whole + degrees) + typedAngle.substr(point);
}

std::function<Expected(KnownKind)> always(Reaction reaction, const char* message = "") {
  return [=](KnownKind) { return Expected{reaction, message}; };
}

bool isOneOf(KnownKind kind, std::initializer_list<KnownKind> kinds) {
  return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}
bool isOneOf(KnownKind kind, const std::vector<KnownKind>& kinds) {
  return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

const std::vector<KnownKind> kAllKinds(std::begin(kEveryKind), std::end(kEveryKind));
const std::vector<KnownKind> kWithC = {KnownKind::BetweenCAndD, KnownKind::FromCWithAzimuth,
                                       KnownKind::FromCWithSide};
const std::vector<KnownKind> kWithD = {KnownKind::BetweenCAndD, KnownKind::ByEWithD};
const std::vector<KnownKind> kWithE = {KnownKind::ByEAndF, KnownKind::ByEWithTb,
                                       KnownKind::ByEWithD};
const std::vector<KnownKind> kWithF = {KnownKind::ByEAndF, KnownKind::FromCWithAzimuth};
// Tag asked: neither C nor E.
const std::vector<KnownKind> kFlagTyped = {KnownKind::FullFromA, KnownKind::NoClosingBase,
                                           KnownKind::StartSideOnly, KnownKind::AzimuthsOnly,
                                           KnownKind::Unoriented};
// TbG asked: neither D nor F.
const std::vector<KnownKind> kClosingFlagTyped = {
    KnownKind::FullFromA,    KnownKind::NoClosingBase, KnownKind::StartSideOnly,
    KnownKind::AzimuthsOnly, KnownKind::Unoriented,    KnownKind::ByEWithTb,
    KnownKind::FromCWithSide};
const std::vector<KnownKind> kStartAzimuthTyped = {KnownKind::FullFromA, KnownKind::NoClosingBase,
                                                   KnownKind::StartSideOnly,
                                                   KnownKind::AzimuthsOnly};

// The kinds whose start side is typed and not 0.
const std::vector<KnownKind> kStartSideGiven = {KnownKind::FullFromA,     KnownKind::NoClosingBase,
                                                KnownKind::StartSideOnly, KnownKind::ByEAndF,
                                                KnownKind::ByEWithTb,     KnownKind::ByEWithD};

// Two angles of freedom in a single triangle against every condition of the kind.
Expected oneTriangleWithoutOrientationAngles(KnownKind kind) {
  if (kind == KnownKind::BetweenCAndD) {
    return {Reaction::Stopped, kOneTriangleBetweenCAndDMessage};
  }
  if (isOneOf(kind, {KnownKind::StartSideOnly, KnownKind::Unoriented})) return {Reaction::Adjusted};
  return {Reaction::Stopped, kDependentConditionsMessage};
}

// B a thousand million kilometres away: where the X condition is taken it says what the side
// condition says.
Expected closingPointFarAway(KnownKind kind) {
  if (isOneOf(kind, {KnownKind::NoClosingBase, KnownKind::StartSideOnly, KnownKind::AzimuthsOnly,
                     KnownKind::Unoriented, KnownKind::BetweenCAndD})) {
    return {Reaction::Adjusted};
  }
  return {Reaction::Stopped, kDependentConditionsMessage};
}

// A at 1e165 metres: no distance from A can be squared, so C and E cannot be sighted from it;
// the normal equations, or the scale of a chain fitted onto A-B, are no finite numbers.
Expected startPointFarAway(KnownKind kind) {
  if (isOneOf(kind, kWithC) || isOneOf(kind, kWithE)) {
    return {Reaction::Stopped, kPointsTooFarApartMessage};
  }
  if (isOneOf(kind, {KnownKind::AzimuthsOnly, KnownKind::Unoriented})) {
    return {Reaction::Stopped, kResultNotFinite};
  }
  return {Reaction::Stopped, kNonFiniteNormalEquationsMessage};
}

void showsAClosureOfAWholeDegree(const CheckedPlatform& platform) {
  const double seconds = std::strtod(platform.text(box::kTriangleClosure).c_str(), nullptr);
  EXPECT_NEAR(seconds, 3600.0, 10.0) << platform.text(box::kTriangleClosure);
}

void showsEmptyNames(const CheckedPlatform& platform) {
  EXPECT_EQ(platform.text(box::kPointName).find_first_not_of(' '), std::string::npos)
      << platform.text(box::kPointName);
}

void showsNoAngleError(const CheckedPlatform& platform) {
  EXPECT_EQ(platform.text(box::kMeanError), "0.00 秒");
}

// The listing in coordinates of thirteen digits, or of none but zeros.
void listsCoordinatesAbove1e12(const CheckedPlatform& platform) {
  EXPECT_EQ(platform.text(box::kListedX).substr(0, 4), "1000") << platform.text(box::kListedX);
}
void listsCoordinatesOf1eMinus12(const CheckedPlatform& platform) {
  EXPECT_EQ(platform.text(box::kListedX), "0.000");
  EXPECT_EQ(platform.text(box::kListedY), "0.000");
}

// A chain of 100 000 triangles: the largest count the run takes.
constexpr int kLongestChain = 100000;

MakeAnswers longestChain() {
  return [](KnownKind kind, std::shared_ptr<Injections>) {
    const SurveyedChain chain = surveyChain(zigZagChain(kLongestChain), kind, 12.5, -8.25);
    return respondWith(answersFor(chain, withErrors(chain.truth.angles, 2.0)));
  };
}

// "0" to the first confirmation of the item, then Cancel at its re-entry.
MakeAnswers cancelledReentry(InputItem item) {
  return [=](KnownKind kind, std::shared_ptr<Injections>) -> Answers {
    const Answers good = typed(kind);
    auto wrong = std::make_shared<bool>(true);
    return [=](const std::string& prompt) -> std::optional<std::string> {
      if (prompt == promptTexts(item).confirm && *wrong) {
        *wrong = false;
        return "0";
      }
      if (prompt == promptTexts(item).reenter) return "";
      return good(prompt);
    };
  };
}

void setHalf(ChainAnswers& answers, InputItem x, InputItem y) {
  if (value(answers, x) == "0") answers.set(x, "1000");
  answers.set(y, "0");
}

const std::vector<BadInput>& badInputs() {
  static const std::vector<BadInput> rows = {
      // Text that is no number, at every prompt that takes a number.
      {"TextThatIsNoNumber", kAllKinds, before(kNumbers, "12a"),
       always(Reaction::ReAsked, kNotANumber)},
      {"CountThatIsText", kAllKinds, beforeCount("abc"), always(Reaction::ReAsked, kCountRefused)},
      // Empty answers everywhere: the empty count ends the run; after a count, the first angle
      // refuses every empty answer until the input ends.
      {"EmptyAnswersEverywhere",
       {KnownKind::FullFromA},
       lines(std::vector<std::string>(40)),
       always(Reaction::EndsQuietly)},
      {"EmptyAnswersAfterTheCount",
       {KnownKind::FullFromA},
       lines([] {
         std::vector<std::string> answers(200);
         answers.front() = "4";
         return answers;
       }()),
       always(Reaction::RefusedToTheEnd, kTriangleAngleRange)},
      // Cancel at every kind of prompt.
      {"CancelAtEveryConfirmationAndListingPrompt", kAllKinds, edited({}),
       always(Reaction::Adjusted)},
      {"CancelAtEveryNamePrompt", kAllKinds,
       edited([](ChainAnswers& answers) { answers.names.assign(answers.names.size(), ""); }),
       always(Reaction::Adjusted), showsEmptyNames},
      {"CancelAtATriangleAngle", kAllKinds, before({InputItem::A, InputItem::B}, ""),
       always(Reaction::ReAsked, kTriangleAngleRange)},
      {"CancelAtTheFirstIntervalAngle", kAllKinds, before({InputItem::C}, "", 1),
       always(Reaction::Adjusted)},
      {"CancelAtACoordinate", kAllKinds, insteadOf(InputItem::Xb, ""), always(Reaction::Adjusted)},
      {"CancelAtAReentry", kAllKinds, cancelledReentry(InputItem::Xa), always(Reaction::Adjusted)},
      {"CancelAtTheStartSide", kStartSideGiven, insteadOf(InputItem::Sa, ""),
       [](KnownKind kind) -> Expected {
         if (kind == KnownKind::NoClosingBase) return {Reaction::Adjusted, "", 4};  // azimuths only
         if (isOneOf(kind, {KnownKind::FullFromA, KnownKind::StartSideOnly})) {
           return {Reaction::NothingFits};
         }
         return {Reaction::Stopped, kStartSideNotPositiveMessage};
       }},
      {"CancelAtTheStartFlag", kFlagTyped, insteadOf(InputItem::Tag, ""),
       [](KnownKind kind) {
         // Only the unoriented chain does without a start azimuth.
         return Expected{kind == KnownKind::Unoriented ? Reaction::Adjusted
                                                       : Reaction::NothingFits};
       }},
      {"CancelAtTheStartAzimuth", kStartAzimuthTyped, insteadOf(InputItem::Ta, ""),
       always(Reaction::Adjusted)},
      {"CancelAtTheClosingFlag", kClosingFlagTyped, insteadOf(InputItem::TbG, ""),
       [](KnownKind kind) {
         // Oriented by E, the chain goes to row 8 whatever TbG says, with a closing azimuth of 0.
         return Expected{kind == KnownKind::ByEWithTb ? Reaction::Adjusted : Reaction::NothingFits};
       }},
      {"CancelAtTheOrientationAngles", kAllKinds, before({InputItem::Qa, InputItem::Qb}, ""),
       always(Reaction::Adjusted)},
      // Minutes or seconds of 60 or more, at every angle.
      {"MinutesOf60", kAllKinds, before(kAngles, "45.6000"),
       always(Reaction::ReAsked, kIllegalDms)},
      {"SecondsOf60", kAllKinds, before(kAngles, "45.3060"),
       always(Reaction::ReAsked, kIllegalDms)},
      {"MinutesAndSecondsOf99", kAllKinds, before(kAngles, "-10.9999"),
       always(Reaction::ReAsked, kIllegalDms)},
      // Angles of 0 and 180 degrees.
      {"TriangleAngleOf0", kAllKinds, before({InputItem::A, InputItem::B}, "0"),
       always(Reaction::ReAsked, kTriangleAngleRange)},
      {"TriangleAngleOf180", kAllKinds, before({InputItem::A, InputItem::B}, "180"),
       always(Reaction::ReAsked, kTriangleAngleRange)},
      {"IntervalAngleOf180", kAllKinds, before({InputItem::C}, "-180.0000"),
       always(Reaction::ReAsked, kIntervalAngleRange)},
      // The triangle count.
      {"CountOf0", kAllKinds, beforeCount("0"), always(Reaction::ReAsked, kCountRefused)},
      {"CountOfMinus1", kAllKinds, beforeCount("-1"), always(Reaction::ReAsked, kCountRefused)},
      {"CountOf2Point5", kAllKinds, beforeCount("2.5"), always(Reaction::ReAsked, kCountRefused)},
      {"CountOf1e9", kAllKinds, beforeCount("1e9"), always(Reaction::ReAsked, kCountRefused)},
      // A point with only one zero coordinate is neither given nor missing.
      {"OneZeroCoordinateOfC", kAllKinds,
       edited([](ChainAnswers& answers) { setHalf(answers, InputItem::Xc, InputItem::Yc); }),
       always(Reaction::NothingFits)},
      {"OneZeroCoordinateOfD", kAllKinds,
       edited([](ChainAnswers& answers) { setHalf(answers, InputItem::Xd, InputItem::Yd); }),
       [](KnownKind kind) {
         // Oriented by E, the chain still goes to row 8, which needs the closing side from D.
         return isOneOf(kind, kWithE) ? Expected{Reaction::Stopped, kClosingSideNotPositiveMessage}
                                      : Expected{Reaction::NothingFits};
       }},
      {"OneZeroCoordinateOfE", kWithE, insteadOf(InputItem::Ye, "0"),
       always(Reaction::NothingFits)},
      {"OneZeroCoordinateOfF", kWithF, insteadOf(InputItem::Yf, "0"),
       always(Reaction::NothingFits)},
      // Coincident points.
      {"COnA", kWithC, moved(InputItem::Xc, InputItem::Yc, InputItem::Xa, InputItem::Ya),
       always(Reaction::Stopped, kCOnA)},
      {"DOnB", kWithD, moved(InputItem::Xd, InputItem::Yd, InputItem::Xb, InputItem::Yb),
       always(Reaction::Stopped, kDOnB)},
      {"FOnB", kWithF, moved(InputItem::Xf, InputItem::Yf, InputItem::Xb, InputItem::Yb),
       always(Reaction::Stopped, kFOnBMessage)},
      {"EOnA", kWithE, moved(InputItem::Xe, InputItem::Ye, InputItem::Xa, InputItem::Ya),
       always(Reaction::Stopped, kEOnAMessage)},
      {"BOnA", kAllKinds, moved(InputItem::Xb, InputItem::Yb, InputItem::Xa, InputItem::Ya),
       [](KnownKind kind) {
         // A closed loop is adjusted like any chain; a chain scaled onto A-B needs B apart.
         return isOneOf(kind, {KnownKind::AzimuthsOnly, KnownKind::Unoriented})
                    ? Expected{Reaction::Stopped, kCoincidentAAndBMessage}
                    : Expected{Reaction::Adjusted};
       }},
      // Angles that do not close by whole degrees: the closure is shown and taken off evenly.
      {"AnglesOffByAWholeDegree", kAllKinds, edited([](ChainAnswers& answers) {
         for (auto& triangle : answers.triangles) triangle[0] = plusWholeDegrees(triangle[0], 1);
       }),
       always(Reaction::Adjusted), showsAClosureOfAWholeDegree},
      // A singular normal matrix.
      {"OneTriangleWithoutOrientationAngles", kAllKinds,
       [](KnownKind kind, std::shared_ptr<Injections>) {
         const SurveyedChain chain = surveyChain(zigZagChain(1), kind, 0.0, 0.0);
         return respondWith(answersFor(chain, withErrors(chain.truth.angles, 2.0)));
       },
       oneTriangleWithoutOrientationAngles},
      // Coordinates of 1e12 and 1e-12.
      {"CoordinatesAbove1e12", kAllKinds, edited([](ChainAnswers& a) {
         mapKnownData(
             a, [](double x) { return x + 1e12; }, false);
       }),
       always(Reaction::Adjusted), listsCoordinatesAbove1e12},
      {"CoordinatesAndSidesOf1eMinus12", kAllKinds, edited([](ChainAnswers& a) {
         mapKnownData(
             a, [](double x) { return x * 1e-12; }, true);
       }),
       always(Reaction::Adjusted), listsCoordinatesOf1eMinus12},
      {"ClosingPointAt1e12", kAllKinds, insteadOf(InputItem::Xb, "1e12"), closingPointFarAway},
      // Squares of the coordinate differences beyond the range of a double.
      {"StartPointAt1e165", kAllKinds, insteadOf(InputItem::Xa, "1e165"), startPointFarAway},
      // Data that close exactly.
      {"DataThatCloseExactly", kAllKinds,
       [](KnownKind kind, std::shared_ptr<Injections>) {
         const SurveyedChain chain = seedChain(kind);
         return respondWith(answersFor(chain, chain.truth.angles));
       },
       always(Reaction::Adjusted), showsNoAngleError},
      // The longest chain, through the normal equations, the closed form and the fit.
      {"ChainOf100000Triangles",
       {KnownKind::FullFromA, KnownKind::StartSideOnly, KnownKind::Unoriented},
       longestChain(),
       always(Reaction::Adjusted),
       {},
       false},
  };
  return rows;
}

// ---- The check of a row ----

std::string describe(const CheckedRun& run, const CheckedPlatform& platform) {
  std::string text = "outcome " + std::to_string(static_cast<int>(run.outcome)) + ", row " +
                     (run.selection ? std::to_string(*run.selection) : "none") + ", messages:";
  for (const std::string& message : platform.messages()) text += " [" + message + "]";
  return text;
}

// The clean chain of the kind, run once on a fresh window.
CheckedPlatform cleanRun(KnownKind kind) {
  CheckedPlatform platform(typed(kind));
  RunDriver driver(platform);
  runChecked(driver, platform);
  return platform;
}

void expectReaction(const Expected& expected, const CheckedRun& run,
                    const CheckedPlatform& platform, const Injections& injected, KnownKind kind) {
  const std::vector<std::string>& messages = platform.messages();
  const std::string actual = describe(run, platform);
  switch (expected.reaction) {
    case Reaction::ReAsked: {
      ASSERT_FALSE(injected.empty());
      EXPECT_EQ(messages, std::vector<std::string>(injected.size(), expected.message)) << actual;
      for (std::size_t at : injected) {
        ASSERT_LT(at + 1, platform.promptTrail().size());
        EXPECT_EQ(platform.promptTrail()[at + 1], platform.promptTrail()[at])
            << "not asked again: " << platform.promptText(platform.promptTrail()[at]);
      }
      EXPECT_EQ(run.outcome, RunOutcome::Adjusted) << actual;
      EXPECT_EQ(platform.texts(), cleanRun(kind).texts());
      break;
    }
    case Reaction::RefusedToTheEnd:
      EXPECT_EQ(run.outcome, RunOutcome::ProgramEnding) << actual;
      ASSERT_FALSE(messages.empty());
      EXPECT_EQ(messages, std::vector<std::string>(messages.size(), expected.message)) << actual;
      break;
    case Reaction::Stopped:
      EXPECT_EQ(run.outcome, RunOutcome::Stopped) << actual;
      ASSERT_FALSE(messages.empty());
      EXPECT_EQ(messages.back(), expected.message) << actual;
      break;
    case Reaction::NothingFits:
      EXPECT_EQ(run.outcome, RunOutcome::NothingSelected) << actual;
      break;
    case Reaction::EndsQuietly:
      EXPECT_EQ(run.outcome, RunOutcome::Abandoned) << actual;
      EXPECT_TRUE(messages.empty()) << actual;
      break;
    case Reaction::Adjusted:
      EXPECT_EQ(run.outcome, RunOutcome::Adjusted) << actual;
      EXPECT_EQ(run.selection, expected.row != 0 ? expected.row : selectionRow(kind)) << actual;
      break;
  }
}

// The run after the bad one adjusts the clean chain as a first run on a fresh window does.
void expectNextRunAdjusts(RunDriver& driver, CheckedPlatform& platform, KnownKind kind) {
  platform.setResponder(typed(kind));
  const CheckedRun next = runChecked(driver, platform);
  EXPECT_EQ(next.outcome, RunOutcome::Adjusted) << describe(next, platform);
  const CheckedPlatform first = cleanRun(kind);
  for (int box : {box::kAzimuthClosure, box::kSideClosure, box::kXClosure, box::kYClosure,
                  box::kMeanError, box::kReciprocalWeight, box::kLogMeanError,
                  box::kRelativeMeanError, box::kPointMeanError, box::kPointName,
                  box::kListedX, box::kListedY}) {
    EXPECT_EQ(platform.text(box), first.text(box)) << "Text" << box;
  }
}

void checkRow(const BadInput& row, KnownKind kind) {
  SCOPED_TRACE(nameOf(kind));
  auto injected = std::make_shared<Injections>();
  CheckedPlatform platform(row.answers(kind, injected));
  RunDriver driver(platform);
  try {
    const CheckedRun run = runChecked(driver, platform);
    expectReaction(row.expected(kind), run, platform, *injected, kind);
    if (row.shows) row.shows(platform);
    expectNextRunAdjusts(driver, platform, kind);
  } catch (const CheckFailed& fault) {
    ADD_FAILURE() << fault.what();
  }
}

class BadInputTable : public ::testing::TestWithParam<BadInput> {};

TEST_P(BadInputTable, HasItsReactionForEveryKindItAppliesTo) {
  const BadInput& row = GetParam();
  for (KnownKind kind : row.kinds) checkRow(row, kind);
  if (row.inCorpus) {
    std::vector<std::string> lines =
        typedLines(row.answers(row.kinds.front(), std::make_shared<Injections>()));
    const std::vector<std::string> next = typedLines(typed(row.kinds.front()));
    lines.insert(lines.end(), next.begin(), next.end());
    expectCorpusFile(kRunsCorpus, std::string("bad-") + row.name, linesText(lines));
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, BadInputTable, ::testing::ValuesIn(badInputs()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace chainadj::testing
