// Reading and writing chain data files, and how a file answers the prompts of a run.
#include <gtest/gtest.h>

#include "chain_answers.h"
#include "entry/chain_data_answers.h"
#include "entry/chain_file_reader.h"
#include "entry/chain_file_writer.h"
#include "entry/project_info.h"
#include "entry/run_driver.h"
#include "state/chain_error.h"
#include "adjust/coordinate_listing.h"
#include "scripted_platform.h"
#include "surveyed_chain.h"

namespace chainadj::testing {
namespace {

TEST(ChainFileReader, TakesWhatEditorsAndChineseInputMethodsWrite) {
  const std::string text =
      "\xEF\xBB\xBF# header\r\n"                     // byte-order mark, Windows line ends
      "   # an indented comment\r\n"
      "\r\n"
      "Xa\t31250.000   # A\r\n"                       // tab, trailing comment
      "Ya\xE3\x80\x80\xEF\xBC\x94\xEF\xBC\x98\xEF\xBC\x97\xEF\xBC\x96\xEF\xBC\x90\r\n"  // Ya　４８７６０
      "Tag y # the start azimuth is typed\n"
      "Qb \"  -0.3000 \"  # blanks kept in quotes\n"
      "point 3#\n"                                   // a point line has no comment
      "point   P 2  \n"
      "point \" B \"\n"
      "point\n"
      "53.52001\xE3\x80\x80" "62.38009 -63.30004 # triangle 1\n"
      "  69.45287 61.59302 -48.15002";              // no line end at the end of the file
  ChainData expected;
  expected.values = {{InputItem::Xa, "31250.000"},
                     {InputItem::Ya, "\xEF\xBC\x94\xEF\xBC\x98\xEF\xBC\x97\xEF\xBC\x96\xEF\xBC\x90"},
                     {InputItem::Tag, "y"},
                     {InputItem::Qb, "  -0.3000 "}};
  expected.names = {"3#", "P 2", " B ", ""};
  expected.triangles = {{"53.52001", "62.38009", "-63.30004"}, {"69.45287", "61.59302", "-48.15002"}};
  EXPECT_EQ(parseChainData(text), expected);
}

TEST(ChainFileWriter, WritesWhatTheReaderReadsBackUnchanged) {
  ChainData data;
  data.values = {{InputItem::Xa, "1000"},        {InputItem::Sa, " 12.5"},
                 {InputItem::Tag, "y "},         {InputItem::TbG, "\"n\""},
                 {InputItem::Ta, "45.3015"},     {InputItem::Qb, "\xE3\x80\x80-0.3"},
                 {InputItem::Tb, ""}};  // typed empty: the line is left out
  ChainData read = data;
  read.values.erase(InputItem::Tb);
  data.settings["grade"] = "三等";
  data.names = {"\"quoted\"", " lead", "3#", "", "\"half", "a b", "trail\t"};
  data.triangles.assign(5, {"60.0001", "60.0001", "-60.0001"});  // five ask seven names
  data.settings["m_beta"] = "1.0";
  read.names = data.names;
  read.triangles = data.triangles;
  read.settings = data.settings;
  const std::string text = chainDataText(data);
  EXPECT_EQ(parseChainData(text), read) << text;
  EXPECT_NE(text.find("\nTag \"y \"\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\npoint 3#\n"), std::string::npos) << text;
}

TEST(ChainFileWriter, WritesTypedTriangleAnglesAsPlainNumbers) {
  ChainData data;
  data.triangles = {{" \xEF\xBC\x96\xEF\xBC\x90", "+60.0001 ", "-60"}};  // "　６０"
  EXPECT_EQ(chainDataText(data).substr(chainDataText(data).rfind('\n', chainDataText(data).size() - 2) + 1),
            "60 +60.0001 -60\n");
}

TEST(ChainFileReader, LetsFLieOnBWhenDIsKnownForFIsThenNotAsked) {
  EXPECT_NO_THROW(parseChainData("Xb 5\nYb 7\nXf 5\nYf 7\nXd 1\nYd 1\n60 60 60\n"));
}

TEST(ChainFileReader, KeepsTheReservedQualityControlLines) {
  const ChainData loaded = parseChainData("grade 二等  # later\nm_beta 1.0\n60 60 60\n");
  EXPECT_EQ(loaded.setting("grade"), "二等");
  EXPECT_EQ(loaded.setting("m_beta"), "1.0");
  EXPECT_EQ(loaded.setting("method"), std::nullopt);
  ChainData record;
  keepReservedLines(record, loaded);
  EXPECT_EQ(record.settings, loaded.settings);
}

// The project's lines and the limit of the weakest side: read, given to the report, written back
// in the order of the keywords; the dialog's edit replaces them, an empty item removes its line.
TEST(ChainFileReader, KeepsTheProjectAndTheLimitOfTheWeakestSide) {
  const ChainData loaded = parseChainData(
      "observer 张三\nproject \"某 工程\"\nweakest_side 1/70000\ncomputed_on 2026-12-01\n60 60 60\n");
  const ProjectInfo project = projectInfoOf(loaded);
  EXPECT_EQ(project.project, "某 工程");
  EXPECT_EQ(project.observer, "张三");
  EXPECT_EQ(project.computedOn, "2026-12-01");
  EXPECT_EQ(project.checker, "");
  EXPECT_EQ(qualityLayerOf(loaded).weakestSide, 70000.0);
  const std::string text = chainDataText(loaded);
  EXPECT_NE(text.find("weakest_side 1/70000\nproject 某 工程\nobserver 张三\ncomputed_on 2026-12-01\n"),
            std::string::npos) << text;
  EXPECT_EQ(parseChainData(text), loaded);

  ChainData edited = loaded;
  ProjectInfo changed = project;
  changed.observer.clear();
  changed.checker = "李四";
  setProjectLines(edited, changed);
  EXPECT_EQ(edited.setting("observer"), std::nullopt);
  EXPECT_EQ(edited.setting("checker"), "李四");
  EXPECT_EQ(projectInfoOf(edited), changed);
}

// The method line, by its keyword or its Chinese name: read into the settings of the run and
// written back as typed.
TEST(ChainFileReader, TakesTheMethodLine) {
  const ChainData classical = parseChainData("method classical\ngrade 二等\n60 60 60\n");
  EXPECT_EQ(qualityLayerOf(classical).method, AdjustmentMethod::Classical);
  EXPECT_EQ(qualityLayerOf(parseChainData("method 严密平差\n60 60 60\n")).method,
            AdjustmentMethod::Rigorous);
  EXPECT_EQ(qualityLayerOf(parseChainData("60 60 60\n")).method, std::nullopt);
  // The file's grade and its method line: the line is over the grade of the same file.
  EXPECT_EQ(overlaid(QualitySettings{}, qualityLayerOf(classical)).method, AdjustmentMethod::Classical);
  const std::string text = chainDataText(classical);
  EXPECT_NE(text.find("\nmethod classical\n"), std::string::npos) << text;
  EXPECT_EQ(parseChainData(text), classical);
}

struct RefusedSetting {
  const char* line;
  const char* message;
};

const RefusedSetting kRefusedSettings[] = {
    {"weakest_side 0", "数据文件第 1 行：weakest_side 是最弱边相对中误差的限差 1/T，应当写 T 或 1/T（T 是 1 到 10000000 的数，例如 40000），这里是 “0”。"},
    {"weakest_side 1/x", "数据文件第 1 行：weakest_side 是最弱边相对中误差的限差 1/T，应当写 T 或 1/T（T 是 1 到 10000000 的数，例如 40000），这里是 “1/x”。"},
    {"observer", "数据文件第 1 行：项目信息的一行在名称后面要写上它的内容（例如 observer 张三）。"},
    {"method approximate", "数据文件第 1 行：method 是平差方法，应当是 rigorous（严密平差）或 classical（条件分组平差），这里是 “approximate”。"},
};

TEST(ChainFileReader, RefusesASettingItCannotTake) {
  for (const RefusedSetting& c : kRefusedSettings) {
    try {
      parseChainData(std::string(c.line) + "\n60 60 60\n");
      ADD_FAILURE() << c.line;
    } catch (const ChainError& error) {
      EXPECT_STREQ(error.what(), c.message);
    }
  }
}

// How many names a run asks, counted from its prompts, for the known points C and D present,
// absent, or with one coordinate 0.
struct NamesCase {
  const char* xc; const char* yc; const char* xd; const char* yd;
  int triangles;
  int asked;
};

const NamesCase kNameCases[] = {
    {"0", "0", "0", "0", 1, 3},       {"0", "0", "0", "0", 4, 6},
    {"2700", "600", "0", "0", 1, 2},  {"2700", "600", "0", "0", 3, 4},
    {"2700", "600", "2600", "3300", 1, 2}, {"2700", "600", "2600", "3300", 2, 2},
    {"2700", "600", "2600", "3300", 4, 4}, {"0", "0", "2600", "3300", 3, 0},
    {"2700", "0", "0", "0", 3, 0},    {"0", "0", "2600", "0", 3, 0},
};

class NamesAsked : public ::testing::TestWithParam<NamesCase> {};

TEST_P(NamesAsked, AreCountedAsTheRunAsksThem) {
  const NamesCase& c = GetParam();
  ChainData data;
  data.values = {{InputItem::Xa, "3000"}, {InputItem::Ya, "1000"}, {InputItem::Xb, "3000"},
                 {InputItem::Yb, "3000"}, {InputItem::Xc, c.xc},   {InputItem::Yc, c.yc},
                 {InputItem::Xd, c.xd},   {InputItem::Yd, c.yd}};
  data.triangles.assign(static_cast<std::size_t>(c.triangles), {"60", "60", "60"});
  EXPECT_EQ(pointNamesAsked(data), c.asked);

  ScriptedPlatform platform;
  ChainDataAnswers answers(data, ListingAnswers::Answered);
  platform.answerFrom(&answers);
  RunDriver(platform).runOnce();
  int namePrompts = 0;
  for (const std::string& prompt : platform.prompts()) {
    namePrompts += prompt.find("点名") != std::string::npos;
  }
  EXPECT_EQ(namePrompts, c.asked);
}

INSTANTIATE_TEST_SUITE_P(KnownPoints, NamesAsked, ::testing::ValuesIn(kNameCases));

TEST(ChainDataAnswers, AnswerAsTypingWouldAndNeverLoop) {
  ChainData data;
  data.values = {{InputItem::Xa, "5"}};
  data.names = {"A"};
  data.triangles = {{"60", "61", "-59"}};
  ChainDataAnswers answers(data, ListingAnswers::LeftToUser);
  const auto answer = [&](InputItem item, int triangle = 0) {
    return answers.answer(PromptKey::value(item, triangle));
  };

  EXPECT_EQ(answers.answer(PromptKey::triangleCount()), "1");
  EXPECT_EQ(answers.answer(PromptKey::triangleCount()), std::nullopt);  // only after a refusal
  EXPECT_EQ(answer(InputItem::Xa), "5");
  EXPECT_EQ(answer(InputItem::Xa), std::nullopt);  // asked again only after a refusal
  EXPECT_EQ(answer(InputItem::Sa), "");            // not in the file: Enter
  EXPECT_EQ(answers.answer(PromptKey::confirmation(InputItem::Sa)), "");
  EXPECT_EQ(answers.answer(PromptKey::reentry(InputItem::Sa)), std::nullopt);
  EXPECT_EQ(answers.answer(PromptKey::pointName(0)), "A");
  EXPECT_EQ(answers.answer(PromptKey::pointName(1)), "");  // names not in the file are empty
  EXPECT_EQ(answer(InputItem::C, 1), "-59");
  EXPECT_EQ(answer(InputItem::C, 1), std::nullopt);  // asked again only after a refusal
  EXPECT_EQ(answer(InputItem::B, 2), std::nullopt);  // no second triangle
  EXPECT_EQ(answers.answer(PromptKey::listing(1)), std::nullopt);  // the user reads each point
  EXPECT_EQ(ChainDataAnswers(data, ListingAnswers::Answered).answer(PromptKey::listing(1)), "");
}

// The words a prompt with this key shows; a confirmation may be the first or the second, and a
// point name one of the name prompts.
bool keyFitsPrompt(const PromptKey& key, const std::string& prompt) {
  const PromptTexts& texts = promptTexts(key.item);
  switch (key.kind) {
    case PromptKind::TriangleCount: return prompt == kTriangleCountPrompt;
    case PromptKind::Value: return prompt == texts.enter;
    case PromptKind::Confirmation: return prompt == texts.confirm || prompt == texts.confirmAgain;
    case PromptKind::Reentry: return prompt == texts.reenter;
    case PromptKind::PointName: return prompt.find("点名") != std::string::npos;
    case PromptKind::Listing: return prompt == kListingPrompt;
  }
  return false;
}

TEST(PromptKeys, NameWhatEveryPromptOfEveryKindOfChainAsks) {
  for (KnownKind kind : kAllKnownKinds) {
    SCOPED_TRACE(nameOf(kind));
    const SurveyedChain surveyed = surveyChain(zigZagChain(4), kind, 0.0, 0.0);
    ScriptedPlatform platform;
    ScriptedPlatform::Responder typed = respondWith(answersFor(surveyed, surveyed.truth.angles));
    bool wrongOnce = false;  // the first confirmation says "wrong": the value is asked again
    platform.setResponder([&](const std::string& prompt) -> std::optional<std::string> {
      if (!wrongOnce && prompt == promptTexts(InputItem::Xa).confirm) {
        wrongOnce = true;
        return "0";
      }
      if (prompt == promptTexts(InputItem::Xa).reenter) return typed(promptTexts(InputItem::Xa).enter);
      return typed(prompt);
    });
    ASSERT_EQ(RunDriver(platform).runOnce(), RunOutcome::Adjusted);
    const std::vector<std::string> prompts = platform.prompts();
    ASSERT_EQ(prompts.size(), platform.keys().size());
    std::array<int, 3> triangle{};
    int nextName = 0;
    for (std::size_t k = 0; k < prompts.size(); ++k) {
      const PromptKey& key = platform.keys()[k];
      EXPECT_TRUE(keyFitsPrompt(key, prompts[k])) << keyName(key) << ": " << prompts[k];
      if (key.kind == PromptKind::PointName) {
        EXPECT_EQ(key.index, nextName++);
      }
      if (key.kind == PromptKind::Value && isTriangleAngle(key.item)) {
        const auto column = static_cast<std::size_t>(key.item) - static_cast<std::size_t>(InputItem::A);
        EXPECT_EQ(key.index, ++triangle[column]) << keyName(key);
      }
    }
    EXPECT_EQ(triangle, (std::array<int, 3>{4, 4, 4}));
    EXPECT_EQ(keyName(platform.keys()[3]), "重输 Xa");  // after n, Xa and its confirmation
  }
}

TEST(ChainDataAnswers, AValueTheRunDoesNotAskIsIgnored) {
  // C and D are known: Xe .. Yf, Sa, Sb, the flags, azimuths and orientation angles are not asked.
  const SurveyedChain surveyed = surveyChain(zigZagChain(3), KnownKind::BetweenCAndD, 0.0, 0.0);
  ScriptedPlatform typist;
  typist.setResponder(respondWith(answersFor(surveyed, surveyed.truth.angles)));
  RunDriver typed(typist);
  typed.runOnce();
  const std::string chain = chainDataText(typed.lastRunData().value());  // what the run asked
  const std::string extra = "Xe 1\nYe 1\nXf 2\nYf 2\nSa 9\nSb 9\nTag N\nTa 1\nTbG n\nTb 1\nQa 1\nQb 1\n";
  std::vector<std::string> events[2];
  for (int k = 0; k < 2; ++k) {
    ScriptedPlatform platform;
    ChainDataAnswers answers(parseChainData(k == 0 ? chain : extra + chain),
                             ListingAnswers::Answered);
    platform.answerFrom(&answers);
    RunDriver driver(platform);
    EXPECT_EQ(driver.runOnce(), RunOutcome::Adjusted) << ::testing::PrintToString(platform.messages());
    events[k] = platform.events();
  }
  EXPECT_EQ(events[0], events[1]);
}

}  // namespace
}  // namespace chainadj::testing
