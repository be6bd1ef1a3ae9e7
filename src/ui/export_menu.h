// The submenu 文件 → 导出 of the window: the results of the last completed run as a DXF drawing
// for CAD, a CASS coordinate file, an Excel workbook or the coordinate CSV, each through the
// export dialog, then a message that names the file written (or why it was not). The window
// enables it after a completed run, as it does its report items.
#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "report/run_report.h"
#include "ui/export_dialog.h"

class QAction;
class QMenu;
class QWidget;

namespace chainadj::ui {

class ExportMenu : public QObject {
  Q_OBJECT

 public:
  // The report of the last completed run; throws ChainError when there is none.
  using ReportSource = std::function<RunReport()>;
  // Tells the user a message.
  using Messenger = std::function<void(const std::string& message)>;
  // Lets the user choose the file and its settings, starting from the last choice; nullopt when
  // the user cancels. The export dialog unless replaced (the tests choose their files).
  using Chooser =
      std::function<std::optional<ExportChoice>(ExportFormat format, const ExportChoice& last)>;

  // Adds the submenu to `fileMenu`; the dialogs open over `window`, which owns the menu.
  ExportMenu(QMenu* fileMenu, QWidget* window, ReportSource report, Messenger tell);

  void setChooser(Chooser chooser) { choose_ = std::move(chooser); }
  void setEnabled(bool enabled);

  QMenu* menu() const { return menu_; }
  QAction* action(ExportFormat format) const { return actions_.at(format); }

  // Exports the last completed run in `format`, if the menu is enabled.
  void exportAs(ExportFormat format);

 private:
  QMenu* menu_;
  ReportSource report_;
  Messenger tell_;
  Chooser choose_;
  std::map<ExportFormat, QAction*> actions_;
  ExportChoice last_;
};

}  // namespace chainadj::ui
