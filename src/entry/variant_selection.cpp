#include "entry/variant_selection.h"

#include <array>

namespace chainadj {
namespace {

// One end of the chain as its orientation message sees it.
struct ChainEnd {
  bool noKnownNeighbour;         // C absent at the start, D absent at the closing
  bool orientationPointPresent;  // E at the start, F at the closing
  double azimuth;                // Ta or Tb
  double orientationAngle;       // Qa or Qb
  int firstBox;                  // the message goes into this box and the next
  const char* oriented;
  const char* unoriented;
};

// A present orientation point orients its end even when its azimuth is not derived yet (E) or
// happens to be 0, due north (F). Otherwise the boxes keep the echoes of the known point.
void writeOrientation(const ChainEnd& end, Platform& platform) {
  const char* text = nullptr;
  if ((end.noKnownNeighbour && (end.azimuth != 0.0 || end.orientationPointPresent)) ||
      end.orientationAngle != 0.0) {
    text = end.oriented;
  } else if (end.noKnownNeighbour && end.azimuth == 0.0 && end.orientationAngle == 0.0) {
    text = end.unoriented;
  }
  if (text != nullptr) {
    platform.setText(end.firstBox, text);
    platform.setText(end.firstBox + 1, text);
  }
}

const char* adjustmentKind(const ChainState& chain) {
  const bool sa = chain.Sa != 0.0, sb = chain.Sb != 0.0;
  const bool ta = chain.Ta != 0.0, tb = chain.Tb != 0.0;
  if (sa && sb && ta && tb) return "由起始边长按边条件、方位角条件和座标条件平差";
  if (!sa && !sb && ta && tb) return "由假定边长按方位角条件和座标条件平差、没有边条件";
  if (sa && !sb && ta && tb) return "由起始边长按方位角条件和座标条件平差、没有边条件";
  if (sa && !sb && ta && !tb) return "由起始边长按座标条件平差,没有边条件和方位角条件";
  if (!sa && !sb && !ta && !tb) return "本锁以线形锁近似平差";
  if (chain.hasC() && chain.hasD() && chain.Qa == 0.0 && chain.Qb == 0.0) {
    return "本锁以三角锁按边条件、方位角条件和座标条件平差";
  }
  return nullptr;
}

}  // namespace

void writeStatusMessages(const ChainState& chain, Platform& platform) {
  writeOrientation({chain.noC(), chain.hasE(), chain.Ta, chain.Qa, 29, "由外方位定向",
                    " 無外方位定向"},
                   platform);
  writeOrientation({chain.noD(), chain.hasF(), chain.Tb, chain.Qb, 31, "由外方位闭合",
                    " 無外方位闭合"},
                   platform);
  if (const char* kind = adjustmentKind(chain)) platform.setText(26, kind);
}

std::optional<int> selectVariant(const ChainState& chain, const RunFlags& flags) {
  const bool noExternal = chain.noC() && chain.noD() && chain.noE() && chain.noF();
  const bool sa = chain.Sa != 0.0, sb = chain.Sb != 0.0;
  const std::array<bool, 10> rows = {
      noExternal && sa && sb && flags.tagYes() && flags.tbgYes(),
      noExternal && sa && !sb && flags.tagYes() && flags.tbgYes(),
      noExternal && sa && !sb && flags.tagYes() && flags.tbgNone(),
      noExternal && !sa && !sb && flags.tagYes() && flags.tbgYes(),
      noExternal && !sa && !sb && chain.Ta == 0.0 && chain.Qa == 0.0 && flags.tbgNone(),
      chain.hasC() && chain.hasD(),
      chain.noC() && chain.noD() && chain.hasE() && chain.hasF(),
      chain.noC() && chain.hasE() && chain.noF(),
      chain.hasC() && chain.noE() && chain.hasF() && flags.tbgYes(),
      chain.hasC() && chain.noE() && chain.noF() && flags.tbgNone(),
  };
  for (std::size_t row = 0; row < rows.size(); ++row) {
    if (rows[row]) return static_cast<int>(row) + 1;
  }
  return std::nullopt;
}

}  // namespace chainadj
