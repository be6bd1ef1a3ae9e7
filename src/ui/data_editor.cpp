#include "ui/data_editor.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QScrollArea>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <set>

#include "entry/chain_preview.h"
#include "entry/field_help.h"
#include "entry/triangle_paste.h"
#include "quality/settings_layer.h"
#include "state/chain_error.h"
#include "ui/cell_delegate.h"
#include "ui/editor_document.h"
#include "ui/known_data_form.h"
#include "ui/known_data_model.h"
#include "ui/point_name_model.h"
#include "ui/triangle_table_model.h"

namespace chainadj::ui {
namespace {

// The editor's width in average characters of its face: room for the four columns of the table.
constexpr int kWidthInCharacters = 62;
constexpr int kTrianglesTab = 1;
constexpr int kNamesTab = 2;
constexpr const char* kSelectedStyle = "font-weight: bold;";
constexpr const char* kNoneSelectedStyle = "font-weight: bold; color: #c00000;";
constexpr const char* kHelpStyle = "color: palette(dark);";
constexpr const char* kMessageStyle = "color: #c00000;";

QTableView* tableView(QAbstractItemModel& model, CellDelegate& delegate, QWidget* parent) {
  auto* view = new QTableView(parent);
  view->setModel(&model);
  view->setItemDelegate(&delegate);
  view->setSelectionMode(QAbstractItemView::ExtendedSelection);
  view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                        QAbstractItemView::AnyKeyPressed);
  view->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
  return view;
}

QLabel* wrappingLabel(const char* style, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setWordWrap(true);
  label->setTextFormat(Qt::PlainText);
  label->setStyleSheet(QString::fromUtf8(style));
  return label;
}

QToolButton* buttonFor(QAction* action, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setDefaultAction(action);
  button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  return button;
}

// The rows of a view's selected cells, or its current row.
std::set<int> selectedRows(const QTableView& view) {
  std::set<int> rows;
  for (const QModelIndex& index : view.selectionModel()->selectedIndexes()) rows.insert(index.row());
  if (rows.empty() && view.currentIndex().isValid()) rows.insert(view.currentIndex().row());
  return rows;
}

}  // namespace

DataEditor::DataEditor(EditorDocument& document, QWidget* parent)
    : QWidget(parent), document_(document), delegate_(new CellDelegate(this)),
      knownModel_(new KnownDataModel(document, this)),
      triangleModel_(new TriangleTableModel(document, this)),
      nameModel_(new PointNameModel(document, this)),
      form_(new KnownDataForm(*knownModel_, *delegate_, this)),
      selection_(wrappingLabel(kSelectedStyle, this)), help_(wrappingLabel(kHelpStyle, this)),
      message_(wrappingLabel(kMessageStyle, this)), tabs_(nullptr), triangles_(nullptr),
      names_(nullptr) {
  setObjectName("DataEditor");
  selection_->setObjectName("selection");
  help_->setObjectName("help");
  message_->setObjectName("message");
  // Two lines each: the longest help and reason fit without moving what is under them.
  help_->setMinimumHeight(2 * help_->fontMetrics().lineSpacing());
  selection_->setMinimumHeight(2 * selection_->fontMetrics().lineSpacing());
  buildActions();

  auto* buttons = new QHBoxLayout();
  for (QAction* action : {insertRows_, removeRows_, paste_}) buttons->addWidget(buttonFor(action, this));
  buttons->addStretch();
  buttons->addWidget(buttonFor(run_, this));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  // The editor takes the height the form gives the window, never more (sizeHint).
  layout->setSizeConstraint(QLayout::SetNoConstraint);
  layout->addWidget(selection_);
  layout->addWidget(buildTabs(), 1);
  layout->addLayout(buttons);
  layout->addWidget(message_);
  layout->addWidget(help_);

  connect(delegate_, &CellDelegate::refused, this, &DataEditor::tell);
  connect(form_, &KnownDataForm::fieldEntered, this, &DataEditor::showFieldHelp);
  connect(&document_, &EditorDocument::chainChanged, this, &DataEditor::followChain);
  connect(&document_, &EditorDocument::readOnlyChanged, this, &DataEditor::followChain);
  followChain();
  tell(QString());
  showHelp(QString::fromUtf8(kAngleFormatHelp));
}

// The known data, the triangles and the names, a tab each: on a small screen each has the whole
// height; the known data scroll where they do not fit.
QWidget* DataEditor::buildTabs() {
  tabs_ = new QTabWidget(this);
  auto* known = new QScrollArea(tabs_);
  known->setWidget(form_);
  known->setWidgetResizable(true);
  known->setFrameShape(QFrame::NoFrame);
  form_->setContentsMargins(6, 6, 6, 6);
  triangles_ = tableView(*triangleModel_, *delegate_, tabs_);
  triangles_->setObjectName("triangles");
  names_ = tableView(*nameModel_, *delegate_, tabs_);
  names_->setObjectName("names");
  tabs_->addTab(known, QString::fromUtf8("已知数据"));
  tabs_->addTab(triangles_, QString());
  tabs_->addTab(names_, QString());
  for (QTableView* view : {triangles_, names_}) {
    view->addAction(insertRows_);
    view->addAction(removeRows_);
    view->addAction(paste_);
  }
  connect(triangles_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (current.column() == TriangleTableModel::kClosureColumn) {
              showHelp(QString::fromUtf8(kClosureHelp));
            } else if (current.isValid()) {
              showFieldHelp(static_cast<InputItem>(static_cast<int>(InputItem::A) + current.column()));
            }
          });
  connect(names_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this] { showHelp(QString::fromUtf8(kPointNameHelp)); });
  return tabs_;
}

