// The second group of condition equations: one coefficient row per condition over the columns
// 0 (Qa), 3i-2, 3i-1, 3i (A(i), B(i), C(i)) and 3n+1 (Qb), the closure of each condition in the
// scale of its row, and the row of the weight function (the logarithm of the weakest side).
#pragma once

#include <vector>

namespace chainadj {

enum class ConditionKind { Azimuth, Side, X, Y };

// Coefficients per second of angle correction, columns 0..3n+1, 0 where not set.
using CoefficientRow = std::vector<double>;

struct Condition {
  ConditionKind kind;
  CoefficientRow a;
  double closure;  // W: seconds, sixth-decimal units, or metres times 434.29
  double shown;    // the closure as its box shows it: seconds, sixth-decimal units, millimetres
};

class SecondGroup {
 public:
  explicit SecondGroup(int triangles);

  int triangles() const { return triangles_; }
  int columns() const { return 3 * triangles_ + 2; }
  int conditions() const { return static_cast<int>(conditions_.size()); }
  CoefficientRow emptyRow() const { return CoefficientRow(static_cast<std::size_t>(columns()), 0.0); }

  void add(Condition condition) { conditions_.push_back(std::move(condition)); }
  const std::vector<Condition>& all() const { return conditions_; }
  // The condition of that kind, or nullptr when the procedure has none.
  Condition* find(ConditionKind kind);

  void setWeightFunction(CoefficientRow row) { weightFunction_ = std::move(row); }
  const CoefficientRow& weightFunction() const { return weightFunction_; }

 private:
  int triangles_;
  std::vector<Condition> conditions_;
  CoefficientRow weightFunction_;
};

// Columns of triangle i and of the orientation angles.
inline int columnOfA(int i) { return 3 * i - 2; }
inline int columnOfB(int i) { return 3 * i - 1; }
inline int columnOfC(int i) { return 3 * i; }
inline constexpr int kColumnOfQa = 0;
inline int columnOfQb(int triangles) { return 3 * triangles + 1; }

}  // namespace chainadj
