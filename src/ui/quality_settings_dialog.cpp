#include "ui/quality_settings_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "quality/adjustment_method.h"
#include "quality/settings_layer.h"

namespace chainadj::ui {
namespace {

constexpr int kDecimals = 2;
constexpr double kSmallestAngleSeconds = 0.01;  // mβ and the limit are above 0
// The methods in the order of the box's items.
constexpr AdjustmentMethod kMethods[] = {AdjustmentMethod::Rigorous, AdjustmentMethod::Classical};

int methodIndex(AdjustmentMethod method) { return method == kMethods[0] ? 0 : 1; }

QDoubleSpinBox* numberBox(double least, double most, const char* unit, QWidget* parent) {
  auto* box = new QDoubleSpinBox(parent);
  box->setDecimals(kDecimals);
  box->setRange(least, most);
  box->setSuffix(QString::fromUtf8(unit));
  box->setAlignment(Qt::AlignRight);
  return box;
}

}  // namespace

QualitySettingsDialog::QualitySettingsDialog(const QualitySettings& settings, QWidget* parent)
    : QDialog(parent),
      grade_(new QComboBox(this)),
      angleMeanError_(numberBox(kSmallestAngleSeconds, kLargestAngleSeconds, " 秒", this)),
      triangleLimit_(numberBox(kSmallestAngleSeconds, kLargestAngleSeconds, " 秒", this)),
      azimuthMeanError_(numberBox(0.0, kLargestAngleSeconds, " 秒", this)),
      baseMeanError_(numberBox(0.0, kLargestBaseMillimetres, " 毫米", this)),
      weakestSide_(numberBox(1.0, kLargestWeakestSide, "", this)),
      method_(new QComboBox(this)) {
  weakestSide_->setDecimals(0);
  weakestSide_->setPrefix(QString::fromUtf8("1/"));
  setObjectName("QualitySettingsDialog");
  setWindowTitle(QString::fromUtf8("平差设置"));
  for (const SurveyGrade& grade : gradePresets()) grade_->addItem(QString::fromStdString(grade.name));
  for (AdjustmentMethod method : kMethods) method_->addItem(QString::fromUtf8(methodName(method)));

  auto* form = new QFormLayout;
  form->addRow(QString::fromUtf8("等级："), grade_);
  form->addRow(QString::fromUtf8("测角中误差 mβ："), angleMeanError_);
  form->addRow(QString::fromUtf8("三角形闭合差限差："), triangleLimit_);
  form->addRow(QString::fromUtf8("最弱边相对中误差限差："), weakestSide_);
  form->addRow(QString::fromUtf8("起算方位角中误差 mα："), azimuthMeanError_);
  form->addRow(QString::fromUtf8("起算边长中误差："), baseMeanError_);
  form->addRow(QString::fromUtf8("平差方法："), method_);
  auto* note = new QLabel(QString::fromUtf8(
      "选等级时，mβ、两个限差和平差方法取该等级的规定值（GB 50026：一级及以上严密平差，二级"
      "条件分组平差），可以再改。设置用于成果（报告、成果表、CSV）的平差方法和质量检核，窗体"
      "总是显示条件分组平差的结果。打开的数据文件里的 grade、m_beta、weakest_side、method 行"
      "只对那次计算有效，优先于这里的设置。"),
                          this);
  note->setWordWrap(true);

  auto* buttons = new QDialogButtonBox(
      QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::RestoreDefaults, this);
  buttons->button(QDialogButtonBox::Ok)->setText(QString::fromUtf8("确定"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8("取消"));
  buttons->button(QDialogButtonBox::RestoreDefaults)->setText(QString::fromUtf8("恢复默认"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(buttons->button(QDialogButtonBox::RestoreDefaults), &QPushButton::clicked, this,
          [this] { setSettings(QualitySettings{}); });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(note);
  layout->addWidget(buttons);

  setSettings(settings);
  // Chosen by the user (not when setSettings() sets it): the grade brings its values.
  connect(grade_, &QComboBox::activated, this, &QualitySettingsDialog::choosePreset);
}

void QualitySettingsDialog::setSettings(const QualitySettings& settings) {
  grade_->setCurrentText(QString::fromStdString(settings.grade.name));
  angleMeanError_->setValue(settings.grade.angleMeanError);
  triangleLimit_->setValue(settings.grade.triangleLimit);
  weakestSide_->setValue(settings.grade.weakestSide);
  azimuthMeanError_->setValue(settings.azimuthMeanError);
  baseMeanError_->setValue(settings.baseMeanError);
  method_->setCurrentIndex(methodIndex(chosenMethod(settings).method));
}

void QualitySettingsDialog::choosePreset(int index) {
  const SurveyGrade& grade = gradePresets()[static_cast<std::size_t>(index)];
  angleMeanError_->setValue(grade.angleMeanError);
  triangleLimit_->setValue(grade.triangleLimit);
  weakestSide_->setValue(grade.weakestSide);
  method_->setCurrentIndex(methodIndex(standardMethod(grade)));
}

QualitySettings QualitySettingsDialog::settings() const {
  QualitySettings settings;
  settings.grade = {grade_->currentText().toStdString(), angleMeanError_->value(),
                    triangleLimit_->value(), weakestSide_->value()};
  settings.azimuthMeanError = azimuthMeanError_->value();
  settings.baseMeanError = baseMeanError_->value();
  const AdjustmentMethod method = kMethods[method_->currentIndex() == 0 ? 0 : 1];
  if (method != standardMethod(settings.grade)) settings.method = method;
  return settings;
}

}  // namespace chainadj::ui
