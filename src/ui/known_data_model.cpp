#include "ui/known_data_model.h"

#include "entry/chain_checks.h"
#include "entry/field_help.h"
#include "ui/editor_document.h"

namespace chainadj::ui {
namespace {

constexpr int kKnownValues = static_cast<int>(kLastKnownValue) + 1;

InputItem itemOf(const QModelIndex& index) { return static_cast<InputItem>(index.row()); }

}  // namespace

KnownDataModel::KnownDataModel(EditorDocument& document, QObject* parent)
    : QAbstractTableModel(parent), document_(document) {
  asked_.set();
  connect(&document_, &EditorDocument::cellChanged, this, [this](const DocumentEdit& edit) {
    if (edit.kind != DocumentEdit::Kind::Value) return;
    const QModelIndex changed = index(static_cast<int>(edit.item), 0);
    emit dataChanged(changed, changed);
  });
  connect(&document_, &EditorDocument::replaced, this, [this] {
    beginResetModel();
    endResetModel();
  });
}

int KnownDataModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kKnownValues;
}

int KnownDataModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 1; }

QVariant KnownDataModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == Qt::DisplayRole || role == Qt::EditRole) {
    return QString::fromStdString(document_.chain().value(itemOf(index)));
  }
  if (role == Qt::ToolTipRole) return QString::fromUtf8(fieldHelp(itemOf(index)));
  return {};
}

bool KnownDataModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole || refusal(index, value.toString())) return false;
  const InputItem item = itemOf(index);
  document_.edit({DocumentEdit::value(item, value.toString().toStdString())},
                 QString::fromUtf8(inputItemName(item)));
  return true;
}

Qt::ItemFlags KnownDataModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags flags = Qt::ItemIsSelectable;
  if (asked(itemOf(index))) flags |= Qt::ItemIsEnabled;
  if (!document_.isReadOnly()) flags |= Qt::ItemIsEditable;
  return flags;
}

std::optional<QString> KnownDataModel::refusal(const QModelIndex& index, const QString& text) const {
  const std::string typed = text.toStdString();
  if (typed.empty()) return std::nullopt;  // not given
  const InputItem item = itemOf(index);
  const std::optional<Refusal> refusal = refusalReason(inputRule(item).kind, typed);
  if (!refusal) return std::nullopt;
  return QString::fromStdString(valueRefusalText(*refusal, inputItemName(item), typed));
}

void KnownDataModel::setAsked(const decltype(SelectionPreview::asked)& asked) {
  if (asked == asked_) return;
  asked_ = asked;
  emit dataChanged(index(0, 0), index(kKnownValues - 1, 0));
}

}  // namespace chainadj::ui
