// chainadj-console with a chain data file: malformed files are refused with one message line and
// nothing else written, and the command line is understood or refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "console_run.h"

namespace chainadj {
namespace {

namespace fs = std::filesystem;

Outcome runDataFile(const std::string& text) {
  const TemporaryFile file(text);
  ConsoleOptions options;
  options.dataFile = file.path();
  return runProgram(options);
}

std::string triangles(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += "60 60 60\n";
  return text;
}

struct MalformedFile {
  const char* what;
  std::string text;
  std::string message;
};

const MalformedFile kMalformed[] = {
    {"UnknownName", "Xa 1\n\nXz 5\n60 60 60\n",
     "数据文件第 3 行：不认识 “Xz”。一行应当是一个已知值（例如 Xa 31250.000，名称是 Xa Ya Xb Yb Xc "
     "Yc Xd Yd Xe Ye Xf Yf Sa Sb Tag Ta TbG Tb Qa Qb）、一个点名（point 点名）或者一个三角形的三个角 "
     "A B C。"},
    {"NameInTheWrongCase", "xa 1\n60 60 60\n",
     "数据文件第 1 行：不认识 “xa”。一行应当是一个已知值（例如 Xa 31250.000，名称是 Xa Ya Xb Yb Xc "
     "Yc Xd Yd Xe Ye Xf Yf Sa Sb Tag Ta TbG Tb Qa Qb）、一个点名（point 点名）或者一个三角形的三个角 "
     "A B C。"},
    {"CoordinateNotANumber", "# A\nXa 12a\n60 60 60\n", "数据文件第 2 行：Xa 的 “12a” 不是一个数。"},
    {"DecimalComma", "Sa 1,5\n60 60 60\n", "数据文件第 1 行：Sa 的 “1,5” 不是一个数。"},
    {"SixtyMinutes", "Ta 45.6000\n60 60 60\n",
     "数据文件第 1 行：Ta 的 “45.6000” 分或秒不小于 60（角度按 度.分分秒秒 书写）。"},
    {"SixtySecondsInATriangle", "60 60 60\n60.0060 60 60\n",
     "数据文件第 2 行：第 2 个三角形的求距角 A 的 “60.0060” 分或秒不小于 60（角度按 度.分分秒秒 "
     "书写）。"},
    {"TriangleAngleNotANumber", "60 6O 60\n", "数据文件第 1 行：第 1 个三角形的前进角 B 的 “6O” 不是一个数。"},
    {"TwoAngles", "60 60\n", "数据文件第 1 行：一个三角形的一行必须正好有三个角 A B C，这一行有 2 个。"},
    {"FourAngles", "60 60 60 60 # four\n",
     "数据文件第 1 行：一个三角形的一行必须正好有三个角 A B C，这一行有 4 个。"},
    {"NoTriangles", "# only known data\nXa 1\nYa 1\n",
     "数据文件（共 3 行）里没有三角形：每个三角形写一行，依次是它的三个角 A B C。"},
    {"EmptyFile", "", "数据文件（共 0 行）里没有三角形：每个三角形写一行，依次是它的三个角 A B C。"},
    {"MoreThanAHundredThousandTriangles", "Xa 1\n" + triangles(100001),
     "数据文件第 100002 行：三角形超过 100000 个。"},
    {"ValueGivenTwice", "Xa 1\nYa 2\nXa 1\n60 60 60\n", "数据文件第 3 行：Xa 已经在第 1 行给出，不能重复。"},
    {"TooManyNamesWithoutCAndD", "point A\npoint P1\npoint B\npoint X\n60 60 60\n",
     "数据文件第 4 行：点名太多：按已知点 C、D 的有无和三角形的个数，这个数据只问 3 个点名。"},
    {"TooManyNamesWithC", "Xc 10\nYc 10\npoint C\npoint P2\npoint B\npoint X\n" + triangles(2),
     "数据文件第 6 行：点名太多：按已知点 C、D 的有无和三角形的个数，这个数据只问 3 个点名。"},
    {"NamesWhenNoneAreAsked", "Xd 10\nYd 10\npoint D\n60 60 60\n",
     "数据文件第 3 行：点名太多：有已知点 D 而没有已知点 C，或者某个已知点只有一个座标是零，这样的数据"
     "不问点名。"},
    {"NegativeSide", "Sb -5\n60 60 60\n", "数据文件第 1 行：Sb 是边长，不能是负数。"},
    {"DistanceAngleZero", "0 90 90\n", "数据文件第 1 行：第 1 个三角形的求距角 A 必须大于 0 度并且小于 180 度。"},
    {"ForwardAngleHalfCircle", "1 180 -1\n",
     "数据文件第 1 行：第 1 个三角形的前进角 B 必须大于 0 度并且小于 180 度。"},
    {"IntervalAngleHalfCircle", "60 60 -180\n", "数据文件第 1 行：第 1 个三角形的间隔角 C 的绝对值必须小于 180 度。"},
    {"ClosureTooLarge", "60 60 60\n1 178 178\n",
     "数据文件第 2 行：第 2 个三角形的闭合差太大，改正后的角度超出了 0 度到 180 度。"},
    {"COnA", "Xa 100\nYa 200\nXc 100\nYc 200\n60 60 60\n",
     "数据文件第 4 行：已知点 C 与起算点 A 的座标相同，不能推算起始边长和方位角。"},
    {"DOnB", "Yd 7\nXb 5\nYb 7\nXd 5\n60 60 60\n",
     "数据文件第 4 行：已知点 D 与闭合点 B 的座标相同，不能推算闭合边长和方位角。"},
    {"FOnB", "Xb 5\nYb 7\nXf 5\nYf 7\n60 60 60\n",
     "数据文件第 4 行：定向点 F 与闭合点 B 的座标相同，不能推算闭合方位角。"},
    {"NotUtf8", "point \xB9\xFD\n60 60 60\n",
     "数据文件第 1 行：这一行不是 UTF-8 编码的文字（文件可能是 GBK 编码，请把它另存为 UTF-8）。"},
    {"UnpairedQuote", "Tag \"y\n60 60 60\n", "数据文件第 1 行：引号没有配对。"},
    {"TextAfterQuote", "Tag \"y\" n\n60 60 60\n", "数据文件第 1 行：引号后面只能是注释。"},
    {"MeanErrorNotPositive", "m_beta 0\n60 60 60\n",
     "数据文件第 1 行：m_beta 是测角中误差（秒），必须是一个大于 0 的数，这里是 “0”。"},
    {"MeanErrorTooLarge", "m_beta 601\n60 60 60\n",
     "数据文件第 1 行：m_beta 是测角中误差（秒），不能大于 600 秒，这里是 “601”。"},
    {"GradeTwice", "grade 二等\n60 60 60\ngrade 三等\n", "数据文件第 3 行：grade 已经在第 1 行给出，不能重复。"},
    {"UnknownGrade", "60 60 60\ngrade 五等\n",
     "数据文件第 2 行：grade 是平差的等级，应当是 二等、三等、四等、一级、二级 之一，这里是 “五等”。"},
};

class MalformedFiles : public ::testing::TestWithParam<MalformedFile> {};

TEST_P(MalformedFiles, AreRefusedWithOneMessageBeforeAnythingIsWritten) {
  const Outcome outcome = runDataFile(GetParam().text);
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.output, "! " + GetParam().message + "\n");
}

INSTANTIATE_TEST_SUITE_P(Table, MalformedFiles, ::testing::ValuesIn(kMalformed),
                         [](const auto& info) { return std::string(info.param.what); });

TEST(ConsoleDataFile, AMissingFileIsRefused) {
  ConsoleOptions options;
  options.dataFile = "/nonexistent/chain.chain";
  const Outcome outcome = runProgram(options);
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.output, "! 不能打开数据文件 “/nonexistent/chain.chain”。\n");
}

