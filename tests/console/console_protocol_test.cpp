// The console front end's line protocol, which other tools drive through pipes.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "console/console_platform.h"

namespace chainadj {
namespace {

struct Session {
  int status;
  std::string output;
};

Session runWith(const std::string& input) {
  std::istringstream in(input);
  std::ostringstream out;
  const int status = runConsole(in, out);
  return {status, out.str()};
}

TEST(ConsoleProtocol, EndButtonAndEndOfInputBetweenRunsExitCleanly) {
  EXPECT_EQ(runWith("2\n").status, 0);
  EXPECT_EQ(runWith("2\n").output, "");
  EXPECT_EQ(runWith("").status, 0);
  // Lines other than 1 and 2 between runs are ignored; 2 ends before the later 1.
  const Session session = runWith("hello\n3\n\n2\n1\n");
  EXPECT_EQ(session.status, 0);
  EXPECT_EQ(session.output, "");
}

TEST(ConsoleProtocol, EachWriteIsOneLineInItsOwnFormat) {
  std::istringstream in("  7 \r\n");
  std::ostringstream out;
  ConsolePlatform console(in, out);
  console.setText(13, "  -0.50 秒");
  console.setText(9, "");
  console.setLabel(35, " N(3)");
  console.setLabel12(2, "间隔角 C(1)");
  console.showMessage("数据有误");
  const std::optional<std::string> answer = console.ask("请输入三角形的个数", PromptKey::triangleCount());
  ASSERT_TRUE(answer.has_value());
  EXPECT_EQ(*answer, "  7 ");  // only the line ending and a trailing CR are stripped
  console.flush();  // the input held its line: nothing had to go out before reading it
  EXPECT_EQ(out.str(),
            "Text13:   -0.50 秒\n"
            "Text9: \n"
            "Label35:  N(3)\n"
            "Label12(2): 间隔角 C(1)\n"
            "! 数据有误\n"
            "? 请输入三角形的个数\n");
  EXPECT_FALSE(console.ask("again", PromptKey::triangleCount()).has_value());  // end of input
}

TEST(ConsoleProtocol, EndOfInputWhileAPromptWaitsIsAFailure) {
  const Session session = runWith("1\n3\n");
  EXPECT_EQ(session.status, 1);
  const std::string last = session.output.substr(session.output.rfind("\n", session.output.size() - 2) + 1);
  EXPECT_EQ(last.rfind("! ", 0), 0u) << last;
}

// stop_at_a_prompt in golden/ shows "!stop" ending a run quietly and the next run starting.
TEST(ConsoleProtocol, OnlyTheExactStopLineStops) {
  // With blanks around it, it is an answer like any other: taken as the triangle count and
  // refused.
  const Session session = runWith("1\n !stop\n!stop\n");
  EXPECT_EQ(session.status, 0);
  EXPECT_NE(session.output.find("! 三角形的个数必须是"), std::string::npos);
}

TEST(ConsoleProtocol, CarriageReturnsOfWindowsScriptsAreStripped) {
  // A run typed with CRLF endings behaves like one typed with LF endings.
  const std::string lf = "1\n1\n5\n\n";
  std::string crlf;
  for (char ch : lf) {
    if (ch == '\n') crlf += '\r';
    crlf += ch;
  }
  EXPECT_EQ(runWith(lf).output, runWith(crlf).output);
  EXPECT_NE(runWith(crlf).output.find("Text1:  5.000\n"), std::string::npos);
}

}  // namespace
}  // namespace chainadj
