// A results table as the view shows it: every row, or with 只看超限 only the rows over their
// limit (over_limit_rows.h). Which rows those are is worked out when the filter is first turned
// on, once per table: a table of 300 000 rows is not scanned until it is asked for.
#pragma once

#include <QSortFilterProxyModel>
#include <functional>
#include <optional>
#include <vector>

#include "ui/report_table_model.h"

namespace chainadj::ui {

class OverLimitFilter : public QSortFilterProxyModel {
  Q_OBJECT

 public:
  using RowFinder = std::function<std::vector<bool>(const ReportTable&)>;

  // Takes `source` as its child.
  OverLimitFilter(ReportTableModel* source, RowFinder findRows, QObject* parent = nullptr);

  ReportTableModel* tableModel() const { return source_; }
  bool onlyOverLimit() const { return onlyOverLimit_; }
  void setOnlyOverLimit(bool only);

 protected:
  bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

 private:
  ReportTableModel* source_;
  RowFinder findRows_;
  std::optional<std::vector<bool>> overLimit_;
  bool onlyOverLimit_ = false;
};

}  // namespace chainadj::ui
