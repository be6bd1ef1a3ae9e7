// The exports for the surveyor's next programs, as far as they can be checked without a reader:
// GBK against the code table, the CASS coordinate file of chains with known truth, the sheets of
// the workbook against the CSV and the columns that add up, the CSV's byte-order mark, and the
// scale of the drawing. The files themselves are read back by independent readers in
// tests/export.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "adjustment_run.h"
#include "report/cass_coordinates.h"
#include "report/chain_dxf.h"
#include "report/chain_figure.h"
#include "report/coordinate_csv.h"
#include "report/gbk_text.h"
#include "report/report_tables.h"
#include "report/workbook_sheets.h"
#include "state/chain_error.h"
#include "surveyed_chain.h"

namespace chainadj::testing {
namespace {

namespace fs = std::filesystem;

std::string fixed3(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", value);
  return text;
}

std::string inGbk(const std::string& utf8) {
  GbkEncoder gbk;
  std::string out;
  gbk.append(utf8, appendDxfUnicodeEscape, out);
  return out;
}

struct GbkCase {
  const char* what;
  std::string utf8;
  std::string gbk;  // from the GB 2312 / GBK code table, what GBK lacks as AutoCAD's escape
};

const GbkCase kGbkCases[] = {
    {"Ascii", "P1-3#", "P1-3#"},
    {"Chinese", "龙山", "\xC1\xFA\xC9\xBD"},
    {"ChineseAndDigits", "虎岭3",
     "\xBB\xA2\xC1\xEB"
     "3"},
    {"HangulIsEscaped", "P한2", "P\\U+D55C2"},
    {"BeyondTheBasicPlaneAsTwoUnits", "𠀀", "\\U+D840\\U+DC00"},
    {"ABrokenByte",
     "A\xFF"
     "B",
     "A\\U+FFFDB"},
    {"ACutCharacterAtTheEnd", "中\xE6\x96", "\xD6\xD0\\U+FFFD\\U+FFFD"},
    {"Empty", "", ""},
};

class GbkText : public ::testing::TestWithParam<GbkCase> {};

TEST_P(GbkText, IsTheCodeTablesWithEscapesForWhatItLacks) {
  EXPECT_EQ(inGbk(GetParam().utf8), GetParam().gbk);
}

INSTANTIATE_TEST_SUITE_P(Table, GbkText, ::testing::ValuesIn(kGbkCases),
                         [](const auto& info) { return std::string(info.param.what); });

// A name longer than the encoder's buffer goes out whole.
TEST(GbkText, ALongNameGoesOutWhole) {
  std::string utf8, gbk;
  for (int k = 0; k < 1000; ++k) {
    utf8 += "中";
    gbk += "\xD6\xD0";
  }
  EXPECT_EQ(inGbk(utf8 + "한"), gbk + "\\U+D55C");
  EXPECT_EQ(characterInMessage(0xD55C), "“한”（U+D55C）");
}

// An error-free chain: the report's points are the true ones.
struct TrueRun {
  TrueRun(KnownKind kind, int triangles)
      : chain(surveyChain(zigZagChain(triangles), kind, 12.5, -21.25)),
        run(answersFor(chain, chain.truth.angles)) {}

  RunReport report() const { return makeRunReport(run.driver, QualitySettings{}); }
  std::string line(const std::string& name, Point p) const {
    return name + ",," + fixed3(p.y) + "," + fixed3(p.x) + ",\r\n";
  }

  SurveyedChain chain;
  AdjustmentRun run;
};

// Every chain point from A to B (the listed points and A), then E and F: name, no code, Y, X,
// no height, to the millimetre.
TEST(CassCoordinates, ListEveryListedAndKnownPointEastBeforeNorth) {
  for (const KnownKind kind : {KnownKind::FullFromA, KnownKind::ByEAndF}) {
    const TrueRun run(kind, 3);
    ASSERT_EQ(run.run.outcome, RunOutcome::Adjusted);
    const RunReport report = run.report();
    std::string expected;
    for (int j = 0; j <= 4; ++j) {
      expected +=
          run.line(report.pointLabel(j), run.chain.truth.points[static_cast<std::size_t>(j)]);
    }
    if (kind == KnownKind::ByEAndF)
      expected += run.line("E", run.chain.e) + run.line("F", run.chain.f);
    EXPECT_EQ(cassCoordinateText(report, TextEncoding::Utf8), expected) << nameOf(kind);
    EXPECT_EQ(cassCoordinateText(report, TextEncoding::Gbk), expected) << nameOf(kind);
  }
}

class ExportFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("chainadj_export_" + std::to_string(::getpid()));
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  std::string at(const char* name) const { return (folder_ / name).string(); }

