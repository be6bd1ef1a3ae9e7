#include "ui/chain_drawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QVector>
#include <algorithm>
#include <array>
#include <cmath>

#include "report/chain_figure.h"
#include "state/display_format.h"
#include "ui/form_fonts.h"

namespace chainadj::ui {
namespace {

constexpr double kMetresToMillimetres = 1000.0;

// Sizes on paper, millimetres.
constexpr double kInnerMarginMm = kDrawingInnerMarginMm;
constexpr double kPointRadiusMm = 0.6;      // a new point
constexpr double kKnownSymbolMm = 3.2;      // side of a known point's triangle
constexpr double kNameOffsetMm = 1.2;       // a name from its point
constexpr double kNorthArrowMm = 16.0;      // length of the north arrow
constexpr double kNorthArrowHeadMm = 2.2;   // half width of its head
constexpr double kFurnitureInsetMm = 6.0;   // the arrow and the scale bar from the frame
constexpr double kScaleBarShare = 0.3;      // the scale bar at most this share of the frame
constexpr double kScaleBarHeightMm = 1.6;
constexpr double kLineWidthMm = 0.18;
constexpr double kFrameLineWidthMm = 0.35;
constexpr double kNamePoints = 6.5;
constexpr double kKnownNamePoints = 7.5;
constexpr double kFurniturePoints = 8.0;
// Decimals of a round length or scale: a chain a few metres long has a bar of centimetres.
constexpr int kLengthDecimals = 3;

constexpr double kEllipseLineWidthMm = 0.25;
const QColor kEllipseColour(200, 0, 0);
// An azimuth (clockwise from north, up) less this is the angle from the page's x axis (right).
constexpr double kDegreesFromNorthToPageX = 90.0;

// Lines go to the painter in batches of this many.
constexpr int kLinesPerBatch = 4096;

QFont atPoints(QFont font, double points) {
  font.setPointSizeF(points);
  return font;
}

// A round length or scale in plain digits: 2500, 250, 2.5, 0.05.
QString lengthText(double value) {
  return QString::fromStdString(formatRoundedPlain(value, kLengthDecimals));
}

// The triangles 1..n, or those whose forward point lies on a sheet.
struct TriangleRange {
  int first = 1, last = 0;
};

// Where a name may stand about its point: right of it and above, then the other places round it.
constexpr std::array<QPointF, 8> kNamePlaces = {{{1, -1}, {1, 1}, {-1, -1}, {-1, 1},
                                                 {1, 0}, {-1, 0}, {0, -1.4}, {0, 1.4}}};
// The triangles on either side of a point whose lines and ellipses a name keeps clear of.
constexpr int kNeighbourTriangles = 3;

class ChainPainter {
 public:
  ChainPainter(QPainter& painter, double unitsPerMm, const RunReport& report,
               const ChainToPage& toPage, TriangleRange triangles)
      : painter_(painter), mm_(unitsPerMm), report_(report), toPage_(toPage),
        range_(triangles) {}

  void triangles() const;
  void sightLines() const;
  void newPoints(int first, int last) const;
  void ellipses(double magnification, int first, int last) const;
  void knownPoints() const;
  void names(double magnification, int first, int last) const;

 private:
  QPointF point(int j) const {
    const auto k = static_cast<std::size_t>(j);
    return toPage_(report_.X[k], report_.Y[k]);
  }
  const KnownPoint* known(char letter) const;
  void name(const QPointF& at, const QString& text) const;
  bool isKnown(int j) const;
  // The box of a name of `size` at place `place` about the point at `at`.
  QRectF nameBox(const QPointF& at, const QSizeF& size, const QPointF& place) const;
  // Whether the box meets a line of a triangle near point j or an ellipse drawn there.
  bool blocked(const QRectF& box, int j, double magnification) const;

