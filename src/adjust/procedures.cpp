#include "adjust/procedures.h"

namespace chainadj {

ProcedureTable adjustmentProcedures() {
  return {&Cm1, &Cm2, &Cm3, &Cm4, &Cm5, &Cm6, &Cm7, &Cm8, &Cm9, &Cm10};
}

}  // namespace chainadj
