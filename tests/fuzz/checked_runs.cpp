#include "checked_runs.h"

#include <cmath>
#include <initializer_list>
#include <sstream>

#include "entry/variant_selection.h"
#include "quality/closure_checks.h"
#include "quality/point_precision.h"
#include "report/coordinate_csv.h"
#include "report/run_report.h"
#include "report/text_report.h"
#include "state/form_fields.h"

namespace chainadj::testing {
namespace {

constexpr int kRowBetweenCAndD = 6;

void require(bool holds, const std::string& fault) {
  if (!holds) throw CheckFailed(fault);
}

void requireFinite(std::initializer_list<double> figures, const std::string& what) {
  for (double figure : figures) require(std::isfinite(figure), what + " is not finite");
}

// The quality of an adjusted chain: every figure a report of it would show. A point of a chain
// that runs away beyond some 1e150 m has cofactors beyond the range of a double; the report
// leaves its precision cells empty (checked with the report below).
void checkQuality(const RunDriver& driver) {
  for (const PointPrecision& point : pointPrecisions(driver.chain(), driver.lastResult())) {
    if (!std::isfinite(point.qxx) || !std::isfinite(point.qyy)) continue;
    requireFinite({point.mx, point.my, point.mp, point.E, point.F, point.azimuthOfE},
                  "the precision of point " + std::to_string(point.point));
  }
  const ClosureReport report = checkClosures(driver.chain(), driver.lastResult(), {});
  for (const TriangleCheck& triangle : report.triangles) {
    requireFinite({triangle.check.closure, triangle.check.limit}, "a triangle closure check");
  }
  requireFinite({report.angleMeanError.closure}, "the angle mean error of the closures");
  for (const ConditionCheck& condition : report.conditions) {
    requireFinite({condition.check.closure, condition.check.limit}, "a condition's limit");
  }
}

// The text report and the coordinate CSV of an adjusted run: no number in them is the text of a
// non-finite one. The point names are the only typed text a report shows (a point may be named
// "inf"); they are replaced by plain ones, so that what is left is the program's own writing.
void checkReport(const RunDriver& driver) {
  RunReport report = makeRunReport(driver, QualitySettings{});
  for (std::size_t j = 0; j < report.names.size(); ++j) report.names[j] = "P" + std::to_string(j);
  std::ostringstream written;
  writeTextReport(report, written);
  writeCoordinateCsv(report, written);
  require(!showsNonFiniteNumber(written.str()), "the report shows a number that is not finite");
}

void checkEnd(const CheckedRun& run, const RunDriver& driver, const CheckedPlatform& platform,
              std::size_t messagesBefore) {
  const bool toldSomething = platform.messages().size() > messagesBefore;
  switch (run.outcome) {
    case RunOutcome::Adjusted: {
      const int last = lastListedPointOf(*run.selection, run.triangles);
      require(driver.lastResult().lastListedPoint == last &&
                  platform.label(label::kListedX) == "Xp(" + std::to_string(last) + ")",
              "adjusted, but the listing stopped before point " + std::to_string(last));
      checkQuality(driver);
      checkReport(driver);
      break;
    }
    case RunOutcome::Stopped:
      require(toldSomething && readsAsChinese(platform.messages().back()),
              "stopped without a Chinese message");
      require(platform.writesSinceMessage() == 0, "a box was written after the stop message");
      break;
    case RunOutcome::NothingSelected:
      require(toldSomething && platform.messages().back() == kNoVariantMessage,
              "nothing selected without saying so");
      break;
    default:
      break;
  }
}

}  // namespace

// The common CJK ideographs lead with the UTF-8 bytes E4..E9.
bool readsAsChinese(const std::string& message) {
  for (char ch : message) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte >= 0xE4 && byte <= 0xE9) return true;
  }
  return false;
}

int lastListedPointOf(int selectionRow, int triangles) {
  return selectionRow == kRowBetweenCAndD ? triangles : triangles + 1;
}

CheckedRun runChecked(RunDriver& driver, CheckedPlatform& platform) {
  const std::size_t messagesBefore = platform.messages().size();
  CheckedRun run;
  try {
    run.outcome = driver.runOnce();
  } catch (const CheckFailed&) {
    throw;
  } catch (const std::exception& error) {
    throw CheckFailed(std::string("an exception left the core: ") + error.what());
  }
  run.selection = driver.lastSelection();
  run.triangles = driver.chain().n;
  checkEnd(run, driver, platform, messagesBefore);
  return run;
}

std::vector<std::string> answerLinesOf(std::string_view input) {
  std::vector<std::string> lines;
  while (!input.empty()) {
    const std::size_t end = input.find('\n');
    lines.emplace_back(input.substr(0, end));
    if (end == std::string_view::npos) break;
    input.remove_prefix(end + 1);
  }
  return lines;
}

std::optional<std::string> faultOfRuns(std::string_view input) {
  const std::vector<std::string> lines = answerLinesOf(input);
  CheckedPlatform platform(answerLines(lines));
  RunDriver driver(platform);
  try {
    while (platform.answersTaken() < lines.size()) {
      const std::size_t before = platform.answersTaken();
      if (runChecked(driver, platform).outcome == RunOutcome::ProgramEnding) break;
      if (platform.answersTaken() == before) throw CheckFailed("a run took no answer");
    }
  } catch (const CheckFailed& fault) {
    return std::string(fault.what());
  }
  return std::nullopt;
}

}  // namespace chainadj::testing