  QPainter& painter_;
  double mm_;
  const RunReport& report_;
  const ChainToPage& toPage_;
  TriangleRange range_;
};

void ChainPainter::triangles() const {
  painter_.setPen(QPen(Qt::black, kLineWidthMm * mm_));
  QVector<QLineF> lines;
  lines.reserve(3 * kLinesPerBatch);
  for (int i = range_.first; i <= range_.last; ++i) {
    const ReportTriangle& triangle = report_.triangles[static_cast<std::size_t>(i - 1)];
    const QPointF a = point(triangle.vertex[kDistanceAngle]);
    const QPointF b = point(triangle.vertex[kForwardAngle]);
    const QPointF c = point(triangle.vertex[kIntervalAngle]);
    lines << QLineF(a, b) << QLineF(b, c) << QLineF(c, a);
    if (lines.size() >= 3 * kLinesPerBatch) {
      painter_.drawLines(lines);
      lines.clear();
    }
  }
  painter_.drawLines(lines);
}

const KnownPoint* ChainPainter::known(char letter) const {
  for (const KnownPoint& point : report_.known.points) {
    if (point.letter == letter) return &point;
  }
  return nullptr;
}

// From A to E and from B to F, dashed.
void ChainPainter::sightLines() const {
  QPen dashed(Qt::black, kLineWidthMm * mm_, Qt::DashLine);
  painter_.setPen(dashed);
  for (const auto& [from, to] : {std::pair{'A', 'E'}, std::pair{'B', 'F'}}) {
    const KnownPoint* station = known(from);
    const KnownPoint* target = known(to);
    if (station && target) {
      painter_.drawLine(toPage_(station->x, station->y), toPage_(target->x, target->y));
    }
  }
}

void ChainPainter::newPoints(int first, int last) const {
  painter_.setPen(QPen(Qt::black, kLineWidthMm * mm_));
  painter_.setBrush(Qt::white);
  const double radius = kPointRadiusMm * mm_;
  for (int j = first; j <= last; ++j) painter_.drawEllipse(point(j), radius, radius);
}

// Each new point's ellipse about the point, its semi-major axis E at the azimuth φ (clockwise
// from north, which is up on the page).
void ChainPainter::ellipses(double magnification, int first, int last) const {
  if (!(magnification > 0.0)) return;
  painter_.setPen(QPen(kEllipseColour, kEllipseLineWidthMm * mm_));
  painter_.setBrush(Qt::NoBrush);
  const double scale = magnification * toPage_.unitsPerMetre();
  for (int j = std::max(first, report_.firstListedPoint); j <= std::min(last, report_.lastListedPoint); ++j) {
    const PointPrecision* precision = report_.newPointPrecision(j);
    if (precision == nullptr || !std::isfinite(precision->E) || !std::isfinite(precision->F)) continue;
    painter_.save();
    painter_.translate(point(j));
    painter_.rotate(precision->azimuthOfE - kDegreesFromNorthToPageX);
    painter_.drawEllipse(QPointF(0, 0), precision->E * scale, precision->F * scale);
    painter_.restore();
  }
}

// A triangle with a dot in its middle, the letter and the name beside it.
void ChainPainter::knownPoints() const {
  const double side = kKnownSymbolMm * mm_;
  const double height = side * std::sqrt(3.0) / 2;
  painter_.setFont(atPoints(serifFont(1, true), kKnownNamePoints));
  for (const KnownPoint& point : report_.known.points) {
    const QPointF at = toPage_(point.x, point.y);
    const QPolygonF symbol({at + QPointF(0, -2 * height / 3), at + QPointF(side / 2, height / 3),
                            at + QPointF(-side / 2, height / 3)});
    painter_.setPen(QPen(Qt::black, kLineWidthMm * mm_));
    painter_.setBrush(Qt::white);
    painter_.drawPolygon(symbol);
    painter_.setBrush(Qt::black);
    painter_.drawEllipse(at, kLineWidthMm * mm_, kLineWidthMm * mm_);
    QString label(QChar(point.letter));
    if (point.chainPoint >= 0 && point.chainPoint < static_cast<int>(report_.names.size())) {
      const QString typed =
          QString::fromStdString(report_.names[static_cast<std::size_t>(point.chainPoint)]);
      if (!typed.isEmpty() && typed != label) label += " " + typed;
    }
    name(at + QPointF(side / 2, -height / 2), label);
  }
}

void ChainPainter::name(const QPointF& at, const QString& text) const {
  painter_.drawText(at + QPointF(kNameOffsetMm * mm_, 0), text);
}

bool ChainPainter::isKnown(int j) const {
  return std::any_of(report_.known.points.begin(), report_.known.points.end(),
                     [j](const KnownPoint& point) { return point.chainPoint == j; });
}

QRectF ChainPainter::nameBox(const QPointF& at, const QSizeF& size, const QPointF& place) const {
  const double gap = kNameOffsetMm * mm_;
  const double x = place.x() > 0 ? at.x() + gap : place.x() < 0 ? at.x() - gap - size.width()
                                                                : at.x() - size.width() / 2;
  const double y = place.y() < 0 ? at.y() + place.y() * gap - size.height()
                   : place.y() > 0 ? at.y() + place.y() * gap
                                   : at.y() - size.height() / 2;
  return QRectF(QPointF(x, y), size);
}

bool meets(const QRectF& box, const QLineF& line) {
  if (box.contains(line.p1()) || box.contains(line.p2())) return true;
  const QLineF edges[] = {{box.topLeft(), box.topRight()}, {box.topRight(), box.bottomRight()},
                          {box.bottomRight(), box.bottomLeft()}, {box.bottomLeft(), box.topLeft()}};
  for (const QLineF& edge : edges) {
    if (line.intersects(edge, nullptr) == QLineF::BoundedIntersection) return true;
  }
  return false;
}

bool ChainPainter::blocked(const QRectF& box, int j, double magnification) const {
  const int n = static_cast<int>(report_.triangles.size());
  for (int i = std::max(1, j - kNeighbourTriangles); i <= std::min(n, j + kNeighbourTriangles); ++i) {
    const auto& v = report_.triangles[static_cast<std::size_t>(i - 1)].vertex;
    for (std::size_t k = 0; k < v.size(); ++k) {
      if (meets(box, QLineF(point(v[k]), point(v[(k + 1) % v.size()])))) return true;
    }
  }
  for (int m = std::max(0, j - kNeighbourTriangles); m <= j + kNeighbourTriangles; ++m) {
    const PointPrecision* precision = report_.newPointPrecision(m);
    if (precision == nullptr || !(magnification > 0.0) || !std::isfinite(precision->E)) continue;
    const double radius = precision->E * magnification * toPage_.unitsPerMetre();
    const QPointF centre = point(m);
    if (box.intersects(QRectF(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)))) {
      return true;
    }
  }
  return false;
}

// The names of the new points first..last, each at the first place round it that is clear of
// the lines and ellipses near it, or else where a name usually stands.
void ChainPainter::names(double magnification, int first, int last) const {
  painter_.setPen(Qt::black);
  const QFont font = atPoints(sansFont(1), kNamePoints);
  painter_.setFont(font);
  const QFontMetricsF metrics(font, painter_.device());
  std::string label;
  for (int j = first; j <= last; ++j) {
    if (isKnown(j)) continue;
    label.clear();
    report_.appendPointLabel(j, label);
    const QString text = QString::fromStdString(label);
    const QSizeF size(metrics.horizontalAdvance(text), metrics.ascent());
    const QPointF at = point(j);
    QRectF chosen = nameBox(at, size, kNamePlaces[0]);
    for (const QPointF& place : kNamePlaces) {
      const QRectF box = nameBox(at, size, place);
      if (!blocked(box, j, magnification)) {
        chosen = box;
        break;
      }
    }
    painter_.drawText(chosen.bottomLeft(), text);
  }
}

void drawNorthArrow(QPainter& painter, const QRectF& frame, double mm) {
  const QPointF tip(frame.right() - kFurnitureInsetMm * mm - kNorthArrowHeadMm * mm,
                    frame.top() + kFurnitureInsetMm * mm + 4 * mm);
  const QPointF foot = tip + QPointF(0, kNorthArrowMm * mm);
  painter.setPen(QPen(Qt::black, kLineWidthMm * mm));
  painter.drawLine(tip, foot);
  painter.setBrush(Qt::black);
  const double head = kNorthArrowHeadMm * mm;
  painter.drawPolygon(QPolygonF({tip, tip + QPointF(head, 2.5 * head), tip + QPointF(0, 1.8 * head)}));
  painter.setBrush(Qt::white);
  painter.drawPolygon(QPolygonF({tip, tip + QPointF(-head, 2.5 * head), tip + QPointF(0, 1.8 * head)}));
  painter.setFont(atPoints(serifFont(1, true), kFurniturePoints + 2));
  const QRectF letter(tip.x() - 4 * mm, tip.y() - 5.5 * mm, 8 * mm, 5 * mm);
  painter.drawText(letter, Qt::AlignCenter, QString::fromUtf8("北"));
}

// A bar of two halves, black and white, with 0, the middle and the whole length under it.
void drawScaleBar(QPainter& painter, const QRectF& frame, double mm, double denominator) {
  const double metresPerMm = denominator / kMetresToMillimetres;
  const double length = roundBarLength(kScaleBarShare * frame.width() / mm * metresPerMm);
  const double barWidth = length / metresPerMm * mm;
  const QPointF start(frame.left() + kFurnitureInsetMm * mm,
                      frame.bottom() - kFurnitureInsetMm * mm - 4 * mm);
  const double height = kScaleBarHeightMm * mm;
  painter.setPen(QPen(Qt::black, kLineWidthMm * mm));
  painter.setBrush(Qt::black);
  painter.drawRect(QRectF(start, QSizeF(barWidth / 2, height)));
  painter.setBrush(Qt::white);
  painter.drawRect(QRectF(start + QPointF(barWidth / 2, 0), QSizeF(barWidth / 2, height)));
  painter.setFont(atPoints(sansFont(1), kFurniturePoints));
  const double labelTop = start.y() + height + 0.8 * mm;
  const auto label = [&](double x, const QString& text) {
    painter.drawText(QRectF(x - 15 * mm, labelTop, 30 * mm, 4 * mm), Qt::AlignHCenter | Qt::AlignTop,
                     text);
  };
  label(start.x(), "0");
  label(start.x() + barWidth / 2, lengthText(length / 2));
  label(start.x() + barWidth, lengthText(length) + QString::fromUtf8(" 米"));
  painter.drawText(QRectF(start.x(), start.y() - 5 * mm, 60 * mm, 4 * mm),
                   Qt::AlignLeft | Qt::AlignBottom,
                   QString::fromUtf8("比例尺 1:") + lengthText(denominator));
}

}  // namespace

