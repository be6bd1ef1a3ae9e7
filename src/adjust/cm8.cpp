// Cm8: a chain from A to B whose start azimuth is the direction A-E to the orientation point E
// and whose closing azimuth Tb is typed, or derived from a known D. Azimuth, side, X and Y
// conditions with Qa and Qb as observations. T(1) = Ta + Qa is not brought into range. When D
// is known, Tb is the azimuth of the last side D-B itself and the closure is taken along it.
// Text11 shows Sa rounded to the millimetre in plain digits.
#include "adjust/chain_requirements.h"
#include "adjust/orientation_points.h"
#include "adjust/oriented_chain.h"
#include "adjust/procedures.h"
#include "state/display_format.h"
#include "state/form_fields.h"

namespace chainadj {

void Cm8(ChainState& chain, Platform& platform, AdjustmentResult& result) {
  requireStartBase(chain);
  requireClosingBase(chain);
  platform.setText(box::kStartSide, " " + formatRoundedPlain(chain.Sa, 3));
  orientStartByE(chain);

  ChainEnds ends = fromAToB(chain);
  ends.firstAzimuthRule = keepAzimuth;
  if (chain.hasD()) ends.closingAzimuth = ClosingAzimuth::AlongLastSide;
  adjustChainOrientedAtBothEnds(chain, ends, {}, platform, result);
}

}  // namespace chainadj
