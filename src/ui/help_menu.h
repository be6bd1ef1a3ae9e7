// The 帮助 menu: 使用说明, a short guide to the two ways of entering a chain, the angle format and
// the sign rules, and 关于, the program and its version.
#pragma once

#include <QString>

class QAction;
class QMenuBar;
class QWidget;

namespace chainadj::ui {

struct HelpMenu {
  QAction* guide = nullptr;
  QAction* about = nullptr;
};

// The guide's text and the about text, as the dialogs show them.
QString userGuideText();
QString aboutText();

// Adds 帮助(&H) to `bar`; its dialogs open over `window`.
HelpMenu addHelpMenu(QMenuBar& bar, QWidget* window);

}  // namespace chainadj::ui
