// The known values of the data editor's chain, Xa .. Qb, a row each (the InputItem's order), in
// one column: the value as typed. A value the run would not ask with the data as they stand is
// shown but not enabled; the tool tip of each is its help.
#pragma once

#include <QAbstractTableModel>
#include <bitset>

#include "entry/chain_preview.h"
#include "ui/cell_delegate.h"

namespace chainadj::ui {

class EditorDocument;

class KnownDataModel : public QAbstractTableModel, public CheckedCells {
  Q_OBJECT

 public:
  explicit KnownDataModel(EditorDocument& document, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  std::optional<QString> refusal(const QModelIndex& index, const QString& text) const override;

  // The values the run asks (previewSelection).
  void setAsked(const decltype(SelectionPreview::asked)& asked);
  bool asked(InputItem item) const { return asked_.test(static_cast<std::size_t>(item)); }

 private:
  EditorDocument& document_;
  decltype(SelectionPreview::asked) asked_;
};

}  // namespace chainadj::ui
