// The recovery files of the data editor's chains, in the user's data folder
// (QStandardPaths::AppDataLocation)/recovery: each window writes its own (recovery_journal.h) as
// the chain changes, from the first change after it was opened or saved, and holds a lock on it
// while it lives. A clean save or a clean end removes it. At the next start a recovery file whose
// window is gone (a crash, a kill, a power cut) is offered for restoring into the editor.
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <functional>
#include <string>

#include "entry/recovery_journal.h"

namespace chainadj::ui {

class EditorDocument;

class RecoveryStore : public QObject {
  Q_OBJECT

 public:
  // Asks whether to restore the chain so described; Qt's message box unless replaced.
  using RestoreQuestion = std::function<bool(const QString& description)>;

  RecoveryStore(EditorDocument& document, QWidget* window);
  ~RecoveryStore() override;

  // The folder of the recovery files.
  static QString folder();
  // This window's recovery file.
  QString path() const;

  void setRestoreQuestion(RestoreQuestion question) { ask_ = std::move(question); }
  // Offers the newest recovery file of a window that is gone; true when it was restored into the
  // editor. A file declined is removed.
  bool offerRestore();
  // The chain was dropped on purpose (a clean end): the file goes.
  void discard();

 signals:
  // The recovery file cannot be written: what was typed since is not kept.
  void writeFailed(const QString& message);

 private:
  void rebase();
  void record(const EditBatch& applied);

  EditorDocument& document_;
  QString name_;  // of this window's recovery file and its lock
  QLockFile lock_;
  RecoveryJournal journal_;
  RestoreQuestion ask_;
  // The chain's text and file when it was last opened or saved: what a new recovery file starts
  // from at the next change.
  std::string base_;
  std::string basePath_;
  bool failed_ = false;
};

}  // namespace chainadj::ui
