// The results files of chainadj-console: the text report, the CSV, the PDF and the exports of a
// --data run or of the last completed run of a typed session, and the messages when there is none
// or a file cannot be written.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <nlohmann/json.hpp>
#include <thread>

#include "console_run.h"

namespace chainadj {
namespace {

[[maybe_unused]] std::size_t count(const std::string& text, const std::string& what) {
  std::size_t found = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
    ++found;
  }
  return found;
}

ConsoleOptions exampleRun() {
  ConsoleOptions options;
  options.dataFile = CHAINADJ_EXAMPLE_CHAIN;
  return options;
}

// The precision with the defaults (四等, known data without error): P1 and P5 lie on the
// error-free bases Sa and Sb, so their ellipses are flat.
constexpr const char* kExampleCsv =
    "点名,X,Y,mx,my,mp,E,F,φ\n"
    "P1,31862.435,49903.906,3.74,2.00,4.24,4.24,0.00,151.84\n"
    "P2,30682.920,49938.174,5.96,4.31,7.36,5.98,4.29,5.57\n"
    "P3,31054.941,50863.322,6.72,5.29,8.56,6.99,4.94,157.33\n"
    "P4,32076.390,51013.464,4.14,4.14,5.86,4.79,3.37,135.12\n"
    "P5,32974.761,50199.899,3.85,0.91,3.95,3.95,0.00,166.64\n"
    "虎岭,33246.344,51343.082,,,,,,\n";

// The run writes what it writes without the options; the files hold its results.
TEST(ConsoleResults, ADataRunWritesItsReportCsvAndPdf) {
  const TemporaryFile report("", ".txt"), csv("", ".csv"), pdf("", ".pdf");
  ConsoleOptions options = exampleRun();
  options.reportFile = report.path();
  options.csvFile = csv.path();
  options.pdfFile = pdf.path();
  const Outcome outcome = runProgram(options);
  const std::string run = runProgram(exampleRun()).output;
  EXPECT_EQ(outcome.output.substr(0, run.size()), run);

  EXPECT_EQ(contents(csv.path()), kExampleCsv);
  const std::string text = contents(report.path());
  EXPECT_EQ(text.rfind("三角锁（线形锁）近似平差成果报告\n", 0), 0u);
  EXPECT_NE(text.find("B         虎岭                   33246.344         51343.082"),
            std::string::npos);
  EXPECT_NE(text.find("点位中误差 md                               13.08 毫米"), std::string::npos);
  // Adjusted by coordinates (the method of 四等): the weakest of every side is P2–P3, well within
  // 1/40000; the classical procedure's middle side P3–P4 has about the form's 1/183519.
  EXPECT_NE(text.find("\n平差方法：严密平差（四等按 GB 50026 采用严密平差）；窗体显示的是条件分组平差的结果\n"),
            std::string::npos);
  EXPECT_NE(text.find("\n最弱边 P2–P3：相对中误差 1/174726，不低于 四等限差 1/40000，合格\n"),
            std::string::npos);
  EXPECT_NE(text.find("      7  P3            P4                  1032.425      8°21′43.17″      1/183520"),
            std::string::npos);
  EXPECT_NE(text.find("\n最大点位中误差 mp：P3 点 8.56 毫米\n"), std::string::npos);
  EXPECT_NE(text.find("\n结论：本锁检核合格。\n"), std::string::npos);

  const std::string document = contents(pdf.path());
#ifdef CHAINADJ_HAS_PDF
  EXPECT_EQ(outcome.output, run);
  EXPECT_EQ(outcome.status, 0);
  // A PDF on the offscreen platform: the tables and the drawing take more than one page.
  EXPECT_EQ(document.rfind("%PDF-", 0), 0u);
  EXPECT_NE(document.find("%%EOF", document.size() - 16), std::string::npos);
  EXPECT_GT(document.size(), 10000u);
  EXPECT_GE(count(document, "/Type /Page\n"), 2u);
#else
  EXPECT_EQ(outcome.output.substr(run.size()).rfind("! 这个 chainadj-console 编译时没有 Qt，不能写 PDF", 0), 0u);
  EXPECT_EQ(outcome.status, 1);
  EXPECT_TRUE(document.empty());
#endif
}

// A completed run, then a run stopped at its first prompt: the results are those of the first.
TEST(ConsoleResults, ATypedSessionWritesItsLastCompletedRun) {
  const TemporaryFile csv("", ".csv");
  ConsoleOptions options;
  options.csvFile = csv.path();
  const std::string typed = contents(CHAINADJ_CONSOLE_GOLDEN_DIR "/example.in") + "1\n!stop\n";
  const Outcome outcome = runProgram(options, typed);
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(contents(csv.path()), kExampleCsv);
}

TEST(ConsoleResults, NoCompletedRunWritesNothing) {
  const TemporaryFile report("", ".txt");
  std::filesystem::remove(report.path());
  ConsoleOptions options;
  options.reportFile = report.path();
  const Outcome outcome = runProgram(options, "1\n!stop\n2\n");
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.output.substr(outcome.output.rfind("\n!") + 1),
            "! 还没有一次完成的平差计算，没有成果可以输出。请先计算一条三角锁，计算完成后再输出成果。\n");
  EXPECT_FALSE(std::filesystem::exists(report.path()));
}

