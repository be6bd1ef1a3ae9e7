#include "ui/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLayout>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QLabel>
#include <QSettings>
#include <QStatusBar>
#include <QWindow>

#include "entry/chain_file_reader.h"
#include "entry/chain_file_writer.h"
#include "report/report_tables.h"
#include "report/run_report.h"
#include "report/run_status.h"
#include "state/chain_error.h"
#include "ui/chain_editing.h"
#include "ui/chain_view_dock.h"
#include "ui/data_file_life.h"
#include "ui/editor_document.h"
#include "ui/export_menu.h"
#include "ui/form_holder.h"
#include "ui/help_menu.h"
#include "ui/main_form.h"
#include "ui/plane_settings_editing.h"
#include "ui/project_info_dialog.h"
#include "ui/quality_settings_dialog.h"
#include "ui/quality_settings_store.h"
#include "ui/recovery_store.h"
#include "ui/report_pages.h"
#include "ui/report_pdf.h"
#include "ui/results_table_dialog.h"
#include "ui/wait_cursor.h"

namespace chainadj::ui {
namespace {

constexpr const char* kPrintFailedMessage = "成果报告没有打印：打印机不能使用。";
constexpr const char* kTypedRunTitle = "键入的数据";
const QKeySequence kTypedRunKeys{Qt::Key_F9};

// The status line of a run that ended before its adjustment solved.
const char* outcomeText(RunOutcome outcome) {
  switch (outcome) {
    case RunOutcome::NothingSelected:
      return "已知数据不适合任何一种平差";
    case RunOutcome::Abandoned:
      return "没有计算";
    case RunOutcome::Stopped:
      return "计算停止";
    case RunOutcome::StoppedByUser:
    case RunOutcome::ProgramEnding:
      return "计算已中止";
    case RunOutcome::Adjusted:
      break;
  }
  return "";
}
constexpr const char* kUnnamedRunTitle = "未命名";

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

// Qt's own file dialog, in the folder last used, with the name proposed for a file to save.
MainWindow::FileChooser qtFileDialog(QWidget* parent,
                                     std::function<QString(FileDialogPurpose)> startPath) {
  return [parent, startPath](FileDialogPurpose purpose) {
    const FileDialogText text = dialogText(purpose);
    const auto options = QFileDialog::DontUseNativeDialog;
    const QString title = QString::fromUtf8(text.title);
    const QString filter = QString::fromUtf8(text.filter);
    const QString start = startPath(purpose);
    return text.saves ? QFileDialog::getSaveFileName(parent, title, start, filter, nullptr, options)
                      : QFileDialog::getOpenFileName(parent, title, start, filter, nullptr, options);
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
    : QMainWindow(parent), form_(new MainForm(this)),
      chooseFile_(qtFileDialog(this, [this](FileDialogPurpose purpose) {
        return editing_->files().startPath(purpose);
      })),
      printDialog_(qtPrintDialog(this)), editSettings_(qtSettingsDialog(this)),
      editProject_(qtProjectDialog(this)),
      store_(userSettingsStore()), savedQuality_(loadQualitySettings(*store_)) {
  setObjectName("MainWindow");
  // The window opens the size of the form, the editor beside it, the menu bar and the status
  // bar; made smaller, it draws the form smaller.
  auto* holder = new FormHolder(*form_, this);
  setCentralWidget(holder);
  connect(holder, &FormHolder::formRescaled, this, [this] {
    if (isVisible()) takeFormSize();
  });
  buildStatusBar();
  setAcceptDrops(true);
  editing_ = new ChainEditing(*this, *form_, *store_,
                              [this](FileDialogPurpose purpose) { return chosenFile(purpose); });
  editing_->setKeptQuality(savedQuality_);
  buildFileMenu();
  buildViewAndSettingsMenus();
  editing_->followLayout();
  connect(form_, &MainForm::runStarted, this, &MainWindow::updateActions);
  connect(form_, &MainForm::runFinished, this, &MainWindow::updateActions);
  connect(form_, &MainForm::resultsReady, this, &MainWindow::takeResults);
  connect(form_, &MainForm::runFinished, this, &MainWindow::runEnded);
  connect(form_, &MainForm::runStarted, this,
          [this] { tellVerdict(QString::fromUtf8("正在计算……"), true); });
  connect(&editing_->document(), &EditorDocument::saved, this, [this] {
    noteFile(QString::fromUtf8("数据已保存：%1").arg(editing_->document().filePath()));
  });
  connect(editing_, &ChainEditing::actionsChanged, this, &MainWindow::updateActions);
  chainView_ = new ChainViewDock(*this);
  updateActions();
}

void MainWindow::buildFileMenu() {
  QMenu* file = menuBar()->addMenu(QString::fromUtf8("文件(&F)"));
  file->setObjectName("FileMenu");
  const auto add = [&](const char* text, const QKeySequence& keys, void (MainWindow::*slot)()) {
    QAction* action = file->addAction(QString::fromUtf8(text));
    action->setShortcut(keys);
    connect(action, &QAction::triggered, this, slot);
    return action;
  };
  openData_ = add("打开数据文件…", QKeySequence(Qt::CTRL | Qt::Key_O), &MainWindow::openDataFile);
  file->addSeparator();
  saveReportPdf_ = add("保存成果报告 PDF…", QKeySequence(), &MainWindow::saveReportPdf);
  printReport_ = add("打印成果报告…", QKeySequence(Qt::CTRL | Qt::Key_P), &MainWindow::printReport);
  exportMenu_ = new ExportMenu(
      file, this, [this] { return reportOfLastRun(); },
      [this](const std::string& message) {
        form_->platform().showMessage(message);
        noteFile(QString::fromStdString(message));
      });
  file->addSeparator();
  quit_ = file->addAction(QString::fromUtf8("退出"));
  quit_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  connect(quit_, &QAction::triggered, this, &QWidget::close);
  editing_->addFileActions(*file, openData_);
  editing_->addEditMenu(*menuBar(), nullptr);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildViewAndSettingsMenus() {
  QMenu* view = menuBar()->addMenu(QString::fromUtf8("查看(&V)"));
  view->setObjectName("ViewMenu");
  resultsTable_ = view->addAction(QString::fromUtf8("成果表…"));
  resultsTable_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
  connect(resultsTable_, &QAction::triggered, this, &MainWindow::showResultsTable);
  editing_->addViewActions(*view);
  QMenu* settings = menuBar()->addMenu(QString::fromUtf8("设置(&S)"));
  settings->setObjectName("SettingsMenu");
  qualitySettings_ = settings->addAction(QString::fromUtf8("平差设置…"));
  connect(qualitySettings_, &QAction::triggered, this, &MainWindow::editQualitySettings);
  projectInfo_ = settings->addAction(QString::fromUtf8("项目信息…"));
  connect(projectInfo_, &QAction::triggered, this, &MainWindow::editProjectInfo);
  planeSettings_ = new PlaneSettingsEditing(*settings, editing_->document(), this);
  addHelpMenu(*menuBar(), this);
  // 计 算 has its key; the button keeps its caption, its tooltip names the key.
  typedRun_ = new QAction(QString::fromUtf8("计 算"), this);
  typedRun_->setShortcut(kTypedRunKeys);
  typedRun_->setShortcutContext(Qt::WindowShortcut);
  addAction(typedRun_);
  connect(typedRun_, &QAction::triggered, form_, &MainForm::Command1_Click);
  if (auto* start = form_->findChild<QWidget*>("Command1")) {
    start->setToolTip(QString::fromUtf8("逐项键入一条锁并平差（%1）")
                          .arg(kTypedRunKeys.toString(QKeySequence::NativeText)));
  }
}

void MainWindow::buildStatusBar() {
  verdict_ = new QLabel(this);
  verdict_->setObjectName("runVerdict");
  verdict_->setTextFormat(Qt::PlainText);
  fileNote_ = new QLabel(this);
  fileNote_->setObjectName("fileNote");
  fileNote_->setTextFormat(Qt::PlainText);
  statusBar()->addWidget(verdict_, 1);
  statusBar()->addPermanentWidget(fileNote_);
}

QString MainWindow::statusLine() const { return verdict_->text(); }

QString MainWindow::lastFileNote() const { return fileNote_->text(); }

void MainWindow::tellVerdict(const QString& line, bool passed) {
  verdict_->setText(line);
  verdict_->setStyleSheet(passed ? QString() : QStringLiteral("color: #c00000;"));
}

void MainWindow::noteFile(const QString& note) {
  fileNote_->setText(note);
  fileNote_->setToolTip(note);
}

void MainWindow::runEnded() {
  const RunDriver& driver = form_->driver();
  if (driver.currentRun().solved() || !form_->lastOutcome()) return;
  QString line = QString::fromUtf8(outcomeText(*form_->lastOutcome()));
  if (driver.solvedRun() != nullptr) {
    line += QString::fromUtf8("；成果仍是上一次计算（%1）的").arg(solvedTitle_);
  }
  tellVerdict(line, true);
}

ProjectInfo MainWindow::projectOfLastRun() const {
  return projectInfoOf(editing_->document().chain().knownData());
}

RunReport MainWindow::reportOfLastRun() const {
  return makeRunReport(form_->driver(), qualitySettingsOfLastRun(), projectOfLastRun());
}

// The project's lines are the editor's: an edit of them is undone like any other.
void MainWindow::editProjectInfo() {
  const std::optional<ProjectInfo> edited = editProject_(projectOfLastRun());
  if (!edited) return;
  EditBatch lines;
  for (const ProjectField& field : projectFields()) {
    lines.push_back(DocumentEdit::setting(std::string(field.keyword), (*edited).*field.text));
  }
  editing_->document().edit(std::move(lines), QString::fromUtf8("项目信息"));
}

QualitySettings MainWindow::qualitySettingsOfLastRun() const {
  return overlaid(savedQuality_, qualityLayerOf(form_->reservedLinesOfSolvedRun()));
}

void MainWindow::takeResults() {
  const QString& path = editing_->document().filePath();
  if (form_->solvedRunTyped()) {
    solvedTitle_ = QString::fromUtf8(kTypedRunTitle);
  } else {
    solvedTitle_ = path.isEmpty() ? QString::fromUtf8(kUnnamedRunTitle) : QFileInfo(path).fileName();
  }
  tellingFailures([&] {
    RunReport report = reportOfLastRun();
    const std::string status = runStatusLine(report);
    tellVerdict(solvedTitle_ + QString::fromUtf8("：") + QString::fromStdString(status),
                status.rfind(kChecksPassedStatus, 0) == 0);
    form_->markOverLimit(formBoxesOverLimit(report));
    // The results table open follows its run.
    if (resultsDialog_) resultsDialog_->showReport(std::move(report), solvedTitle_);
  });
  updateActions();
}

void MainWindow::updateActions() {
  const bool idle = !form_->runInProgress();
  const bool completed = form_->driver().solvedRun() != nullptr;
  openData_->setEnabled(idle);
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

// A file refused as a whole writes nothing into the form.
void MainWindow::openDataFile() { editing_->open(); }

void MainWindow::openFile(const QString& path) { editing_->openFile(path); }

void MainWindow::saveDataFile() { editing_->saveAs(); }

QAction* MainWindow::saveDataAction() const { return editing_->saveAsAction(); }

bool MainWindow::offerRecovery() { return editing_->recovery().offerRestore(); }

void MainWindow::saveReportPdf() {
  tellingFailures([&] {
    const RunReport report = reportOfLastRun();
    const QString name = chosenFile(FileDialogPurpose::SaveReportPdf);
    if (name.isEmpty()) return;
    const WaitCursor waiting;
    writeReportPdf(report, pathOf(name));
    noteFile(QString::fromUtf8("成果报告已保存：%1").arg(name));
  });
}

void MainWindow::printReport() {
  tellingFailures([&] {
    const RunReport report = reportOfLastRun();
    QPrinter printer(QPrinter::HighResolution);
    useReportPageLayout(printer);
    printer.setDocName(QString::fromUtf8(kReportTitle));
    if (!printDialog_(printer)) return;
    const WaitCursor waiting;
    if (!paintReport(report, printer)) throw ChainError(kPrintFailedMessage);
    noteFile(QString::fromUtf8("成果报告已送往打印机：%1").arg(printer.printerName()));
  });
}

void MainWindow::showResultsTable() {
  tellingFailures([&] {
    RunReport report = reportOfLastRun();
    if (resultsDialog_) resultsDialog_->close();
    resultsDialog_ = new ResultsTableDialog(std::move(report), solvedTitle_, this);
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
  editing_->setKeptQuality(savedQuality_);
}

void MainWindow::fitToScreen() { form_->fitToScreen(); }

void MainWindow::takeFormSize() {
  const int height = menuBar()->sizeHint().height() + centralWidget()->sizeHint().height() +
                     statusBar()->sizeHint().height();
  resize(sizeHint().width(), height);
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (followsScreen_ || !windowHandle()) return;
  followsScreen_ = true;
  // Opens the size of the form at its scale, the editor beside it (not the two thirds of the
  // screen Qt gives a new window).
  takeFormSize();
  connect(windowHandle(), &QWindow::screenChanged, this, &MainWindow::fitToScreen);
}

// Closing the window ends the program as closing the form does, also while a run waits; unsaved
// data are saved or dropped first, as the user says.
void MainWindow::closeEvent(QCloseEvent* event) {
  if (!editing_->mayEnd()) {
    event->ignore();
    return;
  }
  editing_->endCleanly();
  form_->close();
  event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData() && editing_->accepts(*event->mimeData())) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  if (!event->mimeData() || !editing_->accepts(*event->mimeData())) return;
  event->acceptProposedAction();
  editing_->drop(*event->mimeData());
}

}  // namespace chainadj::ui
