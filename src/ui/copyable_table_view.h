// A table view whose selection goes to the clipboard as tab-separated text (Ctrl+C, or 复制 in
// its context menu): one line per row, its selected cells separated by tabs (an unselected cell
// inside the selection's bounds stays empty), so that it pastes into a spreadsheet cell by cell.
// When whole columns are selected (Ctrl+A), their headers come first.
#pragma once

#include <QString>
#include <QTableView>

namespace chainadj::ui {

class CopyableTableView : public QTableView {
  Q_OBJECT

 public:
  explicit CopyableTableView(QWidget* parent = nullptr);

  // The selection as the clipboard gets it; empty when nothing is selected.
  QString selectedText() const;

 public slots:
  void copySelection() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace chainadj::ui
