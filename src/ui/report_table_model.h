// A table of the report as a Qt item model: its columns, its rows, each cell written when the
// view asks for it (a chain of 100 000 triangles has 300 000 rows). A verdict 超限 and a mark
// 可能粗差 are shown in red.
#pragma once

#include <QAbstractTableModel>

#include "report/report_tables.h"

namespace chainadj::ui {

class ReportTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // The table refers to its report, which must outlive the model.
  explicit ReportTableModel(ReportTable table, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

  const ReportTable& table() const { return table_; }

 private:
  ReportTable table_;
};

}  // namespace chainadj::ui
