// 设置 → 投影与归算…: the plane lines of the editor's chain (plane_settings.h) edited in the dialog
// 投影与归算, as one edit that 撤销 takes back. A run of the editor's chain or of its file then
// reduces onto the plane they give, and so does a typed run, which keeps them (chain_editing.h).
// Nothing is edited while a run goes on.
#pragma once

#include <QObject>
#include <functional>
#include <optional>

#include "entry/chain_data.h"
#include "entry/plane_settings.h"

class QAction;
class QMenu;
class QWidget;

namespace chainadj::ui {

class EditorDocument;

class PlaneSettingsEditing : public QObject {
  Q_OBJECT

 public:
  // Lets the user edit the plane lines of the chain's settings lines `current`: every plane line
  // by keyword, "" for a line that goes; nullopt when the user cancels. The dialog 投影与归算
  // unless replaced (the tests answer it).
  using Editor = std::function<std::optional<SettingLines>(const ChainData& current)>;

  // Adds 投影与归算… to `settings`.
  PlaneSettingsEditing(QMenu& settings, EditorDocument& document, QWidget* parent);

  void setEditor(Editor editor) { edit_ = std::move(editor); }
  QAction* action() const { return action_; }

 public slots:
  void editPlaneSettings();

 private:
  EditorDocument& document_;
  Editor edit_;
  QAction* action_;
};

}  // namespace chainadj::ui
