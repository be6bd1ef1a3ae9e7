// How the console's heap gives memory back.
#pragma once

namespace chainadj {

// The arrays of a long chain (some tens of MB) stay in the heap once freed and are reused from
// there: giving them back to the system and taking fresh pages again costs a page fault per 4 KB,
// which on a virtual machine is some microseconds each. Called once, before anything is
// allocated.
void keepFreedMemoryForReuse();

}  // namespace chainadj