// A file that cannot be written is said; the others are written all the same.
TEST(ConsoleResults, AResultsFileThatCannotBeWrittenIsReported) {
  const TemporaryFile csv("", ".csv");
  ConsoleOptions options = exampleRun();
  options.reportFile = "/nonexistent/report.txt";
  options.csvFile = csv.path();
  const Outcome outcome = runProgram(options);
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.output.substr(outcome.output.rfind("\n!") + 1),
            "! 不能写入成果报告 “/nonexistent/report.txt”。\n");
  EXPECT_EQ(contents(csv.path()), kExampleCsv);
}

// Files that would meet are written in turn: the same file named twice, directly or through a
// symbolic link, ends up holding the CSV (written after the report) whole, never the two mixed.
TEST(ConsoleResults, TheSameFileNamedTwiceHoldsTheLastOfThemWhole) {
  const TemporaryFile shared("", ".txt");
  const std::string link = shared.path() + ".link";
  std::filesystem::create_symlink(shared.path(), link);
  for (const std::string& path : {shared.path(), link}) {
    ConsoleOptions options = exampleRun();
    options.reportFile = path;
    options.csvFile = path;
    EXPECT_EQ(runProgram(options).status, 0) << path;
    EXPECT_EQ(contents(shared.path()), kExampleCsv) << path;
  }
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  std::filesystem::remove(link);
}

// A results file asked into a named pipe goes through it and the pipe stays a pipe (a file put in
// its place would have replaced it, and /dev/null with it for root); the drawing and the workbook,
// which their libraries write by name, go by way of a temporary file.
struct PipedFile {
  const char* what;
  std::optional<std::string> ConsoleOptions::*file;
  std::string begins;  // what the file begins with
};

const PipedFile kPipedFiles[] = {
#ifdef CHAINADJ_HAS_PDF
    {"Pdf", &ConsoleOptions::pdfFile, "%PDF-"},
#endif
    {"Csv", &ConsoleOptions::csvFile, "点名,X,Y"},
    {"Dxf", &ConsoleOptions::dxfFile, "999\ndxflib "},  // the writer's comment, then the sections
    {"Cass", &ConsoleOptions::cassFile, "\xC1\xFA\xC9\xBD,,48760.000,31250.000,\r\n"},
    {"Workbook", &ConsoleOptions::xlsxFile, "PK\x03\x04"},  // a zip archive
};

class PipedResults : public ::testing::TestWithParam<PipedFile> {};

TEST_P(PipedResults, GoThroughANamedPipeAndKeepIt) {
  const TemporaryFile pipe("", ".pipe");
  std::filesystem::remove(pipe.path());
  ASSERT_EQ(mkfifo(pipe.path().c_str(), 0600), 0);
  std::string received;
  std::thread reader([&] { received = contents(pipe.path()); });
  ConsoleOptions options = exampleRun();
  options.*(GetParam().file) = pipe.path();
  EXPECT_EQ(runProgram(options).status, 0);
  if (!std::filesystem::is_fifo(std::filesystem::symlink_status(pipe.path()))) {
    reader.detach();  // it waits on the pipe that is gone
    FAIL() << "the named pipe was replaced by a file";
  }
  // A run that did not open the pipe would leave the reader waiting: it is let go.
  if (const int writer = open(pipe.path().c_str(), O_WRONLY | O_NONBLOCK); writer >= 0) {
    close(writer);
  }
  reader.join();
  EXPECT_EQ(received.rfind(GetParam().begins, 0), 0u) << received.substr(0, 40);
}

INSTANTIATE_TEST_SUITE_P(Table, PipedResults, ::testing::ValuesIn(kPipedFiles),
                         [](const auto& info) { return std::string(info.param.what); });

