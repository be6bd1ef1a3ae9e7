// The program's window: the menu bar above the form, which keeps every control its place, the
// data editor (数据编辑) and 网图 in docks beside it, and a status bar below that says how the last
// run came out (检核合格, or what is over its limit) and which file was last written. It opens
// at the form's size; made smaller, it draws the form smaller (form_holder.h). The 文件 menu makes
// a new chain (新建), opens a chain data file into the editor and runs it as if typed (打开数据文件…,
// 最近的文件), saves the editor's chain (保存, 另存为…), saves the results report of the last
// completed run as PDF (保存成果报告 PDF…), prints it (打印成果报告…), exports its results for CAD,
// CASS and Excel and as CSV and JSON (导出, export_menu.h) and ends the program (退出). The 编辑
// menu undoes and redoes the editor's edits and runs its chain (计算); chain_editing.h has the
// editor's part. A run is complete once its adjustment has solved: the report items are enabled
// from then on (also while its listing waits, and after 中止计算 there) until another run solves,
// and nothing else but 退出 while a run waits for an answer. The 查看 menu shows the results table
// of the last completed run (成果表…), which follows the next run that solves, the editor and
// 网图; the 设置 menu edits the settings of the quality check (平差设置…), kept for the next start,
// the project of the report's head (项目信息…) and the plane the chain is reduced onto
// (投影与归算…), both kept with the data; 帮助 has a short guide and 关于. The report of a run from
// a data file or the editor is checked with the file's lines grade and m_beta over the kept
// settings; that of a typed run with the kept settings. Unsaved data are never dropped without
// the question whether to save them.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "entry/project_info.h"
#include "report/run_report.h"
#include "quality/survey_grade.h"
#include "ui/file_dialog_purpose.h"

class QAction;
class QLabel;
class QPrinter;
class QSettings;

namespace chainadj::ui {

class ChainEditing;
class ChainViewDock;
class ExportMenu;
class MainForm;
class PlaneSettingsEditing;
class ResultsTableDialog;


class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Chooses a file; an empty name when the user cancels. Qt's own dialog unless replaced (the
  // tests choose their files).
  using FileChooser = std::function<QString(FileDialogPurpose purpose)>;
  // Lets the user set up the printer; false when the user cancels. Qt's print dialog unless
  // replaced.
  using PrintDialog = std::function<bool(QPrinter& printer)>;
  // Lets the user edit the settings of the quality check; nullopt when the user cancels. The
  // dialog 平差设置 unless replaced.
  using SettingsEditor =
      std::function<std::optional<QualitySettings>(const QualitySettings& current)>;
  // Lets the user edit the project of the report's head; nullopt when the user cancels. The
  // dialog 项目信息 unless replaced.
  using ProjectEditor = std::function<std::optional<ProjectInfo>(const ProjectInfo& current)>;

  // The settings of the quality check are read from the user's settings store and kept there.
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  MainForm& form() { return *form_; }
  ChainEditing& editing() { return *editing_; }
  // The dock 网图 (chain_view_dock.h).
  ChainViewDock& chainView() { return *chainView_; }

