#include "ui/plane_settings_editing.h"

#include <QAction>
#include <QMenu>

#include "entry/document_edit.h"
#include "ui/editor_document.h"
#include "ui/plane_settings_dialog.h"

namespace chainadj::ui {
namespace {

constexpr const char* kEditLabel = "投影与归算";

PlaneSettingsEditing::Editor qtPlaneDialog(QWidget* parent) {
  return [parent](const ChainData& current) -> std::optional<SettingLines> {
    PlaneSettingsDialog dialog(current, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.lines();
  };
}

}  // namespace

PlaneSettingsEditing::PlaneSettingsEditing(QMenu& settings, EditorDocument& document, QWidget* parent)
    : QObject(parent), document_(document), edit_(qtPlaneDialog(parent)),
      action_(settings.addAction(QString::fromUtf8("投影与归算…"))) {
  action_->setObjectName("planeSettingsAction");
  connect(action_, &QAction::triggered, this, &PlaneSettingsEditing::editPlaneSettings);
  connect(&document_, &EditorDocument::readOnlyChanged, action_,
          [this](bool readOnly) { action_->setEnabled(!readOnly); });
}

// Only the lines that change are edited; a dialog that changes none leaves no edit to undo.
void PlaneSettingsEditing::editPlaneSettings() {
  if (document_.isReadOnly()) return;
  const std::optional<SettingLines> edited = edit_(document_.chain().knownData());
  if (!edited) return;
  EditBatch lines;
  for (const auto& [keyword, text] : *edited) {
    if (document_.chain().setting(keyword) != text) lines.push_back(DocumentEdit::setting(keyword, text));
  }
  if (!lines.empty()) document_.edit(std::move(lines), QString::fromUtf8(kEditLabel));
}

}  // namespace chainadj::ui
