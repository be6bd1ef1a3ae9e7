#include "ui/export_menu.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

#include "report/chain_dxf.h"
#include "report/json_export.h"
#include "report/results_workbook.h"
#include "state/chain_error.h"
#include "ui/wait_cursor.h"

namespace chainadj::ui {
namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

// The export dialog over `parent`.
ExportMenu::Chooser exportDialog(QWidget* parent) {
  return [parent](ExportFormat format, const ExportChoice& last) -> std::optional<ExportChoice> {
    ExportDialog dialog(format, last, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.choice();
  };
}

void writeExport(ExportFormat format, const RunReport& report, const ExportChoice& choice) {
  const std::string path = QFile::encodeName(choice.file).toStdString();
  switch (format) {
    case ExportFormat::Dxf:
      writeChainDxfFile(report, path);
      return;
    case ExportFormat::Cass:
      writeCassCoordinateFile(report, path, choice.encoding);
      return;
    case ExportFormat::Workbook:
      writeResultsWorkbookFile(report, path);
      return;
    case ExportFormat::Csv:
      writeCoordinateCsvFile(report, path, choice.mark);
      return;
    case ExportFormat::Json:
      writeJsonFile(report, path);
      return;
  }
}

// The settings the file was written with, as the message names them.
QString settingsOf(ExportFormat format, const ExportChoice& choice) {
  if (format == ExportFormat::Cass) {
    return choice.encoding == TextEncoding::Gbk ? text("（GBK）") : text("（UTF-8）");
  }
  if (format == ExportFormat::Csv && choice.mark == ByteOrderMark::With) return text("（带 BOM）");
  return {};
}

// The last file chosen, with the extension of `format` in place of its own.
QString suggestedFile(const QString& last, ExportFormat format) {
  if (last.isEmpty()) return {};
  const QFileInfo file(last);
  return QDir(file.path())
      .filePath(file.completeBaseName() + text(exportFormatText(format).extension));
}

}  // namespace

ExportMenu::ExportMenu(QMenu* fileMenu, QWidget* window, ReportSource report, Messenger tell)
    : QObject(window),
      menu_(fileMenu->addMenu(text("导出"))),
      report_(std::move(report)),
      tell_(std::move(tell)),
      choose_(exportDialog(window)) {
  menu_->setObjectName("ExportMenu");
  for (ExportFormat format : kExportFormats) {
    QAction* action = menu_->addAction(text(exportFormatText(format).item));
    connect(action, &QAction::triggered, this, [this, format] { exportAs(format); });
    actions_[format] = action;
  }
}

void ExportMenu::setEnabled(bool enabled) { menu_->menuAction()->setEnabled(enabled); }

void ExportMenu::exportAs(ExportFormat format) {
  if (!menu_->menuAction()->isEnabled()) return;
  try {
    const RunReport report = report_();
    ExportChoice start = last_;
    start.file = suggestedFile(last_.file, format);
    std::optional<ExportChoice> chosen = choose_(format, start);
    if (!chosen || chosen->file.isEmpty()) return;
    chosen->file = withExtension(chosen->file, format);
    last_ = *chosen;
    {
      const WaitCursor waiting;
      writeExport(format, report, *chosen);
    }
    tell_((text(exportFormatText(format).kind) + settingsOf(format, *chosen) + text("已导出：") +
           QDir::toNativeSeparators(chosen->file))
              .toStdString());
  } catch (const ChainError& error) {
    tell_(error.what());
  }
}

}  // namespace chainadj::ui
