// The chain of the window's data editor (ChainDocument) with its undo stack, its data file and
// whether it is saved. The editor's models show it and change it only through edit(); a typed
// run's answers come in through feed(), which no undo takes back. Every change is announced: the
// rows inserted and removed, the cells changed, the edits as applied (for the recovery file).
#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>

#include "entry/chain_document.h"

namespace chainadj::ui {

class EditorDocument : public QObject {
  Q_OBJECT

 public:
  explicit EditorDocument(QObject* parent = nullptr);

  const ChainDocument& chain() const { return chain_; }
  QUndoStack& undoStack() { return undo_; }

  // An edit by the user, as one undo command named `label` (撤销 “label”). A value, name or angle
  // set right after the same one was set merges with it. Nothing while the document is read-only.
  void edit(EditBatch edits, const QString& label);
  // Edits that no undo takes back (the answers of a typed run): the chain is unsaved after them.
  void feed(const EditBatch& edits);
  // Applies edits and announces them; gives their undo. The undo commands call it.
  EditBatch apply(const EditBatch& edits);

  // Another chain (a new one, one read from `filePath`, one restored): the undo history starts
  // afresh; `unsaved` for a chain that is in no file as it stands.
  void replace(ChainDocument chain, const QString& filePath, bool unsaved);
  // The chain's text has been written to `filePath`.
  void markSaved(const QString& filePath);

  const QString& filePath() const { return filePath_; }
  bool isModified() const { return unsavedAnswers_ || !undo_.isClean(); }

  // While a run goes on the user does not edit.
  bool isReadOnly() const { return readOnly_; }
  void setReadOnly(bool readOnly);

 signals:
  void rowsAboutToBeInserted(int first, int count);
  void rowsInserted();
  void rowsAboutToBeRemoved(int first, int count);
  void rowsRemoved();
  // A value, a name or an angle (a DocumentEdit of that kind, as applied).
  void cellChanged(const DocumentEdit& edit);
  // After every batch of edits, and after a replace.
  void chainChanged();
  void replaced();
  // The edits as applied, in order: what the recovery file writes.
  void edited(const EditBatch& applied);
  void saved();
  void modificationChanged(bool modified);
  void filePathChanged(const QString& filePath);
  void readOnlyChanged(bool readOnly);

 private:
  void applyOne(const DocumentEdit& edit, EditBatch& undo, EditBatch& applied);
  void announceModification();

  ChainDocument chain_;
  QUndoStack undo_;
  QString filePath_;
  bool unsavedAnswers_ = false;
  bool readOnly_ = false;
  bool lastModified_ = false;
};

}  // namespace chainadj::ui
