#include "ui/edit_command.h"

#include "ui/editor_document.h"

namespace chainadj::ui {
namespace {

// The id of commands that may merge: those that set one cell.
constexpr int kCellCommandId = 1;

}  // namespace

EditCommand::EditCommand(EditorDocument& document, EditBatch edits, const QString& label)
    : QUndoCommand(label), document_(document), forward_(std::move(edits)) {}

// An edit that changed nothing leaves no command on the stack.
void EditCommand::redo() {
  backward_ = document_.apply(forward_);
  if (backward_.empty()) setObsolete(true);
}

void EditCommand::undo() { forward_ = document_.apply(backward_); }

bool EditCommand::setsOneCell() const {
  if (forward_.size() != 1) return false;
  const DocumentEdit::Kind kind = forward_.front().kind;
  return kind == DocumentEdit::Kind::Value || kind == DocumentEdit::Kind::Name ||
         kind == DocumentEdit::Kind::Angle;
}

int EditCommand::id() const { return setsOneCell() ? kCellCommandId : -1; }

bool EditCommand::setsSameCell(const EditCommand& other) const {
  const DocumentEdit& mine = forward_.front();
  const DocumentEdit& theirs = other.forward_.front();
  return mine.kind == theirs.kind && mine.item == theirs.item && mine.index == theirs.index &&
         mine.column == theirs.column;
}

bool EditCommand::mergeWith(const QUndoCommand* other) {
  const auto* next = dynamic_cast<const EditCommand*>(other);
  if (next == nullptr || !setsOneCell() || !next->setsOneCell() || !setsSameCell(*next)) return false;
  // This command's undo stays: it takes the cell back to what it was before either.
  forward_ = next->forward_;
  // Set back to what it was: no command is left.
  if (forward_.front().text == backward_.front().text) setObsolete(true);
  return true;
}

}  // namespace chainadj::ui
