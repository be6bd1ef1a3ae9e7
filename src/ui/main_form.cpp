#include "ui/main_form.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <cstring>
#include <exception>

#include "entry/plane_settings.h"
#include "ui/caption_label.h"
#include "ui/form_fonts.h"
#include "ui/form_scale.h"
#include "ui/form_table.h"
#include "ui/line_shape.h"
#include "ui/text_box.h"

namespace chainadj::ui {
namespace {

// What a window manager adds around a window before the window has been shown and the real
// frame is known: borders and a title bar, in logical pixels (generous, so that the form fits).
constexpr QSize kFrameAllowance(16, 40);

// Clears the run flag however the run ends.
class RunningFlag {
 public:
  explicit RunningFlag(bool& flag) : flag_(flag) { flag_ = true; }
  ~RunningFlag() { flag_ = false; }
  RunningFlag(const RunningFlag&) = delete;
  RunningFlag& operator=(const RunningFlag&) = delete;

 private:
  bool& flag_;
};

QSize fullSize() {
  return QSize(pixelsFromTwips(kFormWidthTwips), pixelsFromTwips(kFormHeightTwips));
}

}  // namespace

MainForm::MainForm(QWidget* parent) : QWidget(parent), platform_(*this), driver_(platform_) {
  setObjectName("MainForm");
  setWindowTitle(kWindowCaption);
  // Lines first, so that they lie under the labels and boxes they run past.
  buildLines();
  buildBoxes();
  buildLabels();
  buildButtons();
  setScale(1.0);
  if (QWidget* start = findChild<QPushButton*>("Command1")) start->setFocus();
}

void MainForm::buildLines() {
  for (const LineEntry& entry : formLines()) {
    auto* line = new LineShape(entry.from, entry.to, this);
    line->setObjectName(QString("Line%1").arg(entry.number));
  }
}

void MainForm::buildBoxes() {
  for (const BoxEntry& entry : formBoxes()) {
    auto* box = new TextBox(this);
    box->setObjectName(QString("Text%1").arg(entry.number));
    boxes_[entry.number] = box;
  }
}

void MainForm::buildLabels() {
  for (const LabelEntry& entry : formLabels()) {
    auto* label = new CaptionLabel(QString::fromUtf8(entry.caption), entry.style, this);
    label->setObjectName(entry.name);
    labels_[entry.name] = label;
  }
}

void MainForm::buildButtons() {
  for (const ButtonEntry& entry : formButtons()) {
    auto* button = new QPushButton(QString::fromUtf8(entry.caption), this);
    button->setObjectName(entry.name);
    if (button->objectName() == "Command1") {
      connect(button, &QPushButton::clicked, this, &MainForm::Command1_Click);
    } else {
      connect(button, &QPushButton::clicked, this, &MainForm::Command2_Click);
    }
  }
}

void MainForm::setScale(double scale) {
  scale_ = scale;
  setFixedSize(pixelsFromTwips(kFormWidthTwips, scale), pixelsFromTwips(kFormHeightTwips, scale));
  for (LineShape* line : findChildren<LineShape*>(QString(), Qt::FindDirectChildrenOnly)) {
    line->setScale(scale);
  }
  for (const BoxEntry& entry : formBoxes()) {
    TextBox* box = boxes_.at(entry.number);
    box->setScale(scale);
    box->setGeometry(pixelsFromTwips(entry.at, scale));
  }
  for (const LabelEntry& entry : formLabels()) {
    CaptionLabel* label = labels_.at(entry.name);
    label->setScale(scale);
    label->setGeometry(pixelsFromTwips(entry.at, scale));
  }
  for (const ButtonEntry& entry : formButtons()) {
    auto* button = findChild<QPushButton*>(entry.name, Qt::FindDirectChildrenOnly);
    button->setFont(buttonFont(scale));
    button->setGeometry(pixelsFromTwips(entry.at, scale));
  }
  emit scaleChanged();
}

QSize MainForm::frameExtent() const {
  const QWidget* top = window();
  return top->frameGeometry().size() - top->size();
}

void MainForm::fitTo(const QRect& available) {
  const QSize frame = isVisible() && !frameExtent().isNull() ? frameExtent() : kFrameAllowance;
  const double scale = formScaleFor(fullSize(), frame + windowExtras_, available.size());
  if (scale != scale_) setScale(scale);
}

void MainForm::fitToScreen() {
  if (const QScreen* current = screen()) fitTo(current->availableGeometry());
}

void MainForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (followsScreen_ || !windowHandle()) return;
  followsScreen_ = true;
  connect(windowHandle(), &QWindow::screenChanged, this, &MainForm::fitToScreen);
}

