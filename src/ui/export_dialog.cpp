#include "ui/export_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace chainadj::ui {
namespace {

constexpr int kFileBoxWidth = 420;  // pixels

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

ExportFormatText exportFormatText(ExportFormat format) {
  switch (format) {
    case ExportFormat::Dxf:
      return {"DXF 图形（CAD）…", "导出 DXF 图形", "DXF 图形文件", "DXF 图形文件 (*.dxf)", ".dxf"};
    case ExportFormat::Cass:
      return {"CASS 坐标文件…", "导出 CASS 坐标文件", "CASS 坐标文件", "CASS 坐标文件 (*.dat)",
              ".dat"};
    case ExportFormat::Workbook:
      return {"Excel 成果表…", "导出 Excel 成果表", "Excel 成果表", "Excel 工作簿 (*.xlsx)",
              ".xlsx"};
    case ExportFormat::Json:
      return {"JSON 成果…", "导出 JSON", "JSON 成果文件", "JSON 文件 (*.json)", ".json"};
    case ExportFormat::Csv:
      break;
  }
  return {"座标 CSV…", "导出座标 CSV", "座标 CSV 文件", "CSV 文件 (*.csv)", ".csv"};
}

QString withExtension(const QString& file, ExportFormat format) {
  if (file.isEmpty() || !QFileInfo(file).suffix().isEmpty()) return file;
  return file + text(exportFormatText(format).extension);
}

ExportDialog::ExportDialog(ExportFormat format, const ExportChoice& last, QWidget* parent)
    : QDialog(parent), format_(format), last_(last) {
  setObjectName("ExportDialog");
  const ExportFormatText words = exportFormatText(format);
  setWindowTitle(text(words.title));
  file_ = new QLineEdit(last.file, this);
  file_->setObjectName("ExportFile");
  file_->setMinimumWidth(kFileBoxWidth);
  auto* browse = new QPushButton(text("浏览…"), this);
  connect(browse, &QPushButton::clicked, this, &ExportDialog::browse);
  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(file_);
  fileRow->addWidget(browse);
  auto* form = new QFormLayout;
  form->addRow(text("文件："), fileRow);
  if (format == ExportFormat::Cass) {
    encoding_ = new QComboBox(this);
    encoding_->setObjectName("ExportEncoding");
    encoding_->addItem(text("GBK（CASS 默认）"), static_cast<int>(TextEncoding::Gbk));
    encoding_->addItem(text("UTF-8"), static_cast<int>(TextEncoding::Utf8));
    encoding_->setCurrentIndex(last.encoding == TextEncoding::Gbk ? 0 : 1);
    form->addRow(text("编码："), encoding_);
  }
  if (format == ExportFormat::Csv) {
    mark_ = new QCheckBox(text("带 BOM（中文 Windows 上的 Excel 要它才能正确显示中文）"), this);
    mark_->setObjectName("ExportByteOrderMark");
    mark_->setChecked(last.mark == ByteOrderMark::With);
    form->addRow(QString(), mark_);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  ok_ = buttons->button(QDialogButtonBox::Ok);
  ok_->setText(text("导出"));
  buttons->button(QDialogButtonBox::Cancel)->setText(text("取消"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  const auto needsFile = [this] { ok_->setEnabled(!file_->text().trimmed().isEmpty()); };
  connect(file_, &QLineEdit::textChanged, this, needsFile);
  needsFile();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

void ExportDialog::browse() {
  const ExportFormatText words = exportFormatText(format_);
  const QString chosen =
      QFileDialog::getSaveFileName(this, text(words.title), file_->text(), text(words.filter),
                                   nullptr, QFileDialog::DontUseNativeDialog);
  if (!chosen.isEmpty()) file_->setText(withExtension(chosen, format_));
}

ExportChoice ExportDialog::choice() const {
  ExportChoice choice = last_;
  choice.file = withExtension(file_->text().trimmed(), format_);
  if (encoding_ != nullptr) {
    choice.encoding = static_cast<TextEncoding>(encoding_->currentData().toInt());
  }
  if (mark_ != nullptr) {
    choice.mark = mark_->isChecked() ? ByteOrderMark::With : ByteOrderMark::Without;
  }
  return choice;
}

}  // namespace chainadj::ui