  void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }
  void setPrintDialog(PrintDialog dialog) { printDialog_ = std::move(dialog); }
  void setSettingsEditor(SettingsEditor editor) { editSettings_ = std::move(editor); }
  void setProjectEditor(ProjectEditor editor) { editProject_ = std::move(editor); }
  // 投影与归算…, with its dialog replaceable (PlaneSettingsEditing::setEditor).
  PlaneSettingsEditing& planeSettings() const { return *planeSettings_; }

  // The settings kept for the next start, as last edited.
  const QualitySettings& savedQualitySettings() const { return savedQuality_; }
  // The settings the last run is checked with: the kept ones, under the lines grade and m_beta
  // of the data file that answered it.
  QualitySettings qualitySettingsOfLastRun() const;
  // The project of the report: the project lines of the editor's chain, which 项目信息 edits.
  ProjectInfo projectOfLastRun() const;
  // The report of the last completed run with both; throws ChainError when there is none. A run
  // is complete once its adjustment has solved, while its listing still waits too, and stays the
  // last completed one until another run solves.
  RunReport reportOfLastRun() const;
  // What the last completed run was run from: the data file's name, "未命名" for the editor's
  // chain never saved, "键入的数据" for a typed run.
  QString titleOfLastRun() const { return solvedTitle_; }

  // The form fitted to the screen the window is on, the menu bar taken into account (the form
  // knows its height).
  void fitToScreen();

  QAction* openDataAction() const { return openData_; }
  // 另存为…: the editor's chain under a name chosen.
  QAction* saveDataAction() const;
  QAction* saveReportPdfAction() const { return saveReportPdf_; }
  QAction* printReportAction() const { return printReport_; }
  ExportMenu& exportMenu() const { return *exportMenu_; }
  QAction* quitAction() const { return quit_; }
  QAction* resultsTableAction() const { return resultsTable_; }
  QAction* qualitySettingsAction() const { return qualitySettings_; }
  QAction* projectInfoAction() const { return projectInfo_; }
  // 计 算 by its key (F9): a typed run, as the button starts it.
  QAction* typedRunAction() const { return typedRun_; }
  // The status bar's line: the outcome of the last run (检核合格, or what is over its limit).
  QString statusLine() const;
  // The status bar's note of the last file saved, exported or printed.
  QString lastFileNote() const;
  // The results table last opened, while it is open.
  ResultsTableDialog* resultsTableDialog() const;

 public slots:
  void openDataFile();
  // Opens a data file into the editor and runs it (the command line, a drop, a recent file).
  void openFile(const QString& path);
  // Offers a chain that a window left unsaved when it ended without a clean end (a crash).
  bool offerRecovery();
  void saveDataFile();
  void saveReportPdf();
  void printReport();
  void showResultsTable();
  void editQualitySettings();
  void editProjectInfo();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void buildFileMenu();
  void buildViewAndSettingsMenus();
  void buildStatusBar();
  // The window takes the size of the form at the scale the program chose, with the menu bar,
  // the status bar and the docks beside it.
  void takeFormSize();
  // The status line after a run that ended without solving.
  void runEnded();
  void tellVerdict(const QString& line, bool passed);
  // Notes in the status bar which file was written.
  void noteFile(const QString& note);
  void updateActions();
  // The results of a run are there: the title of its run is kept, an open results table shows
  // them.
  void takeResults();
  // The chosen file, with the extension of its kind added when it has none; empty on cancel.
  QString chosenFile(FileDialogPurpose purpose);
  // Runs `action`; a ChainError it throws is shown to the user.
  void tellingFailures(const std::function<void()>& action);

  MainForm* form_;
  FileChooser chooseFile_;
  PrintDialog printDialog_;
  SettingsEditor editSettings_;
  ProjectEditor editProject_;
  std::unique_ptr<QSettings> store_;
  QualitySettings savedQuality_;
  ChainEditing* editing_ = nullptr;
  ChainViewDock* chainView_ = nullptr;
  QPointer<ResultsTableDialog> resultsDialog_;
  QAction* openData_ = nullptr;
  QAction* saveReportPdf_ = nullptr;
  QAction* printReport_ = nullptr;
  ExportMenu* exportMenu_ = nullptr;
  QAction* quit_ = nullptr;
  QAction* resultsTable_ = nullptr;
  QAction* qualitySettings_ = nullptr;
  QAction* projectInfo_ = nullptr;
  PlaneSettingsEditing* planeSettings_ = nullptr;
  QAction* typedRun_ = nullptr;
  QLabel* verdict_ = nullptr;
  QLabel* fileNote_ = nullptr;
  bool followsScreen_ = false;
  QString solvedTitle_;
};

}  // namespace chainadj::ui