// A CASS file in GBK with a name GBK cannot hold is not written and says why; the other files
// of the run are written all the same.
TEST(ConsoleResults, ACassNameOutsideGbkWritesNoFileAndSaysWhy) {
  const TemporaryFile chain(contents(CHAINADJ_EXAMPLE_CHAIN).replace(
      contents(CHAINADJ_EXAMPLE_CHAIN).find("point P3\n"), 9, "point P3한\n"));
  const TemporaryFile cass("", ".dat"), csv("", ".csv");
  std::filesystem::remove(cass.path());
  ConsoleOptions options;
  options.dataFile = chain.path();
  options.cassFile = cass.path();
  options.csvFile = csv.path();
  const Outcome outcome = runProgram(options);
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.output.substr(outcome.output.rfind("\n!") + 1),
            "! 点名 “P3한” 里的字符 “한”（U+D55C） 不能用 GBK 编码写出，CASS 坐标文件没有写。"
            "可以改用 UTF-8 编码写出，或者改掉这个点名。\n");
  EXPECT_FALSE(std::filesystem::exists(cass.path()));
  EXPECT_NE(contents(csv.path()).find("\nP3한,"), std::string::npos);
  options.cassEncoding = TextEncoding::Utf8;
  EXPECT_EQ(runProgram(options).status, 0);
  EXPECT_NE(contents(cass.path()).find("\r\nP3한,,50863.322,31054.941,\r\n"), std::string::npos);
}

// The settings line of the report for the settings the run is checked with.
std::string settingsLine(const char* grade, const char* mBeta, const char* limit,
                         const char* mAlpha, const char* mBase, const char* weakest) {
  return std::string("质量检核：") + grade + "，测角中误差 mβ " + mBeta + " 秒，三角形闭合差限差 " +
         limit + " 秒，最弱边相对中误差限差 1/" + weakest + "；起算方位角中误差 mα " + mAlpha +
         " 秒，起算边长中误差 " + mBase + " 毫米\n";
}

struct SettingsCase {
  const char* what;
  bool typed;                          // a typed session, else a --data run of the file
  std::string fileLines;               // added to the example chain's file
  std::vector<std::string> arguments;  // the options
  std::string expected;
};

// Options over the data file's lines over the defaults; within each, the grade first and mβ
// after it; a typed session has only the options over the defaults.
const SettingsCase kSettingsCases[] = {
    {"Defaults", false, "", {}, settingsLine("四等", "2.50", "9.00", "0.00", "0.00", "40000")},
    {"FileGrade", false, "grade 三等\n", {},
     settingsLine("三等", "1.80", "7.00", "0.00", "0.00", "70000")},
    {"FileGradeAndMeanError", false, "m_beta 1.2\ngrade 三等\n", {},
     settingsLine("三等", "1.20", "7.00", "0.00", "0.00", "70000")},
    {"OptionGradeOverFileMeanError", false, "m_beta 1.2\n", {"--grade", "二等"},
     settingsLine("二等", "1.00", "3.50", "0.00", "0.00", "120000")},
    {"OptionMeanErrorOverFileGrade", false, "grade 一级\n", {"--m-beta=3"},
     settingsLine("一级", "3.00", "15.00", "0.00", "0.00", "20000")},
    {"OptionsOverFileLines", false, "grade 三等\nm_beta 1.2\n", {"--grade", "二级", "--m-beta", "7.5"},
     settingsLine("二级", "7.50", "30.00", "0.00", "0.00", "10000")},
    {"KnownDataErrors", false, "", {"--m-alpha", "1.5", "--m-base", "5"},
     settingsLine("四等", "2.50", "9.00", "1.50", "5.00", "40000")},
    {"TypedSession", true, "", {"--grade", "一级"},
     settingsLine("一级", "5.00", "15.00", "0.00", "0.00", "20000")},
    // The file's limit of the weakest side over its grade's, the option's over the file's.
    {"FileWeakestSide", false, "grade 三等\nweakest_side 1/50000\n", {},
     settingsLine("三等", "1.80", "7.00", "0.00", "0.00", "50000")},
    {"OptionWeakestSideOverFile", false, "weakest_side 50000\n", {"--weakest-side", "1/200000"},
     settingsLine("四等", "2.50", "9.00", "0.00", "0.00", "200000")},
};

class CheckSettings : public ::testing::TestWithParam<SettingsCase> {};

// The report of the case's run; the run writes what it writes without the options.
std::string reportOf(const SettingsCase& c) {
  const TemporaryFile file(contents(CHAINADJ_EXAMPLE_CHAIN) + c.fileLines);
  const TemporaryFile report("", ".txt");
  std::vector<std::string> arguments = c.arguments;
  arguments.insert(arguments.end(), {"--report", report.path()});
  if (!c.typed) arguments.insert(arguments.end(), {"--data", file.path()});
  const ParsedCommandLine parsed = parseCommandLine(arguments);
  EXPECT_TRUE(parsed.options) << parsed.error;
  if (!parsed.options) return "";
  const std::string typed = c.typed ? contents(CHAINADJ_CONSOLE_GOLDEN_DIR "/example.in") : "";
  const Outcome outcome = runProgram(*parsed.options, typed);
  EXPECT_EQ(outcome.status, 0);

  ConsoleOptions plain;
  if (!c.typed) plain.dataFile = file.path();
  EXPECT_EQ(outcome.output, runProgram(plain, typed).output);
  return contents(report.path());
}

