// The program's window: the 文件 menu bar above the form, which keeps its size and every control
// its place; the window is the form's height and the menu bar's. The menu opens a chain data
// file and runs it as if typed (打开数据文件…), saves the data of the last run (保存数据文件…),
// saves the results report of the last completed run as PDF (保存成果报告 PDF…), prints it
// (打印成果报告…), exports its coordinates as CSV (导出座标 CSV…) and ends the program (退出).
// The report items are enabled only after a completed run, and nothing but 退出 while a run waits
// for an answer.
#pragma once

#include <QMainWindow>
#include <QString>
#include <functional>

class QAction;
class QPrinter;

namespace chainadj::ui {

class MainForm;

// What a file dialog of the menu is for.
enum class FileDialogPurpose { OpenData, SaveData, SaveReportPdf, ExportCsv };

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Chooses a file; an empty name when the user cancels. Qt's own dialog unless replaced (the
  // tests choose their files).
  using FileChooser = std::function<QString(FileDialogPurpose purpose)>;
  // Lets the user set up the printer; false when the user cancels. Qt's print dialog unless
  // replaced.
  using PrintDialog = std::function<bool(QPrinter& printer)>;

  explicit MainWindow(QWidget* parent = nullptr);

  MainForm& form() { return *form_; }

  void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }
  void setPrintDialog(PrintDialog dialog) { printDialog_ = std::move(dialog); }

  // The form fitted to the screen the window is on, the menu bar taken into account (the form
  // knows its height).
  void fitToScreen();

  QAction* openDataAction() const { return openData_; }
  QAction* saveDataAction() const { return saveData_; }
  QAction* saveReportPdfAction() const { return saveReportPdf_; }
  QAction* printReportAction() const { return printReport_; }
  QAction* exportCsvAction() const { return exportCsv_; }
  QAction* quitAction() const { return quit_; }

 public slots:
  void openDataFile();
  void saveDataFile();
  void saveReportPdf();
  void printReport();
  void exportCsv();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void buildFileMenu();
  void updateActions();
  // The chosen file, with the extension of its kind added when it has none; empty on cancel.
  QString chosenFile(FileDialogPurpose purpose);
  // Runs `action`; a ChainError it throws is shown to the user.
  void tellingFailures(const std::function<void()>& action);

  MainForm* form_;
  FileChooser chooseFile_;
  PrintDialog printDialog_;
  QAction* openData_ = nullptr;
  QAction* saveData_ = nullptr;
  QAction* saveReportPdf_ = nullptr;
  QAction* printReport_ = nullptr;
  QAction* exportCsv_ = nullptr;
  QAction* quit_ = nullptr;
  bool followsScreen_ = false;
};

}  // namespace chainadj::ui
