// What the data editor tells before a run: closures worked out by hand, the selection row of every
// combination of known data checked against the row a real run chooses (and a reason whenever
// none fits), and a chain that cannot run refused exactly when the data file's reader refuses it.
#include <gtest/gtest.h>

#include <set>

#include "entry/chain_data_answers.h"
#include "entry/chain_document.h"
#include "entry/chain_file_reader.h"
#include "entry/chain_file_writer.h"
#include "entry/chain_preview.h"
#include "entry/run_driver.h"
#include "scripted_platform.h"
#include "state/chain_error.h"

namespace chainadj::testing {
namespace {

TEST(RowClosure, IsTheClosureARunDistributes) {
  // 53°52′00.1″ + 62°38′00.9″ + 63°30′00.4″ = 180°00′01.4″.
  const RowClosure closure = rowClosure({"53.52001", "62.38009", "-63.30004"});
  EXPECT_EQ(closure.state, RowClosure::State::Usable);
  EXPECT_NEAR(closure.seconds, 1.4, 1e-6);
  EXPECT_FALSE(closure.overLimit(1.5));
  EXPECT_TRUE(closure.overLimit(1.3));
  EXPECT_NEAR(rowClosure({"60", "60", "60.0018"}).seconds, 18.0, 1e-6);
  EXPECT_EQ(rowClosure({"60", "", "60"}).state, RowClosure::State::Unfinished);
  EXPECT_EQ(rowClosure({"60", "60.6000", "60"}).state, RowClosure::State::Unfinished);  // 60′
  const RowClosure tooLarge = rowClosure({"1", "179", "-179"});
  EXPECT_EQ(tooLarge.state, RowClosure::State::TooLarge);
  EXPECT_TRUE(tooLarge.overLimit(1e9));
  EXPECT_EQ(closureOverLimitText(3, 18.0, 9.0), "第 3 个三角形的闭合差 w(3) = 18.00 秒，超过限差 9.00 秒");
}

void doNothing(ChainState&, Platform&, AdjustmentResult&) {}

// The row a whole run of the data chooses.
std::optional<int> rowOfARun(const ChainData& data) {
  ScriptedPlatform platform;
  ChainDataAnswers answers(data, ListingAnswers::Answered);
  platform.answerFrom(&answers);
  ProcedureTable procedures;
  procedures.fill(&doNothing);
  RunDriver driver(platform, procedures);
  driver.runOnce();
  return driver.lastSelection();
}

// Every known point absent, present or with one coordinate 0, with sides, flags and angles.
TEST(SelectionPreview, ChoosesTheRowARunChoosesOrSaysWhyNone) {
  const struct { InputItem x, y; const char* px; const char* py; } kPoints[] = {
      {InputItem::Xc, InputItem::Yc, "2700", "600"}, {InputItem::Xd, InputItem::Yd, "2600", "3300"},
      {InputItem::Xe, InputItem::Ye, "3500", "500"}, {InputItem::Xf, InputItem::Yf, "4000", "3500"}};
  std::set<int> rows;
  std::set<std::string> reasons;
  for (int points = 0; points < 81; ++points) {
    for (int other = 0; other < 96; ++other) {
      ChainData data;
      data.values = {{InputItem::Xa, "3000"}, {InputItem::Ya, "1000"},
                     {InputItem::Xb, "3000"}, {InputItem::Yb, "3000"}};
      for (int k = 0, code = points; k < 4; ++k, code /= 3) {
        if (code % 3 > 0) data.values[kPoints[k].x] = kPoints[k].px;
        if (code % 3 == 1) data.values[kPoints[k].y] = kPoints[k].py;  // 2: one coordinate 0
      }
      const char* tags[] = {"y", "n", "x"};
      data.values[InputItem::Tag] = tags[other % 3];
      data.values[InputItem::TbG] = tags[other / 3 % 3];
      if (other / 9 % 2) data.values[InputItem::Sa] = "500";
      if (other / 18 % 2) data.values[InputItem::Sb] = "400";
      if (other / 36 % 2) data.values[InputItem::Ta] = "30";
      if (other / 72 % 2) data.values[InputItem::Qa] = "-10";
      data.triangles = {{"60", "60", "60"}};
      const SelectionPreview preview = previewSelection(data);
      ASSERT_EQ(preview.row, rowOfARun(data)) << chainDataText(data);
      EXPECT_FALSE(preview.text.empty());
      if (preview.row) rows.insert(*preview.row);
      if (!preview.row) reasons.insert(preview.text);
    }
  }
  EXPECT_EQ(rows.size(), 10u);
  EXPECT_GE(reasons.size(), 12u);
  EXPECT_EQ(reasons.count(kNoVariantMessage), 0u);
}

TEST(SelectionPreview, NamesTheRowAndWhatItAdjusts) {
  ChainData data;
  data.values = {{InputItem::Xa, "3000"}, {InputItem::Ya, "1000"}, {InputItem::Xb, "3000"},
                 {InputItem::Yb, "3000"}, {InputItem::Tag, "n"}, {InputItem::TbG, "n"}};
  EXPECT_EQ(previewSelection(data).text, "第 5 行（Cm5）：本锁以线形锁近似平差");
  data.values[InputItem::Sb] = "400";
  EXPECT_EQ(previewSelection(data).text,
            "没有起始方位角（Tag 为 n）的無定向线形锁不用边长：Sa、Sb 应为 0");
  const auto asked = [](const SelectionPreview& preview, InputItem item) {
    return preview.asked.test(static_cast<std::size_t>(item));
  };
  EXPECT_TRUE(asked(previewSelection(data), InputItem::Xe));
  EXPECT_FALSE(asked(previewSelection(data), InputItem::Ta));  // Tag is n
  data.values[InputItem::Xc] = "2000";
  data.values[InputItem::Yc] = "1000";
  for (InputItem item : {InputItem::Xe, InputItem::Sa, InputItem::Tag, InputItem::Qa}) {
    EXPECT_FALSE(asked(previewSelection(data), item)) << inputItemName(item);
  }
  EXPECT_TRUE(asked(previewSelection(data), InputItem::Xf));
  data.values[InputItem::Xc] = "3000";
  EXPECT_EQ(previewSelection(data).text,
            "已知点 C 与起算点 A 的座标相同，不能推算起始边长和方位角");
}

// The chains the reader refuses as a whole, and one it takes.
TEST(RunRefusal, RefusesWhatTheReaderRefuses) {
  const std::pair<const char*, const char*> kChains[] = {
      {"Xa 1\n", "还没有三角形：每个三角形一行，依次是它的三个角 A B C"},
      {"# 未完成的三角形：60 ? 60\n", "第 1 个三角形的三个角没有输入完整（前进角 B 是空的）"},
      {"60 60 60\n1 179 -179\n", "第 2 个三角形的闭合差太大，改正后的角度超出了 0 度到 180 度"},
      {"Xa 5\nYa 6\nXc 5\nYc 6\n60 60 60\n",
       "已知点 C 与起算点 A 的座标相同，不能推算起始边长和方位角"},
      {"point a\npoint b\npoint c\npoint d\n60 60 60\n",
       "点名太多：按已知点 C、D 的有无和三角形的个数，这个数据只问 3 个点名"},
      {"Xa 1\nYa 1\npoint a\n60 60 60\n", nullptr},
  };
  for (const auto& [text, refusal] : kChains) {
    const ChainData data = ChainDocument::read(text).data();
    EXPECT_EQ(runRefusal(data), refusal ? std::optional<std::string>(refusal) : std::nullopt) << text;
    if (refusal) {
      EXPECT_THROW(parseChainData(chainDataText(data)), ChainError) << text;
    } else {
      EXPECT_NO_THROW(parseChainData(chainDataText(data))) << text;
    }
  }
}

}  // namespace
}  // namespace chainadj::testing
