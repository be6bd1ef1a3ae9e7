#include "ui/copyable_table_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <algorithm>
#include <climits>

namespace chainadj::ui {
namespace {

constexpr QChar kCellSeparator = u'\t';
constexpr QChar kRowEnd = u'\n';

// A cell's text with no tab or line break of its own, which would split it.
QString cellForClipboard(QString text) {
  for (QChar& ch : text) {
    if (ch == u'\t' || ch == u'\n' || ch == u'\r') ch = u' ';
  }
  return text;
}

}  // namespace

CopyableTableView::CopyableTableView(QWidget* parent) : QTableView(parent) {
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setContextMenuPolicy(Qt::ActionsContextMenu);
  auto* copy = new QAction(QString::fromUtf8("复制"), this);
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetShortcut);
  connect(copy, &QAction::triggered, this, &CopyableTableView::copySelection);
  addAction(copy);
}

QString CopyableTableView::selectedText() const {
  const QItemSelectionModel* selection = selectionModel();
  if (model() == nullptr || selection == nullptr || !selection->hasSelection()) return {};
  int top = INT_MAX, bottom = -1, left = INT_MAX, right = -1;
  for (const QItemSelectionRange& range : selection->selection()) {
    top = std::min(top, range.top());
    bottom = std::max(bottom, range.bottom());
    left = std::min(left, range.left());
    right = std::max(right, range.right());
  }
  const bool oneRange = selection->selection().size() == 1;
  QString text;
  const auto appendRow = [&](const auto& cellAt) {
    for (int column = left; column <= right; ++column) {
      if (column > left) text += kCellSeparator;
      text += cellForClipboard(cellAt(column));
    }
    text += kRowEnd;
  };
  if (top == 0 && bottom == model()->rowCount() - 1) {
    appendRow([&](int column) { return model()->headerData(column, Qt::Horizontal).toString(); });
  }
  for (int row = top; row <= bottom; ++row) {
    if (!oneRange && !selection->rowIntersectsSelection(row)) continue;
    appendRow([&](int column) {
      const QModelIndex index = model()->index(row, column);
      return oneRange || selection->isSelected(index) ? index.data().toString() : QString();
    });
  }
  return text;
}

void CopyableTableView::copySelection() const {
  const QString text = selectedText();
  if (!text.isEmpty()) QApplication::clipboard()->setText(text);
}

void CopyableTableView::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    copySelection();
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}

}  // namespace chainadj::ui
