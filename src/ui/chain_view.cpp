#include "ui/chain_view.h"

#include <QAction>
#include <QApplication>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "report/chain_figure.h"
#include "state/display_format.h"
#include "ui/chain_drawing.h"

namespace chainadj::ui {
namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr double kMillimetresPerMetre = 1000.0;
// The sheet: its longer side, and its shorter side at least, millimetres.
constexpr double kSheetLongSideMm = 360.0;
constexpr double kSheetShortSideMm = 150.0;
// The sheet's frame line reaches this far out of it, millimetres.
constexpr double kSheetBleedMm = 1.0;
// A wheel step (120 eighths of a degree) zooms by this factor; the view zooms no further out
// than a tenth of the fitted sheet and no further in than this many device units a unit.
constexpr double kWheelStep = 120.0;
constexpr double kZoomPerStep = 1.25;
constexpr double kLeastZoomOfFit = 0.1;
constexpr double kMostZoom = 200.0;
// The scene reaches this share of the sheet beyond it on every side.
constexpr double kRoomAboutSheet = 0.5;
// A click finds the point within this many pixels.
constexpr double kPickPixels = 8.0;
constexpr int kMetreDecimals = 3;
constexpr int kMillimetreDecimals = 1;

const char* const kSketchCaption = "概略网图（未平差）";

// The sheet of the drawing in the scene, painted by the PDF's drawing of the chain.
class ChainSheetItem : public QGraphicsItem {
 public:
  ChainSheetItem(const RunReport& report, const QRectF& frame, double unitsPerMm)
      : report_(report), frame_(frame), unitsPerMm_(unitsPerMm) {}

  QRectF boundingRect() const override {
    const double bleed = kSheetBleedMm * unitsPerMm_;
    return frame_.adjusted(-bleed, -bleed, bleed, bleed);
  }
  void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override {
    painter->fillRect(frame_, Qt::white);
    drawChain(*painter, frame_, unitsPerMm_, report_);
  }

 private:
  const RunReport& report_;
  QRectF frame_;
  double unitsPerMm_;
};

// A sheet shaped like the chain: its longer side across the chain's longer extent.
QSizeF sheetSizeMm(const RunReport& report) {
  const FigureExtent extent = figureExtent(report);
  const double across = extent.across(), down = extent.down();
  if (across >= down) {
    return {kSheetLongSideMm, std::max(kSheetShortSideMm, kSheetLongSideMm * down / across)};
  }
  return {std::max(kSheetShortSideMm, kSheetLongSideMm * across / down), kSheetLongSideMm};
}

QString fixed(double value, int decimals) { return QString::number(value, 'f', decimals); }

QString millimetres(const char* name, double metres) {
  return QString::fromUtf8("%1 = %2").arg(QString::fromUtf8(name),
                                          fixed(metres * kMillimetresPerMetre, kMillimetreDecimals));
}

}  // namespace

ChainView::ChainView(QWidget* parent)
    : QGraphicsView(parent), scene_(new QGraphicsScene(this)),
      fit_(new QAction(QString::fromUtf8("适合窗口"), this)) {
  setObjectName("ChainView");
  setScene(scene_);
  setRenderHint(QPainter::Antialiasing);
  setDragMode(QGraphicsView::ScrollHandDrag);
  setTransformationAnchor(QGraphicsView::NoAnchor);
  setResizeAnchor(QGraphicsView::AnchorViewCenter);
  setBackgroundBrush(palette().window());
  fit_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
  fit_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  addAction(fit_);
  connect(fit_, &QAction::triggered, this, &ChainView::fitToWindow);
}

void ChainView::showResults(RunReport report, const QString& title) {
  draw(std::move(report));
  magnification_ = chainadj::ellipseMagnification(*report_, denominator_);
  caption_ = QString::fromUtf8("平差成果：") + title;
  if (magnification_ > 0.0) {
    caption_ += QString::fromUtf8("（误差椭圆放大 %1 倍）")
                    .arg(QString::fromStdString(formatRoundedPlain(magnification_, 0)));
  }
}

void ChainView::showSketch(RunReport report) {
  draw(std::move(report));
  caption_ = QString::fromUtf8(kSketchCaption);
}

void ChainView::draw(RunReport report) {
  scene_->clear();
  note_.clear();
  report_ = std::move(report);
  const double unitsPerMm = logicalDpiX() / kMillimetresPerInch;
  const QSizeF size = sheetSizeMm(*report_) * unitsPerMm;
  sheet_ = QRectF(QPointF(0, 0), size);
  const WholeChainPlacement placement = placeWholeChain(sheet_, unitsPerMm, *report_);
  denominator_ = placement.denominator;
  magnification_ = 0;
  points_.clear();
  const std::size_t count = std::min(report_->X.size(), report_->Y.size());
  points_.reserve(count);
  for (std::size_t j = 0; j < count; ++j) points_.push_back(placement.toPage(report_->X[j], report_->Y[j]));
  scene_->addItem(new ChainSheetItem(*report_, sheet_, unitsPerMm));
  // Room about the sheet, so that the wheel can zoom about a point near its edge too.
  const QSizeF room = size * kRoomAboutSheet;
  scene_->setSceneRect(sheet_.adjusted(-room.width(), -room.height(), room.width(), room.height()));
  fitToWindow();
}

