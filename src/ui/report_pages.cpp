#include "ui/report_pages.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "report/chain_verdict.h"
#include "report/head_tables.h"
#include "report/report_tables.h"
#include "state/display_format.h"
#include "ui/chain_drawing.h"
#include "ui/form_fonts.h"
#include "ui/glyph_line.h"

namespace chainadj::ui {
namespace {

constexpr double kMillimetresPerInch = 25.4;

// Faces, in points.
constexpr double kTitlePoints = 16.0;
constexpr double kHeadingPoints = 11.0;
constexpr double kBodyPoints = 9.5;
constexpr double kTablePoints = 9.0;  // no table text smaller
constexpr double kFooterPoints = 9.0;
constexpr double kPointsPerInch = 72.0;

// Spacing, millimetres.
constexpr double kRowHeightMm = 5.2;
constexpr double kCellPaddingMm = 1.2;
constexpr double kMmPerCharacter = 1.75;  // a column of the text report in the table face
constexpr double kColumnGapMm = 2.0;
constexpr double kAfterTitleMm = 6.0;
constexpr double kLineMm = 5.5;
constexpr double kLinePaddingMm = 1.5;  // above and below the lines of a wrapped text
constexpr double kBeforeHeadingMm = 5.0;
constexpr double kHeadingMm = 7.0;
constexpr double kFooterMm = 8.0;  // kept free at the foot of every page for its number
constexpr double kRuleWidthMm = 0.15;
constexpr double kHeadRuleWidthMm = 0.35;
constexpr double kDrawingCaptionMm = 22.0;  // three lines of the caption
constexpr double kSignatureMm = 10.0;
// A table is not begun with fewer than its head and this many rows left on the page.
constexpr int kLeastRowsAfterHeading = 3;

const QColor kHeadShade(232, 232, 232);
const QColor kOverLimitColour(200, 0, 0);

// A round scale of a tiny chain may be 1:2.5.
constexpr int kScaleDecimals = 1;

QFont atPoints(QFont font, double points) {
  font.setPointSizeF(points);
  return font;
}

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

QFont boldened(QFont font) {
  font.setBold(true);
  return font;
}

bool hasOrientationPoint(const RunReport& report) {
  return std::any_of(report.known.points.begin(), report.known.points.end(),
                     [](const KnownPoint& point) { return point.letter == 'E' || point.letter == 'F'; });
}

class ReportPainter {
 public:
  ReportPainter(QPagedPaintDevice& device, QPainter& painter)
      : device_(device), painter_(painter),
        mm_(device.logicalDpiY() / kMillimetresPerInch),
        page_(0, 0, device.width(), device.height() - kFooterMm * mm_),
        y_(page_.top()) {}

  void title(const RunReport& report);
  void table(const ReportTable& table);
  void drawings(const RunReport& report);
  void footer();

 private:
  double mm(double millimetres) const { return millimetres * mm_; }
  void newPage();
  bool fits(double height) const { return y_ + height <= page_.bottom(); }
  void heading(const QString& caption);
  void line(const QString& words, const QFont& font, const QColor& colour = Qt::black);
  double lineHeight(const QString& words, const QFont& font);
  std::vector<double> columnEdges(const ReportTable& table) const;
  void columnHeads(const ReportTable& table, const std::vector<double>& edges);
  void row(const ReportTable& table, const std::vector<double>& edges, std::size_t index,
           std::string& cell);
  void signatures();
  // A drawing page: the heading, the drawing in the frame left by the caption, the caption.
  template <typename Draw>
  void drawingPage(const QString& caption, const RunReport& report, const LargestEllipse& largest,
                   const QString& extra, Draw draw);