TEST(ConsoleDataFile, ARunThatNoRowAdjustsEndsWithStatusOne) {
  // C known, D and F absent, closing azimuth typed: no row holds.
  const Outcome outcome =
      runDataFile("Xa 3000\nYa 1000\nXb 3000\nYb 3000\nXc 2700\nYc 600\nTbG y\n60 60 60\n");
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.output.substr(outcome.output.rfind("\n!") + 1),
            "! 已知数据不符合十种平差图形中的任何一种，本锁没有平差。\n");
}

TEST(ConsoleDataFile, TheDataOfATypedSessionIsSavedOnlyWhenItsLastRunWasComplete) {
  const TemporaryFile saved;
  fs::remove(saved.path());
  ConsoleOptions options;
  options.saveDataFile = saved.path();
  // The second run is abandoned at its triangle count: there is nothing to save.
  const Outcome outcome = runProgram(options, "1\n\n");
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.output, "? 请输入三角形的个数\n! 最后一次计算的数据没有输入完整，数据文件 “" +
                                saved.path() + "” 没有写。\n");
  EXPECT_FALSE(fs::exists(saved.path()));
}

TEST(ConsoleDataFile, ADataFileThatCannotBeWrittenIsReported) {
  ConsoleOptions options;
  options.dataFile = CHAINADJ_EXAMPLE_CHAIN;
  options.saveDataFile = "/nonexistent/saved.chain";
  const Outcome outcome = runProgram(options);
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.output.substr(outcome.output.rfind("\n!") + 1),
            "! 不能写入数据文件 “/nonexistent/saved.chain”。\n");
}

