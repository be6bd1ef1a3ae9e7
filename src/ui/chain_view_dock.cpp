#include "ui/chain_view_dock.h"

#include <QAction>
#include <QDockWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "report/chain_sketch.h"
#include "state/chain_error.h"
#include "ui/chain_editing.h"
#include "ui/chain_view.h"
#include "ui/editor_document.h"
#include "ui/main_form.h"
#include "ui/main_window.h"

namespace chainadj::ui {

ChainViewDock::ChainViewDock(MainWindow& window)
    : QObject(&window), window_(window), dock_(new QDockWidget(QString::fromUtf8("网图"), &window)),
      view_(new ChainView), caption_(new QLabel), values_(new QLabel), delay_(new QTimer(this)) {
  buildDock();
  delay_->setSingleShot(true);
  delay_->setInterval(kSketchDelayMs);
  connect(delay_, &QTimer::timeout, this, [this] {
    stale_ = true;
    refresh();
  });
  connect(&window.form(), &MainForm::resultsReady, this, &ChainViewDock::takeResults);
  EditorDocument& document = window.editing().document();
  connect(&document, &EditorDocument::chainChanged, this, &ChainViewDock::chainEdited);
  connect(&document, &EditorDocument::replaced, this, &ChainViewDock::chainEdited);
  connect(dock_, &QDockWidget::visibilityChanged, this, [this](bool visible) {
    if (visible) refresh();
  });
  connect(view_, &ChainView::pointPicked, values_, &QLabel::setText);
  if (QMenu* menu = window.menuBar()->findChild<QMenu*>("ViewMenu")) menu->addAction(toggleAction());
}

void ChainViewDock::buildDock() {
  dock_->setObjectName("ChainViewDock");
  auto* panel = new QWidget;
  auto* column = new QVBoxLayout(panel);
  auto* head = new QHBoxLayout;
  caption_->setObjectName("ChainViewCaption");
  values_->setObjectName("ChainViewValues");
  values_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  caption_->setWordWrap(true);
  values_->setWordWrap(true);
  auto* fit = new QToolButton;
  fit->setDefaultAction(view_->fitAction());
  head->addWidget(caption_, 1);
  head->addWidget(fit);
  column->addLayout(head);
  column->addWidget(view_, 1);
  column->addWidget(values_);
  dock_->setWidget(panel);
  dock_->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
  QDockWidget& editor = window_.editing().dock();
  window_.addDockWidget(Qt::RightDockWidgetArea, dock_);
  window_.tabifyDockWidget(&editor, dock_);
  dock_->hide();
  QAction* shown = dock_->toggleViewAction();
  shown->setText(QString::fromUtf8("网图"));
  // Shown from the menu, it comes to the front of its tabs.
  connect(shown, &QAction::triggered, this, [this](bool checked) {
    if (checked) dock_->raise();
  });
}

QAction* ChainViewDock::toggleAction() const { return dock_->toggleViewAction(); }

QString ChainViewDock::captionText() const { return caption_->text(); }

QString ChainViewDock::valuesText() const { return values_->text(); }

bool ChainViewDock::sketchPending() const { return delay_->isActive(); }

void ChainViewDock::sketchNow() {
  if (!delay_->isActive()) return;
  delay_->stop();
  stale_ = true;
  refresh();
}

void ChainViewDock::takeResults() {
  delay_->stop();
  shown_ = Shown::Results;
  stale_ = true;
  refresh();
}

void ChainViewDock::chainEdited() {
  shown_ = Shown::Sketch;
  delay_->start();
}

void ChainViewDock::refresh() {
  if (!stale_ || dock_->isHidden()) return;
  stale_ = false;
  values_->clear();
  if (shown_ == Shown::Results) {
    drawResults();
  } else {
    drawSketch();
  }
  caption_->setText(view_->caption().isEmpty() ? view_->note() : view_->caption());
}

void ChainViewDock::drawResults() {
  try {
    view_->showResults(window_.reportOfLastRun(), window_.titleOfLastRun());
  } catch (const ChainError& error) {
    view_->showNote(QString::fromUtf8(error.what()));
  }
}

void ChainViewDock::drawSketch() {
  ChainSketch sketch = sketchChain(window_.editing().document().chain().data());
  if (sketch.report) {
    view_->showSketch(std::move(*sketch.report));
  } else {
    view_->showNote(QString::fromStdString(sketch.note));
  }
}

}  // namespace chainadj::ui