void DataEditor::buildActions() {
  // The keys of the rows act in the tables only: elsewhere Ctrl+V pastes into the field.
  const auto make = [this](const char* text, const QKeySequence& keys, void (DataEditor::*slot)()) {
    auto* action = new QAction(QString::fromUtf8(text), this);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(action, &QAction::triggered, this, slot);
    return action;
  };
  insertRows_ = make("插入行", QKeySequence(Qt::Key_Insert), &DataEditor::insertRowsHere);
  removeRows_ = make("删除行", QKeySequence(Qt::CTRL | Qt::Key_Delete), &DataEditor::removeSelectedRows);
  paste_ = make("粘贴", QKeySequence::Paste, &DataEditor::pasteRows);
  run_ = new QAction(QString::fromUtf8("计算"), this);
  run_->setShortcut(QKeySequence(Qt::Key_F5));
  connect(run_, &QAction::triggered, this, &DataEditor::runRequested);
}

void DataEditor::setKeptQuality(const QualitySettings& settings) {
  kept_ = settings;
  followChain();
}

double DataEditor::closureLimit() const { return triangleModel_->closureLimit(); }

// What the chain is now: the kind of adjustment, the fields the run asks, the closure limit,
// the number of triangles and names, the actions the user may take.
void DataEditor::followChain() {
  const ChainData known = document_.chain().knownData();
  const SelectionPreview preview = previewSelection(known);
  const QString text = QString::fromStdString(preview.text);
  selection_->setText(preview.row ? QString::fromUtf8("平差：") + text
                                  : QString::fromUtf8("没有适用的平差：") + text);
  selection_->setStyleSheet(QString::fromUtf8(preview.row ? kSelectedStyle : kNoneSelectedStyle));
  knownModel_->setAsked(preview.asked);
  triangleModel_->setClosureLimit(overlaid(kept_, qualityLayerOf(known)).grade.triangleLimit);

  const int rows = document_.chain().rowCount();
  int over = 0;
  for (int row = 0; row < rows; ++row) {
    if (rowClosure(document_.chain().row(row)).overLimit(closureLimit())) ++over;
  }
  QString triangles = QString::fromUtf8("三角形（%1）").arg(rows);
  if (over > 0) triangles = QString::fromUtf8("三角形（%1，%2 个超限）").arg(rows).arg(over);
  tabs_->setTabText(kTrianglesTab, triangles);
  tabs_->setTabText(kNamesTab, QString::fromUtf8("点名（%1）").arg(nameModel_->namesAsked()));
  const bool editable = !document_.isReadOnly();
  for (QAction* action : {insertRows_, removeRows_, paste_, run_}) action->setEnabled(editable);
}

// The help of a field stands under the buttons; a message about the last edit over it.
void DataEditor::showHelp(const QString& help) { help_->setText(help); }

void DataEditor::showTriangles() { tabs_->setCurrentWidget(triangles_); }

void DataEditor::showFieldHelp(InputItem item) { showHelp(QString::fromUtf8(fieldHelp(item))); }

void DataEditor::tell(const QString& message) {
  message_->setText(message);
  message_->setVisible(!message.isEmpty());
}

QString DataEditor::selectionText() const { return selection_->text(); }
QString DataEditor::helpText() const { return help_->text(); }
QString DataEditor::messageText() const { return message_->text(); }

int DataEditor::currentRow() const {
  const QModelIndex current = triangles_->currentIndex();
  return current.isValid() ? current.row() : document_.chain().rowCount();
}

void DataEditor::insertRowsHere() {
  const int row = currentRow();
  tabs_->setCurrentWidget(triangles_);
  document_.edit({DocumentEdit::insertRows(row, {TriangleAngles()})}, QString::fromUtf8("插入行"));
  triangles_->setCurrentIndex(triangleModel_->index(row, 0));
  tell(QString());
}

void DataEditor::removeSelectedRows() {
  const std::set<int> rows = selectedRows(*triangles_);
  if (rows.empty()) return;
  EditBatch removals;
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
    if (!removals.empty() && removals.back().index == *row + 1) {
      removals.back() = DocumentEdit::removeRows(*row, removals.back().count + 1);
    } else {
      removals.push_back(DocumentEdit::removeRows(*row, 1));
    }
  }
  document_.edit(std::move(removals), QString::fromUtf8("删除 %1 行").arg(rows.size()));
  tell(QString());
}

// The clipboard's text into the triangles from the current cell on (a block of a spreadsheet),
// or, in the list of names, a name a line from the current name on.
void DataEditor::pasteRows() {
  const std::string text = QApplication::clipboard()->text().toStdString();
  if (tabs_->currentWidget() == names_) {
    const std::vector<std::vector<std::string>> cells = pastedCells(text);
    int order = names_->currentIndex().isValid() ? names_->currentIndex().row() : 0;
    EditBatch names;
    for (const std::vector<std::string>& row : cells) names.push_back(DocumentEdit::name(order++, row.front()));
    document_.edit(std::move(names), QString::fromUtf8("粘贴点名"));
    return;
  }
  const QModelIndex current = triangles_->currentIndex();
  const int column = current.isValid() ? std::min(current.column(), 2) : 0;
  try {
    document_.edit(trianglePaste(document_.chain(), text, currentRow(), column),
                   QString::fromUtf8("粘贴"));
    tell(QString());
  } catch (const ChainError& error) {
    tell(QString::fromUtf8(error.what()));
  }
}

QSize DataEditor::sizeHint() const {
  return QSize(kWidthInCharacters * fontMetrics().averageCharWidth(), 0);
}

QSize DataEditor::minimumSizeHint() const { return QSize(sizeHint().width(), 0); }

}  // namespace chainadj::ui