 private:
  fs::path folder_;
};

TEST_F(ExportFolder, ACassNameGoesInGbkOrAsTyped) {
  const TrueRun run(KnownKind::FullFromA, 3);
  RunReport report = run.report();
  report.names[0] = "龙山";
  const std::string gbk = cassCoordinateText(report, TextEncoding::Gbk);
  EXPECT_EQ(gbk.substr(0, 6), "\xC1\xFA\xC9\xBD,,");
  EXPECT_EQ(cassCoordinateText(report, TextEncoding::Utf8).substr(0, 8), "龙山,,");
  writeCassCoordinateFile(report, at("points.dat"), TextEncoding::Gbk);
  std::ifstream file(at("points.dat"), std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), gbk);
}

struct RefusedName {
  const char* what;
  std::string name;
  TextEncoding encoding;
  std::string message;
};

const RefusedName kRefusedNames[] = {
    {"OutsideGbk", "P한", TextEncoding::Gbk,
     "点名 “P한” 里的字符 “한”（U+D55C） 不能用 GBK 编码写出，CASS 坐标文件没有写。可以改用 UTF-8 "
     "编码写出，或者改掉这个点名。"},
    {"Comma", "P1,2", TextEncoding::Utf8,
     "点名 “P1,2” 里有逗号或换行：CASS 坐标文件的一行用逗号分开各项，写不下这个点名，坐标文件没有"
     "写。请改掉这个点名。"},
};

class RefusedCassName : public ExportFolder, public ::testing::WithParamInterface<RefusedName> {};

// Nothing is written, not even the lines before the name, and a file already there is kept.
TEST_P(RefusedCassName, WritesNothingAndSaysWhy) {
  const TrueRun run(KnownKind::FullFromA, 3);
  RunReport report = run.report();
  report.names[2] = GetParam().name;
  const std::string path = at("points.dat");
  std::ofstream(path) << "old";
  try {
    writeCassCoordinateFile(report, path, GetParam().encoding);
    ADD_FAILURE() << "written";
  } catch (const ChainError& error) {
    EXPECT_EQ(error.what(), GetParam().message);
  }
  std::ifstream file(path);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), "old");
  EXPECT_FALSE(fs::exists(path + ".part"));
}

INSTANTIATE_TEST_SUITE_P(Table, RefusedCassName, ::testing::ValuesIn(kRefusedNames),
                         [](const auto& info) { return std::string(info.param.what); });

// The cells of a sheet, numbers written as the report prints them ("%.3f" for a number of
// format 0.000).
std::string shown(const SheetCell& cell) {
  if (cell.kind == SheetCell::Kind::Text) return cell.text;
  if (cell.kind == SheetCell::Kind::Empty) return "";
  const std::string format = cell.format;
  const std::size_t point = format.find('.');
  const int decimals = point == std::string::npos ? 0 : static_cast<int>(format.size() - point - 1);
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, cell.number);
  return text;
}

SheetCell cellOf(const WorkbookSheet& sheet, std::size_t row, std::size_t column) {
  SheetCell cell;
  sheet.columns[column].value(row, cell);
  return cell;
}

// 坐标成果 holds the CSV's rows cell for cell, the coordinates and figures as numbers.
TEST(WorkbookSheets, TheCoordinatesAreTheCsvsAsNumbers) {
  const TrueRun run(KnownKind::FullFromA, 5);
  const RunReport report = run.report();
  const std::vector<WorkbookSheet> sheets = resultsWorkbookSheets(report);
  std::vector<std::string> names;
  for (const WorkbookSheet& sheet : sheets) names.push_back(sheet.name);
  EXPECT_EQ(names,
            (std::vector<std::string>{"坐标成果", "边长方位角", "角度", "闭合差", "项目信息"}));
  const WorkbookSheet& points = sheets[0];
  const ReportTable csv = coordinateCsvTable(report);
  ASSERT_EQ(points.rows, csv.rows);
  ASSERT_EQ(points.columns.size(), csv.columns.size());
  for (std::size_t row = 0; row < csv.rows; ++row) {
    for (std::size_t c = 0; c < csv.columns.size(); ++c) {
      const SheetCell cell = cellOf(points, row, c);
      EXPECT_EQ(shown(cell), csv.cellText(row, c)) << row << " " << c;
      if (c > 0 && cell.kind != SheetCell::Kind::Empty) {
        EXPECT_EQ(cell.kind, SheetCell::Kind::Number) << row << " " << c;
      }
    }
  }
  // The coordinates are the true ones to the millimetre.
  EXPECT_EQ(shown(cellOf(points, 0, 1)), fixed3(run.chain.truth.points[1].x));
  EXPECT_EQ(shown(cellOf(points, 0, 2)), fixed3(run.chain.truth.points[1].y));
}