void ChainView::showNote(const QString& note) {
  scene_->clear();
  report_.reset();
  points_.clear();
  denominator_ = magnification_ = 0;
  caption_.clear();
  note_ = note;
  QGraphicsSimpleTextItem* text = scene_->addSimpleText(note);
  sheet_ = text->boundingRect();
  scene_->setSceneRect(sheet_);
  resetTransform();
  centerOn(sheet_.center());
}

QPointF ChainView::scenePosition(int j) const {
  return j >= 0 && j < static_cast<int>(points_.size()) ? points_[static_cast<std::size_t>(j)]
                                                        : QPointF();
}

QRectF ChainView::sheetRect() const { return sheet_; }

int ChainView::pointAt(const QPoint& viewportPosition) const {
  int nearest = -1;
  double best = kPickPixels;
  for (std::size_t j = 0; j < points_.size(); ++j) {
    const QPointF offset = QPointF(mapFromScene(points_[j])) - QPointF(viewportPosition);
    const double distance = std::hypot(offset.x(), offset.y());
    if (distance <= best) {
      best = distance;
      nearest = static_cast<int>(j);
    }
  }
  return nearest;
}

QString ChainView::pointValues(int j) const {
  if (!report_ || j < 0 || j >= static_cast<int>(points_.size())) return {};
  const auto k = static_cast<std::size_t>(j);
  QString line = QString::fromUtf8("%1：X = %2 米，Y = %3 米")
                     .arg(QString::fromStdString(report_->pointLabel(j)),
                          fixed(report_->X[k], kMetreDecimals), fixed(report_->Y[k], kMetreDecimals));
  if (const PointPrecision* precision = report_->newPointPrecision(j)) {
    line += QString::fromUtf8("；") +
            QStringList{millimetres("mx", precision->mx), millimetres("my", precision->my),
                        millimetres("mp", precision->mp), millimetres("E", precision->E),
                        millimetres("F", precision->F)}
                .join(QString::fromUtf8("，")) +
            QString::fromUtf8(" 毫米");
  } else if (report_->isKnownPoint(j)) {
    line += QString::fromUtf8("（已知点）");
  }
  return line;
}

void ChainView::fitToWindow() {
  if (sheet_.isEmpty()) return;
  fitInView(sheet_, Qt::KeepAspectRatio);
  fitted_ = true;
}

void ChainView::zoomBy(double factor) {
  const double now = transform().m11();
  if (!(now > 0.0) || sheet_.isEmpty()) return;
  const QRectF inView = viewport()->rect();
  const double fit = std::min(inView.width() / sheet_.width(), inView.height() / sheet_.height());
  const double wanted = std::clamp(now * factor, std::min(kLeastZoomOfFit * fit, now), kMostZoom);
  scale(wanted / now, wanted / now);
  fitted_ = false;
}

// The point of the chain under the cursor stays under it.
void ChainView::wheelEvent(QWheelEvent* event) {
  const double steps = event->angleDelta().y() / kWheelStep;
  if (steps == 0.0 || !report_) return;
  const QPointF cursor = event->position();
  const QPointF underCursor = viewportTransform().inverted().map(cursor);
  zoomBy(std::pow(kZoomPerStep, steps));
  const QPointF moved = viewportTransform().map(underCursor) - cursor;
  horizontalScrollBar()->setValue(horizontalScrollBar()->value() + qRound(moved.x()));
  verticalScrollBar()->setValue(verticalScrollBar()->value() + qRound(moved.y()));
  event->accept();
}

void ChainView::mousePressEvent(QMouseEvent* event) {
  pressedAt_ = event->position().toPoint();
  QGraphicsView::mousePressEvent(event);
}

// A press and release at one place is a click, not a drag.
void ChainView::mouseReleaseEvent(QMouseEvent* event) {
  QGraphicsView::mouseReleaseEvent(event);
  if (event->button() != Qt::LeftButton || !report_) return;
  const QPoint at = event->position().toPoint();
  if ((at - pressedAt_).manhattanLength() > QApplication::startDragDistance()) return;
  emit pointPicked(pointValues(pointAt(at)));
}

void ChainView::resizeEvent(QResizeEvent* event) {
  QGraphicsView::resizeEvent(event);
  if (fitted_ && report_) fitToWindow();
}

}  // namespace chainadj::ui
