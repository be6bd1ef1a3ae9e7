#include "ui/main_form.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <exception>

#include "ui/caption_label.h"
#include "ui/form_fonts.h"
#include "ui/form_table.h"
#include "ui/line_shape.h"

namespace chainadj::ui {
namespace {

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

}  // namespace

MainForm::MainForm(QWidget* parent) : QWidget(parent), platform_(*this), driver_(platform_) {
  setObjectName("MainForm");
  setWindowTitle(kWindowCaption);
  setFixedSize(pixelsFromTwips(kFormWidthTwips), pixelsFromTwips(kFormHeightTwips));
  // Lines first, so that they lie under the labels and boxes they run past.
  buildLines();
  buildBoxes();
  buildLabels();
  buildButtons();
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
    auto* box = new QLineEdit(this);
    box->setObjectName(QString("Text%1").arg(entry.number));
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    box->setFont(boxFont());
    box->setTextMargins(0, 0, 0, 0);
    box->setGeometry(pixelsFromTwips(entry.at));
    boxes_[entry.number] = box;
  }
}

void MainForm::buildLabels() {
  for (const LabelEntry& entry : formLabels()) {
    auto* label = new CaptionLabel(QString::fromUtf8(entry.caption), entry.style, this);
    label->setObjectName(entry.name);
    label->setGeometry(pixelsFromTwips(entry.at));
    labels_[entry.name] = label;
  }
}

void MainForm::buildButtons() {
  for (const ButtonEntry& entry : formButtons()) {
    auto* button = new QPushButton(QString::fromUtf8(entry.caption), this);
    button->setObjectName(entry.name);
    button->setFont(buttonFont());
    button->setGeometry(pixelsFromTwips(entry.at));
    if (button->objectName() == "Command1") {
      connect(button, &QPushButton::clicked, this, &MainForm::Command1_Click);
    } else {
      connect(button, &QPushButton::clicked, this, &MainForm::Command2_Click);
    }
  }
}

QLineEdit* MainForm::box(int number) const {
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
  runOnce();
  if (platform_.ending()) emit programEnded();
}

void MainForm::runOnce() {
  RunningFlag running(running_);
  try {
    lastOutcome_ = driver_.Command1_Click();
  } catch (const std::exception& error) {
    // Not a fault of the data: the run stops, the window stays.
    lastOutcome_ = RunOutcome::Stopped;
    platform_.showMessage(std::string("计算意外中断：") + error.what());
  }
}

void MainForm::Command2_Click() { driver_.Command2_Click(); }

void MainForm::closeEvent(QCloseEvent* event) {
  platform_.beginEnding();
  event->accept();
  // A run that waits in an input box stops first; Command1_Click says so when it has.
  if (!running_) emit programEnded();
}

}  // namespace chainadj::ui
