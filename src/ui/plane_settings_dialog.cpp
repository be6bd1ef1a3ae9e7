#include "ui/plane_settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>

#include "adjust/gauss_kruger.h"
#include "entry/chain_settings.h"
#include "state/display_format.h"

namespace chainadj::ui {
namespace {

constexpr int kBoxWidth = 240;  // pixels
constexpr const char* kRefusalStyle = "color: #c00000;";
constexpr const char* kNoMeridianMessage = "归算到投影面要写上中央子午线的经度或投影带的带号。";
constexpr std::string_view kPlaneBases = "plane";
constexpr std::string_view kMeasuredBases = "measured";
// The ellipsoids in the order of the box's items.
constexpr std::array<const Ellipsoid*, 3> kEllipsoids = {&kCgcs2000, &kXian1980, &kBeijing1954};

// A line that takes its default value: the dialog writes it only where the chain had it.
std::string defaultText(std::string_view keyword) {
  if (keyword == kEllipsoidSetting) return kCgcs2000.name;
  if (keyword == kFalseEastingSetting) return formatRoundedPlain(PlaneDefinition{}.falseEasting, 0);
  if (keyword == kProjectionHeightSetting || keyword == kBaseHeightSetting) return "0";
  if (keyword == kBaseDistancesSetting) return std::string(kPlaneBases);
  return "";
}

// The boxes in the order they are checked, with the label that names a refused value.
struct BoxRow {
  std::string_view keyword;
  const char* label;
};
constexpr std::array<BoxRow, 5> kBoxRows = {{
    {kCentralMeridianSetting, "中央子午线（度.分分秒秒）："},
    {kZoneSetting, "或 投影带带号："},
    {kFalseEastingSetting, "横坐标加常数（米）："},
    {kProjectionHeightSetting, "投影面高程（米）："},
    {kBaseHeightSetting, "实测边长的平均高程（米）："},
}};

const char* labelOf(std::string_view keyword) {
  for (const BoxRow& row : kBoxRows) {
    if (row.keyword == keyword) return row.label;
  }
  return "";
}

int ellipsoidIndex(const std::optional<std::string>& typed) {
  const Ellipsoid* named = typed ? ellipsoidNamed(*typed) : nullptr;
  for (std::size_t k = 0; k < kEllipsoids.size(); ++k) {
    if (kEllipsoids[k] == named) return static_cast<int>(k);
  }
  return 0;
}

}  // namespace

PlaneSettingsDialog::PlaneSettingsDialog(const ChainData& current, QWidget* parent)
    : QDialog(parent), current_(current),
      reduce_(new QCheckBox(QString::fromUtf8("归算到高斯-克吕格投影面"), this)),
      ellipsoid_(new QComboBox(this)),
      planeBases_(new QRadioButton(QString::fromUtf8("平面距离（由平面坐标算得，不归算）"))),
      measuredBases_(new QRadioButton(QString::fromUtf8("实测水平距离，平均高程（米）："))),
      refusal_(new QLabel(this)) {
  setObjectName("PlaneSettingsDialog");
  setWindowTitle(QString::fromUtf8("投影与归算"));
  reduce_->setObjectName("reduce");
  reduce_->setChecked(reductionSettingsOf(current).has_value());
  for (const Ellipsoid* ellipsoid : kEllipsoids) ellipsoid_->addItem(QString::fromUtf8(ellipsoid->name));
  ellipsoid_->setCurrentIndex(ellipsoidIndex(current.setting(kEllipsoidSetting)));
  ellipsoid_->setObjectName("ellipsoid");

  auto* form = new QFormLayout;
  addBox(*form, kCentralMeridianSetting, "例如 117 或 114.30");
  addBox(*form, kZoneSetting, "13–23 为 6° 带，24–45 为 3° 带");
  form->addRow(QString::fromUtf8("参考椭球："), ellipsoid_);
  addBox(*form, kFalseEastingSetting, "");
  addBox(*form, kProjectionHeightSetting, "");
  form->addRow(QString::fromUtf8("起算边长："), basesRow());
  auto* note = new QLabel(QString::fromUtf8(
      "横坐标 Y 可以连同带号书写（如 39512345.678）：带号在百万位上，要与这里的带号相同，"
      "加常数在带号后面。这些设置随数据一起保存（central_meridian、zone 等行）。"), this);
  note->setWordWrap(true);
  refusal_->setObjectName("refusal");
  refusal_->setWordWrap(true);
  refusal_->setStyleSheet(QString::fromUtf8(kRefusalStyle));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  ok_ = buttons->button(QDialogButtonBox::Ok);
  ok_->setText(QString::fromUtf8("确定"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8("取消"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(reduce_, &QCheckBox::toggled, this, &PlaneSettingsDialog::follow);
  connect(ellipsoid_, &QComboBox::currentIndexChanged, this, &PlaneSettingsDialog::follow);
  connect(measuredBases_, &QRadioButton::toggled, this, &PlaneSettingsDialog::follow);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(reduce_);
  layout->addLayout(form);
  layout->addWidget(note);
  layout->addWidget(refusal_);
  layout->addWidget(buttons);
  follow();
}

QLineEdit* PlaneSettingsDialog::makeBox(std::string_view keyword, const char* placeholder) {
  const std::string text = current_.setting(keyword).value_or(defaultText(keyword));
  auto* box = new QLineEdit(QString::fromStdString(text));
  box->setObjectName(QString::fromUtf8(keyword.data(), static_cast<int>(keyword.size())));
  box->setPlaceholderText(QString::fromUtf8(placeholder));
  box->setMinimumWidth(kBoxWidth);
  connect(box, &QLineEdit::textChanged, this, &PlaneSettingsDialog::follow);
  boxes_.emplace(std::string(keyword), box);
  return box;
}

void PlaneSettingsDialog::addBox(QFormLayout& form, std::string_view keyword, const char* placeholder) {
  form.addRow(QString::fromUtf8(labelOf(keyword)), makeBox(keyword, placeholder));
}

// 平面距离 above, 实测水平距离 with its mean height below.
QWidget* PlaneSettingsDialog::basesRow() {
  auto* row = new QWidget(this);
  planeBases_->setParent(row);
  measuredBases_->setParent(row);
  planeBases_->setObjectName("planeBases");
  measuredBases_->setObjectName("measuredBases");
  baseHeight_ = makeBox(kBaseHeightSetting, "");
  const bool measured = current_.setting(kBaseDistancesSetting) == kMeasuredBases;
  (measured ? measuredBases_ : planeBases_)->setChecked(true);
  auto* measuredRow = new QHBoxLayout;
  measuredRow->addWidget(measuredBases_);
  measuredRow->addWidget(baseHeight_);
  auto* layout = new QVBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(planeBases_);
  layout->addLayout(measuredRow);
  return row;
}

QLineEdit* PlaneSettingsDialog::box(std::string_view keyword) const {
  const auto found = boxes_.find(keyword);
  return found == boxes_.end() ? nullptr : found->second;
}

std::string PlaneSettingsDialog::shownText(std::string_view keyword) const {
  const bool measured = measuredBases_->isChecked();
  if (keyword == kEllipsoidSetting) return ellipsoid_->currentText().toStdString();
  if (keyword == kBaseDistancesSetting) return std::string(measured ? kMeasuredBases : kPlaneBases);
  if (keyword == kBaseHeightSetting && !measured) return "";
  const QLineEdit* shown = box(keyword);
  return shown ? shown->text().trimmed().toStdString() : "";
}

// A line that means what the chain's line meant keeps its text as typed (Xian80 stays Xian80).
SettingLines PlaneSettingsDialog::lines() const {
  SettingLines lines;
  for (const PlaneSettingOption& option : planeSettingOptions()) {
    const std::optional<std::string> had = current_.setting(option.keyword);
    std::string text = reduce_->isChecked() ? shownText(option.keyword) : "";
    if (option.keyword == kEllipsoidSetting && had && ellipsoidNamed(*had) == ellipsoidNamed(text)) {
      text = *had;
    } else if (!had && text == defaultText(option.keyword)) {
      text.clear();
    }
    lines.emplace(std::string(option.keyword), std::move(text));
  }
  return lines;
}

std::optional<std::string> PlaneSettingsDialog::findRefusal() const {
  if (!reduce_->isChecked()) return std::nullopt;
  for (const BoxRow& row : kBoxRows) {
    const std::string text = shownText(row.keyword);
    if (text.empty()) continue;
    if (std::optional<std::string> why = settingKeywordNamed(row.keyword)->refusal(text)) {
      return row.label + *why + "。";
    }
  }
  if (shownText(kCentralMeridianSetting).empty() && shownText(kZoneSetting).empty()) {
    return kNoMeridianMessage;
  }
  return std::nullopt;
}

QString PlaneSettingsDialog::refusal() const {
  return QString::fromStdString(findRefusal().value_or(""));
}

void PlaneSettingsDialog::follow() {
  const bool on = reduce_->isChecked();
  for (const auto& [keyword, shown] : boxes_) shown->setEnabled(on);
  ellipsoid_->setEnabled(on);
  planeBases_->setEnabled(on);
  measuredBases_->setEnabled(on);
  if (baseHeight_) baseHeight_->setEnabled(on && measuredBases_->isChecked());
  const QString why = refusal();
  refusal_->setText(why);
  refusal_->setVisible(!why.isEmpty());
  if (ok_) ok_->setEnabled(why.isEmpty());
}

}  // namespace chainadj::ui
