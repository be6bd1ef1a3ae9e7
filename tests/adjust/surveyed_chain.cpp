#include "surveyed_chain.h"

#include <cmath>

namespace chainadj::testing {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kSightToE = 800.0;  // metres from A to E
constexpr double kSightToF = 700.0;  // metres from B to F

std::size_t at(int index) { return static_cast<std::size_t>(index); }

Point polar(Point from, double azimuthDegrees, double length) {
  return {from.x + length * std::cos(azimuthDegrees * kPi / 180.0),
          from.y + length * std::sin(azimuthDegrees * kPi / 180.0)};
}

double normalized(double degrees) {
  const double t = std::fmod(degrees, 360.0);
  return t < 0.0 ? t + 360.0 : t;
}

bool present(Point p) { return p.x != 0.0 || p.y != 0.0; }

std::string typedPoint(double coordinate) { return coordinate == 0.0 ? "0" : typedLength(coordinate); }

struct KindTraits {
  int row;
  const char* name;
  bool c, d, e, f;             // which known or orientation points are given
  bool sa, sb;                 // bases given (typed, or derived from C and D)
  bool ta, tb;                 // start and closing azimuth given (typed or derived)
  bool qa, qb;                 // orientation angles typed
};

constexpr KindTraits kTraits[] = {
    {1, "FullFromA", false, false, false, false, true, true, true, true, true, true},
    {2, "NoClosingBase", false, false, false, false, true, false, true, true, true, true},
    {3, "StartSideOnly", false, false, false, false, true, false, true, false, true, false},
    {4, "AzimuthsOnly", false, false, false, false, false, false, true, true, true, true},
    {5, "Unoriented", false, false, false, false, false, false, false, false, false, false},
    {6, "BetweenCAndD", true, true, false, false, true, true, true, true, false, false},
    {7, "ByEAndF", false, false, true, true, true, true, true, true, true, true},
    {8, "ByEWithTb", false, false, true, false, true, true, true, true, true, true},
    {8, "ByEWithD", false, true, true, false, true, true, true, true, true, false},
    {9, "FromCWithAzimuth", true, false, false, true, true, true, true, true, false, true},
    {10, "FromCWithSide", true, false, false, false, true, true, true, false, false, false},
};

const KindTraits& traits(KnownKind kind) { return kTraits[static_cast<int>(kind)]; }

}  // namespace

int selectionRow(KnownKind kind) { return traits(kind).row; }
const char* nameOf(KnownKind kind) { return traits(kind).name; }

bool SurveyedChain::hasC() const { return present(c); }
bool SurveyedChain::hasD() const { return present(d); }

int SurveyedChain::lastListedPoint() const {
  const int n = truth.triangles();
  return hasC() && hasD() ? n : n + 1;
}

std::string SurveyedChain::listedName(int j) const {
  const int n = truth.triangles();
  const bool plain = kind == KnownKind::AzimuthsOnly || kind == KnownKind::Unoriented;
  std::string name;
  if (hasD() && !hasC()) {
    name = "";  // the run asks no names
  } else if (j == 1 && hasC()) {
    name = "C";
  } else if (j == n && hasD()) {
    name = "D";
  } else {
    name = j == n + 1 ? "B" : "P" + std::to_string(j);
  }
  return (plain ? "" : "  ") + name;
}

SurveyedChain surveyChain(const TrueChain& truth, KnownKind kind, double qa, double qb) {
  const KindTraits& t = traits(kind);
  const int n = truth.triangles();
  const Point a = truth.points[0];
  const Point b = truth.points[at(n + 1)];
  const Point lastRoutePoint = truth.routePoint(n);
  SurveyedChain chain{truth, kind, {}, {}, {}, {}, {}};
  KnownData& known = chain.known;
  known.Qa = t.qa ? qa : 0.0;
  known.Qb = t.qb ? qb : 0.0;
  if (t.c) chain.c = truth.points[1];
  if (t.d) chain.d = truth.points[at(n)];
  // The azimuths the run holds when the procedure starts; E and F give them in the procedure.
  const double startAzimuth = t.c ? azimuth(truth.points[1], a) : azimuth(a, truth.points[1]) - qa;
  const double closingAzimuth =
      t.d ? azimuth(lastRoutePoint, b) : azimuth(b, lastRoutePoint) + known.Qb;
  if (t.e) chain.e = polar(a, startAzimuth, kSightToE);
  if (t.f) chain.f = polar(b, closingAzimuth, kSightToF);
  known.Sa = t.sa ? distance(a, truth.points[1]) : 0.0;
  known.Sb = t.sb ? distance(lastRoutePoint, b) : 0.0;
  known.Ta = t.ta ? normalized(startAzimuth) : 0.0;
  known.Tb = t.tb ? normalized(closingAzimuth) : 0.0;
  return chain;
}

ChainAnswers answersFor(const SurveyedChain& chain, const ChainAngles& observed) {
  const KindTraits& t = traits(chain.kind);
  const int n = observed.triangles();
  const Point a = chain.truth.points[0];
  const Point b = chain.truth.points[at(n + 1)];
  ChainAnswers answers;
  answers.n = n;
  answers.set(InputItem::Xa, typedLength(a.x)).set(InputItem::Ya, typedLength(a.y));
  answers.set(InputItem::Xb, typedLength(b.x)).set(InputItem::Yb, typedLength(b.y));
  answers.set(InputItem::Xc, typedPoint(chain.c.x)).set(InputItem::Yc, typedPoint(chain.c.y));
  answers.set(InputItem::Xd, typedPoint(chain.d.x)).set(InputItem::Yd, typedPoint(chain.d.y));
  answers.set(InputItem::Xe, typedPoint(chain.e.x)).set(InputItem::Ye, typedPoint(chain.e.y));
  answers.set(InputItem::Xf, typedPoint(chain.f.x)).set(InputItem::Yf, typedPoint(chain.f.y));
  const KnownData& known = chain.known;
  answers.set(InputItem::Sa, known.Sa == 0.0 ? "0" : typedLength(known.Sa));
  answers.set(InputItem::Sb, known.Sb == 0.0 ? "0" : typedLength(known.Sb));
  answers.set(InputItem::Tag, t.ta ? "y" : "n").set(InputItem::Ta, typedDms(known.Ta));
  answers.set(InputItem::TbG, t.tb ? "y" : "n").set(InputItem::Tb, typedDms(known.Tb));
  answers.set(InputItem::Qa, typedDms(known.Qa)).set(InputItem::Qb, typedDms(known.Qb));

  if (chain.hasC()) {
    answers.names.push_back("C");
    const int lastNew = chain.hasD() ? n - 1 : n;
    for (int i = 2; i <= lastNew; ++i) answers.names.push_back("P" + std::to_string(i));
    answers.names.push_back(chain.hasD() ? "D" : "B");
  } else if (!chain.hasD()) {
    answers.names.push_back("A");
    for (int i = 1; i <= n; ++i) answers.names.push_back("P" + std::to_string(i));
    answers.names.push_back("B");
  }
  for (int i = 1; i <= n; ++i) {
    answers.triangles.push_back({typedDms(observed.A[at(i)]), typedDms(observed.B[at(i)]),
                                 typedDms(observed.C[at(i)])});
  }
  return answers;
}

}  // namespace chainadj::testing