  QPagedPaintDevice& device_;
  QPainter& painter_;
  double mm_;  // device units to the millimetre
  QRectF page_;
  double y_;
  int pageNumber_ = 1;
  const QFont titleFont_ = atPoints(serifFont(1, true), kTitlePoints);
  const QFont headingFont_ = atPoints(serifFont(1, true), kHeadingPoints);
  const QFont bodyFont_ = atPoints(sansFont(1), kBodyPoints);
  const QFont tableFont_ = atPoints(sansFont(1), kTablePoints);
  const QFont overLimitFont_ = boldened(atPoints(sansFont(1), kTablePoints));
  const QFont footerFont_ = atPoints(sansFont(1), kFooterPoints);
  GlyphLine cells_{tableFont_, kTablePoints * device_.logicalDpiY() / kPointsPerInch};
};

void ReportPainter::footer() {
  painter_.setFont(footerFont_);
  painter_.setPen(Qt::black);
  const QRectF foot(page_.left(), page_.bottom(), page_.width(), mm(kFooterMm));
  painter_.drawText(foot, Qt::AlignHCenter | Qt::AlignBottom,
                    QString::fromUtf8("第 %1 页").arg(pageNumber_));
}

void ReportPainter::newPage() {
  footer();
  device_.newPage();
  ++pageNumber_;
  y_ = page_.top();
}

constexpr int kWrappedLine = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;

double ReportPainter::lineHeight(const QString& words, const QFont& font) {
  painter_.setFont(font);
  const QRectF needed = painter_.boundingRect(QRectF(page_.left(), 0, page_.width(), page_.height()),
                                              kWrappedLine, words);
  return std::max(mm(kLineMm), needed.height() + mm(kLinePaddingMm));
}

// A line of words, wrapped onto as many lines as it needs.
void ReportPainter::line(const QString& words, const QFont& font, const QColor& colour) {
  const double height = lineHeight(words, font);
  if (!fits(height)) newPage();
  painter_.setFont(font);
  painter_.setPen(colour);
  painter_.drawText(QRectF(page_.left(), y_, page_.width(), height), kWrappedLine, words);
  y_ += height;
}

// The lines the computer and the checker sign on.
void ReportPainter::signatures() {
  y_ += mm(kLinePaddingMm);
  if (!fits(mm(kSignatureMm))) newPage();
  painter_.setFont(bodyFont_);
  painter_.setPen(Qt::black);
  const double half = page_.width() / 2;
  const double base = y_ + mm(kSignatureMm) - mm(2);
  for (const auto& [offset, caption] : {std::pair{0.0, "计算者："}, std::pair{half, "检查者："}}) {
    const QString words = QString::fromUtf8(caption);
    const double left = page_.left() + offset;
    painter_.drawText(QPointF(left, base), words);
    const double start = left + painter_.fontMetrics().horizontalAdvance(words) + mm(1);
    painter_.setPen(QPen(Qt::black, mm(kRuleWidthMm)));
    painter_.drawLine(QPointF(start, base + mm(0.8)), QPointF(left + half - mm(8), base + mm(0.8)));
  }
  y_ += mm(kSignatureMm);
}

void ReportPainter::title(const RunReport& report) {
  painter_.setFont(titleFont_);
  painter_.setPen(Qt::black);
  const double height = mm(kHeadingMm + 3);
  painter_.drawText(QRectF(page_.left(), y_, page_.width(), height), Qt::AlignCenter,
                    QString::fromUtf8(kReportTitle));
  y_ += height + mm(kAfterTitleMm);
  table(projectTable(report));
  signatures();
  y_ += mm(kLinePaddingMm);
  const std::string conclusion = conclusionLine(report);
  for (const std::string& summary : reportSummary(report)) {
    if (summary != conclusion) {
      line(text(summary), bodyFont_);
      continue;
    }
    const bool passes = failureReasons(report).empty();
    line(text(summary), boldened(bodyFont_), passes ? QColor(Qt::black) : kOverLimitColour);
  }
}

void ReportPainter::heading(const QString& caption) {
  y_ += mm(kBeforeHeadingMm);
  painter_.setFont(headingFont_);
  painter_.setPen(Qt::black);
  painter_.drawText(QRectF(page_.left(), y_, page_.width(), mm(kHeadingMm)),
                    Qt::AlignLeft | Qt::AlignVCenter, caption);
  y_ += mm(kHeadingMm);
}

// Each column as wide as its characters and a gap, the table narrowed to the page if need be.
std::vector<double> ReportPainter::columnEdges(const ReportTable& table) const {
  double total = 0;
  for (const TableColumn& column : table.columns) total += mm(column.width * kMmPerCharacter + kColumnGapMm);
  const double shrink = std::min(1.0, page_.width() / total);
  std::vector<double> edges{page_.left()};
  for (const TableColumn& column : table.columns) {
    edges.push_back(edges.back() + shrink * mm(column.width * kMmPerCharacter + kColumnGapMm));
  }
  return edges;
}

int alignment(const TableColumn& column) {
  return (column.align == Align::Right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

QRectF cellRect(const std::vector<double>& edges, std::size_t column, double top, double height,
                double padding) {
  return QRectF(edges[column] + padding, top, edges[column + 1] - edges[column] - 2 * padding,
                height);
}

void ReportPainter::columnHeads(const ReportTable& table, const std::vector<double>& edges) {
  const double height = mm(kRowHeightMm);
  painter_.fillRect(QRectF(edges.front(), y_, edges.back() - edges.front(), height), kHeadShade);
  painter_.setFont(tableFont_);
  painter_.setPen(Qt::black);
  for (std::size_t c = 0; c < table.columns.size(); ++c) {
    painter_.drawText(cellRect(edges, c, y_, height, mm(kCellPaddingMm)), alignment(table.columns[c]),
                      QString::fromUtf8(table.columns[c].header));
  }
  y_ += height;
  painter_.setPen(QPen(Qt::black, mm(kHeadRuleWidthMm)));
  painter_.drawLine(QPointF(edges.front(), y_), QPointF(edges.back(), y_));
}

// A row's cells go out as one run of glyphs; a cell the run cannot take (a name in a face of
// its own) and a verdict 超限, in bold red, are drawn by themselves.
void ReportPainter::row(const ReportTable& table, const std::vector<double>& edges,
                        std::size_t index, std::string& cell) {
  const double height = mm(kRowHeightMm);
  const double baseline = y_ + (height + cells_.ascent() - cells_.descent()) / 2;
  painter_.setPen(Qt::black);
  for (std::size_t c = 0; c < table.columns.size(); ++c) {
    cell.clear();
    table.cell(index, c, cell);
    if (cell.empty()) continue;
    const QRectF box = cellRect(edges, c, y_, height, mm(kCellPaddingMm));
    const QString words = text(cell);
    const bool overLimit = isOverLimitCell(cell);
    if (!overLimit && cells_.add(words, box.left(), box.right(), table.columns[c].align == Align::Right)) {
      continue;
    }
    painter_.setFont(overLimit ? overLimitFont_ : tableFont_);
    painter_.setPen(overLimit ? kOverLimitColour : QColor(Qt::black));
    painter_.drawText(box, alignment(table.columns[c]), words);
    painter_.setPen(Qt::black);
  }
  cells_.draw(painter_, baseline);
  y_ += height;
  if ((index + 1) % table.rowsPerGroup == 0) {
    painter_.setPen(QPen(Qt::black, mm(kRuleWidthMm)));
    painter_.drawLine(QPointF(edges.front(), y_), QPointF(edges.back(), y_));
  }
}

// A table goes on over as many pages as it needs, its heading and column heads repeated; the
// rows of a group (a triangle's three angles) stay on one page, and its note stays with its last
// rows, never on a page of its own.
void ReportPainter::table(const ReportTable& table) {
  const double rowHeight = mm(kRowHeightMm);
  const double head = mm(kBeforeHeadingMm + kHeadingMm) + (table.rows > 0 ? rowHeight : 0.0);
  const double note = table.note.empty() ? 0.0 : mm(1) + lineHeight(text(table.note), tableFont_);
  const std::size_t group = std::max<std::size_t>(table.rowsPerGroup, 1);
  const std::size_t leading = std::min<std::size_t>(table.rows, std::max<std::size_t>(group, kLeastRowsAfterHeading));
  const double first = head + rowHeight * static_cast<double>(leading) + (leading == table.rows ? note : 0.0);
  if (!fits(first)) newPage();
  heading(text(table.title));
  const std::vector<double> edges = columnEdges(table);
  if (table.rows > 0) columnHeads(table, edges);
  std::string cell;
  for (std::size_t start = 0; start < table.rows; start += group) {
    const std::size_t end = std::min(table.rows, start + group);
    const double needed = rowHeight * static_cast<double>(end - start) + (end == table.rows ? note : 0.0);
    if (!fits(needed)) {
      newPage();
      heading(text(table.title) + QString::fromUtf8("（续）"));
      columnHeads(table, edges);
    }
    for (std::size_t index = start; index < end; ++index) row(table, edges, index, cell);
  }
  if (!table.note.empty()) {
    y_ += mm(1);
    line(text(table.note), tableFont_);
  }
}

template <typename Draw>
void ReportPainter::drawingPage(const QString& caption, const RunReport& report,
                                const LargestEllipse& largest, const QString& extra, Draw draw) {
  newPage();
  heading(caption);
  const QRectF frame(page_.left(), y_, page_.width(), page_.bottom() - y_ - mm(kDrawingCaptionMm));
  const ChainDrawingScale scale = draw(frame);
  y_ = frame.bottom() + mm(2);
  QString words = QString::fromUtf8("比例尺 1:%1。纵坐标 X 向北（图的上方），横坐标 Y 向东；"
                                    "△ 为已知点，○ 为三角锁的点")
                      .arg(text(formatRoundedPlain(scale.denominator, kScaleDecimals)));
  if (hasOrientationPoint(report)) words += QString::fromUtf8("，虚线为向定向点的方向");
  if (scale.ellipseMagnification > 0) {
    const double largestMm = largest.E * scale.ellipseMagnification * 1000.0 / scale.denominator;
    words += QString::fromUtf8("；红色为待定点的误差椭圆，放大 %1 倍：最大的误差椭圆（%2 点，长半轴 "
                               "E = %3 毫米）在图上长半轴约 %4 毫米")
                 .arg(text(formatRoundedPlain(scale.ellipseMagnification, 0)),
                      text(report.pointLabel(largest.point)),
                      text(formatMask(largest.E * 1000.0, kMaskTwoDecimals)),
                      text(formatRoundedPlain(largestMm, 1)));
  }
  line(words + extra + QString::fromUtf8("。"), tableFont_);
}

// The drawing of the whole chain; for a chain too long to be read whole, the overview with the
// outlines of its sheets and then the sheets along the chain.
void ReportPainter::drawings(const RunReport& report) {
  const double margin = 2 * kDrawingInnerMarginMm;
  const double widthMm = page_.width() / mm_ - margin;
  const double heightMm =
      (page_.height() - mm(kBeforeHeadingMm + kHeadingMm + kDrawingCaptionMm)) / mm_ - margin;
  const std::vector<ChainSheet> sheets = chainSheets(report, widthMm, heightMm);
  const QString overview = sheets.empty() ? QString::fromUtf8("平差后的三角锁图")
                                          : QString::fromUtf8("平差后的三角锁图：总图");
  const QString sheetsNote =
      sheets.empty() ? QString()
                     : QString::fromUtf8("；锁太长，在总图上看不清点名和误差椭圆：蓝框为分幅图的范围和"
                                         "图号，共 %1 幅，点名和误差椭圆见各分幅图")
                           .arg(sheets.size());
  const LargestEllipse largest = largestEllipse(report);
  drawingPage(overview, report, largest, sheetsNote, [&](const QRectF& frame) {
    return drawChain(painter_, frame, mm_, report, sheets);
  });
  const double magnification =
      sheets.empty() ? 0.0 : ellipseMagnification(report, sheets.front().denominator);
  for (const ChainSheet& sheet : sheets) {
    const QString caption = QString::fromUtf8("平差后的三角锁图：第 %1 幅（共 %2 幅），点 %3 至 %4")
                                .arg(sheet.number)
                                .arg(sheets.size())
                                .arg(text(report.pointLabel(sheet.firstPoint)),
                                     text(report.pointLabel(sheet.lastPoint)));
    drawingPage(caption, report, largest, QString(), [&](const QRectF& frame) {
      return drawChainSheet(painter_, frame, mm_, report, sheet, magnification);
    });
  }
}

}  // namespace

void useReportPageLayout(QPagedPaintDevice& device) {
  device.setPageLayout(QPageLayout(
      QPageSize(QPageSize::A4), QPageLayout::Portrait,
      QMarginsF(kReportMarginLeftMm, kReportMarginMm, kReportMarginMm, kReportMarginMm),
      QPageLayout::Millimeter));
}

bool paintReport(const RunReport& report, QPagedPaintDevice& device) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  ReportPainter pages(device, painter);
  pages.title(report);
  for (const ReportTable& table : reportTables(report)) pages.table(table);
  pages.drawings(report);
  pages.footer();
  return painter.end();
}

}  // namespace chainadj::ui
