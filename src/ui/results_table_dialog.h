// The results table of a completed run (查看 → 成果表): the lines of the quality check over three
// tabs, 三角形 (observed angles, w and its limit, corrections, adjusted angles), 条件 (the angle
// mean error and every condition closure against its limit, with the verdict) and 点位 (X, Y,
// mx, my, mp, E, F and the azimuth of E) and 边长 (every side with its length, azimuth and
// precision); the method of the results and why, the lines of the check, the weakest side, the
// largest point error, under the rigorous method the largest standardised correction and the
// observations marked 可能粗差 (the 三角形 tab then has every angle's r and w), the global test
// and the conclusion. Each tab is a table view whose selection copies into a
// spreadsheet. The dialog keeps its own copy of the report, so that a later run leaves it as it is.
#pragma once

#include <QDialog>
#include <memory>

#include "report/report_tables.h"
#include "report/run_report.h"

class QTabWidget;

namespace chainadj::ui {

class CopyableTableView;

class ResultsTableDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ResultsTableDialog(RunReport report, QWidget* parent = nullptr);

  QTabWidget* tabs() const { return tabs_; }
  // The table view of tab `index` (0 三角形, 1 条件, 2 点位, 3 边长).
  CopyableTableView* view(int index) const;

 private:
  void addTab(ReportTable table, const char* name);

  std::unique_ptr<const RunReport> report_;  // the tables refer to it
  QTabWidget* tabs_;
};

}  // namespace chainadj::ui
