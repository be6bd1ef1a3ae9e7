// The data editor's cells are edited in a plain line edit and checked before they are taken, as
// the data file's reader checks the same value: a value it refuses is not set, and the delegate
// says why (refused). The models of the editor say what each cell takes (CheckedCells).
#pragma once

#include <QModelIndex>
#include <QString>
#include <QStyledItemDelegate>
#include <optional>

namespace chainadj::ui {

class CheckedCells {
 public:
  virtual ~CheckedCells() = default;
  // Why the cell does not take `text`, or nullopt when it does.
  virtual std::optional<QString> refusal(const QModelIndex& index, const QString& text) const = 0;
};

class CellDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override;

 signals:
  // A value was not taken, and why.
  void refused(const QString& why) const;
};

}  // namespace chainadj::ui
