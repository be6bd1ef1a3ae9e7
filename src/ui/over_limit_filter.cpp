#include "ui/over_limit_filter.h"

namespace chainadj::ui {

OverLimitFilter::OverLimitFilter(ReportTableModel* source, RowFinder findRows, QObject* parent)
    : QSortFilterProxyModel(parent), source_(source), findRows_(std::move(findRows)) {
  source_->setParent(this);
  setSourceModel(source_);
}

void OverLimitFilter::setOnlyOverLimit(bool only) {
  if (only == onlyOverLimit_) return;
  if (only && !overLimit_) overLimit_ = findRows_(source_->table());
  onlyOverLimit_ = only;
  invalidateRowsFilter();
}

bool OverLimitFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
  if (!onlyOverLimit_ || sourceParent.isValid()) return !sourceParent.isValid();
  const auto row = static_cast<std::size_t>(sourceRow);
  return row < overLimit_->size() && (*overLimit_)[row];
}

}  // namespace chainadj::ui