// The example chain lies some 450 km west of a central meridian of 114°: reduced onto that plane,
// its angles and so its listed coordinates change; the run's lines stay the same lines.
TEST(ConsoleDataFile, ACentralMeridianLineReducesTheChainOntoItsPlane) {
  const std::string example = contents(CHAINADJ_EXAMPLE_CHAIN);
  const TemporaryFile onPlane("central_meridian 114\n" + example);
  ConsoleOptions options;
  options.dataFile = onPlane.path();
  const Outcome reduced = runProgram(options);
  options.dataFile = CHAINADJ_EXAMPLE_CHAIN;
  const Outcome plain = runProgram(options);
  EXPECT_EQ(reduced.status, 0);
  EXPECT_NE(reduced.output, plain.output);
  const auto lines = [](const std::string& text) { return std::count(text.begin(), text.end(), '\n'); };
  EXPECT_EQ(lines(reduced.output), lines(plain.output));

  std::string inZone38 = example;
  inZone38.replace(inZone38.find("Ya 48760.000"), 12, "Ya 38048760.000");
  const TemporaryFile wrongZone("zone 39\n" + inZone38);
  options.dataFile = wrongZone.path();
  const Outcome refused = runProgram(options);
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.output.substr(refused.output.rfind("\n!") + 1),
            "! 起算点 A 的横坐标 Ya 前面的带号是 38，与投影带 39 不符，本次计算停止。\n");

  // The option over the file's line, and for a typed session alone.
  const TemporaryFile elsewhere("central_meridian 120\n" + example);
  const ParsedCommandLine parsed =
      parseCommandLine({"--central-meridian", "114", "--data", elsewhere.path()});
  ASSERT_TRUE(parsed.options) << parsed.error;
  EXPECT_EQ(runProgram(*parsed.options).output, reduced.output);
  const ParsedCommandLine typed = parseCommandLine({"--central-meridian=114"});
  ASSERT_TRUE(typed.options) << typed.error;
  const std::string answers = contents(CHAINADJ_CONSOLE_GOLDEN_DIR "/example.in");
  EXPECT_NE(runProgram(*typed.options, answers).output, runProgram(ConsoleOptions{}, answers).output);
}

TEST(ConsoleCommandLine, HelpListsEveryOption) {
  ConsoleOptions options;
  options.help = true;
  const Outcome outcome = runProgram(options);
  EXPECT_EQ(outcome.status, 0);
  for (const char* option : {"--data FILE", "--save-data FILE", "--report FILE.txt",
                             "--csv FILE.csv", "--pdf FILE.pdf", "--grade NAME",
                             "--m-beta SECONDS", "--m-alpha SECONDS", "--m-base MM",
                             "--weakest-side T", "--project TEXT", "--chain-name TEXT",
                             "--coordinate-system TEXT", "--instrument TEXT", "--observer TEXT",
                             "--computer TEXT", "--checker TEXT", "--observed-on TEXT",
                             "--computed-on TEXT", "--central-meridian DEG", "--zone N",
                             "--ellipsoid NAME", "--false-easting M", "--projection-height M",
                             "--base-distances plane|measured", "--base-height M",
                             "--method rigorous|classical", "--json FILE.json", "--help"}) {
    EXPECT_NE(outcome.output.find(option), std::string::npos) << option;
  }
}

struct CommandLineCase {
  std::vector<std::string> arguments;
  std::optional<std::string> data, save;
  std::string error;  // empty: understood
};

