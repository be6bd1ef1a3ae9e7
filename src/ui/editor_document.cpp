#include "ui/editor_document.h"

#include "ui/edit_command.h"

namespace chainadj::ui {

EditorDocument::EditorDocument(QObject* parent) : QObject(parent) {
  connect(&undo_, &QUndoStack::cleanChanged, this, &EditorDocument::announceModification);
  connect(&undo_, &QUndoStack::indexChanged, this, &EditorDocument::announceModification);
}

void EditorDocument::edit(EditBatch edits, const QString& label) {
  if (readOnly_ || edits.empty()) return;
  undo_.push(new EditCommand(*this, std::move(edits), label));
}

void EditorDocument::feed(const EditBatch& edits) {
  if (apply(edits).empty()) return;
  unsavedAnswers_ = true;
  announceModification();
}

void EditorDocument::applyOne(const DocumentEdit& edit, EditBatch& undo, EditBatch& applied) {
  const std::optional<ChainDocument::RowChange> rows = chain_.rowChange(edit);
  if (rows && rows->count > 0) emit rowsAboutToBeInserted(rows->first, rows->count);
  if (rows && rows->count < 0) emit rowsAboutToBeRemoved(rows->first, -rows->count);
  EditBatch back = chain_.apply(edit);
  if (rows && rows->count > 0) emit rowsInserted();
  if (rows && rows->count < 0) emit rowsRemoved();
  if (back.empty()) return;
  if (!rows) emit cellChanged(edit);
  applied.push_back(edit);
  undo.insert(undo.begin(), back.begin(), back.end());
}

EditBatch EditorDocument::apply(const EditBatch& edits) {
  EditBatch undo;
  EditBatch applied;
  for (const DocumentEdit& edit : edits) applyOne(edit, undo, applied);
  if (!applied.empty()) {
    emit edited(applied);
    emit chainChanged();
  }
  return undo;
}

void EditorDocument::replace(ChainDocument chain, const QString& filePath, bool unsaved) {
  chain_ = std::move(chain);
  undo_.clear();
  unsavedAnswers_ = unsaved;
  if (filePath_ != filePath) {
    filePath_ = filePath;
    emit filePathChanged(filePath_);
  }
  emit replaced();
  emit chainChanged();
  announceModification();
}

void EditorDocument::markSaved(const QString& filePath) {
  chain_.markWritten();
  unsavedAnswers_ = false;
  undo_.setClean();
  if (filePath_ != filePath) {
    filePath_ = filePath;
    emit filePathChanged(filePath_);
  }
  emit saved();
  announceModification();
}

void EditorDocument::setReadOnly(bool readOnly) {
  if (readOnly_ == readOnly) return;
  readOnly_ = readOnly;
  emit readOnlyChanged(readOnly_);
}

void EditorDocument::announceModification() {
  const bool modified = isModified();
  if (modified == lastModified_) return;
  lastModified_ = modified;
  emit modificationChanged(modified);
}

}  // namespace chainadj::ui
