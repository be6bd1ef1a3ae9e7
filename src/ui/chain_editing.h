// The main window's data editing: the data editor in a dock beside the form, the chain's file
// life (新建, 打开, 保存, 另存为, recent files, the save question), its recovery file, the 编辑
// menu (撤销, 重做, the rows, 计算 F5), and the runs it starts: a chain opened from a file runs as
// if typed, the editor's chain runs without a prompt (计算), and a typed run (计 算) starts a new
// chain that fills the editor as it is typed, keeping the plane lines of the chain before it
// (central_meridian, zone, ...) and reduced onto their plane.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "quality/survey_grade.h"
#include "ui/file_dialog_purpose.h"

class QAction;
class QDockWidget;
class QMainWindow;
class QMenu;
class QMenuBar;
class QMimeData;
class QSettings;

namespace chainadj::ui {

class DataEditor;
class DataFileLife;
class EditorDocument;
class MainForm;
class RecoveryStore;
class TypedRunFeed;

class ChainEditing : public QObject {
  Q_OBJECT

 public:
  using Chooser = std::function<QString(FileDialogPurpose purpose)>;

  ChainEditing(QMainWindow& window, MainForm& form, QSettings& store, Chooser chooser);
  ~ChainEditing() override;

  EditorDocument& document() { return *document_; }
  DataEditor& editor() { return *editor_; }
  QDockWidget& dock() { return *dock_; }
  DataFileLife& files() { return *files_; }
  RecoveryStore& recovery() { return *recovery_; }

  // 新建 before the menu's first item, 最近的文件, 保存 and 另存为… after `after`.
  void addFileActions(QMenu& file, QAction* after);
  // The 编辑 menu, after the 文件 menu.
  void addEditMenu(QMenuBar& bar, QAction* before);
  // 数据编辑 in the 查看 menu: shows and hides the editor.
  void addViewActions(QMenu& view);

  QAction* newAction() const { return new_; }
  QAction* saveAction() const { return save_; }
  QAction* saveAsAction() const { return saveAs_; }
  QAction* undoAction() const { return undo_; }
  QAction* redoAction() const { return redo_; }
  QMenu* recentMenu() const { return recent_; }

  // The settings of the quality check kept for the next start.
  void setKeptQuality(const QualitySettings& settings);

  // 打开: the question first, then the file chosen, read into the editor and run as if typed.
  void open();
  void openFile(const QString& path);
  // A file dropped on the window: a single data file is opened.
  bool accepts(const QMimeData& dropped) const;
  void drop(const QMimeData& dropped);
  // The window may close (the user saved or discarded unsaved data); its recovery file goes.
  bool mayEnd();
  void endCleanly();
  // Enables what may be done now.
  void updateActions();
  // Tells the form what the window holds besides it (the menu bar, the editor beside it).
  void followLayout() { follows_(); }

 signals:
  void actionsChanged();

 public slots:
  void newChain();
  bool save();
  bool saveAs();
  // 计算: the editor's chain through the run driver, without a prompt.
  void runEditorChain();

 private:
  void buildActions();
  void buildDock();
  void openChosen(const QString& path);
  bool beforeTypedRun();
  void runStarted();
  void runFinished();
  void followTitle();
  void fillRecentMenu();
  void tell(const QString& message);
  bool idle() const;

  QMainWindow& window_;
  MainForm& form_;
  EditorDocument* document_;
  DataEditor* editor_;
  QDockWidget* dock_;
  DataFileLife* files_;
  RecoveryStore* recovery_;
  QualitySettings kept_;
  std::unique_ptr<TypedRunFeed> feed_;
  bool endConfirmed_ = false;
  std::function<void()> follows_;
  QAction* new_ = nullptr;
  QAction* save_ = nullptr;
  QAction* saveAs_ = nullptr;
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  QMenu* recent_ = nullptr;
};

}  // namespace chainadj::ui
