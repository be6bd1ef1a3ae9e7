#include "adjust/coordinate_listing.h"

#include "state/form_fields.h"

namespace chainadj {
namespace {

void showPoint(Platform& platform, const std::string& name, double x, double y, int j,
               std::string_view namePrefix) {
  const std::string index = std::to_string(j) + ")";
  platform.setLabel(label::kListedName, " N(" + index);
  platform.setText(box::kPointName, std::string(namePrefix) + name);
  platform.setLabel(label::kListedX, "Xp(" + index);
  showValue(platform, box::kListedX, x, kCoordinateFormat);
  platform.setLabel(label::kListedY, "Yp(" + index);
  showValue(platform, box::kListedY, y, kCoordinateFormat);
}

}  // namespace

void listCoordinates(Platform& platform, const std::vector<std::string>& names,
                     const ChainPass& points, int first, int last, std::string_view namePrefix) {
  const std::string prompt = kListingPrompt;
  for (int j = first; j <= last; ++j) {
    const auto k = static_cast<std::size_t>(j);
    askOrEnd(platform, prompt, PromptKey::listing(j));
    showPoint(platform, names[k], points.X[k], points.Y[k], j, namePrefix);
  }
}

}  // namespace chainadj
