#include "ui/point_name_model.h"

#include <QBrush>
#include <QPalette>
#include <algorithm>

#include "entry/field_help.h"
#include "entry/point_names.h"
#include "ui/editor_document.h"

namespace chainadj::ui {
namespace {

constexpr const char* kColumnHeads[] = {"点", "点名"};
constexpr const char* kNotAsked = "（不询问）";

}  // namespace

PointNameModel::PointNameModel(EditorDocument& document, QObject* parent)
    : QAbstractTableModel(parent), document_(document) {
  connect(&document_, &EditorDocument::chainChanged, this, &PointNameModel::follow);
  follow();
}

// The rows follow the names asked, which the known points and the triangle count set; a change
// of their number shows the list anew, any other change only its cells.
void PointNameModel::follow() {
  known_ = document_.chain().knownData();
  const int asked = pointNamesAsked(known_, document_.chain().rowCount());
  const int rows = std::max(asked, document_.chain().nameCount());
  if (rows != rows_ || asked != asked_) {
    beginResetModel();
    asked_ = asked;
    rows_ = rows;
    endResetModel();
  } else if (rows_ > 0) {
    emit dataChanged(index(0, 0), index(rows_ - 1, kNameColumn));
  }
}

int PointNameModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int PointNameModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kNameColumn + 1;
}

QVariant PointNameModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const bool asked = index.row() < asked_;
  if (role == Qt::DisplayRole || role == Qt::EditRole) {
    if (index.column() == kNameColumn) return QString::fromStdString(document_.chain().name(index.row()));
    if (!asked) return QString::fromUtf8(kNotAsked);
    return QString::fromStdString(namedPoint(known_, document_.chain().rowCount(), index.row()));
  }
  if (role == Qt::ForegroundRole && !asked) return QBrush(QPalette().color(QPalette::Disabled, QPalette::Text));
  if (role == Qt::ToolTipRole) return QString::fromUtf8(kPointNameHelp);
  return {};
}

QVariant PointNameModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role == Qt::DisplayRole && orientation == Qt::Horizontal && section >= 0 && section <= kNameColumn) {
    return QString::fromUtf8(kColumnHeads[section]);
  }
  if (role == Qt::DisplayRole && orientation == Qt::Vertical) return section + 1;
  return QAbstractTableModel::headerData(section, orientation, role);
}

bool PointNameModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole || index.column() != kNameColumn) return false;
  document_.edit({DocumentEdit::name(index.row(), value.toString().toStdString())},
                 QString::fromUtf8("点名 %1").arg(index.row() + 1));
  return true;
}

Qt::ItemFlags PointNameModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
  if (index.column() == kNameColumn && !document_.isReadOnly()) flags |= Qt::ItemIsEditable;
  return flags;
}

// Any text is a name; a line end would end the name's line.
std::optional<QString> PointNameModel::refusal(const QModelIndex&, const QString& text) const {
  if (text.contains('\n') || text.contains('\r')) return QString::fromUtf8("点名不能分成几行");
  return std::nullopt;
}

}  // namespace chainadj::ui
