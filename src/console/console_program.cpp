#include "console/console_program.h"

#include <algorithm>
#include <functional>
#include <istream>
#include <ostream>
#include <sstream>
#include <utility>
#include <vector>

#include "console/console_platform.h"
#include "entry/chain_data_answers.h"
#include "entry/chain_file_reader.h"
#include "entry/chain_file_writer.h"
#include "entry/plane_settings.h"
#include "entry/run_driver.h"
#include "report/cass_coordinates.h"
#include "report/chain_dxf.h"
#include "report/coordinate_csv.h"
#include "report/json_export.h"
#include "report/results_workbook.h"
#include "report/run_report.h"
#include "report/text_report.h"
#include "state/chain_error.h"
#include "state/whole_file.h"
#include "ui/report_pdf.h"

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

// Writes the report into the file at the path it is given.
using ResultWriter = std::function<void(const RunReport& report, const std::string& path)>;

// Writes one results file, if it is asked for; returns the exit status of the writing, with a
// message when the file could not be written.
int writeResult(const std::optional<std::string>& path, const ResultWriter& writer,
                const RunReport& report, ConsolePlatform& console) {
  if (!path) return 0;
  try {
    writer(report, *path);
  } catch (const ChainError& error) {
    console.showMessage(error.what());
    return 1;
  }
  return 0;
}

// The results files the options can ask for, in the order they are written.
std::vector<std::pair<const std::optional<std::string>*, ResultWriter>> resultFiles(
    const ConsoleOptions& options) {
  const ByteOrderMark mark =
      options.csvByteOrderMark ? ByteOrderMark::With : ByteOrderMark::Without;
  const TextEncoding encoding = options.cassEncoding;
  return {
      {&options.reportFile, &writeTextReportFile},
      {&options.csvFile,
       [mark](const RunReport& report, const std::string& path) {
         writeCoordinateCsvFile(report, path, mark);
       }},
      {&options.pdfFile, &writeReportPdf},
      {&options.jsonFile, &writeJsonFile},
      {&options.dxfFile, &writeChainDxfFile},
      {&options.cassFile,
       [encoding](const RunReport& report, const std::string& path) {
         writeCassCoordinateFile(report, path, encoding);
       }},
      {&options.xlsxFile, &writeResultsWorkbookFile},
  };
}

// Writes the results files asked for from the report of the last completed run, one after
// another in the order of resultFiles; returns the exit status of the writing. A file that
// cannot be written does not keep the others from being written.
int writeResults(const ConsoleOptions& options, const std::optional<RunReport>& report,
                 ConsolePlatform& console) {
  if (!options.wantsResults()) return 0;
  if (!report) {
    console.showMessage(kNoCompletedRunMessage);
    return 1;
  }
  // What the run wrote comes first where a results file is the same stream (/dev/stdout).
  console.flush();
  int status = 0;
  for (const auto& [path, writer] : resultFiles(options)) {
    status = std::max(status, writeResult(*path, writer, *report, console));
  }
  return status;
}

// Runs the file's chain once; the file's data goes to the answers, which are dropped once the
// run is over, before a report of a long chain is made.
std::optional<RunOutcome> runFile(const std::string& path, const SettingLines& planeLines,
                                  ConsolePlatform& console, RunDriver& driver,
                                  ChainData& reserved) {
  ChainData data;
  try {
    data = readChainFile(path);
    driver.reduceOntoPlane(reductionSettingsOf(data, planeLines));
  } catch (const ChainError& error) {
    console.showMessage(error.what());
    return std::nullopt;
  }
  keepReservedLines(reserved, data);
  ChainDataAnswers answers(std::move(data), ListingAnswers::Answered);
  console.answerFrom(&answers);
  const RunOutcome outcome = driver.runOnce();
  console.answerFrom(nullptr);
  return outcome;
}

int runDataFile(const ConsoleOptions& options, std::ostream& out) {
  std::istringstream nothingTyped;
  ConsolePlatform console(nothingTyped, out);
  RunDriver driver(console);
  // The file's settings lines (grade, m_beta, the project, ...): for the report, kept when saved.
  ChainData reserved;
  const std::optional<RunOutcome> outcome =
      runFile(*options.dataFile, options.planeLines, console, driver, reserved);
  if (!outcome) return 1;
  if (outcome == RunOutcome::ProgramEnding) console.showMessage(kInputEndedMessage);
  int status = outcome == RunOutcome::Adjusted ? 0 : 1;
  if (options.saveDataFile) {
    status = std::max(status, saveLastRun(driver, console, *options.saveDataFile, &reserved));
  }
  // The file's grade and m_beta over the defaults, the options over both.
  const QualitySettings settings = overlaid(overlaid(QualitySettings{}, qualityLayerOf(reserved)),
                                            options.quality);
  const ProjectInfo project = overlaid(projectInfoOf(reserved), options.project);
  std::optional<RunReport> report;
  if (options.wantsResults() && driver.lastRunCompleted()) {
    report = makeRunReport(driver, settings, project);
  }
  return std::max(status, writeResults(options, report, console));
}

int runTypedSession(const ConsoleOptions& options, std::istream& in, std::ostream& out) {
  ConsolePlatform console(in, out);
  RunDriver driver(console);
  driver.reduceOntoPlane(reductionSettingsOf(ChainData{}, options.planeLines));
  // The results are those of the last completed run, even when a later run stopped.
  std::optional<RunReport> lastCompleted;
  const QualitySettings settings = overlaid(QualitySettings{}, options.quality);
  const ProjectInfo project = overlaid(ProjectInfo{}, options.project);
  const auto keepReport = [&](const RunDriver& completed) {
    if (options.wantsResults()) lastCompleted = makeRunReport(completed, settings, project);
  };
  int status = runSession(console, driver, keepReport);
  if (options.saveDataFile) {
    status = std::max(status, saveLastRun(driver, console, *options.saveDataFile, nullptr));
  }
  return std::max(status, writeResults(options, lastCompleted, console));
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