namespace {

void drawFrame(QPainter& painter, const QRectF& frame, double unitsPerMm) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, kFrameLineWidthMm * unitsPerMm));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(frame);
}

QRectF innerArea(const QRectF& frame, double unitsPerMm) {
  const double margin = kInnerMarginMm * unitsPerMm;
  return frame.adjusted(margin, margin, -margin, -margin);
}

// The outline and the number of every sheet on the overview.
void drawSheetOutlines(QPainter& painter, const ChainToPage& toPage, double mm,
                       const std::vector<ChainSheet>& sheets, const QRectF& frame) {
  painter.setPen(QPen(QColor(0, 90, 200), kLineWidthMm * mm));
  painter.setBrush(Qt::NoBrush);
  painter.setFont(atPoints(sansFont(1), kNamePoints));
  const QFontMetricsF metrics(painter.font(), painter.device());
  QRectF lastLabel;
  for (const ChainSheet& sheet : sheets) {
    const FigureExtent& e = sheet.extent;
    const QRectF outline = QRectF(toPage(e.maxX, e.minY), toPage(e.minX, e.maxY)).normalized();
    painter.drawRect(outline);
    const QString number = QString::number(sheet.number);
    const QRectF label(outline.topLeft() - QPointF(0, metrics.height()),
                       QSizeF(metrics.horizontalAdvance(number), metrics.height()));
    // Numbers that would run into the one before are left out; the outlines still show.
    if (!label.intersects(lastLabel) && frame.contains(label)) {
      painter.drawText(label, Qt::AlignLeft | Qt::AlignBottom, number);
      lastLabel = label;
    }
  }
}

}  // namespace

