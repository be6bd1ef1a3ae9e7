#include "report/workbook_sheets.h"

#include <array>
#include <cmath>
#include <memory>

#include "report/head_tables.h"
#include "report/printed_corrections.h"
#include "report/report_format.h"
#include "report/table_cells.h"
#include "state/display_format.h"

namespace chainadj {
namespace {

constexpr double kMillimetresPerMetre = 1000.0;
constexpr double kHundredthsPerDegree = 360000.0;
constexpr double kHundredthsPerSecond = 100.0;
constexpr int kMetreDecimals = 3;      // coordinates and sides, as the listing shows them
constexpr int kHundredthDecimals = 2;  // millimetres and seconds
constexpr std::array<const char*, kAnglesPerTriangle> kAngleNames = {"A", "B", "C"};

// Column widths, in characters.
constexpr double kNameWidth = 14;
constexpr double kMetresWidth = 14;
constexpr double kFigureWidth = 11;
constexpr double kAngleWidth = 15;
constexpr double kDegreesWidth = 15;
constexpr double kWordsWidth = 30;
constexpr double kTextWidth = 50;
constexpr double kNumberWidth = 8;  // a triangle's number
constexpr double kLetterWidth = 4;  // A, B or C
constexpr double kVerdictWidth = 6;

std::size_t at(int index) { return static_cast<std::size_t>(index); }

void setText(SheetCell& cell, std::string text) {
  cell.kind = SheetCell::Kind::Text;
  cell.text = std::move(text);
}

void setNumber(SheetCell& cell, double value, const char* format) {
  cell.kind = SheetCell::Kind::Number;
  cell.number = value;
  cell.format = format;
}

// The value rounded as the report prints it (halves to even), with the format that shows it so.
void setPrinted(SheetCell& cell, double value, int decimals, const char* format) {
  if (std::isfinite(value)) setNumber(cell, roundHalfEven(value, decimals), format);
}

void setMillimetres(SheetCell& cell, double metres) {
  setPrinted(cell, metres * kMillimetresPerMetre, kHundredthDecimals, kFormatHundredths);
}

void setHundredths(SheetCell& cell, Hundredths value) {
  setNumber(cell, static_cast<double>(value) / kHundredthsPerSecond, kFormatHundredths);
}

// 坐标成果: the listed points as the CSV file has them.
WorkbookSheet coordinateSheet(const RunReport& report) {
  const int first = report.firstListedPoint;
  const auto point = [first](std::size_t row) { return first + static_cast<int>(row); };
  const auto figure = [&report, point](double PointPrecision::*member) {
    return [&report, point, member](std::size_t row, SheetCell& cell) {
      if (const PointPrecision* precision = report.newPointPrecision(point(row))) {
        setMillimetres(cell, precision->*member);
      }
    };
  };
  const int count = report.lastListedPoint - first + 1;
  return {"坐标成果",
          {{"点名", kNameWidth,
            [&report, point](std::size_t row, SheetCell& cell) {
              setText(cell, report.pointLabel(point(row)));
            }},
           {"X（米）", kMetresWidth,
            [&report, point](std::size_t row, SheetCell& cell) {
              setPrinted(cell, report.X[at(point(row))], kMetreDecimals, kFormatMetres);
            }},
           {"Y（米）", kMetresWidth,
            [&report, point](std::size_t row, SheetCell& cell) {
              setPrinted(cell, report.Y[at(point(row))], kMetreDecimals, kFormatMetres);
            }},
           {"mx（毫米）", kFigureWidth, figure(&PointPrecision::mx)},
           {"my（毫米）", kFigureWidth, figure(&PointPrecision::my)},
           {"mp（毫米）", kFigureWidth, figure(&PointPrecision::mp)},
           {"E（毫米）", kFigureWidth, figure(&PointPrecision::E)},
           {"F（毫米）", kFigureWidth, figure(&PointPrecision::F)},
           {"φ（度）", kFigureWidth,
            [&report, point](std::size_t row, SheetCell& cell) {
              if (const PointPrecision* precision = report.newPointPrecision(point(row))) {
                setPrinted(cell, precision->azimuthOfE, kHundredthDecimals, kFormatHundredths);
              }
            }}},
          count > 0 ? at(count) : 0};
}

// An angle in decimal degrees as its D°MM′SS.SS″ text.
void setDms(SheetCell& cell, double degrees) {
  std::string text;
  appendDms(degrees, text);
  setText(cell, std::move(text));
}

// 边长方位角: every side of the chain.
WorkbookSheet sideSheet(const RunReport& report) {
  const auto side = [&report](std::size_t row) -> const SidePrecision& {
    return report.sides[row];
  };
  return {"边长方位角",
          {{"起点", kNameWidth,
            [&report, side](std::size_t row, SheetCell& cell) {
              setText(cell, report.pointLabel(side(row).side.from));
            }},
           {"终点", kNameWidth,
            [&report, side](std::size_t row, SheetCell& cell) {
              setText(cell, report.pointLabel(side(row).side.to));
            }},
           {"边长（米）", kMetresWidth,
            [side](std::size_t row, SheetCell& cell) {
              setPrinted(cell, side(row).length, kMetreDecimals, kFormatMetres);
            }},
           {"方位角", kAngleWidth,
            [side](std::size_t row, SheetCell& cell) { setDms(cell, side(row).azimuth); }},
           {"方位角（度）", kDegreesWidth,
            [side](std::size_t row, SheetCell& cell) {
              setNumber(cell, side(row).azimuth, kFormatDegrees);
            }},
           {"相对中误差 1/T", kFigureWidth,
            [side](std::size_t row, SheetCell& cell) {
              // The report writes T truncated to a whole number.
              if (const std::optional<double>& T = side(row).relative; T && std::isfinite(*T)) {
                setNumber(cell, std::trunc(*T), kFormatRelativeError);
              }
            }},
           {"方位角中误差 mα（秒）", kFigureWidth,
            [side](std::size_t row, SheetCell& cell) {
              if (const std::optional<double>& error = side(row).azimuthMeanError) {
                setPrinted(cell, *error, kHundredthDecimals, kFormatHundredths);
              }
            }}},
          report.sides.size()};
}

// The printed columns of the triangle a row of the angle sheet is in, made once per triangle.
class PrintedRows {
 public:
  explicit PrintedRows(const RunReport& report) : report_(report) {}
  const PrintedTriangle& of(std::size_t row) {
    const std::size_t index = row / kAnglesPerTriangle;
    if (index != index_) {
      printed_ = printedTriangle(report_.triangles[index]);
      index_ = index;
    }
    return printed_;
  }