QList<QRect> MainForm::writtenAreas() const {
  QList<QRect> areas;
  const auto onScreen = [](const QWidget* control) {
    return QRect(control->mapToGlobal(QPoint(0, 0)), control->size());
  };
  for (const auto& [number, box] : boxes_) areas << onScreen(box);
  for (const char* name : runCaptionLabels()) {
    if (const CaptionLabel* label = labelNamed(name)) areas << onScreen(label);
  }
  return areas;
}

TextBox* MainForm::box(int number) const {
  const auto found = boxes_.find(number);
  return found == boxes_.end() ? nullptr : found->second;
}

CaptionLabel* MainForm::labelNamed(const QString& name) const {
  const auto found = labels_.find(name);
  return found == labels_.end() ? nullptr : found->second;
}

CaptionLabel* MainForm::label(int number) const {
  return labelNamed(QString("Label%1").arg(number));
}

CaptionLabel* MainForm::label12(int element) const {
  return labelNamed(QString("Label12(%1)").arg(element));
}

void MainForm::Command1_Click() {
  if (running_ || platform_.ending()) return;
  if (typedRunGate_ && !typedRunGate_()) return;
  reservedLines_ = ChainData{};
  typedRun_ = true;
  driver_.reduceOntoPlane(typedRunPlane_);
  runOnce();
  finishRun();
}

void MainForm::runChainData(const ChainData& data, ListingAnswers listing) {
  if (running_ || platform_.ending()) return;
  reservedLines_ = ChainData{};
  keepReservedLines(reservedLines_, data);
  typedRun_ = false;
  driver_.reduceOntoPlane(reductionSettingsOf(data));
  ChainDataAnswers answers(data, listing);
  platform_.answerFrom(&answers, listing == ListingAnswers::Answered
                                     ? WindowPlatform::Unanswered::StopRun
                                     : WindowPlatform::Unanswered::AskUser);
  runOnce();
  platform_.answerFrom(nullptr);
  finishRun();
}

void MainForm::finishRun() {
  emit runFinished();
  if (platform_.ending()) emit programEnded();
}

void MainForm::announceResults() {
  if (!driver_.currentRun().solved()) return;
  solvedReservedLines_ = reservedLines_;
  solvedRunTyped_ = typedRun_;
  emit resultsReady();
}

void MainForm::markOverLimit(const std::vector<int>& over) {
  for (const auto& [number, box] : boxes_) {
    box->setOverLimit(std::find(over.begin(), over.end(), number) != over.end());
  }
}

void MainForm::clearRunWriting() {
  markOverLimit({});
  for (const auto& [number, box] : boxes_) box->showText(QString());
  const auto captions = runCaptionLabels();
  for (const LabelEntry& entry : formLabels()) {
    const auto rewritten = [&entry](const char* name) { return std::strcmp(entry.name, name) == 0; };
    if (std::any_of(captions.begin(), captions.end(), rewritten)) {
      labels_.at(QString::fromLatin1(entry.name))->setText(QString::fromUtf8(entry.caption));
    }
  }
}

void MainForm::runOnce() {
  RunningFlag running(running_);
  platform_.beginRun();
  clearRunWriting();
  emit runStarted();
  try {
    lastOutcome_ = driver_.runOnce();
  } catch (const std::exception& error) {
    // Not a fault of the data: the run stops, the window stays.
    lastOutcome_ = RunOutcome::Stopped;
    platform_.showMessage(std::string("计算意外中断：") + error.what());
  }
}

void MainForm::Command2_Click() {
  if (endGate_ && !endGate_()) return;
  driver_.endProgram();
}

void MainForm::closeEvent(QCloseEvent* event) {
  platform_.beginEnding();
  event->accept();
  // A run that waits in an input box stops first; Command1_Click says so when it has.
  if (!running_) emit programEnded();
}

}  // namespace chainadj::ui