const CommandLineCase kCommandLines[] = {
    {{}, std::nullopt, std::nullopt, ""},
    {{"--data", "a.chain"}, "a.chain", std::nullopt, ""},
    {{"--data=a b.chain", "--save-data", "c.chain"}, "a b.chain", "c.chain", ""},
    {{"--save-data=c.chain"}, std::nullopt, "c.chain", ""},
    {{"--data"}, std::nullopt, std::nullopt, "--data 后面要跟一个文件名"},
    {{"--data="}, std::nullopt, std::nullopt, "--data 后面要跟一个文件名"},
    {{"--data", "a", "--data", "b"}, std::nullopt, std::nullopt, "--data 只能给一次"},
    {{"--datafile", "a"}, std::nullopt, std::nullopt, "不认识的参数 “--datafile”"},
    {{"a.chain"}, std::nullopt, std::nullopt, "不认识的参数 “a.chain”"},
    {{"--data", "a.chain", "--report", "r.txt", "--csv=c.csv", "--pdf", "p.pdf"}, "a.chain",
     std::nullopt, ""},
    {{"--pdf"}, std::nullopt, std::nullopt, "--pdf 后面要跟一个文件名"},
    {{"--csv", "a.csv", "--csv=b.csv"}, std::nullopt, std::nullopt, "--csv 只能给一次"},
    {{"--reports", "r.txt"}, std::nullopt, std::nullopt, "不认识的参数 “--reports”"},
    {{"--grade", "三等", "--m-beta=2", "--m-alpha", "0", "--m-base", "5"}, std::nullopt,
     std::nullopt, ""},
    {{"--grade"}, std::nullopt, std::nullopt,
     "--grade 后面要跟一个等级：二等、三等、四等、一级、二级 之一"},
    {{"--grade=五等"}, std::nullopt, std::nullopt,
     "--grade 的 “五等” 不对，要一个等级：二等、三等、四等、一级、二级 之一"},
    {{"--m-beta", "0"}, std::nullopt, std::nullopt,
     "--m-beta 的 “0” 不对，要测角中误差：一个大于 0、不大于 600 的数（秒）"},
    {{"--m-beta="}, std::nullopt, std::nullopt,
     "--m-beta 的 “” 不对，要测角中误差：一个大于 0、不大于 600 的数（秒）"},
    {{"--m-alpha", "-1"}, std::nullopt, std::nullopt,
     "--m-alpha 的 “-1” 不对，要起算方位角中误差：一个不小于 0、不大于 600 的数（秒）"},
    {{"--m-base", "x"}, std::nullopt, std::nullopt,
     "--m-base 的 “x” 不对，要起算边长中误差：一个不小于 0、不大于 10000 的数（毫米）"},
    {{"--m-beta", "1", "--m-beta", "2"}, std::nullopt, std::nullopt, "--m-beta 只能给一次"},
    {{"--weakest-side", "1/40000", "--observer=张三", "--checker", "李 四"}, std::nullopt,
     std::nullopt, ""},
    {{"--weakest-side", "0"}, std::nullopt, std::nullopt,
     "--weakest-side 的 “0” 不对，要最弱边相对中误差的限差：T 或 1/T，T 是 1 到 10000000 的数"},
    {{"--weakest-side=1/"}, std::nullopt, std::nullopt,
     "--weakest-side 的 “1/” 不对，要最弱边相对中误差的限差：T 或 1/T，T 是 1 到 10000000 的数"},
    {{"--project"}, std::nullopt, std::nullopt, "--project 后面要跟项目名称"},
    {{"--observer="}, std::nullopt, std::nullopt, "--observer 后面要跟观测者"},
    {{"--computer", "a", "--computer", "b"}, std::nullopt, std::nullopt, "--computer 只能给一次"},
    {{"--zone", "39", "--ellipsoid=1980西安", "--base-distances", "measured", "--base-height", "12.5",
      "--projection-height", "0", "--false-easting", "500000"},
     std::nullopt, std::nullopt, ""},
    {{"--zone=12"}, std::nullopt, std::nullopt, "--zone 的 “12” 不对，要投影带的带号（13 到 45）"},
    {{"--central-meridian", "117.6000"}, std::nullopt, std::nullopt,
     "--central-meridian 的 “117.6000” 不对，要中央子午线的经度（度.分分秒秒）"},
    {{"--base-distances"}, std::nullopt, std::nullopt, "--base-distances 后面要跟起算边长的类别：plane 或 measured"},
    {{"--method", "classical", "--json=r.json"}, std::nullopt, std::nullopt, ""},
    {{"--method=严密平差"}, std::nullopt, std::nullopt, ""},
    {{"--method", "least-squares"}, std::nullopt, std::nullopt,
     "--method 的 “least-squares” 不对，要平差方法：rigorous（严密平差）或 classical（条件分组平差）"},
    {{"--method"}, std::nullopt, std::nullopt,
     "--method 后面要跟平差方法：rigorous（严密平差）或 classical（条件分组平差）"},
    {{"--json"}, std::nullopt, std::nullopt, "--json 后面要跟一个文件名"},
    {{"--json", "a.json", "--json", "b.json"}, std::nullopt, std::nullopt, "--json 只能给一次"},
    // The exports and what changes them, each only with the file it changes.
    {{"--dxf=d.dxf", "--cass", "c.dat", "--encoding", "utf-8", "--xlsx", "x.xlsx", "--csv", "a.csv",
      "--csv-bom"}, std::nullopt, std::nullopt, ""},
    {{"--dxf"}, std::nullopt, std::nullopt, "--dxf 后面要跟一个文件名"},
    {{"--xlsx="}, std::nullopt, std::nullopt, "--xlsx 后面要跟一个文件名"},
    {{"--csv-bom"}, std::nullopt, std::nullopt,
     "--csv-bom 给 --csv 写的 CSV 文件加上字节顺序标记，要和 --csv 同用"},
    {{"--csv-bom=yes", "--csv", "a.csv"}, std::nullopt, std::nullopt, "--csv-bom 后面不跟值"},
    {{"--csv-bom", "--csv", "a.csv", "--csv-bom"}, std::nullopt, std::nullopt,
     "--csv-bom 只能给一次"},
    {{"--encoding", "gbk", "--dxf", "d.dxf"}, std::nullopt, std::nullopt,
     "--encoding 是 --cass 写的 CASS 坐标文件的编码，要和 --cass 同用"},
    {{"--cass", "c.dat", "--encoding=big5"}, std::nullopt, std::nullopt,
     "--encoding 的 “big5” 不对，要CASS 坐标文件的编码：gbk 或 utf-8"},
    {{"--cass", "c.dat", "--encoding"}, std::nullopt, std::nullopt,
     "--encoding 后面要跟CASS 坐标文件的编码：gbk 或 utf-8"},
};

