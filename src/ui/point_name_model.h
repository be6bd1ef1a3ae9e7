// The point names of the data editor's chain in the order the run asks them, a row each: the
// point it names (起算点 A, 待定点 3, ...) and the name. The rows are the names the known data and
// the triangle count ask, and any given beyond them (which the run would not ask: shown grey).
#pragma once

#include <QAbstractTableModel>

#include "entry/chain_data.h"
#include "ui/cell_delegate.h"

namespace chainadj::ui {

class EditorDocument;

class PointNameModel : public QAbstractTableModel, public CheckedCells {
  Q_OBJECT

 public:
  static constexpr int kNameColumn = 1;

  explicit PointNameModel(EditorDocument& document, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  std::optional<QString> refusal(const QModelIndex& index, const QString& text) const override;

  // The names the run asks.
  int namesAsked() const { return asked_; }

 private:
  void follow();

  EditorDocument& document_;
  ChainData known_;  // the known values, which head the rows
  int asked_ = 0;
  int rows_ = 0;
};

}  // namespace chainadj::ui
