// Procedures not built yet: the selection chooses them, and they leave the chain as it is.
#include "adjust/procedures.h"

namespace chainadj {

void Cm3(ChainState&, Platform&) {}
void Cm4(ChainState&, Platform&) {}
void Cm5(ChainState&, Platform&) {}
void Cm6(ChainState&, Platform&) {}
void Cm7(ChainState&, Platform&) {}
void Cm8(ChainState&, Platform&) {}
void Cm9(ChainState&, Platform&) {}
void Cm10(ChainState&, Platform&) {}

}  // namespace chainadj
