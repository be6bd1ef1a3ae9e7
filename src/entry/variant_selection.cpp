#include "entry/variant_selection.h"

#include "adjust/procedure_descriptions.h"
#include "state/form_fields.h"

namespace chainadj {
namespace {

// Which of the start side, closing side, start and closing azimuths are given (not 0).
struct GivenData {
  bool sa, sb, ta, tb;
  bool operator==(const GivenData&) const = default;
};

GivenData given(const ChainState& chain) {
  return {chain.Sa != 0.0, chain.Sb != 0.0, chain.Ta != 0.0, chain.Tb != 0.0};
}

// A chain between A and B alone: no known neighbour points, no orientation points.
bool onlyAAndB(const ChainState& chain) {
  return chain.noC() && chain.noD() && chain.noE() && chain.noF();
}

const std::array<SelectionRow, 10> kRows = {{
    {1, &Cm1,
     [](const ChainState& c, const RunFlags& f) {
       return onlyAAndB(c) && c.Sa != 0.0 && c.Sb != 0.0 && f.tagYes() && f.tbgYes();
     },
     [](const ChainState& c) { return given(c) == GivenData{true, true, true, true}; }},
    {2, &Cm2,
     [](const ChainState& c, const RunFlags& f) {
       return onlyAAndB(c) && c.Sa != 0.0 && c.Sb == 0.0 && f.tagYes() && f.tbgYes();
     },
     [](const ChainState& c) { return given(c) == GivenData{true, false, true, true}; }},
    {3, &Cm3,
     [](const ChainState& c, const RunFlags& f) {
       return onlyAAndB(c) && c.Sa != 0.0 && c.Sb == 0.0 && f.tagYes() && f.tbgNone();
     },
     [](const ChainState& c) { return given(c) == GivenData{true, false, true, false}; }},
    {4, &Cm4,
     [](const ChainState& c, const RunFlags& f) {
       return onlyAAndB(c) && c.Sa == 0.0 && c.Sb == 0.0 && f.tagYes() && f.tbgYes();
     },
     [](const ChainState& c) { return given(c) == GivenData{false, false, true, true}; }},
    {5, &Cm5,
     [](const ChainState& c, const RunFlags& f) {  // Tag is not tested
       return onlyAAndB(c) && c.Sa == 0.0 && c.Sb == 0.0 && c.Ta == 0.0 && c.Qa == 0.0 &&
              f.tbgNone();
     },
     [](const ChainState& c) { return given(c) == GivenData{false, false, false, false}; }},
    {6, &Cm6, [](const ChainState& c, const RunFlags&) { return c.hasC() && c.hasD(); },
     [](const ChainState& c) { return c.hasC() && c.hasD() && c.Qa == 0.0 && c.Qb == 0.0; }},
    {7, &Cm7,
     [](const ChainState& c, const RunFlags&) {
       return c.noC() && c.noD() && c.hasE() && c.hasF();
     },
     nullptr},
    {8, &Cm8,
     [](const ChainState& c, const RunFlags&) {  // D is not tested
       return c.noC() && c.hasE() && c.noF();
     },
     nullptr},
    {9, &Cm9,
     [](const ChainState& c, const RunFlags& f) {  // D is not tested
       return c.hasC() && c.noE() && c.hasF() && f.tbgYes();
     },
     nullptr},
    {10, &Cm10,
     [](const ChainState& c, const RunFlags& f) {  // D is not tested
       return c.hasC() && c.noE() && c.noF() && f.tbgNone();
     },
     nullptr},
}};

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

// The kinds of rows 1..5 exclude each other; row 6 names its kind only for the data none of them
// names, which its place after them in the table gives.
const SelectionRow* rowNamingKind(const ChainState& chain) {
  for (const SelectionRow& row : kRows) {
    if (row.showsKind != nullptr && row.showsKind(chain)) return &row;
  }
  return nullptr;
}

}  // namespace

const std::array<SelectionRow, 10>& selectionRows() { return kRows; }

ProcedureTable selectedProcedures() {
  ProcedureTable procedures{};
  for (std::size_t k = 0; k < kRows.size(); ++k) procedures[k] = kRows[k].procedure;
  return procedures;
}

void writeStatusMessages(const ChainState& chain, Platform& platform) {
  writeOrientation({chain.noC(), chain.hasE(), chain.Ta, chain.Qa, box::kXc, "由外方位定向",
                    " 無外方位定向"},
                   platform);
  writeOrientation({chain.noD(), chain.hasF(), chain.Tb, chain.Qb, box::kXd, "由外方位闭合",
                    " 無外方位闭合"},
                   platform);
  if (const SelectionRow* row = rowNamingKind(chain)) {
    platform.setText(box::kAdjustmentKind, procedureDescription(row->number));
  }
}

std::optional<int> selectVariant(const ChainState& chain, const RunFlags& flags) {
  for (const SelectionRow& row : kRows) {
    if (row.selects(chain, flags)) return row.number;
  }
  return std::nullopt;
}

}  // namespace chainadj
