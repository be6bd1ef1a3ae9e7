// The results table of a completed run (查看 → 成果表): the lines of the quality check over four
// tabs, 三角形 (observed angles, w and its limit, corrections, adjusted angles), 条件 (the angle
// mean error and every condition closure against its limit, with the verdict), 点位 (X, Y, mx,
// my, mp, E, F and the azimuth of E) and 边长 (every side with its length, azimuth and
// precision); the method of the results and why, the lines of the check, the weakest side, the
// largest point error, under the rigorous method the largest standardised correction and the
// observations marked 可能粗差 (the 三角形 tab then has every angle's r and w), the global test
// and the conclusion. Each tab is a table view whose selection copies into a spreadsheet, its
// columns as wide as their longest text.
//
// The table follows the runs: its title names the run ("成果表 — " and the data file's name), and
// the window shows each completed run's report in it in place (showReport), on the same tab. It
// fits its screen at any scaling, the tables scrolling inside. 只看超限 leaves the rows over their
// limit on every tab; 转到三角形 N selects triangle N's rows on the 三角形 tab. Ctrl+Tab and
// Ctrl+Shift+Tab go through the tabs, Alt+1 to Alt+4 choose one.
#pragma once

#include <QDialog>
#include <QString>
#include <memory>

#include "report/report_tables.h"
#include "report/run_report.h"
#include "ui/over_limit_filter.h"

class QCheckBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QTabWidget;

namespace chainadj::ui {

class CopyableTableView;

class ResultsTableDialog : public QDialog {
  Q_OBJECT

 public:
  enum Tab { kTriangles, kConditions, kPoints, kSides, kTabCount };

  // `title` names the run: the data file's name, "未命名" or "键入的数据".
  ResultsTableDialog(RunReport report, const QString& title, QWidget* parent = nullptr);
  ~ResultsTableDialog() override;

  // Shows `report` of the run `title` instead of the report shown, on the tab shown.
  void showReport(RunReport report, const QString& title);
  // Limits the dialog to its share of `available`, its screen's available geometry, inside it.
  void fitTo(const QRect& available);
  // Selects the rows of triangle `triangle` (1..n) on the 三角形 tab and shows them there.
  void goToTriangle(int triangle);

  QTabWidget* tabs() const { return tabs_; }
  // The table view of tab `index`.
  CopyableTableView* view(int index) const;
  QCheckBox* overLimitOnly() const { return overLimitOnly_; }
  QSpinBox* triangleNumber() const { return triangleNumber_; }
  QPushButton* goToTriangleButton() const { return goToTriangle_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* buildFinder();
  void fillTabs();
  void setTable(int index, ReportTable table, OverLimitFilter::RowFinder findRows);
  OverLimitFilter* filter(int index) const;
  void showOnlyOverLimit(bool only);
  void fitColumns();
  void fitSummary();
  // To the next tab, or with Shift to the one before, round.
  void cycleTabs(const QKeyEvent& key);

  std::unique_ptr<const RunReport> report_;  // the tables refer to it
  QLabel* summary_;
  QScrollArea* summaryArea_;
  QTabWidget* tabs_;
  QCheckBox* overLimitOnly_ = nullptr;
  QSpinBox* triangleNumber_ = nullptr;
  QPushButton* goToTriangle_ = nullptr;
};

}  // namespace chainadj::ui