 private:
  const RunReport& report_;
  std::size_t index_ = static_cast<std::size_t>(-1);
  PrintedTriangle printed_;
};

// An angle of `hundredths` hundredths of a second, negative for an interval angle right of the
// route: its text and its decimal degrees.
struct PrintedAngle {
  Hundredths hundredths;
  bool negative;
  void text(SheetCell& cell) const {
    std::string text;
    appendDmsOfHundredths(hundredths, negative, text);
    setText(cell, std::move(text));
  }
  void degrees(SheetCell& cell) const {
    const double magnitude = static_cast<double>(hundredths) / kHundredthsPerDegree;
    setNumber(cell, negative ? -magnitude : magnitude, kFormatDegrees);
  }
};

// 角度: the three angles of every triangle, observed, their corrections and adjusted, the
// columns as the report prints them (they add up).
WorkbookSheet angleSheet(const RunReport& report) {
  const auto printed = std::make_shared<PrintedRows>(report);
  const auto angle = [](std::size_t row) { return row % kAnglesPerTriangle; };
  const auto negative = [&report, angle](std::size_t row) {
    return report.triangles[row / kAnglesPerTriangle].observed[angle(row)] < 0.0;
  };
  const auto observed = [printed, angle, negative](std::size_t row) {
    return PrintedAngle{printed->of(row).observed[angle(row)], negative(row)};
  };
  const auto adjusted = [printed, angle, negative](std::size_t row) {
    return PrintedAngle{printed->of(row).adjusted[angle(row)], negative(row)};
  };
  const auto correction = [printed, angle](HundredthsOf3 PrintedTriangle::*column) {
    return [printed, angle, column](std::size_t row, SheetCell& cell) {
      setHundredths(cell, (printed->of(row).*column)[angle(row)]);
    };
  };
  return {"角度",
          {{"三角形", kNumberWidth,
            [](std::size_t row, SheetCell& cell) {
              setNumber(cell, static_cast<double>(row / kAnglesPerTriangle + 1), kFormatWhole);
            }},
           {"点名", kNameWidth,
            [&report, angle](std::size_t row, SheetCell& cell) {
              const ReportTriangle& triangle = report.triangles[row / kAnglesPerTriangle];
              setText(cell, report.pointLabel(triangle.vertex[angle(row)]));
            }},
           {"角", kLetterWidth,
            [angle](std::size_t row, SheetCell& cell) { setText(cell, kAngleNames[angle(row)]); }},
           {"观测角", kAngleWidth,
            [observed](std::size_t row, SheetCell& cell) { observed(row).text(cell); }},
           {"观测角（度）", kDegreesWidth,
            [observed](std::size_t row, SheetCell& cell) { observed(row).degrees(cell); }},
           {"v′（秒）", kFigureWidth, correction(&PrintedTriangle::first)},
           {"v″（秒）", kFigureWidth, correction(&PrintedTriangle::second)},
           {"改正数 v（秒）", kFigureWidth, correction(&PrintedTriangle::total)},
           {"平差角", kAngleWidth,
            [adjusted](std::size_t row, SheetCell& cell) { adjusted(row).text(cell); }},
           {"平差角（度）", kDegreesWidth,
            [adjusted](std::size_t row, SheetCell& cell) { adjusted(row).degrees(cell); }}},
          report.triangles.size() * kAnglesPerTriangle};
}

// A closure against its limit, as one row of the closure sheet.
struct ClosureRow {
  std::string what;
  const ClosureCheck* check;
  const char* unit;
};

std::string withoutLeadingSpace(const char* unit) {
  std::string text = unit;
  return text.rfind(' ', 0) == 0 ? text.substr(1) : text;
}

std::vector<ClosureRow> closureRows(const RunReport& report) {
  const ClosureReport& closures = report.quality.closures;
  std::vector<ClosureRow> rows = {
      {"测角中误差 mβ（菲列罗公式）", &closures.angleMeanError, kUnitSeconds}};
  for (const ConditionCheck& condition : closures.conditions) {
    const ConditionWords words = wordsOf(condition.kind);
    rows.push_back({std::string(words.name) + " " + words.closure, &condition.check, words.unit});
  }
  for (const TriangleCheck& triangle : closures.triangles) {
    rows.push_back({"三角形 " + std::to_string(triangle.triangle) + " 闭合差 W", &triangle.check,
                    kUnitSeconds});
  }
  return rows;
}

// 闭合差: the angle mean error, the condition closures and the triangle closures (those over
// their limit first), each against its limit with its verdict.
WorkbookSheet closureSheet(const RunReport& report) {
  const auto rows = std::make_shared<const std::vector<ClosureRow>>(closureRows(report));
  const std::size_t count = rows->size();
  return {
      "闭合差",
      {{"项目", kWordsWidth,
        [rows](std::size_t row, SheetCell& cell) { setText(cell, (*rows)[row].what); }},
       {"闭合差", kFigureWidth,
        [rows](std::size_t row, SheetCell& cell) {
          setPrinted(cell, (*rows)[row].check->closure, kHundredthDecimals, kFormatHundredths);
        }},
       {"限差", kFigureWidth,
        [rows](std::size_t row, SheetCell& cell) {
          setPrinted(cell, (*rows)[row].check->limit, kHundredthDecimals, kFormatHundredths);
        }},
       {"单位", kNameWidth,
        [rows](std::size_t row, SheetCell& cell) {
          setText(cell, withoutLeadingSpace((*rows)[row].unit));
        }},
       {"结论", kVerdictWidth,
        [rows](std::size_t row, SheetCell& cell) { setText(cell, verdict(*(*rows)[row].check)); }}},
      count};
}

// 项目信息: the project at the head of the report, the grade and the program.
WorkbookSheet projectSheet(const RunReport& report) {
  const auto table = std::make_shared<const ReportTable>(projectTable(report));
  const auto column = [table](std::size_t c) {
    return [table, c](std::size_t row, SheetCell& cell) {
      std::string text = table->cellText(row, c);
      if (!text.empty()) setText(cell, std::move(text));
    };
  };
  return {
      "项目信息", {{"项目", kNameWidth, column(0)}, {"内容", kTextWidth, column(1)}}, table->rows};
}

}  // namespace

std::vector<WorkbookSheet> resultsWorkbookSheets(const RunReport& report) {
  return {coordinateSheet(report), sideSheet(report), angleSheet(report), closureSheet(report),
          projectSheet(report)};
}

}  // namespace chainadj