TEST_P(CheckSettings, TakeTheirPrecedenceAndLeaveTheRunAsItIs) {
  const std::string text = reportOf(GetParam());
  EXPECT_NE(text.find("\n" + GetParam().expected), std::string::npos) << text.substr(0, 1200);
}

INSTANTIATE_TEST_SUITE_P(Table, CheckSettings, ::testing::ValuesIn(kSettingsCases),
                         [](const auto& info) { return std::string(info.param.what); });

// The method of the results: by the grade, replaced by the file's line, the option over both;
// a grade of the options brings its own method again. The run's lines stay as they are.
const SettingsCase kMethodCases[] = {
    {"ByTheDefaultGrade", false, "", {}, "平差方法：严密平差（四等按 GB 50026 采用严密平差）；"},
    {"ByTheFilesGrade", false, "grade 二级\n", {}, "平差方法：条件分组平差（二级按 GB 50026 采用条件分组平差）\n"},
    {"FileLine", false, "method classical\n", {}, "平差方法：条件分组平差（按设置）\n"},
    {"FileLineOverItsGrade", false, "grade 二级\nmethod 严密平差\n", {}, "平差方法：严密平差（按设置）；"},
    {"OptionOverFileLine", false, "method classical\n", {"--method", "rigorous"},
     "平差方法：严密平差（按设置）；"},
    {"OptionGradeOverFileLine", false, "method rigorous\n", {"--grade=二级"},
     "平差方法：条件分组平差（二级按 GB 50026 采用条件分组平差）\n"},
    {"TypedSession", true, "", {"--method=classical"}, "平差方法：条件分组平差（按设置）\n"},
};

class MethodSettings : public ::testing::TestWithParam<SettingsCase> {};

TEST_P(MethodSettings, ChooseTheMethodOfTheResults) {
  const std::string text = reportOf(GetParam());
  EXPECT_NE(text.find("\n" + GetParam().expected), std::string::npos) << text.substr(0, 1600);
  const bool rigorous = GetParam().expected.find("严密平差（") != std::string::npos;
  EXPECT_EQ(text.find("\n标准化改正数：") != std::string::npos, rigorous);
}

INSTANTIATE_TEST_SUITE_P(Table, MethodSettings, ::testing::ValuesIn(kMethodCases),
                         [](const auto& info) { return std::string(info.param.what); });

// The X of a CSV row "name,X,Y,...".
std::string xOfRow(const std::string& row) {
  const std::size_t first = row.find(',');
  return row.substr(first + 1, row.find(',', first + 1) - first - 1);
}

// The JSON of the example read back: the method in use, the points at the CSV's coordinates,
// every observation; the classical method's on --method classical.
TEST(ConsoleResults, ADataRunWritesItsJson) {
  for (const std::string method : {"rigorous", "classical"}) {
    const TemporaryFile json("", "." + method + ".json"), csv("", "." + method + ".csv");
    const ParsedCommandLine parsed = parseCommandLine(
        {"--data", CHAINADJ_EXAMPLE_CHAIN, "--json", json.path(), "--csv", csv.path(), "--method", method});
    ASSERT_TRUE(parsed.options) << parsed.error;
    const Outcome outcome = runProgram(*parsed.options);
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.output, runProgram(exampleRun()).output);
    const nlohmann::json result = nlohmann::json::parse(contents(json.path()));
    EXPECT_EQ(result["method"], method);
    EXPECT_EQ(result["procedure"], 1);
    EXPECT_EQ(result["n"], 5);
    // 15 angles and Qa, Qb; the adjustment by coordinates also holds the bases as observations.
    EXPECT_EQ(result["observations"].size(), method == "rigorous" ? 19u : 17u);
    ASSERT_EQ(result["points"].size(), 7u);
    EXPECT_EQ(result["points"][0]["name"], "龙山");
    EXPECT_EQ(result["points"][6]["role"], "known");
    std::istringstream rows(contents(csv.path()));
    std::string row;
    std::getline(rows, row);
    for (std::size_t j = 1; std::getline(rows, row); ++j) {
      char x[32];
      std::snprintf(x, sizeof x, "%.3f", result["points"][j]["x"].get<double>());
      EXPECT_EQ(xOfRow(row), x) << row;
    }
  }
  ConsoleOptions unwritable = exampleRun();
  unwritable.jsonFile = "/nonexistent/result.json";
  const Outcome refused = runProgram(unwritable);
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.output.substr(refused.output.rfind("\n!") + 1),
            "! 不能写入 JSON 文件 “/nonexistent/result.json”。\n");
}

}  // namespace
}  // namespace chainadj
