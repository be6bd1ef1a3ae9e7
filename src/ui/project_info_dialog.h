// The dialog 项目信息: the project, the chain's name, the coordinate system and zone, the
// instrument, the observer, the computer, the checker and the dates of observation and
// computation that head the report. Each is a line of free text; the date of computation, left
// empty, is the day the report is made.
#pragma once

#include <QDialog>
#include <vector>

#include "entry/project_info.h"

class QLineEdit;

namespace chainadj::ui {

class ProjectInfoDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ProjectInfoDialog(const ProjectInfo& info, QWidget* parent = nullptr);

  ProjectInfo info() const;
  // The box of each item, in the order of projectFields().
  const std::vector<QLineEdit*>& boxes() const { return boxes_; }

 private:
  std::vector<QLineEdit*> boxes_;
};

}  // namespace chainadj::ui
