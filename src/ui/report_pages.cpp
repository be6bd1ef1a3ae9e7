#include "ui/report_pages.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "report/report_tables.h"
#include "state/display_format.h"
#include "ui/chain_drawing.h"
#include "ui/form_fonts.h"

namespace chainadj::ui {
namespace {

constexpr double kMillimetresPerInch = 25.4;

// Faces, in points.
constexpr double kTitlePoints = 16.0;
constexpr double kHeadingPoints = 11.0;
constexpr double kBodyPoints = 9.5;
constexpr double kTablePoints = 8.5;
constexpr double kFooterPoints = 8.0;

// Spacing, millimetres.
constexpr double kRowHeightMm = 5.2;
constexpr double kCellPaddingMm = 1.2;
constexpr double kMmPerCharacter = 1.9;  // a column of the text report in the table face
constexpr double kColumnGapMm = 2.0;
constexpr double kAfterTitleMm = 6.0;
constexpr double kLineMm = 5.5;
constexpr double kLinePaddingMm = 1.5;  // above and below the lines of a wrapped text
constexpr double kBeforeHeadingMm = 5.0;
constexpr double kHeadingMm = 7.0;
constexpr double kFooterMm = 8.0;  // kept free at the foot of every page for its number
constexpr double kRuleWidthMm = 0.15;
constexpr double kHeadRuleWidthMm = 0.35;
constexpr double kDrawingCaptionMm = 16.0;  // two lines of the caption
// A table is not begun with fewer than its head and this many rows left on the page.
constexpr int kLeastRowsAfterHeading = 3;

const QColor kHeadShade(232, 232, 232);

// A round scale of a tiny chain may be 1:2.5.
constexpr int kScaleDecimals = 1;

QFont atPoints(QFont font, double points) {
  font.setPointSizeF(points);
  return font;
}

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

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
  void drawing(const RunReport& report);
  void footer();

 private:
  double mm(double millimetres) const { return millimetres * mm_; }
  void newPage();
  bool fits(double height) const { return y_ + height <= page_.bottom(); }
  void heading(const QString& caption);
  void line(const QString& words, const QFont& font);
  std::vector<double> columnEdges(const ReportTable& table) const;
  void columnHeads(const ReportTable& table, const std::vector<double>& edges);
  void row(const ReportTable& table, const std::vector<double>& edges, std::size_t index,
           std::string& cell);

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
  const QFont footerFont_ = atPoints(sansFont(1), kFooterPoints);
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

// A line of words, wrapped onto as many lines as it needs.
void ReportPainter::line(const QString& words, const QFont& font) {
  constexpr int kFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
  painter_.setFont(font);
  const QRectF needed = painter_.boundingRect(QRectF(page_.left(), 0, page_.width(), page_.height()),
                                              kFlags, words);
  const double height = std::max(mm(kLineMm), needed.height() + mm(kLinePaddingMm));
  if (!fits(height)) newPage();
  painter_.setFont(font);
  painter_.setPen(Qt::black);
  painter_.drawText(QRectF(page_.left(), y_, page_.width(), height), kFlags, words);
  y_ += height;
}

void ReportPainter::title(const RunReport& report) {
  painter_.setFont(titleFont_);
  painter_.setPen(Qt::black);
  const double height = mm(kHeadingMm + 3);
  painter_.drawText(QRectF(page_.left(), y_, page_.width(), height), Qt::AlignCenter,
                    QString::fromUtf8(kReportTitle));
  y_ += height + mm(kAfterTitleMm);
  for (const std::string& summary : reportSummary(report)) line(text(summary), bodyFont_);
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

void ReportPainter::row(const ReportTable& table, const std::vector<double>& edges,
                        std::size_t index, std::string& cell) {
  const double height = mm(kRowHeightMm);
  painter_.setPen(Qt::black);
  for (std::size_t c = 0; c < table.columns.size(); ++c) {
    cell.clear();
    table.cell(index, c, cell);
    if (cell.empty()) continue;
    painter_.drawText(cellRect(edges, c, y_, height, mm(kCellPaddingMm)), alignment(table.columns[c]),
                      text(cell));
  }
  y_ += height;
  if ((index + 1) % table.rowsPerGroup == 0) {
    painter_.setPen(QPen(Qt::black, mm(kRuleWidthMm)));
    painter_.drawLine(QPointF(edges.front(), y_), QPointF(edges.back(), y_));
  }
}

void ReportPainter::table(const ReportTable& table) {
  const double head = mm(kBeforeHeadingMm + kHeadingMm + kRowHeightMm);
  if (!fits(head + mm(kRowHeightMm) * kLeastRowsAfterHeading)) newPage();
  heading(text(table.title));
  const std::vector<double> edges = columnEdges(table);
  if (table.rows > 0) columnHeads(table, edges);
  std::string cell;
  painter_.setFont(tableFont_);
  for (std::size_t index = 0; index < table.rows; ++index) {
    if (!fits(mm(kRowHeightMm))) {
      newPage();
      heading(text(table.title) + QString::fromUtf8("（续）"));
      columnHeads(table, edges);
      painter_.setFont(tableFont_);
    }
    row(table, edges, index, cell);
  }
  if (!table.note.empty()) {
    y_ += mm(1);
    line(text(table.note), tableFont_);
  }
}

void ReportPainter::drawing(const RunReport& report) {
  newPage();
  heading(QString::fromUtf8("平差后的三角锁图"));
  const QRectF frame(page_.left(), y_, page_.width(), page_.bottom() - y_ - mm(kDrawingCaptionMm));
  const ChainDrawingScale scale = drawChain(painter_, frame, mm_, report);
  y_ = frame.bottom() + mm(2);
  QString caption = QString::fromUtf8("比例尺 1:%1。纵座标 X 向北（图的上方），横座标 Y 向东；"
                                      "△ 为已知点，○ 为三角锁的点")
                        .arg(text(formatRoundedPlain(scale.denominator, kScaleDecimals)));
  if (hasOrientationPoint(report)) caption += QString::fromUtf8("，虚线为向定向点的方向");
  if (scale.ellipseMagnification > 0) {
    caption += QString::fromUtf8("；红色为待定点的误差椭圆，误差椭圆放大 %1 倍")
                   .arg(text(formatRoundedPlain(scale.ellipseMagnification, 0)));
  }
  line(caption + QString::fromUtf8("。"), tableFont_);
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
  pages.drawing(report);
  pages.footer();
  return painter.end();
}

}  // namespace chainadj::ui
