#include "ui/known_data_form.h"

#include <QDataWidgetMapper>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "ui/cell_delegate.h"
#include "ui/known_data_model.h"

namespace chainadj::ui {
namespace {

struct PointRow {
  const char* caption;
  InputItem x, y;
};
constexpr PointRow kPoints[] = {
    {"起算点 A", InputItem::Xa, InputItem::Ya}, {"闭合点 B", InputItem::Xb, InputItem::Yb},
    {"已知点 C", InputItem::Xc, InputItem::Yc}, {"已知点 D", InputItem::Xd, InputItem::Yd},
    {"定向点 E", InputItem::Xe, InputItem::Ye}, {"定向点 F", InputItem::Xf, InputItem::Yf},
};

struct EndRow {
  const char* caption;
  InputItem start, closing;
};
constexpr EndRow kEnds[] = {
    {"边长 Sa / Sb", InputItem::Sa, InputItem::Sb},
    {"有外方位角 Tag / TbG", InputItem::Tag, InputItem::TbG},
    {"外方位角 Ta / Tb", InputItem::Ta, InputItem::Tb},
    {"定向角 Qa / Qb", InputItem::Qa, InputItem::Qb},
};

QLabel* head(const char* text, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

}  // namespace

KnownDataForm::KnownDataForm(KnownDataModel& model, CellDelegate& delegate, QWidget* parent)
    : QWidget(parent), model_(model), mapper_(new QDataWidgetMapper(this)) {
  mapper_->setModel(&model_);
  mapper_->setOrientation(Qt::Vertical);
  mapper_->setItemDelegate(&delegate);
  mapper_->setSubmitPolicy(QDataWidgetMapper::AutoSubmit);

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setVerticalSpacing(2);
  grid->addWidget(head("纵座标 X（米）", this), 0, 1);
  grid->addWidget(head("横座标 Y（米）", this), 0, 2);
  int row = 1;
  for (const PointRow& point : kPoints) {
    grid->addWidget(new QLabel(QString::fromUtf8(point.caption), this), row, 0);
    grid->addWidget(addField(point.x), row, 1);
    grid->addWidget(addField(point.y), row, 2);
    ++row;
  }
  grid->addWidget(head("起始端（A）", this), row, 1);
  grid->addWidget(head("闭合端（B）", this), row, 2);
  ++row;
  for (const EndRow& end : kEnds) {
    grid->addWidget(new QLabel(QString::fromUtf8(end.caption), this), row, 0);
    grid->addWidget(addField(end.start), row, 1);
    grid->addWidget(addField(end.closing), row, 2);
    ++row;
  }
  grid->setRowStretch(row, 1);  // the fields stand together at the top
  mapper_->toFirst();
  connect(&model_, &QAbstractItemModel::dataChanged, this, &KnownDataForm::followModel);
  connect(&model_, &QAbstractItemModel::modelReset, this, &KnownDataForm::followModel);
  connect(&delegate, &CellDelegate::refused, mapper_, &QDataWidgetMapper::revert);
  followModel();
}

QLineEdit* KnownDataForm::addField(InputItem item) {
  auto* field = new QLineEdit(this);
  field->setObjectName(QString::fromUtf8(inputItemName(item)));
  field->setToolTip(model_.data(model_.index(static_cast<int>(item), 0), Qt::ToolTipRole).toString());
  field->installEventFilter(this);
  mapper_->addMapping(field, static_cast<int>(item));
  fields_[item] = field;
  return field;
}

// Fields the run would not ask are shown disabled; every field shows its value.
void KnownDataForm::followModel() {
  for (const auto& [item, field] : fields_) {
    const Qt::ItemFlags flags = model_.flags(model_.index(static_cast<int>(item), 0));
    field->setEnabled(flags.testFlag(Qt::ItemIsEnabled));
    field->setReadOnly(!flags.testFlag(Qt::ItemIsEditable));
    if (!field->hasFocus()) field->setCursorPosition(0);  // a long value shows its start
  }
  if (mapper_->currentIndex() < 0) mapper_->toFirst();
}

bool KnownDataForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    for (const auto& [item, field] : fields_) {
      if (field == watched) emit fieldEntered(item);
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace chainadj::ui
