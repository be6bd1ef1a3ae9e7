#include "adjust/coordinate_listing.h"

#include "state/display_format.h"

namespace chainadj {
namespace {

constexpr const char* kCoordinateMask = "0.000";

void showPoint(Platform& platform, const std::string& name, double x, double y, int j,
               std::string_view namePrefix) {
  const std::string index = std::to_string(j) + ")";
  platform.setLabel(35, " N(" + index);
  platform.setText(21, std::string(namePrefix) + name);
  platform.setLabel(36, "Xp(" + index);
  platform.setText(22, formatMask(x, kCoordinateMask));
  platform.setLabel(38, "Yp(" + index);
  platform.setText(23, formatMask(y, kCoordinateMask));
}

}  // namespace

void listCoordinates(Platform& platform, const std::vector<std::string>& names,
                     const ChainPass& points, int first, int last, std::string_view namePrefix) {
  for (int j = first; j <= last; ++j) {
    const auto k = static_cast<std::size_t>(j);
    askOrEnd(platform, kListingPrompt);
    showPoint(platform, names[k], points.X[k], points.Y[k], j, namePrefix);
  }
}

}  // namespace chainadj
