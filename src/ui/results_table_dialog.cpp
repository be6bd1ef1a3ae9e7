#include "ui/results_table_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "report/chain_verdict.h"
#include "report/method_summary.h"
#include "report/quality_tables.h"
#include "ui/copyable_table_view.h"
#include "ui/report_table_model.h"

namespace chainadj::ui {
namespace {

constexpr int kDialogWidth = 960;
constexpr int kDialogHeight = 640;

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

}  // namespace

ResultsTableDialog::ResultsTableDialog(RunReport report, QWidget* parent)
    : QDialog(parent), report_(std::make_unique<const RunReport>(std::move(report))),
      tabs_(new QTabWidget(this)) {
  setObjectName("ResultsTableDialog");
  setWindowTitle(QString::fromUtf8("成果表"));
  auto* summary = new QLabel(summaryText(*report_), this);
  summary->setWordWrap(true);
  summary->setTextInteractionFlags(Qt::TextSelectableByMouse);

  ResultsTables tables = resultsTables(*report_);
  addTab(std::move(tables.triangles), "三角形");
  addTab(std::move(tables.conditions), "条件");
  addTab(std::move(tables.points), "点位");
  addTab(std::move(tables.sides), "边长");

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)->setText(QString::fromUtf8("关闭"));
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary);
  layout->addWidget(tabs_, 1);
  layout->addWidget(buttons);
  resize(kDialogWidth, kDialogHeight);
}

void ResultsTableDialog::addTab(ReportTable table, const char* name) {
  auto* view = new CopyableTableView(tabs_);
  view->setModel(new ReportTableModel(std::move(table), view));
  view->verticalHeader()->hide();
  view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view->horizontalHeader()->setStretchLastSection(true);
  view->resizeColumnsToContents();
  tabs_->addTab(view, QString::fromUtf8(name));
}

CopyableTableView* ResultsTableDialog::view(int index) const {
  return qobject_cast<CopyableTableView*>(tabs_->widget(index));
}

}  // namespace chainadj::ui
