#include "ui/project_info_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "report/run_report.h"

namespace chainadj::ui {
namespace {

constexpr int kBoxWidth = 360;  // pixels

}  // namespace

ProjectInfoDialog::ProjectInfoDialog(const ProjectInfo& info, QWidget* parent) : QDialog(parent) {
  setObjectName("ProjectInfoDialog");
  setWindowTitle(QString::fromUtf8("项目信息"));
  auto* form = new QFormLayout;
  for (const ProjectField& field : projectFields()) {
    auto* box = new QLineEdit(QString::fromStdString(info.*field.text), this);
    box->setObjectName(QString::fromUtf8(field.keyword.data(), static_cast<int>(field.keyword.size())));
    box->setMinimumWidth(kBoxWidth);
    if (field.text == &ProjectInfo::computedOn) {
      box->setPlaceholderText(QString::fromStdString(todayText()));
    }
    form->addRow(QString::fromUtf8(field.label) + QString::fromUtf8("："), box);
    boxes_.push_back(box);
  }
  auto* note = new QLabel(QString::fromUtf8(
      "这些内容写在成果报告的开头，保存数据文件时一起保存（project、observer 等行）。"
      "计算日期不填时为出报告的当天。"), this);
  note->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(QString::fromUtf8("确定"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8("取消"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(note);
  layout->addWidget(buttons);
}

ProjectInfo ProjectInfoDialog::info() const {
  ProjectInfo info;
  std::size_t k = 0;
  for (const ProjectField& field : projectFields()) {
    info.*field.text = boxes_[k++]->text().trimmed().toStdString();
  }
  return info;
}

}  // namespace chainadj::ui
