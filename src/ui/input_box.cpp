#include "ui/input_box.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/form_fonts.h"

namespace chainadj::ui {
namespace {

// The prompt wraps within this width (logical pixels); the box grows downwards to hold it all.
constexpr int kPromptWidth = 420;

}  // namespace

InputBox::InputBox(const QString& prompt, QWidget* parent)
    : QDialog(parent), prompt_(new QLabel(prompt, this)), field_(new QLineEdit(this)) {
  setWindowTitle(QString());
  setModal(true);
  setFont(dialogFont());

  prompt_->setObjectName("prompt");
  prompt_->setTextFormat(Qt::PlainText);
  prompt_->setWordWrap(true);
  prompt_->setFixedWidth(kPromptWidth);
  prompt_->setMinimumHeight(prompt_->heightForWidth(kPromptWidth));
  field_->setObjectName("answer");

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt_);
  layout->addWidget(field_);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  field_->setFocus();
}

QString InputBox::answer() const {
  return result() == QDialog::Accepted ? field_->text() : QString();
}

QString InputBox::ask(QWidget* parent, const QString& prompt) {
  InputBox box(prompt, parent);
  box.exec();
  return box.answer();
}

}  // namespace chainadj::ui
