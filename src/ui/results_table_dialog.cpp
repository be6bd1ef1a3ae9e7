#include "ui/results_table_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "report/chain_verdict.h"
#include "report/method_summary.h"
#include "report/quality_tables.h"
#include "ui/copyable_table_view.h"
#include "ui/over_limit_rows.h"
#include "ui/report_table_model.h"

namespace chainadj::ui {
namespace {

constexpr const char* kTitle = "成果表 — %1";
// The tabs as the tab bar shows them, each with its Alt key.
constexpr const char* kTabNames[] = {"三角形(&1)", "条件(&2)", "点位(&3)", "边长(&4)"};
constexpr const char* kOverLimitOnlyText = "只看超限";
constexpr const char* kGoToTriangleText = "转到三角形";

constexpr int kDialogWidth = 960;   // pixels, where the screen has room
constexpr int kDialogHeight = 640;  // pixels
// The share of the screen's available width and height the dialog takes at most: the rest is
// left to its frame.
constexpr double kScreenShare = 0.9;
// The share of the dialog's height the summary takes at most, so that the tables keep room on a
// small screen: the summary scrolls there.
constexpr double kSummaryShare = 0.4;
// The rows whose texts set the widths of the columns: every row of a chain of up to 1 666
// triangles; a longer table is sized by its first rows and those in view.
constexpr int kSizedRows = 5000;

QString summaryText(const RunReport& report) {
  QString text;
  std::vector<std::string> lines = methodLines(report);
  for (std::string& line : qualitySummary(report)) lines.push_back(std::move(line));
  for (std::string& line : verdictLines(report)) lines.push_back(std::move(line));
  for (const std::string& line : lines) {
    if (!text.isEmpty()) text += '\n';
    text += QString::fromStdString(line);
  }
  return text;
}

bool switchesTab(const QKeyEvent& key) {
  return (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) &&
         key.modifiers().testFlag(Qt::ControlModifier);
}

bool isEnter(const QKeyEvent& key) {
  return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

// The summary scrolls where it is longer than the room the tables leave it.
QScrollArea* scrolling(QLabel* summary, QWidget* parent) {
  auto* area = new QScrollArea(parent);
  area->setWidget(summary);
  area->setWidgetResizable(true);
  area->setFrameShape(QFrame::NoFrame);
  area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  return area;
}

CopyableTableView* newView(QWidget* parent) {
  auto* view = new CopyableTableView(parent);
  view->setTextElideMode(Qt::ElideNone);
  view->setWordWrap(false);
  view->verticalHeader()->hide();
  view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view->horizontalHeader()->setTextElideMode(Qt::ElideNone);
  view->horizontalHeader()->setStretchLastSection(true);
  view->horizontalHeader()->setResizeContentsPrecision(kSizedRows);
  return view;
}

}  // namespace

ResultsTableDialog::ResultsTableDialog(RunReport report, const QString& title, QWidget* parent)
    : QDialog(parent), report_(std::make_unique<const RunReport>(std::move(report))),
      summary_(new QLabel(this)), summaryArea_(scrolling(summary_, this)),
      tabs_(new QTabWidget(this)) {
  setObjectName("ResultsTableDialog");
  setWindowTitle(QString::fromUtf8(kTitle).arg(title));
  summary_->setWordWrap(true);
  summary_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  for (const char* name : kTabNames) {
    CopyableTableView* view = newView(tabs_);
    view->installEventFilter(this);
    tabs_->addTab(view, QString::fromUtf8(name));
  }
  QWidget* finder = buildFinder();
  fillTabs();

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  QPushButton* close = buttons->button(QDialogButtonBox::Close);
  close->setText(QString::fromUtf8("关闭"));
  close->setAutoDefault(false);  // Enter goes to a triangle; Esc closes
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summaryArea_);
  layout->addWidget(finder);
  layout->addWidget(tabs_, 1);
  layout->addWidget(buttons);
  resize(kDialogWidth, kDialogHeight);
}

ResultsTableDialog::~ResultsTableDialog() {
  // The tables refer to the report: they go first.
  delete tabs_;
}

QWidget* ResultsTableDialog::buildFinder() {
  auto* finder = new QWidget(this);
  overLimitOnly_ = new QCheckBox(QString::fromUtf8(kOverLimitOnlyText), finder);
  connect(overLimitOnly_, &QCheckBox::toggled, this, &ResultsTableDialog::showOnlyOverLimit);
  goToTriangle_ = new QPushButton(QString::fromUtf8(kGoToTriangleText), finder);
  goToTriangle_->setAutoDefault(false);
  triangleNumber_ = new QSpinBox(finder);
  triangleNumber_->installEventFilter(this);
  connect(goToTriangle_, &QPushButton::clicked, this,
          [this] { goToTriangle(triangleNumber_->value()); });
  auto* row = new QHBoxLayout(finder);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(overLimitOnly_);
  row->addStretch(1);
  row->addWidget(goToTriangle_);
  row->addWidget(triangleNumber_);
  return finder;
}

void ResultsTableDialog::showReport(RunReport report, const QString& title) {
  auto shown = std::make_unique<const RunReport>(std::move(report));
  std::swap(report_, shown);
  fillTabs();  // lets go of the tables of the report shown
  setWindowTitle(QString::fromUtf8(kTitle).arg(title));
  if (isVisible()) fitColumns();
}

// The tables of report_, each filtered as 只看超限 says.
void ResultsTableDialog::fillTabs() {
  summary_->setText(summaryText(*report_));
  fitSummary();
  ResultsTables tables = resultsTables(*report_);
  const RunReport* report = report_.get();
  setTable(kTriangles, std::move(tables.triangles), [report](const ReportTable& table) {
    return overLimitTriangleRows(table, *report);
  });
  setTable(kConditions, std::move(tables.conditions), overLimitRows);
  setTable(kPoints, std::move(tables.points), overLimitRows);
  setTable(kSides, std::move(tables.sides), overLimitRows);
  triangleNumber_->setRange(std::min(1, report_->triangleCount()), report_->triangleCount());
  goToTriangle_->setEnabled(report_->triangleCount() > 0);
}

void ResultsTableDialog::setTable(int index, ReportTable table,
                                  OverLimitFilter::RowFinder findRows) {
  CopyableTableView* tableView = view(index);
  auto* filtered = new OverLimitFilter(new ReportTableModel(std::move(table)), std::move(findRows),
                                       tableView);
  filtered->setOnlyOverLimit(overLimitOnly_->isChecked());
  OverLimitFilter* shown = filter(index);
  QItemSelectionModel* selection = tableView->selectionModel();
  tableView->setModel(filtered);
  delete selection;
  delete shown;
}

OverLimitFilter* ResultsTableDialog::filter(int index) const {
  return qobject_cast<OverLimitFilter*>(view(index)->model());
}

CopyableTableView* ResultsTableDialog::view(int index) const {
  return qobject_cast<CopyableTableView*>(tabs_->widget(index));
}

void ResultsTableDialog::showOnlyOverLimit(bool only) {
  for (int index = 0; index < kTabCount; ++index) filter(index)->setOnlyOverLimit(only);
  fitColumns();
}

void ResultsTableDialog::goToTriangle(int triangle) {
  if (triangle < 1 || triangle > report_->triangleCount()) return;
  OverLimitFilter& rows = *filter(kTriangles);
  const std::size_t perTriangle = rows.tableModel()->table().rowsPerGroup;
  const int first = (triangle - 1) * static_cast<int>(perTriangle);
  const int last = first + static_cast<int>(perTriangle) - 1;
  const auto shown = [&](int row) { return rows.mapFromSource(rows.tableModel()->index(row, 0)); };
  if (!shown(first).isValid()) overLimitOnly_->setChecked(false);  // the triangle is within
  CopyableTableView& table = *view(kTriangles);
  const QModelIndex top = shown(first);
  const QModelIndex bottom = rows.index(shown(last).row(), rows.columnCount() - 1);
  tabs_->setCurrentIndex(kTriangles);
  table.selectionModel()->setCurrentIndex(top, QItemSelectionModel::NoUpdate);
  table.selectionModel()->select(QItemSelection(top, bottom), QItemSelectionModel::ClearAndSelect);
  table.scrollTo(top, QAbstractItemView::PositionAtTop);
  table.setFocus();
}

void ResultsTableDialog::fitColumns() {
  for (int index = 0; index < kTabCount; ++index) view(index)->resizeColumnsToContents();
}

void ResultsTableDialog::fitTo(const QRect& available) {
  const QSize room(static_cast<int>(available.width() * kScreenShare),
                   static_cast<int>(available.height() * kScreenShare));
  resize(size().boundedTo(room).expandedTo(minimumSizeHint().boundedTo(room)));
  QRect placed = frameGeometry();
  placed.moveLeft(std::clamp(placed.left(), available.left(),
                             std::max(available.left(), available.right() - placed.width())));
  placed.moveTop(std::clamp(placed.top(), available.top(),
                            std::max(available.top(), available.bottom() - placed.height())));
  move(placed.topLeft());
}

void ResultsTableDialog::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  fitSummary();
}

