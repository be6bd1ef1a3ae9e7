// The dialog 投影与归算: whether the chain is reduced onto the Gauss–Krüger plane (归算到高斯-克吕格
// 投影面), and the plane's settings lines (plane_settings.h): the central meridian or the zone, the
// ellipsoid, the false easting, the height of the projection surface and whether the known bases
// are plane distances or horizontal distances measured at a mean height. A value the data file's
// reader would refuse is refused here with the reader's reason, under the boxes, and 确定 stays
// disabled until it is put right. Switched off, every plane line goes: the chain is reduced onto
// no plane.
#pragma once

#include <QDialog>
#include <QString>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "entry/chain_data.h"
#include "entry/plane_settings.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace chainadj::ui {

class PlaneSettingsDialog : public QDialog {
  Q_OBJECT

 public:
  // `current`: the chain's settings lines; the dialog shows its plane lines.
  explicit PlaneSettingsDialog(const ChainData& current, QWidget* parent = nullptr);

  // Every plane line by keyword as the dialog sets it, "" for a line that goes. A value left at
  // its default has no line of its own unless the chain had one.
  SettingLines lines() const;
  // Why the values cannot be taken, as the dialog shows it; empty when they can.
  QString refusal() const;

  QCheckBox* reduceBox() const { return reduce_; }
  // The box of central_meridian, zone, false_easting, projection_height or base_height.
  QLineEdit* box(std::string_view keyword) const;
  QComboBox* ellipsoidBox() const { return ellipsoid_; }
  QRadioButton* planeBasesButton() const { return planeBases_; }
  QRadioButton* measuredBasesButton() const { return measuredBases_; }
  QPushButton* okButton() const { return ok_; }

 private:
  // The box of a line, holding the chain's text or the default.
  QLineEdit* makeBox(std::string_view keyword, const char* placeholder);
  void addBox(QFormLayout& form, std::string_view keyword, const char* placeholder);
  QWidget* basesRow();
  // Enables what applies and shows why the values are refused, if they are.
  void follow();
  std::optional<std::string> findRefusal() const;
  // The text the dialog gives `keyword`, before defaults are left out.
  std::string shownText(std::string_view keyword) const;

  ChainData current_;
  QCheckBox* reduce_;
  std::map<std::string, QLineEdit*, std::less<>> boxes_;
  QComboBox* ellipsoid_;
  QRadioButton* planeBases_;
  QRadioButton* measuredBases_;
  QLineEdit* baseHeight_ = nullptr;
  QLabel* refusal_;
  QPushButton* ok_ = nullptr;
};

}  // namespace chainadj::ui
