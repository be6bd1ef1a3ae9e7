// Helpers for the data-entry suites: a run written out prompt by prompt (the answers and the
// prompts they answer, with the prompt texts written out word for word), and a table of
// procedures that only record which of them the run driver called.
#pragma once

#include <string>
#include <vector>

#include "adjust/procedures.h"
#include "entry/prompt_texts.h"
#include "literal_prompts.h"
#include "state/chain_state.h"
#include "state/platform.h"

namespace chainadj::testing {

// ---- Recording procedures ----

struct ProcedureCalls {
  std::vector<int> rows;   // the selection rows (1..10) of the procedures called, in order
  ChainState chainSeen;    // the chain as the last procedure got it
};

inline ProcedureCalls& procedureCalls() {
  static ProcedureCalls calls;
  return calls;
}

template <int Row>
void recordCall(ChainState& chain, Platform&, AdjustmentResult&) {
  procedureCalls().rows.push_back(Row);
  procedureCalls().chainSeen = chain;
}

// Cm1 .. Cm10 replaced by recorders; the record starts empty.
inline ProcedureTable recordingProcedures() {
  procedureCalls() = ProcedureCalls{};
  return {&recordCall<1>, &recordCall<2>, &recordCall<3>, &recordCall<4>, &recordCall<5>,
          &recordCall<6>, &recordCall<7>, &recordCall<8>, &recordCall<9>, &recordCall<10>};
}

// ---- A run written out prompt by prompt ----

class RunScript {
 public:
  explicit RunScript(const std::string& triangleCount) { ask(kLiteralCountPrompt, triangleCount); }

  // A prompt and the answer given to it.
  RunScript& ask(const std::string& prompt, const std::string& answer) {
    prompts_.push_back(prompt);
    answers_.push_back(answer);
    return *this;
  }
  // A value entered and confirmed with Enter.
  RunScript& value(InputItem item, const std::string& typed) {
    return ask(literal(item).enter, typed).ask(literal(item).confirm, "");
  }
  RunScript& coordinates(const std::vector<std::string>& typed) {
    static constexpr InputItem kOrder[] = {InputItem::Xa, InputItem::Ya, InputItem::Xb,
                                           InputItem::Yb, InputItem::Xc, InputItem::Yc,
                                           InputItem::Xd, InputItem::Yd};
    for (std::size_t k = 0; k < typed.size(); ++k) value(kOrder[k], typed[k]);
    return *this;
  }
  RunScript& triangle(const std::string& a, const std::string& b, const std::string& c) {
    return value(InputItem::A, a).value(InputItem::B, b).value(InputItem::C, c);
  }

  const std::vector<std::string>& answers() const { return answers_; }
  const std::vector<std::string>& prompts() const { return prompts_; }

 private:
  std::vector<std::string> prompts_;
  std::vector<std::string> answers_;
};

}  // namespace chainadj::testing
