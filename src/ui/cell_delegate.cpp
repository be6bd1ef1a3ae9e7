#include "ui/cell_delegate.h"

#include <QLineEdit>

namespace chainadj::ui {

QWidget* CellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                    const QModelIndex&) const {
  auto* editor = new QLineEdit(parent);
  editor->setFrame(false);
  return editor;
}

void CellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const {
  const auto* line = qobject_cast<QLineEdit*>(editor);
  if (line == nullptr) return QStyledItemDelegate::setModelData(editor, model, index);
  const QString text = line->text();
  if (const auto* checked = dynamic_cast<const CheckedCells*>(model)) {
    if (const std::optional<QString> why = checked->refusal(index, text)) {
      emit refused(*why);
      return;
    }
  }
  model->setData(index, text, Qt::EditRole);
}

}  // namespace chainadj::ui
