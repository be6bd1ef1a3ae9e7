// The triangles of the data editor's chain: a row each, numbered 1..n in the row heads, with
// the typed angles A, B, C (degrees.minutesseconds) and the closure w(i) in seconds, worked out
// as the angles are typed: red with 超限 when it exceeds the limit of the grade the chain is
// checked with.
#pragma once

#include <QAbstractTableModel>

#include "ui/cell_delegate.h"

namespace chainadj::ui {

class EditorDocument;

class TriangleTableModel : public QAbstractTableModel, public CheckedCells {
  Q_OBJECT

 public:
  static constexpr int kClosureColumn = 3;

  explicit TriangleTableModel(EditorDocument& document, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  std::optional<QString> refusal(const QModelIndex& index, const QString& text) const override;

  // The triangle closure limit, seconds.
  double closureLimit() const { return limit_; }
  void setClosureLimit(double seconds);

 private:
  QVariant closureData(int row, int role) const;

  EditorDocument& document_;
  double limit_ = 0;
};

}  // namespace chainadj::ui