WholeChainPlacement placeWholeChain(const QRectF& frame, double unitsPerMm,
                                    const RunReport& report) {
  const QRectF area = innerArea(frame, unitsPerMm);
  const FigureExtent extent = figureExtent(report);
  const double denominator = roundScaleDenominator(
      extent.across(), extent.down(), area.width() / unitsPerMm, area.height() / unitsPerMm);
  return {denominator, ChainToPage(extent, area, unitsPerMm * kMetresToMillimetres / denominator)};
}

ChainDrawingScale drawChain(QPainter& painter, const QRectF& frame, double unitsPerMm,
                            const RunReport& report, const std::vector<ChainSheet>& sheets) {
  painter.save();
  drawFrame(painter, frame, unitsPerMm);
  const WholeChainPlacement placement = placeWholeChain(frame, unitsPerMm, report);
  const double denominator = placement.denominator;
  const ChainToPage& toPage = placement.toPage;
  const int n = report.triangleCount();
  const ChainPainter chain(painter, unitsPerMm, report, toPage, {1, n});
  const int lastPoint = static_cast<int>(report.X.size()) - 1;
  chain.triangles();
  chain.sightLines();
  const bool whole = sheets.empty();
  const double magnification = whole ? ellipseMagnification(report, denominator) : 0.0;
  chain.ellipses(magnification, 0, lastPoint);
  if (lastPoint + 1 <= kMostNamedPoints) chain.newPoints(0, lastPoint);
  chain.knownPoints();
  if (whole && lastPoint + 1 <= kMostNamedPoints) chain.names(magnification, 0, lastPoint);
  if (!whole) drawSheetOutlines(painter, toPage, unitsPerMm, sheets, frame);
  drawNorthArrow(painter, frame, unitsPerMm);
  drawScaleBar(painter, frame, unitsPerMm, denominator);
  painter.restore();
  return {denominator, magnification};
}

