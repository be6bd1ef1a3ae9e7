#include "ui/typed_run_feed.h"

#include "entry/chain_preview.h"
#include "entry/typed_answer_edits.h"
#include "ui/editor_document.h"
#include "ui/window_platform.h"

namespace chainadj::ui {

TypedRunFeed::TypedRunFeed(EditorDocument& document, WindowPlatform& platform, double limitSeconds)
    : document_(document), platform_(platform), limit_(limitSeconds) {}

void TypedRunFeed::answerAccepted(const PromptKey& key, const std::string& text) {
  document_.feed(editsForAnswer(document_.chain(), key, text));
  if (key.kind != PromptKind::Value || key.item != InputItem::C) return;
  const int row = key.index - 1;
  if (row < 0 || row >= document_.chain().rowCount()) return;
  const RowClosure closure = rowClosure(document_.chain().row(row));
  if (closure.state == RowClosure::State::Usable && closure.overLimit(limit_)) {
    platform_.setNoteForNextPrompt(
        QString::fromStdString(closureOverLimitText(key.index, closure.seconds, limit_)));
  }
}

}  // namespace chainadj::ui
