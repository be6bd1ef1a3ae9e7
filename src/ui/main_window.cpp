#include "ui/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLayout>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QSettings>
#include <QWindow>

#include "entry/chain_file_reader.h"
#include "entry/chain_file_writer.h"
#include "report/report_tables.h"
#include "report/run_report.h"
#include "state/chain_error.h"
#include "ui/export_menu.h"
#include "ui/main_form.h"
#include "ui/project_info_dialog.h"
#include "ui/quality_settings_dialog.h"
#include "ui/quality_settings_store.h"
#include "ui/report_pages.h"
#include "ui/report_pdf.h"
#include "ui/results_table_dialog.h"
#include "ui/wait_cursor.h"

namespace chainadj::ui {
namespace {

constexpr const char* kNoDataToSaveMessage =
    "最后一次计算的数据没有输入完整，没有可以保存的数据。";
constexpr const char* kPrintFailedMessage = "成果报告没有打印：打印机不能使用。";

struct FileDialogText {
  const char* title;
  const char* filter;
  const char* extension;
  bool saves;
};

FileDialogText dialogText(FileDialogPurpose purpose) {
  switch (purpose) {
    case FileDialogPurpose::OpenData:
      return {"打开数据文件", "三角锁数据文件 (*.chain);;所有文件 (*)", kChainFileExtension, false};
    case FileDialogPurpose::SaveData:
      return {"保存数据文件", "三角锁数据文件 (*.chain)", kChainFileExtension, true};
    case FileDialogPurpose::SaveReportPdf:
      break;
  }
  return {"保存成果报告 PDF", "PDF 文件 (*.pdf)", ".pdf", true};
}

// Qt's own file dialog, in the folder last used.
MainWindow::FileChooser qtFileDialog(QWidget* parent) {
  return [parent, folder = QString()](FileDialogPurpose purpose) mutable {
    const FileDialogText text = dialogText(purpose);
    const auto options = QFileDialog::DontUseNativeDialog;
    const QString title = QString::fromUtf8(text.title);
    const QString filter = QString::fromUtf8(text.filter);
    const QString name =
        text.saves ? QFileDialog::getSaveFileName(parent, title, folder, filter, nullptr, options)
                   : QFileDialog::getOpenFileName(parent, title, folder, filter, nullptr, options);
    if (!name.isEmpty()) folder = QFileInfo(name).absolutePath();
    return name;
  };
}

MainWindow::PrintDialog qtPrintDialog(QWidget* parent) {
  return [parent](QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QString::fromUtf8("打印成果报告"));
    return dialog.exec() == QDialog::Accepted;
  };
}

MainWindow::SettingsEditor qtSettingsDialog(QWidget* parent) {
  return [parent](const QualitySettings& current) -> std::optional<QualitySettings> {
    QualitySettingsDialog dialog(current, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.settings();
  };
}

MainWindow::ProjectEditor qtProjectDialog(QWidget* parent) {
  return [parent](const ProjectInfo& current) -> std::optional<ProjectInfo> {
    ProjectInfoDialog dialog(current, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.info();
  };
}

// The file name as the file system takes it.
std::string pathOf(const QString& name) { return QFile::encodeName(name).toStdString(); }

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), form_(new MainForm(this)), chooseFile_(qtFileDialog(this)),
      printDialog_(qtPrintDialog(this)), editSettings_(qtSettingsDialog(this)),
      editProject_(qtProjectDialog(this)),
      store_(userSettingsStore()), savedQuality_(loadQualitySettings(*store_)) {
  setObjectName("MainWindow");
  setWindowTitle(form_->windowTitle());
  setCentralWidget(form_);
  // The window is exactly the form and the menu bar: it follows the form's scale.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  buildFileMenu();
  buildViewAndSettingsMenus();
  form_->setWindowExtras(QSize(0, menuBar()->sizeHint().height()));
  connect(form_, &MainForm::runStarted, this, &MainWindow::updateActions);
  connect(form_, &MainForm::runFinished, this, &MainWindow::updateActions);
  updateActions();
}

void MainWindow::buildFileMenu() {
  QMenu* file = menuBar()->addMenu(QString::fromUtf8("文件"));
  file->setObjectName("FileMenu");
  const auto add = [&](const char* text, const QKeySequence& keys, void (MainWindow::*slot)()) {
    QAction* action = file->addAction(QString::fromUtf8(text));
    action->setShortcut(keys);
    connect(action, &QAction::triggered, this, slot);
    return action;
  };
  openData_ = add("打开数据文件…", QKeySequence(Qt::CTRL | Qt::Key_O), &MainWindow::openDataFile);
  saveData_ = add("保存数据文件…", QKeySequence(Qt::CTRL | Qt::Key_S), &MainWindow::saveDataFile);
  file->addSeparator();
  saveReportPdf_ = add("保存成果报告 PDF…", QKeySequence(), &MainWindow::saveReportPdf);
  printReport_ = add("打印成果报告…", QKeySequence(Qt::CTRL | Qt::Key_P), &MainWindow::printReport);
  exportMenu_ = new ExportMenu(
      file, this, [this] { return reportOfLastRun(); },
      [this](const std::string& message) { form_->platform().showMessage(message); });
  file->addSeparator();
  quit_ = file->addAction(QString::fromUtf8("退出"));
  quit_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  connect(quit_, &QAction::triggered, this, &QWidget::close);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildViewAndSettingsMenus() {
  QMenu* view = menuBar()->addMenu(QString::fromUtf8("查看"));
  view->setObjectName("ViewMenu");
  resultsTable_ = view->addAction(QString::fromUtf8("成果表…"));
  resultsTable_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
  connect(resultsTable_, &QAction::triggered, this, &MainWindow::showResultsTable);
  QMenu* settings = menuBar()->addMenu(QString::fromUtf8("设置"));
  settings->setObjectName("SettingsMenu");
  qualitySettings_ = settings->addAction(QString::fromUtf8("平差设置…"));
  connect(qualitySettings_, &QAction::triggered, this, &MainWindow::editQualitySettings);
  projectInfo_ = settings->addAction(QString::fromUtf8("项目信息…"));
  connect(projectInfo_, &QAction::triggered, this, &MainWindow::editProjectInfo);
}

ProjectInfo MainWindow::projectOfLastRun() const {
  return editedProject_.value_or(projectInfoOf(form_->reservedLinesOfLastFile()));
}

RunReport MainWindow::reportOfLastRun() const {
  return makeRunReport(form_->driver(), qualitySettingsOfLastRun(), projectOfLastRun());
}

void MainWindow::editProjectInfo() {
  const std::optional<ProjectInfo> edited = editProject_(projectOfLastRun());
  if (edited) editedProject_ = *edited;
}

QualitySettings MainWindow::qualitySettingsOfLastRun() const {
  return overlaid(savedQuality_, qualityLayerOf(form_->reservedLinesOfLastFile()));
}

void MainWindow::updateActions() {
  const bool idle = !form_->runInProgress();
  const RunDriver& driver = form_->driver();
  const bool completed = idle && driver.lastRunCompleted();
  openData_->setEnabled(idle);
  saveData_->setEnabled(idle && driver.lastRunData().has_value());
  saveReportPdf_->setEnabled(completed);
  printReport_->setEnabled(completed);
  exportMenu_->setEnabled(completed);
  resultsTable_->setEnabled(completed);
}

QString MainWindow::chosenFile(FileDialogPurpose purpose) {
  QString name = chooseFile_(purpose);
  const FileDialogText text = dialogText(purpose);
  if (!name.isEmpty() && text.saves && QFileInfo(name).suffix().isEmpty()) {
    name += QString::fromUtf8(text.extension);
  }
  return name;
}

void MainWindow::tellingFailures(const std::function<void()>& action) {
  try {
    action();
  } catch (const ChainError& error) {
    form_->platform().showMessage(error.what());
  }
}

void MainWindow::openDataFile() {
  if (form_->runInProgress()) return;
  const QString name = chosenFile(FileDialogPurpose::OpenData);
  if (name.isEmpty()) return;
  ChainData data;
  try {
    data = readChainFile(pathOf(name));
  } catch (const ChainError& error) {
    // Refused as a whole: nothing of it reaches the form.
    form_->platform().showMessage(error.what());
    return;
  }
  editedProject_.reset();
  form_->runChainData(data);
}

void MainWindow::saveDataFile() {
  if (form_->runInProgress()) return;
  const std::optional<ChainData>& last = form_->driver().lastRunData();
  if (!last) {
    form_->platform().showMessage(kNoDataToSaveMessage);
    return;
  }
  const QString name = chosenFile(FileDialogPurpose::SaveData);
  if (name.isEmpty()) return;
  ChainData data = *last;
  keepReservedLines(data, form_->reservedLinesOfLastFile());
  setProjectLines(data, projectOfLastRun());
  tellingFailures([&] { writeChainFile(pathOf(name), data); });
}

void MainWindow::saveReportPdf() {
  if (form_->runInProgress()) return;
  tellingFailures([&] {
    const RunReport report = reportOfLastRun();
    const QString name = chosenFile(FileDialogPurpose::SaveReportPdf);
    if (name.isEmpty()) return;
    const WaitCursor waiting;
    writeReportPdf(report, pathOf(name));
  });
}

void MainWindow::printReport() {
  if (form_->runInProgress()) return;
  tellingFailures([&] {
    const RunReport report = reportOfLastRun();
    QPrinter printer(QPrinter::HighResolution);
    useReportPageLayout(printer);
    printer.setDocName(QString::fromUtf8(kReportTitle));
    if (!printDialog_(printer)) return;
    const WaitCursor waiting;
    if (!paintReport(report, printer)) throw ChainError(kPrintFailedMessage);
  });
}

void MainWindow::showResultsTable() {
  if (form_->runInProgress()) return;
  tellingFailures([&] {
    RunReport report = reportOfLastRun();
    if (resultsDialog_) resultsDialog_->close();
    resultsDialog_ = new ResultsTableDialog(std::move(report), this);
    resultsDialog_->setAttribute(Qt::WA_DeleteOnClose);
    resultsDialog_->show();
  });
}

ResultsTableDialog* MainWindow::resultsTableDialog() const { return resultsDialog_; }

void MainWindow::editQualitySettings() {
  const std::optional<QualitySettings> edited = editSettings_(savedQuality_);
  if (!edited) return;
  savedQuality_ = *edited;
  saveQualitySettings(*store_, savedQuality_);
}

void MainWindow::fitToScreen() { form_->fitToScreen(); }

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (followsScreen_ || !windowHandle()) return;
  followsScreen_ = true;
  connect(windowHandle(), &QWindow::screenChanged, this, &MainWindow::fitToScreen);
}

// Closing the window ends the program as closing the form does, also while a run waits.
void MainWindow::closeEvent(QCloseEvent* event) {
  form_->close();
  event->accept();
}

}  // namespace chainadj::ui
