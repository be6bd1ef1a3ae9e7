// A chain with known truth surveyed with the known data of one selection row: which known points,
// bases, azimuths and orientation angles the surveyor has, all taken from the true points, and
// the answers he types for them.
//
// Points follow the true chain: point 0 is A, point n+1 is B. A chain that starts at the known
// point C has C as point 1 (its start side runs from C to A); a chain that closes at the known
// point D has D as point n (its last side runs from D to B, so triangle n turns at D).
#pragma once

#include <string>

#include "chain_answers.h"
#include "true_chain.h"

namespace chainadj::testing {

enum class KnownKind {
  FullFromA,         // row 1: Sa, Sb, Ta, Tb, Qa, Qb typed
  NoClosingBase,     // row 2: Sb = 0
  StartSideOnly,     // row 3: Sa, Ta and Qa; no closing azimuth (TbG "n")
  AzimuthsOnly,      // row 4: Ta, Qa, Tb and Qb; no side
  Unoriented,        // row 5: A and B alone (Tag "n", TbG "n")
  BetweenCAndD,      // row 6: C and D known
  ByEAndF,           // row 7: orientation points E and F, bases typed
  ByEWithTb,         // row 8: orientation point E, closing azimuth typed
  ByEWithD,          // row 8: orientation point E, D known
  FromCWithAzimuth,  // row 9: C known, orientation point F
  FromCWithSide,     // row 10: C known, closing side typed, TbG "n"
};

inline constexpr KnownKind kAllKnownKinds[] = {
    KnownKind::FullFromA,    KnownKind::NoClosingBase,    KnownKind::StartSideOnly,
    KnownKind::AzimuthsOnly, KnownKind::Unoriented,       KnownKind::BetweenCAndD,
    KnownKind::ByEAndF,      KnownKind::ByEWithTb,        KnownKind::ByEWithD,
    KnownKind::FromCWithAzimuth, KnownKind::FromCWithSide,
};

// The selection row that such a chain selects, 1..10.
int selectionRow(KnownKind kind);
const char* nameOf(KnownKind kind);

struct SurveyedChain {
  TrueChain truth;
  KnownKind kind;
  KnownData known;         // Sa, Sb, Ta, Tb, Qa, Qb as the procedure adjusts with them
  Point c, d, e, f;        // given points; (0, 0) when absent
  bool hasC() const;
  bool hasD() const;
  bool startsAtC() const { return hasC(); }
  // The closing azimuth is that of the last side D-B (no Qb).
  bool closesAlongLastSide() const { return hasD(); }
  int lastListedPoint() const;
  // The listing's name column for point j, with the blanks the procedure puts before it.
  std::string listedName(int j) const;
};

// qa and qb are the orientation angles where the kind has them (ignored otherwise).
SurveyedChain surveyChain(const TrueChain& truth, KnownKind kind, double qa, double qb);

// The whole run as typed: known data, names (A or C, P.., B or D as the run asks them) and the
// observed angles.
ChainAnswers answersFor(const SurveyedChain& chain, const ChainAngles& observed);

}  // namespace chainadj::testing
