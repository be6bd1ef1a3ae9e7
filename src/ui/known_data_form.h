// The known data of the data editor in a small form: the coordinates X and Y of A .. F a row each,
// then the start end and the closing end side by side (Sa Sb, Tag TbG, Ta Tb, Qa Qb). Each field
// is a line edit mapped onto its row of the KnownDataModel through the checking delegate: a value
// is taken when the field is left or Enter is pressed, and a refused one is put back.
#pragma once

#include <QWidget>
#include <map>

#include "state/prompt_key.h"

class QDataWidgetMapper;
class QLineEdit;

namespace chainadj::ui {

class CellDelegate;
class KnownDataModel;

class KnownDataForm : public QWidget {
  Q_OBJECT

 public:
  KnownDataForm(KnownDataModel& model, CellDelegate& delegate, QWidget* parent = nullptr);

  QLineEdit* field(InputItem item) const { return fields_.at(item); }

 signals:
  // A field got the focus: its help is due.
  void fieldEntered(InputItem item);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* addField(InputItem item);
  void followModel();

  KnownDataModel& model_;
  QDataWidgetMapper* mapper_;
  std::map<InputItem, QLineEdit*> fields_;
};

}  // namespace chainadj::ui
