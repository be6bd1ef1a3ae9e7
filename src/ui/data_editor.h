// 数据编辑, the data editor beside the form: one line that says which kind of adjustment the
// known data choose (or why none fits), then a tab each for the known data in a small form, the
// triangles in a table with their closures and the point names in a list, the actions that
// insert, remove and paste rows and run the chain (计算, F5), and the help of the field last
// entered. A refused value is said in red over the help.
#pragma once

#include <QWidget>

#include "quality/survey_grade.h"
#include "state/prompt_key.h"

class QAction;
class QLabel;
class QTabWidget;
class QTableView;

namespace chainadj::ui {

class CellDelegate;
class EditorDocument;
class KnownDataForm;
class KnownDataModel;
class PointNameModel;
class TriangleTableModel;

class DataEditor : public QWidget {
  Q_OBJECT

 public:
  DataEditor(EditorDocument& document, QWidget* parent = nullptr);

  // The settings the chain is checked with when it has no lines of its own (平差设置).
  void setKeptQuality(const QualitySettings& settings);
  // The triangle closure limit the table marks 超限 with, seconds.
  double closureLimit() const;

  QAction* insertRowsAction() const { return insertRows_; }
  QAction* removeRowsAction() const { return removeRows_; }
  QAction* pasteAction() const { return paste_; }
  QAction* runAction() const { return run_; }

  QTableView* triangleView() const { return triangles_; }
  QTableView* nameView() const { return names_; }
  KnownDataForm* knownDataForm() const { return form_; }
  TriangleTableModel& triangleModel() const { return *triangleModel_; }
  // The line above the table, the help of the field last entered and the last message.
  QString selectionText() const;
  QString helpText() const;
  QString messageText() const;

  // Says something about the last edit (a refusal, a paste that could not be taken), in red.
  void tell(const QString& message);
  // Brings the table of the triangles to the front.
  void showTriangles();

  // As wide as the table needs; as high as the window is (the form's height).
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 public slots:
  void insertRowsHere();
  void removeSelectedRows();
  void pasteRows();

 signals:
  // 计算 was chosen.
  void runRequested();

 private:
  QWidget* buildTabs();
  void buildActions();
  void followChain();
  void showHelp(const QString& help);
  void showFieldHelp(InputItem item);
  int currentRow() const;

  EditorDocument& document_;
  QualitySettings kept_;
  CellDelegate* delegate_;
  KnownDataModel* knownModel_;
  TriangleTableModel* triangleModel_;
  PointNameModel* nameModel_;
  KnownDataForm* form_;
  QLabel* selection_;
  QLabel* help_;
  QLabel* message_;
  QTabWidget* tabs_;
  QTableView* triangles_;
  QTableView* names_;
  QAction* insertRows_ = nullptr;
  QAction* removeRows_ = nullptr;
  QAction* paste_ = nullptr;
  QAction* run_ = nullptr;
};

}  // namespace chainadj::ui
