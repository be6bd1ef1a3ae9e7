// The life of the data editor's chain in its data file, as a desktop program has it: the name
// the window's title shows, 新建, 打开, 保存 and 另存为, the files opened last (kept in the user's
// settings with the folder last used), a name proposed for a new chain, and before anything
// would drop unsaved data the question whether to save it (保存 / 不保存 / 取消).
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>

#include "entry/chain_document.h"
#include "ui/file_dialog_purpose.h"

class QSettings;
class QWidget;

namespace chainadj::ui {

class EditorDocument;

enum class SaveAnswer { Save, Discard, Cancel };

class DataFileLife : public QObject {
  Q_OBJECT

 public:
  // Asks whether to save the chain named so; Qt's message box unless replaced.
  using SaveQuestion = std::function<SaveAnswer(const QString& chainName)>;
  // Chooses a file for the purpose, with its extension; empty on cancel.
  using Chooser = std::function<QString(FileDialogPurpose purpose)>;
  // Tells the user something (a file refused, a file that could not be written).
  using Teller = std::function<void(const QString& message)>;

  DataFileLife(EditorDocument& document, QSettings& store, Chooser chooser, Teller tell,
               QWidget* window);

  void setSaveQuestion(SaveQuestion question) { ask_ = std::move(question); }

  // The file's name, or 未命名 for a chain in no file.
  QString chainName() const;
  // "龙山.chain[*] - caption", for QWidget::setWindowTitle with setWindowModified.
  QString windowTitle(const QString& caption) const;

  // The question before unsaved data would be dropped: true when the caller may go on (saved,
  // discarded, or nothing unsaved), false when the user cancelled or the saving failed.
  bool maybeSave();
  bool save();
  bool saveAs();
  // The data file to open, chosen by the user; empty on cancel.
  QString chooseToOpen() const { return choose_(FileDialogPurpose::OpenData); }
  // A new chain in no file, empty or holding what `start` holds (the caller asked maybeSave first).
  void newChain(ChainDocument start = ChainDocument());
  // Reads the data file at `path` into the editor, each line checked on its own; its text, or
  // nullopt when the file was refused (the user was told why; the editor keeps its chain).
  std::optional<std::string> load(const QString& path);

  QStringList recentFiles() const;
  QString lastFolder() const;
  // Where a file dialog for the purpose starts: the folder last used, with a proposed name for
  // a file that is saved (the chain's end points, or the data file's name).
  QString startPath(FileDialogPurpose purpose) const;

 signals:
  void recentFilesChanged();

 private:
  bool write(const QString& path);
  void remember(const QString& path);
  void forgetMissing(const QString& path);
  void tellUnfinishedRows();

  EditorDocument& document_;
  QSettings& store_;
  Chooser choose_;
  Teller tell_;
  SaveQuestion ask_;
};

}  // namespace chainadj::ui
