#include "console/console_program.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <sstream>

#include "console/console_platform.h"
#include "entry/chain_data_answers.h"
#include "entry/chain_file_reader.h"
#include "entry/chain_file_writer.h"
#include "entry/run_driver.h"
#include "state/chain_error.h"

namespace chainadj {
namespace {

// Writes the data of the driver's last run (with the reserved lines of the file it came from,
// if any) to `path`; returns the exit status of the saving.
int saveLastRun(const RunDriver& driver, ConsolePlatform& console, const std::string& path,
                const ChainData* loaded) {
  if (!driver.lastRunData()) {
    console.showMessage("最后一次计算的数据没有输入完整，数据文件 “" + path + "” 没有写。");
    return 1;
  }
  ChainData data = *driver.lastRunData();
  if (loaded != nullptr) keepReservedLines(data, *loaded);
  try {
    writeChainFile(path, data);
  } catch (const ChainError& error) {
    console.showMessage(error.what());
    return 1;
  }
  return 0;
}

int runDataFile(const ConsoleOptions& options, std::ostream& out) {
  std::istringstream nothingTyped;
  ConsolePlatform console(nothingTyped, out);
  ChainData data;
  try {
    data = readChainFile(*options.dataFile);
  } catch (const ChainError& error) {
    console.showMessage(error.what());
    return 1;
  }
  ChainDataAnswers answers(data, ListingAnswers::Answered);
  console.answerFrom(&answers);
  RunDriver driver(console);
  const RunOutcome outcome = driver.Command1_Click();
  if (outcome == RunOutcome::ProgramEnding) console.showMessage(kInputEndedMessage);
  int status = outcome == RunOutcome::Adjusted ? 0 : 1;
  if (options.saveDataFile) {
    status = std::max(status, saveLastRun(driver, console, *options.saveDataFile, &data));
  }
  return status;
}

int runTypedSession(const ConsoleOptions& options, std::istream& in, std::ostream& out) {
  ConsolePlatform console(in, out);
  RunDriver driver(console);
  int status = runSession(console, driver);
  if (options.saveDataFile) {
    status = std::max(status, saveLastRun(driver, console, *options.saveDataFile, nullptr));
  }
  return status;
}

}  // namespace

int runConsoleProgram(const ConsoleOptions& options, std::istream& in, std::ostream& out) {
  int status = 0;
  if (options.help) {
    out << consoleHelpText();
  } else if (options.dataFile) {
    status = runDataFile(options, out);
  } else {
    status = runTypedSession(options, in, out);
  }
  out.flush();
  return status;
}

}  // namespace chainadj
