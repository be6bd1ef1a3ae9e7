#include "state/form_fields.h"

namespace chainadj {

std::string formatValue(double value, const ValueFormat& format) {
  return formatWithUnit(value, format.mask, format.unit);
}

void showValue(Platform& platform, int box, double value, const ValueFormat& format) {
  platform.setText(box, formatValue(value, format));
}

}  // namespace chainadj