class CommandLines : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLines, AreUnderstoodOrRefusedWithAReason) {
  const ParsedCommandLine parsed = parseCommandLine(GetParam().arguments);
  EXPECT_EQ(parsed.error, GetParam().error);
  if (GetParam().error.empty()) {
    ASSERT_TRUE(parsed.options.has_value());
    EXPECT_EQ(parsed.options->dataFile, GetParam().data);
    EXPECT_EQ(parsed.options->saveDataFile, GetParam().save);
  } else {
    EXPECT_FALSE(parsed.options.has_value());
  }
}

INSTANTIATE_TEST_SUITE_P(Table, CommandLines, ::testing::ValuesIn(kCommandLines));

TEST(ConsoleCommandLine, KeepsTheProjectAndTheLimitOfTheWeakestSide) {
  const ParsedCommandLine parsed =
      parseCommandLine({"--project=某铁路控制网", "--checker", "李四", "--weakest-side", "50000"});
  ASSERT_TRUE(parsed.options) << parsed.error;
  const ProjectInfo project = overlaid(ProjectInfo{}, parsed.options->project);
  EXPECT_EQ(project.project, "某铁路控制网");
  EXPECT_EQ(project.checker, "李四");
  EXPECT_EQ(project.observer, "");
  EXPECT_EQ(parsed.options->quality.weakestSide, 50000.0);
}

struct EncodingCase {
  const char* name;
  TextEncoding encoding;
};

// The encoding in any case; GBK without the option, and no byte-order mark without --csv-bom.
TEST(ConsoleCommandLine, KeepsTheEncodingAndTheByteOrderMark) {
  for (const EncodingCase& c : {EncodingCase{"GBK", TextEncoding::Gbk},
                                EncodingCase{"utf-8", TextEncoding::Utf8},
                                EncodingCase{"UTF8", TextEncoding::Utf8}}) {
    const ParsedCommandLine parsed = parseCommandLine({"--cass", "c.dat", "--encoding", c.name});
    ASSERT_TRUE(parsed.options) << parsed.error;
    EXPECT_EQ(parsed.options->cassEncoding, c.encoding) << c.name;
    EXPECT_FALSE(parsed.options->csvByteOrderMark);
    EXPECT_TRUE(parsed.options->wantsResults());
  }
  const ParsedCommandLine plain = parseCommandLine({"--xlsx", "x.xlsx", "--csv", "a.csv", "--csv-bom"});
  ASSERT_TRUE(plain.options) << plain.error;
  EXPECT_EQ(plain.options->cassEncoding, TextEncoding::Gbk);
  EXPECT_TRUE(plain.options->csvByteOrderMark);
  EXPECT_EQ(plain.options->xlsxFile, "x.xlsx");
}

}  // namespace
}  // namespace chainadj