// The summary as tall as its wrapped lines, within its share of the dialog.
void ResultsTableDialog::fitSummary() {
  const QMargins margins = layout() ? layout()->contentsMargins() : QMargins();
  const int wrapped = summary_->heightForWidth(width() - margins.left() - margins.right());
  summaryArea_->setMaximumHeight(std::min(wrapped, static_cast<int>(height() * kSummaryShare)));
}

void ResultsTableDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (const QScreen* current = screen()) fitTo(current->availableGeometry());
  fitColumns();  // with the faces the dialog is shown in
}

void ResultsTableDialog::cycleTabs(const QKeyEvent& key) {
  const bool back = key.key() == Qt::Key_Backtab || key.modifiers().testFlag(Qt::ShiftModifier);
  tabs_->setCurrentIndex((tabs_->currentIndex() + (back ? kTabCount - 1 : 1)) % kTabCount);
}

void ResultsTableDialog::keyPressEvent(QKeyEvent* event) {
  if (switchesTab(*event)) {
    cycleTabs(*event);
    return;
  }
  QDialog::keyPressEvent(event);
}

// Ctrl+Tab from a table goes to the next tab, as it does from the tab bar; Enter in the spin
// box goes to its triangle.
bool ResultsTableDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  const auto& key = static_cast<const QKeyEvent&>(*event);
  if (watched == triangleNumber_ && isEnter(key)) {
    triangleNumber_->interpretText();
    goToTriangle(triangleNumber_->value());
    return true;
  }
  if (switchesTab(key)) {
    cycleTabs(key);
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace chainadj::ui
