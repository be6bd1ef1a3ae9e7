#include "ui/report_table_model.h"

#include <QBrush>
#include <climits>

#include "ui/over_limit_rows.h"

namespace chainadj::ui {
namespace {

const QColor kOverLimitColour(190, 0, 0);

int alignment(const TableColumn& column) {
  return (column.align == Align::Right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

}  // namespace

ReportTableModel::ReportTableModel(ReportTable table, QObject* parent)
    : QAbstractTableModel(parent), table_(std::move(table)) {}

int ReportTableModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  return static_cast<int>(std::min<std::size_t>(table_.rows, INT_MAX));
}

int ReportTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(table_.columns.size());
}

QVariant ReportTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const auto column = static_cast<std::size_t>(index.column());
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(table_.cellText(static_cast<std::size_t>(index.row()), column));
    case Qt::TextAlignmentRole:
      return alignment(table_.columns[column]);
    case Qt::ForegroundRole:
      if (isOverLimitCell(table_.cellText(static_cast<std::size_t>(index.row()), column))) {
        return QBrush(kOverLimitColour);
      }
      return {};
    default:
      return {};
  }
}

QVariant ReportTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
  const TableColumn& column = table_.columns[static_cast<std::size_t>(section)];
  if (role == Qt::DisplayRole) return QString::fromUtf8(column.header);
  if (role == Qt::TextAlignmentRole) return alignment(column);
  return {};
}

}  // namespace chainadj::ui
