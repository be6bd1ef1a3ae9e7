#include "entry/variant_selection.h"

#include <array>

namespace chainadj {
namespace {

void writeStartOrientation(const ChainState& chain, Platform& platform) {
  // A present E orients the start even before Ta is derived from it.
  const bool external =
      (chain.noC() && (chain.Ta != 0.0 || chain.hasE())) || chain.Qa != 0.0;
  const char* text = nullptr;
  if (external) {
    text = "由外方位定向";
  } else if (chain.noC() && chain.Ta == 0.0 && chain.Qa == 0.0) {
    text = " 無外方位定向";
  }
  if (text != nullptr) {
    platform.setText(29, text);
    platform.setText(30, text);
  }
}

void writeClosingOrientation(const ChainState& chain, Platform& platform) {
  // A present F closes the chain even when its azimuth happens to be 0 (due north).
  const bool external =
      (chain.noD() && (chain.Tb != 0.0 || chain.hasF())) || chain.Qb != 0.0;
  const char* text = nullptr;
  if (external) {
    text = "由外方位闭合";
  } else if (chain.noD() && chain.Tb == 0.0 && chain.Qb == 0.0) {
    text = " 無外方位闭合";
  }
  if (text != nullptr) {
    platform.setText(31, text);
    platform.setText(32, text);
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
  writeStartOrientation(chain, platform);
  writeClosingOrientation(chain, platform);
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
