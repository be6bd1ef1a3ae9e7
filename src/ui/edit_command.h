// One edit of the data editor on the undo stack: a cell set, rows inserted or removed, a paste.
// Setting the same value, name or angle again right after merges into the one command, so that
// one undo takes back the cell as it was before.
#pragma once

#include <QString>
#include <QUndoCommand>

#include "entry/document_edit.h"

namespace chainadj::ui {

class EditorDocument;

class EditCommand : public QUndoCommand {
 public:
  EditCommand(EditorDocument& document, EditBatch edits, const QString& label);

  void redo() override;
  void undo() override;
  int id() const override;
  bool mergeWith(const QUndoCommand* other) override;

 private:
  // A batch of one cell edit, and the cell it sets.
  bool setsOneCell() const;
  bool setsSameCell(const EditCommand& other) const;

  EditorDocument& document_;
  EditBatch forward_;
  EditBatch backward_;
};

}  // namespace chainadj::ui