ChainDrawingScale drawChainSheet(QPainter& painter, const QRectF& frame, double unitsPerMm,
                                 const RunReport& report, const ChainSheet& sheet,
                                 double magnification) {
  painter.save();
  drawFrame(painter, frame, unitsPerMm);
  const QRectF area = innerArea(frame, unitsPerMm);
  const ChainToPage toPage(sheet.extent, area,
                           unitsPerMm * kMetresToMillimetres / sheet.denominator);
  painter.setClipRect(frame);
  const int n = report.triangleCount();
  // Triangle i has its forward point i+1 and its other points before it.
  const TriangleRange triangles{std::max(1, sheet.firstPoint), std::min(n, sheet.lastPoint - 1)};
  const ChainPainter chain(painter, unitsPerMm, report, toPage, triangles);
  chain.triangles();
  chain.sightLines();
  chain.ellipses(magnification, sheet.firstPoint, sheet.lastPoint);
  chain.newPoints(sheet.firstPoint, sheet.lastPoint);
  chain.knownPoints();
  chain.names(magnification, sheet.firstPoint, sheet.lastPoint);
  painter.setClipping(false);
  drawNorthArrow(painter, frame, unitsPerMm);
  drawScaleBar(painter, frame, unitsPerMm, sheet.denominator);
  painter.restore();
  return {sheet.denominator, magnification};
}

}  // namespace chainadj::ui
