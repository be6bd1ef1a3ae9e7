#include "ui/form_scale.h"

#include <algorithm>

namespace chainadj::ui {

double formScaleFor(const QSize& fullSize, const QSize& frame, const QSize& available) {
  const QSize room = available - frame;
  if (fullSize.isEmpty() || room.isEmpty()) return 1.0;
  const double across = static_cast<double>(room.width()) / fullSize.width();
  const double down = static_cast<double>(room.height()) / fullSize.height();
  return std::min({1.0, across, down});
}

}  // namespace chainadj::ui
