#include "entry/prompt_confirm.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "literal_prompts.h"
#include "scripted_platform.h"
#include "state/chain_error.h"
#include "state/form_fields.h"

namespace chainadj {
namespace {

using testing::literal;
using testing::LiteralPrompts;
using testing::ScriptedPlatform;
using Events = std::vector<std::string>;

constexpr InputItem kAllItems[] = {
    InputItem::Xa,  InputItem::Ya, InputItem::Xb,  InputItem::Yb, InputItem::Xc, InputItem::Yc,
    InputItem::Xd,  InputItem::Yd, InputItem::Xe,  InputItem::Ye, InputItem::Xf, InputItem::Yf,
    InputItem::Sa,  InputItem::Sb, InputItem::Tag, InputItem::Ta, InputItem::TbG, InputItem::Tb,
    InputItem::Qa,  InputItem::Qb, InputItem::A,   InputItem::B,  InputItem::C};

// An answer every item takes.
std::string takenAnswer(InputItem item) {
  switch (item) {
    case InputItem::Tag:
    case InputItem::TbG:
      return "y";
    case InputItem::A:
    case InputItem::B:
      return "60.3000";
    case InputItem::C:
      return "-30.1000";
    default:
      return "12.5";
  }
}


bool looksChinese(const std::string& text) {
  // Every CJK character in UTF-8 starts with a byte from 0xE4 to 0xE9.
  return text.find_first_of("\xE4\xE5\xE6\xE7\xE8\xE9") != std::string::npos;
}

// ---- The prompt texts ----

TEST(PromptTexts, EveryTableEntryIsWordForWord) {
  for (InputItem item : kAllItems) {
    const PromptTexts& table = promptTexts(item);
    const LiteralPrompts& expected = literal(item);
    SCOPED_TRACE(inputItemName(item));
    EXPECT_STREQ(table.enter, expected.enter);
    EXPECT_STREQ(table.confirm, expected.confirm);
    EXPECT_STREQ(table.reenter, expected.reenter);
    EXPECT_STREQ(table.confirmAgain, expected.confirmAgain);
  }
}

// The four prompts of every item as the protocol asks them: enter, confirm, (wrong) re-enter,
// confirm again.
TEST(PromptConfirm, AsksTheFourPromptsOfEveryItemWordForWord) {
  for (InputItem item : kAllItems) {
    const LiteralPrompts& expected = literal(item);
    ScriptedPlatform platform({takenAnswer(item), "0", takenAnswer(item), ""});
    promptConfirm(platform, item);
    EXPECT_EQ(platform.prompts(),
              (Events{expected.enter, expected.confirm, expected.reenter, expected.confirmAgain}))
        << inputItemName(item);
    EXPECT_EQ(platform.answersLeft(), 0u);
  }
}

TEST(PromptTexts, TheOddOnesStayOdd) {
  // Xd's enter prompt names Yd; Yc's confirm-again says 横横座标.
  EXPECT_STREQ(promptTexts(InputItem::Xd).enter, "请输入起闭点 D 的纵座标 Yd :");
  EXPECT_STREQ(promptTexts(InputItem::Yc).confirmAgain,
               "这次输入的起闭点 C 点的横横座标 Yc 是否正确 ?  输入正确按 Enter 键或多或 OK 键( 即: "
               "Enter 键或多或 OK 键 );  输入错误按零( 即: 0 )");
  // TbG's confirmations lack the words "( 即: Enter 键或多或 OK 键".
  EXPECT_EQ(std::string(promptTexts(InputItem::TbG).confirm).find("( 即: Enter"),
            std::string::npos);
  EXPECT_EQ(std::string(promptTexts(InputItem::TbG).confirmAgain).find("( 即: Enter"),
            std::string::npos);
  // The Tag and TbG confirmations end with a space.
  for (InputItem item : {InputItem::Tag, InputItem::TbG}) {
    EXPECT_EQ(std::string(promptTexts(item).confirm).back(), ' ');
    EXPECT_EQ(std::string(promptTexts(item).confirmAgain).back(), ' ');
  }
  EXPECT_NE(std::string(promptTexts(InputItem::Ta).confirm).back(), ' ');
}

// ---- Echo boxes and masks ----

struct EchoCase {
  InputItem item;
  const char* typed;
  int box;
  const char* echo;
};

void PrintTo(const EchoCase& c, std::ostream* os) {
  *os << inputItemName(c.item) << " \"" << c.typed << '"';
}

class EchoOfEveryItem : public ::testing::TestWithParam<EchoCase> {};

TEST_P(EchoOfEveryItem, GoesToItsBoxWithItsMask) {
  const EchoCase& c = GetParam();
  ScriptedPlatform platform({c.typed, ""});
  const Answer answer = promptConfirm(platform, c.item);
  EXPECT_EQ(answer.text, c.typed);
  const std::string event = "Text" + std::to_string(c.box) + ": " + c.echo;
  // Echoed after the answer and once more after acceptance, into that box only.
  EXPECT_EQ(platform.events(),
            (Events{"? " + std::string(literal(c.item).enter), event,
                    "? " + std::string(literal(c.item).confirm), event}));
}

INSTANTIATE_TEST_SUITE_P(
    Items, EchoOfEveryItem,
    ::testing::Values(EchoCase{InputItem::Xa, "12.5", box::kXa, " 12.500"},
                      EchoCase{InputItem::Ya, "-3512345.6785", box::kYa, " -3512345.678"},
                      EchoCase{InputItem::Xb, "0.0004", box::kXb, " 0.000"},
                      EchoCase{InputItem::Yb, "7", box::kYb, " 7.000"},
                      EchoCase{InputItem::Xc, "2700", box::kXc, " 2700.000"},
                      EchoCase{InputItem::Yc, "600.25", box::kYc, " 600.250"},
                      EchoCase{InputItem::Xd, "1", box::kXd, " 1.000"},
                      EchoCase{InputItem::Yd, "2", box::kYd, " 2.000"},
                      EchoCase{InputItem::Xe, "3", box::kXe, " 3.000"},
                      EchoCase{InputItem::Ye, "4", box::kYe, " 4.000"},
                      EchoCase{InputItem::Xf, "5", box::kXf, " 5.000"},
                      EchoCase{InputItem::Yf, "6", box::kYf, " 6.000"},
                      EchoCase{InputItem::Sa, "500", box::kStartSide, " 500.0000"},
                      EchoCase{InputItem::Sb, "123.45678", box::kClosingSide, " 123.4568"},
                      EchoCase{InputItem::Tag, "y", box::kStartAzimuth, " y"},
                      EchoCase{InputItem::Tag, "Yes please", box::kStartAzimuth, " Yes please"},
                      EchoCase{InputItem::Ta, "45.3015", box::kStartAzimuth, " 45.30150"},
                      EchoCase{InputItem::Ta, "0.5", box::kStartAzimuth, " 0.50000"},
                      EchoCase{InputItem::TbG, "n", box::kClosingAzimuth, " n"},
                      EchoCase{InputItem::Tb, "135.0001", box::kClosingAzimuth, " 135.00010"},
                      EchoCase{InputItem::Qa, "-0.3000", box::kQa, " -0.30000"},
                      EchoCase{InputItem::Qb, "-0.3000", box::kQb, " -0.3000"},
                      EchoCase{InputItem::A, "60.0001", box::kAngleA, " 60.00010"},
                      EchoCase{InputItem::B, "59.5959", box::kAngleB, " 59.59590"},
                      EchoCase{InputItem::C, "-30.1000", box::kAngleC, " -30.10000"},
                      // empty numeric answers are 0; full-width digits are taken
                      EchoCase{InputItem::Xa, "", box::kXa, " 0.000"},
                      EchoCase{InputItem::Sa, "", box::kStartSide, " 0.0000"},
                      EchoCase{InputItem::Xa, "\xEF\xBC\x91\xEF\xBC\x92\xEF\xBC\x8E\xEF\xBC\x95",
                               box::kXa, " 12.500"},
                      EchoCase{InputItem::Xa, "\xEF\xBC\x8D\xEF\xBC\x93", box::kXa, " -3.000"}));

// ---- Confirmation answers ----

class ConfirmationAccepts : public ::testing::TestWithParam<const char*> {};

TEST_P(ConfirmationAccepts, TheValue) {
  ScriptedPlatform platform({"12.5", GetParam()});
  const Answer answer = promptConfirm(platform, InputItem::Xa);
  EXPECT_EQ(answer.value, 12.5);
  EXPECT_EQ(platform.prompts().size(), 2u);
  EXPECT_EQ(platform.text(box::kXa), " 12.500");
}

// Enter or OK on an empty field and Cancel all hand over empty text.
INSTANTIATE_TEST_SUITE_P(Answers, ConfirmationAccepts,
                         ::testing::Values("", " ", "1", "5", "-1", "0.1", "abc", "o", "y", "否",
                                           "\xEF\xBC\x91"));

class ConfirmationRejects : public ::testing::TestWithParam<const char*> {};

TEST_P(ConfirmationRejects, AndAsksAgain) {
  ScriptedPlatform platform({"12.5", GetParam(), "13", ""});
  const Answer answer = promptConfirm(platform, InputItem::Xa);
  EXPECT_EQ(answer.value, 13.0);
  EXPECT_EQ(platform.prompts().size(), 4u);
}

INSTANTIATE_TEST_SUITE_P(Answers, ConfirmationRejects,
                         ::testing::Values("0", "00", "0.0", " 0 ", "\xEF\xBC\x90", "-0", "0e3"));

// ---- Re-entry ----

TEST(PromptConfirm, AWrongAnswerClearsTheBoxAndAsksAgain) {
  ScriptedPlatform platform({"12.5", "0", "13", ""});
  const Answer answer = promptConfirm(platform, InputItem::Xa);
  const LiteralPrompts& p = literal(InputItem::Xa);
  EXPECT_EQ(platform.events(),
            (Events{"? " + std::string(p.enter), "Text1:  12.500", "? " + std::string(p.confirm),
                    "Text1:  ", "? " + std::string(p.reenter), "Text1:  13.000",
                    "? " + std::string(p.confirmAgain), "Text1:  13.000"}));
  EXPECT_EQ(answer.text, "13");
  EXPECT_EQ(answer.value, 13.0);
}

TEST(PromptConfirm, ReentryRepeatsAsOftenAsTheUserSaysWrong) {
  ScriptedPlatform platform({"12.5", "0", "13", "0", "14", "00", "15", "7"});
  const Answer answer = promptConfirm(platform, InputItem::Sa);
  const LiteralPrompts& p = literal(InputItem::Sa);
  EXPECT_EQ(platform.prompts(), (Events{p.enter, p.confirm, p.reenter, p.confirmAgain, p.reenter,
                                        p.confirmAgain, p.reenter, p.confirmAgain}));
  EXPECT_EQ(answer.value, 15.0);
  EXPECT_EQ(platform.text(box::kStartSide), " 15.0000");
}

TEST(PromptConfirm, TaAfterAReentryShowsNoIntegerZeroUntilAccepted) {
  ScriptedPlatform platform({"0.3", "0", "0.5", "0", "0.5", ""});
  promptConfirm(platform, InputItem::Ta);
  Events echoes;
  for (const std::string& event : platform.events()) {
    if (event.rfind("Text5:", 0) == 0) echoes.push_back(event);
  }
  EXPECT_EQ(echoes, (Events{"Text5:  0.30000", "Text5:  ", "Text5:  .50000", "Text5:  ",
                            "Text5:  .50000", "Text5:  0.50000"}));
}

TEST(PromptConfirm, TaReenteredAboveOneDegreeLooksTheSame) {
  ScriptedPlatform platform({"45", "0", "45.3015", ""});
  promptConfirm(platform, InputItem::Ta);
  EXPECT_EQ(platform.events().at(5), "Text5:  45.30150");
  EXPECT_EQ(platform.text(box::kStartAzimuth), " 45.30150");
}

TEST(PromptConfirm, OnlyTaUsesTheMaskWithoutIntegerZero) {
  for (InputItem item : {InputItem::Tb, InputItem::Qa, InputItem::A}) {
    ScriptedPlatform platform({"0.5", "0", "0.5", ""});
    promptConfirm(platform, item);
    EXPECT_EQ(platform.events().at(5).substr(platform.events().at(5).find(':')), ":  0.50000")
        << inputItemName(item);
  }
}

TEST(PromptConfirm, QbsBoxIsEmptiedNotSpacedOnAWrongAnswer) {
  ScriptedPlatform platform({"1.3", "0", "-0.3", ""});
  const Answer answer = promptConfirm(platform, InputItem::Qb);
  Events echoes;
  for (const std::string& event : platform.events()) {
    if (event.rfind("Text8:", 0) == 0) echoes.push_back(event);
  }
  EXPECT_EQ(echoes, (Events{"Text8:  1.3", "Text8: ", "Text8:  -0.3", "Text8:  -0.3"}));
  EXPECT_EQ(answer.text, "-0.3");
}

TEST(PromptConfirm, TagReentryRepeatsLikeEveryOtherValue) {
  ScriptedPlatform platform({"y", "0", "n", "0", "Y", ""});
  const Answer answer = promptConfirm(platform, InputItem::Tag);
  const LiteralPrompts& p = literal(InputItem::Tag);
  EXPECT_EQ(platform.prompts(),
            (Events{p.enter, p.confirm, p.reenter, p.confirmAgain, p.reenter, p.confirmAgain}));
  Events echoes;
  for (const std::string& event : platform.events()) {
    if (event.rfind("Text5:", 0) == 0) echoes.push_back(event);
  }
  EXPECT_EQ(echoes, (Events{"Text5:  y", "Text5:  ", "Text5:  n", "Text5:  ", "Text5:  Y",
                            "Text5:  Y"}));
  EXPECT_EQ(answer.text, "Y");
}

TEST(PromptConfirm, TheHookAfterTheFirstEchoRunsOnceRightThere) {
  ScriptedPlatform platform({"60", "0", "61", ""});
  int runs = 0;
  promptConfirm(platform, InputItem::A, 1, [&] {
    ++runs;
    platform.setText(box::kTriangleClosure, "hook");
  });
  EXPECT_EQ(runs, 1);
  ASSERT_GE(platform.events().size(), 3u);
  EXPECT_EQ(platform.events()[1], "Text9:  60.00000");
  EXPECT_EQ(platform.events()[2], "Text25: hook");
}

TEST(PromptConfirm, AClosingProgramStopsTheProtocol) {
  ScriptedPlatform platform({"12.5"});  // no answer to the confirmation
  EXPECT_THROW(promptConfirm(platform, InputItem::Xa), ProgramEnding);
}

// ---- Refused answers ----

struct RefusalCase {
  InputItem item;
  const char* refused;
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
  *os << inputItemName(c.item) << " \"" << c.refused << '"';
}

class RefusedAnswer : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RefusedAnswer, IsToldAndAskedAgainWithoutEcho) {
  const RefusalCase& c = GetParam();
  const std::string good = takenAnswer(c.item);
  ScriptedPlatform platform({c.refused, good, ""});
  const Answer answer = promptConfirm(platform, c.item);
  EXPECT_EQ(answer.text, good);
  const LiteralPrompts& p = literal(c.item);
  ASSERT_EQ(platform.events().size(), 6u) << c.refused;
  EXPECT_EQ(platform.events()[0], "? " + std::string(p.enter));
  ASSERT_EQ(platform.events()[1].rfind("! ", 0), 0u) << c.refused;
  EXPECT_EQ(platform.events()[2], "? " + std::string(p.enter)) << c.refused;
  const std::string message = platform.events()[1].substr(2);
  EXPECT_TRUE(looksChinese(message)) << message;
  const std::string refused = c.refused;
  if (refused.find_first_not_of("0123456789.-") != std::string::npos) {
    EXPECT_EQ(message.find(refused), std::string::npos) << "the refused text is echoed";
  }
}

INSTANTIATE_TEST_SUITE_P(
    NoNumber, RefusedAnswer,
    ::testing::Values(RefusalCase{InputItem::Xa, "abc"}, RefusalCase{InputItem::Ya, "12a"},
                      RefusalCase{InputItem::Xb, "1,5"}, RefusalCase{InputItem::Yf, "--1"},
                      RefusalCase{InputItem::Sa, "x"}, RefusalCase{InputItem::Ta, "45°30'"},
                      RefusalCase{InputItem::Qb, "N"}, RefusalCase{InputItem::A, "sixty"},
                      RefusalCase{InputItem::C, "-"}, RefusalCase{InputItem::Xa, "1e400"},
                      RefusalCase{InputItem::Xa, "\xEF\xBD\x81"}));  // full-width a

INSTANTIATE_TEST_SUITE_P(
    OutOfRange, RefusedAnswer,
    ::testing::Values(RefusalCase{InputItem::Sa, "-1"}, RefusalCase{InputItem::Sb, "-0.001"},
                      RefusalCase{InputItem::Ta, "45.6000"}, RefusalCase{InputItem::Ta, "45.3060"},
                      RefusalCase{InputItem::Tb, "0.6000"}, RefusalCase{InputItem::Qa, "-10.6000"},
                      RefusalCase{InputItem::Qb, "1.0060"}, RefusalCase{InputItem::A, "0"},
                      RefusalCase{InputItem::A, ""}, RefusalCase{InputItem::A, "180"},
                      RefusalCase{InputItem::A, "180.0000"}, RefusalCase{InputItem::A, "-10"},
                      RefusalCase{InputItem::A, "200"}, RefusalCase{InputItem::A, "45.6000"},
                      RefusalCase{InputItem::B, "0.0000"}, RefusalCase{InputItem::B, "180.0001"},
                      RefusalCase{InputItem::B, "-0.0001"}, RefusalCase{InputItem::C, "180"},
                      RefusalCase{InputItem::C, "-180"}, RefusalCase{InputItem::C, "-180.0000"},
                      RefusalCase{InputItem::C, "200"}, RefusalCase{InputItem::C, "30.6000"},
                      RefusalCase{InputItem::C, "-30.0060"}));

TEST(RefusedAnswer, AtReentryTheReenterPromptIsAskedAgain) {
  ScriptedPlatform platform({"12", "0", "x1", "13", ""});
  const Answer answer = promptConfirm(platform, InputItem::Xa);
  const LiteralPrompts& p = literal(InputItem::Xa);
  EXPECT_EQ(platform.prompts(), (Events{p.enter, p.confirm, p.reenter, p.reenter, p.confirmAgain}));
  EXPECT_EQ(platform.messages().size(), 1u);
  EXPECT_EQ(answer.value, 13.0);
  for (const std::string& event : platform.events()) {
    EXPECT_EQ(event.find("x1"), std::string::npos) << event;
  }
}

struct TakenCase {
  InputItem item;
  const char* typed;
};

void PrintTo(const TakenCase& c, std::ostream* os) {
  *os << inputItemName(c.item) << " \"" << c.typed << '"';
}

class TakenAnswer : public ::testing::TestWithParam<TakenCase> {};

TEST_P(TakenAnswer, WithoutAMessage) {
  ScriptedPlatform platform({GetParam().typed, ""});
  promptConfirm(platform, GetParam().item);
  EXPECT_TRUE(platform.messages().empty()) << GetParam().typed;
  EXPECT_EQ(platform.prompts().size(), 2u) << GetParam().typed;
}

INSTANTIATE_TEST_SUITE_P(
    Edges, TakenAnswer,
    ::testing::Values(TakenCase{InputItem::Sa, "0"}, TakenCase{InputItem::Sb, ""},
                      TakenCase{InputItem::Xa, "-12.5"}, TakenCase{InputItem::Ya, "0"},
                      TakenCase{InputItem::A, "0.0001"}, TakenCase{InputItem::A, "179.5959"},
                      TakenCase{InputItem::B, "179.59599999"}, TakenCase{InputItem::C, "0"},
                      TakenCase{InputItem::C, "-179.5959"}, TakenCase{InputItem::C, ""},
                      TakenCase{InputItem::Ta, "0"}, TakenCase{InputItem::Ta, ""},
                      TakenCase{InputItem::Ta, "359.5959"}, TakenCase{InputItem::Qa, "-0.3000"},
                      TakenCase{InputItem::Qb, "-0.5959"}, TakenCase{InputItem::Tag, "0"},
                      TakenCase{InputItem::TbG, ""}, TakenCase{InputItem::TbG, "nn"}));

// An answer that reads as 0 is refused as a triangle angle however it is written.
TEST(RefusedAnswer, ATriangleAngleThatReadsAsZeroInAnyWriting) {
  // Known fault, left in place until readDms is mended: the exponent does not fit a long and is
  // dropped, so the angle is taken as 1 degree while its echo shows 0.00000.
  ScriptedPlatform platform({"1e-99999999999999999999", "60", ""});
  const Answer answer = promptConfirm(platform, InputItem::A);
  EXPECT_EQ(platform.messages().size(), 1u);
  EXPECT_EQ(answer.text, "60");
}

// ---- The accepted angle in decimal degrees ----

TEST(TypedAngleDegrees, ReadsTheTypedDigits) {
  const auto degrees = [](const std::string& typed) {
    return readAnswer(ValueKind::Angle, typed).degrees;
  };
  EXPECT_NEAR(degrees("1.1300"), 1.0 + 13.0 / 60, 1e-12);
  EXPECT_NEAR(degrees("-30.1000"), -(30.0 + 10.0 / 60), 1e-12);
  EXPECT_NEAR(degrees("-0.3000"), -0.5, 1e-12);
  EXPECT_NEAR(degrees("45.301525"), 45.0 + 0.5 + 15.25 / 3600, 1e-12);
  EXPECT_EQ(degrees(""), 0.0);
  EXPECT_NEAR(degrees("\xEF\xBC\x91\xEF\xBC\x8E\xEF\xBC\x91\xEF\xBC\x93"), 1.0 + 13.0 / 60,
              1e-12);  // １．１３
}

TEST(TypedAngleDegrees, EveryWholeSecondBelowTwelveDegreesIsExact) {
  int wrong = 0;
  for (int d = 0; d < 12; ++d) {
    for (int mm = 0; mm < 60; ++mm) {
      for (int ss = 0; ss < 60; ++ss) {
        char text[16];
        std::snprintf(text, sizeof text, "%d.%02d%02d", d, mm, ss);
        const double want = d + mm / 60.0 + ss / 3600.0;
        const double got = readAnswer(ValueKind::Angle, text).degrees;
        if (std::abs(got - want) > 1e-12 && ++wrong <= 10) ADD_FAILURE() << text << " " << got;
      }
    }
  }
  EXPECT_EQ(wrong, 0);
}

}  // namespace
}  // namespace chainadj
