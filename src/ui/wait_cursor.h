// A wait cursor while a long file is written (a report, a drawing of a long chain).
#pragma once

#include <QApplication>

namespace chainadj::ui {

class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace chainadj::ui