// Every row of 角度: v′ + v″ = v, the adjusted angle is the observed one plus v, and a triangle's
// three v sum to −W of its row in 闭合差.
TEST(WorkbookSheets, TheCorrectionsAddUpAsPrinted) {
  const SurveyedChain chain = surveyChain(mixedChain(7), KnownKind::FullFromA, 12.5, -21.25);
  const AdjustmentRun run(answersFor(chain, withErrors(chain.truth.angles, 3.0)));
  ASSERT_EQ(run.outcome, RunOutcome::Adjusted);
  const RunReport report = makeRunReport(run.driver, QualitySettings{});
  const std::vector<WorkbookSheet> sheets = resultsWorkbookSheets(report);
  const WorkbookSheet& angles = sheets[2];
  const WorkbookSheet& closures = sheets[3];
  ASSERT_EQ(angles.rows, 21u);
  ASSERT_EQ(closures.rows, 1 + report.conditions.size() + 7);
  std::map<int, double> sums;
  for (std::size_t row = 0; row < angles.rows; ++row) {
    const double first = cellOf(angles, row, 5).number, second = cellOf(angles, row, 6).number;
    const double v = cellOf(angles, row, 7).number;
    EXPECT_NEAR(first + second, v, 1e-9) << row;
    const double observed = cellOf(angles, row, 4).number, adjusted = cellOf(angles, row, 9).number;
    EXPECT_NEAR(std::fabs(adjusted) - std::fabs(observed), v / 3600.0, 1e-10) << row;
    sums[static_cast<int>(cellOf(angles, row, 0).number)] += v;
  }
  for (std::size_t row = 1 + report.conditions.size(); row < closures.rows; ++row) {
    const std::string what = cellOf(closures, row, 0).text;  // 三角形 i 闭合差 W
    const int triangle = std::stoi(what.substr(std::string("三角形 ").size()));
    EXPECT_NEAR(sums[triangle], -cellOf(closures, row, 1).number, 1e-9) << what;
    const bool within =
        std::fabs(cellOf(closures, row, 1).number) <= cellOf(closures, row, 2).number;
    EXPECT_EQ(cellOf(closures, row, 4).text, within ? "合格" : "超限") << what;
  }
}

// A side's 1/T is its T shown as 1/T; a method that gives none leaves the cell empty.
TEST(WorkbookSheets, TheRelativeErrorOfASideIsANumberShownAsOneOverT) {
  const TrueRun run(KnownKind::FullFromA, 3);
  RunReport report = run.report();
  ASSERT_EQ(report.sides.size(), 7u);
  report.sides[0].relative = 183519.7;
  report.sides[1].relative.reset();  // a side between known points: no precision
  report.sides[1].azimuthMeanError.reset();
  const WorkbookSheet sides = resultsWorkbookSheets(report)[1];
  const SheetCell given = cellOf(sides, 0, 5);
  EXPECT_EQ(given.kind, SheetCell::Kind::Number);
  EXPECT_EQ(given.number, 183519.0);
  EXPECT_STREQ(given.format, "\"1/\"0");
  EXPECT_EQ(cellOf(sides, 1, 5).kind, SheetCell::Kind::Empty);
  EXPECT_EQ(cellOf(sides, 1, 6).kind, SheetCell::Kind::Empty);
}

TEST(CoordinateCsv, TheByteOrderMarkComesBeforeTheSameText) {
  const TrueRun run(KnownKind::FullFromA, 3);
  std::ostringstream without, with;
  writeCoordinateCsv(run.report(), without);
  writeCoordinateCsv(run.report(), with, ByteOrderMark::With);
  EXPECT_EQ(without.str().rfind("点名,X,Y,", 0), 0u);
  EXPECT_EQ(with.str(), "\xEF\xBB\xBF" + without.str());
}

// The drawing is sized at the scale of the whole chain where it can be read on the frame, else
// at the scale of its sheets.
TEST(ChainDxf, IsSizedAtTheScaleOfTheWholeChainOrOfItsSheets) {
  for (const int triangles : {3, 400}) {
    const TrueRun run(KnownKind::FullFromA, triangles);
    const RunReport report = run.report();
    const DxfScale scale = dxfScale(report);
    const std::vector<ChainSheet> sheets = chainSheets(report, kDxfFrameWidthMm, kDxfFrameHeightMm);
    const FigureExtent extent = figureExtent(report);
    EXPECT_EQ(scale.denominator, sheets.empty()
                                     ? roundScaleDenominator(extent.across(), extent.down(),
                                                             kDxfFrameWidthMm, kDxfFrameHeightMm)
                                     : sheets.front().denominator)
        << triangles;
    EXPECT_EQ(sheets.empty(), triangles == 3);
    EXPECT_EQ(scale.ellipseMagnification, ellipseMagnification(report, scale.denominator));
  }
}

}  // namespace
}  // namespace chainadj::testing
