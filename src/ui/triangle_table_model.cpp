#include "ui/triangle_table_model.h"

#include <QBrush>
#include <QColor>

#include "entry/chain_checks.h"
#include "entry/chain_preview.h"
#include "entry/field_help.h"
#include "state/display_format.h"
#include "ui/editor_document.h"

namespace chainadj::ui {
namespace {

constexpr const char* kColumnHeads[] = {"A 求距角", "B 前进角", "C 间隔角", "w(i)（秒）"};
constexpr const char* kOverLimit = "超限";
constexpr const char* kTooLarge = "太大";
const QColor kOverLimitColor(200, 0, 0);
const QColor kOverLimitBackground(255, 225, 225);

}  // namespace

TriangleTableModel::TriangleTableModel(EditorDocument& document, QObject* parent)
    : QAbstractTableModel(parent), document_(document) {
  connect(&document_, &EditorDocument::rowsAboutToBeInserted, this,
          [this](int first, int count) { beginInsertRows(QModelIndex(), first, first + count - 1); });
  connect(&document_, &EditorDocument::rowsInserted, this, [this] { endInsertRows(); });
  connect(&document_, &EditorDocument::rowsAboutToBeRemoved, this,
          [this](int first, int count) { beginRemoveRows(QModelIndex(), first, first + count - 1); });
  connect(&document_, &EditorDocument::rowsRemoved, this, [this] { endRemoveRows(); });
  connect(&document_, &EditorDocument::cellChanged, this, [this](const DocumentEdit& edit) {
    if (edit.kind != DocumentEdit::Kind::Angle) return;
    emit dataChanged(index(edit.index, edit.column), index(edit.index, kClosureColumn));
  });
  connect(&document_, &EditorDocument::replaced, this, [this] {
    beginResetModel();
    endResetModel();
  });
}

int TriangleTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : document_.chain().rowCount();
}

int TriangleTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kClosureColumn + 1;
}

QVariant TriangleTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  if (index.column() == kClosureColumn) return closureData(index.row(), role);
  const auto column = static_cast<std::size_t>(index.column());
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return QString::fromStdString(document_.chain().row(index.row())[column]);
    case Qt::ToolTipRole:
      return QString::fromUtf8(fieldHelp(triangleAngleColumns()[column].item));
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    default:
      return {};
  }
}

QVariant TriangleTableModel::closureData(int row, int role) const {
  const RowClosure closure = rowClosure(document_.chain().row(row));
  const bool over = closure.overLimit(limit_);
  switch (role) {
    case Qt::DisplayRole: {
      if (closure.state == RowClosure::State::Unfinished) return QString();
      QString text = closure.state == RowClosure::State::TooLarge
                         ? QString::fromUtf8(kTooLarge)
                         : QString::fromStdString(formatMask(closure.seconds, kMaskTwoDecimals));
      if (over) text += QString::fromUtf8(" ") + QString::fromUtf8(kOverLimit);
      return text;
    }
    case Qt::ForegroundRole:
      return over ? QVariant(QBrush(kOverLimitColor)) : QVariant();
    case Qt::BackgroundRole:
      return over ? QVariant(QBrush(kOverLimitBackground)) : QVariant();
    case Qt::ToolTipRole:
      if (over && closure.state == RowClosure::State::Usable) {
        return QString::fromStdString(closureOverLimitText(row + 1, closure.seconds, limit_));
      }
      return QString::fromUtf8(kClosureHelp);
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    default:
      return {};
  }
}

QVariant TriangleTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role == Qt::DisplayRole) {
    if (orientation == Qt::Vertical) return section + 1;
    if (section >= 0 && section <= kClosureColumn) return QString::fromUtf8(kColumnHeads[section]);
  }
  if (role == Qt::ToolTipRole && orientation == Qt::Horizontal) {
    if (section == kClosureColumn) return QString::fromUtf8(kClosureHelp);
    if (section >= 0 && section < kClosureColumn) {
      return QString::fromUtf8(fieldHelp(triangleAngleColumns()[static_cast<std::size_t>(section)].item));
    }
  }
  return QAbstractTableModel::headerData(section, orientation, role);
}

bool TriangleTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole || index.column() >= kClosureColumn) return false;
  if (refusal(index, value.toString())) return false;
  const QString label = QString::fromUtf8("%1(%2)")
                            .arg(QString::fromUtf8(inputItemName(
                                triangleAngleColumns()[static_cast<std::size_t>(index.column())].item)))
                            .arg(index.row() + 1);
  document_.edit({DocumentEdit::angle(index.row(), index.column(), value.toString().trimmed().toStdString())},
                 label);
  return true;
}

Qt::ItemFlags TriangleTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
  if (index.column() < kClosureColumn && !document_.isReadOnly()) flags |= Qt::ItemIsEditable;
  return flags;
}

std::optional<QString> TriangleTableModel::refusal(const QModelIndex& index, const QString& text) const {
  const std::string typed = text.trimmed().toStdString();
  if (typed.empty() || index.column() >= kClosureColumn) return std::nullopt;
  const ValueKind kind = triangleAngleColumns()[static_cast<std::size_t>(index.column())].kind;
  const std::optional<Refusal> refusal = refusalReason(kind, typed);
  if (!refusal) return std::nullopt;
  return QString::fromStdString(valueRefusalText(*refusal, triangleAngleName(index.row() + 1, index.column()), typed));
}

void TriangleTableModel::setClosureLimit(double seconds) {
  if (seconds == limit_) return;
  limit_ = seconds;
  if (rowCount() > 0) emit dataChanged(index(0, kClosureColumn), index(rowCount() - 1, kClosureColumn));
}

}  // namespace chainadj::ui
