#include "ui/chain_drawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QVector>
#include <cmath>

#include "report/chain_figure.h"
#include "state/display_format.h"
#include "ui/form_fonts.h"

namespace chainadj::ui {
namespace {

constexpr double kMetresToMillimetres = 1000.0;

// Sizes on paper, millimetres.
constexpr double kInnerMarginMm = 12.0;     // between the frame and the chain
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

// Chain coordinates (X north, Y east, metres) to the page.
class ChainToPage {
 public:
  ChainToPage(const FigureExtent& extent, const QRectF& area, double unitsPerMetre)
      : centreX_(extent.centreX()), centreY_(extent.centreY()), page_(area.center()),
        unitsPerMetre_(unitsPerMetre) {}

  QPointF operator()(double x, double y) const {
    return {page_.x() + (y - centreY_) * unitsPerMetre_, page_.y() - (x - centreX_) * unitsPerMetre_};
  }
  double unitsPerMetre() const { return unitsPerMetre_; }

 private:
  double centreX_, centreY_;
  QPointF page_;
  double unitsPerMetre_;
};

class ChainPainter {
 public:
  ChainPainter(QPainter& painter, double unitsPerMm, const RunReport& report,
               const ChainToPage& toPage)
      : painter_(painter), mm_(unitsPerMm), report_(report), toPage_(toPage) {}

  void triangles() const;
  void sightLines() const;
  void newPoints() const;
  void ellipses(double magnification) const;
  void knownPoints() const;
  void names() const;

 private:
  QPointF point(int j) const {
    const auto k = static_cast<std::size_t>(j);
    return toPage_(report_.X[k], report_.Y[k]);
  }
  const KnownPoint* known(char letter) const;
  void name(const QPointF& at, const QString& text) const;

  QPainter& painter_;
  double mm_;
  const RunReport& report_;
  const ChainToPage& toPage_;
};

void ChainPainter::triangles() const {
  painter_.setPen(QPen(Qt::black, kLineWidthMm * mm_));
  QVector<QLineF> lines;
  lines.reserve(3 * kLinesPerBatch);
  for (const ReportTriangle& triangle : report_.triangles) {
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

void ChainPainter::newPoints() const {
  painter_.setPen(QPen(Qt::black, kLineWidthMm * mm_));
  painter_.setBrush(Qt::white);
  const double radius = kPointRadiusMm * mm_;
  for (int j = 0; j < static_cast<int>(report_.X.size()); ++j) {
    painter_.drawEllipse(point(j), radius, radius);
  }
}

// Each new point's ellipse about the point, its semi-major axis E at the azimuth φ (clockwise
// from north, which is up on the page).
void ChainPainter::ellipses(double magnification) const {
  if (!(magnification > 0.0)) return;
  painter_.setPen(QPen(kEllipseColour, kEllipseLineWidthMm * mm_));
  painter_.setBrush(Qt::NoBrush);
  const double scale = magnification * toPage_.unitsPerMetre();
  for (int j = report_.firstListedPoint; j <= report_.lastListedPoint; ++j) {
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

// The names of the new points, while they can be read.
void ChainPainter::names() const {
  const int points = static_cast<int>(report_.X.size());
  if (points > kMostNamedPoints) return;
  painter_.setPen(Qt::black);
  painter_.setFont(atPoints(sansFont(1), kNamePoints));
  std::string label;
  for (int j = 0; j < points; ++j) {
    bool isKnown = false;
    for (const KnownPoint& point : report_.known.points) isKnown = isKnown || point.chainPoint == j;
    if (isKnown) continue;
    label.clear();
    report_.appendPointLabel(j, label);
    name(point(j) + QPointF(0, -kNameOffsetMm * mm_), QString::fromStdString(label));
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

ChainDrawingScale drawChain(QPainter& painter, const QRectF& frame, double unitsPerMm,
                            const RunReport& report) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, kFrameLineWidthMm * unitsPerMm));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(frame);

  const QRectF area = frame.adjusted(kInnerMarginMm * unitsPerMm, kInnerMarginMm * unitsPerMm,
                                     -kInnerMarginMm * unitsPerMm, -kInnerMarginMm * unitsPerMm);
  const FigureExtent extent = figureExtent(report);
  const double denominator = roundScaleDenominator(
      extent.across(), extent.down(), area.width() / unitsPerMm, area.height() / unitsPerMm);
  const ChainToPage toPage(extent, area, unitsPerMm * kMetresToMillimetres / denominator);
  const ChainPainter chain(painter, unitsPerMm, report, toPage);
  chain.triangles();
  chain.sightLines();
  const double magnification = ellipseMagnification(report, denominator);
  chain.ellipses(magnification);
  chain.newPoints();
  chain.knownPoints();
  chain.names();
  drawNorthArrow(painter, frame, unitsPerMm);
  drawScaleBar(painter, frame, unitsPerMm, denominator);
  painter.restore();
  return {denominator, magnification};
}

}  // namespace chainadj::ui
