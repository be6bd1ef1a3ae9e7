#include "ui/input_box.h"

#include <QDialogButtonBox>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "ui/form_fonts.h"

namespace chainadj::ui {
namespace {

// The prompt wraps within this width (logical pixels at full size). Its area holds this many
// lines, which the longest prompt of a run needs; a longer prompt grows the box downwards.
constexpr int kPromptWidth = 420;
constexpr int kPromptLines = 4;

// The result of a box closed with 中止计算 (QDialog::Rejected is 0, Accepted 1).
constexpr int kStopResult = 2;
constexpr int kListAllResult = 3;

constexpr const char* kStopCaption = "中止计算";
constexpr const char* kListAllCaption = "全部列出";

}  // namespace

InputBox::InputBox(const QString& prompt, QWidget* parent, double scale, const QString& note,
                   bool listing)
    : QDialog(parent), prompt_(new QLabel(prompt, this)), note_(new QLabel(note, this)),
      field_(new QLineEdit(this)) {
  // The main window's title without the mark of unsaved data.
  setWindowTitle(parent ? parent->window()->windowTitle().remove(QStringLiteral("[*]")) : QString());
  setFont(dialogFont(scale));

  const int promptWidth = static_cast<int>(std::lround(kPromptWidth * scale));
  prompt_->setObjectName("prompt");
  prompt_->setTextFormat(Qt::PlainText);
  prompt_->setWordWrap(true);
  prompt_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  prompt_->setFixedWidth(promptWidth);
  note_->setObjectName("note");
  note_->setTextFormat(Qt::PlainText);
  note_->setWordWrap(true);
  note_->setFixedWidth(promptWidth);
  note_->setStyleSheet(QStringLiteral("color: #c00000;"));
  note_->setVisible(!note.isEmpty());
  field_->setObjectName("answer");

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setDefault(true);
  addResultButton(*buttons, kStopCaption, "stopRun", kStopRunKeys, "中止这次计算", kStopResult,
                  QDialogButtonBox::DestructiveRole);
  if (listing) {
    addResultButton(*buttons, kListAllCaption, "listAll", kListAllKeys,
                    "不再逐点敲击输入键，一次列出余下的点", kListAllResult, QDialogButtonBox::ActionRole);
  }
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  // A note takes its room from the prompt's, so that the box keeps its size where both fit.
  const int noteHeight = note.isEmpty() ? 0 : note_->heightForWidth(promptWidth) + layout->spacing();
  prompt_->setMinimumHeight(std::max(prompt_->heightForWidth(promptWidth),
                                     kPromptLines * prompt_->fontMetrics().lineSpacing() - noteHeight));
  layout->addWidget(prompt_);
  layout->addWidget(note_);
  layout->addWidget(field_);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  field_->setFocus();
}

void InputBox::addResultButton(QDialogButtonBox& buttons, const char* caption, const char* name,
                               const QKeySequence& keys, const char* what, int result,
                               QDialogButtonBox::ButtonRole role) {
  QPushButton* button = buttons.addButton(QString::fromUtf8(caption), role);
  button->setObjectName(name);
  button->setAutoDefault(false);
  button->setShortcut(keys);
  button->setToolTip(QString::fromUtf8("%1（%2）").arg(QString::fromUtf8(what), keys.toString(QKeySequence::NativeText)));
  connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
}

InputBoxAnswer InputBox::answer() const {
  switch (result()) {
    case QDialog::Accepted:
      return field_->text();
    case kStopResult:
      return InputBoxAnswer::stopRun();
    case kListAllResult:
      return InputBoxAnswer::listAll();
    default:
      return QString();
  }
}

InputBoxAnswer InputBox::waitForAnswer() {
  QEventLoop loop;
  connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
  setResult(QDialog::Rejected);
  show();
  activateWindow();
  loop.exec(QEventLoop::DialogExec);
  hide();
  return answer();
}

InputBoxAnswer InputBox::ask(QWidget* parent, const QString& prompt) {
  InputBox box(prompt, parent);
  return box.waitForAnswer();
}

}  // namespace chainadj::ui
