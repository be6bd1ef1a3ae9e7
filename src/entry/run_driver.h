// The run driver behind the two buttons: 计 算 (Command1) runs one adjustment run, 结 束
// (Command2) ends the program. It owns the chain state for the life of the window.
#pragma once

#include <optional>

#include "adjust/chain_reductions.h"
#include "adjust/procedures.h"
#include "entry/answer_listener.h"
#include "entry/chain_data.h"
#include "entry/run_results.h"
#include "entry/variant_selection.h"
#include "state/chain_state.h"
#include "state/platform.h"

namespace chainadj {

enum class RunOutcome {
  Adjusted,         // a procedure was chosen and ran to its end
  NothingSelected,  // the known data fit no kind of adjustment; the user was told
  Abandoned,        // the triangle count was left empty: the run ended quietly
  Stopped,          // the data could not be adjusted; the user was told why
  ProgramEnding,    // the program is being closed while the run waited for an answer
  StoppedByUser,    // the user stopped the run at a prompt; nothing more was asked or shown
};

class RunDriver {
 public:
  explicit RunDriver(Platform& platform, ProcedureTable procedures = selectedProcedures());

  RunOutcome runOnce();
  void endProgram();

  // Every answer the runs accept from now on is handed to `listener` too (nullptr: none), as it
  // is accepted; the run keeps its own record of them all the same.
  void setAnswerListener(AnswerListener* listener) { listener_ = listener; }

  const ChainState& chain() const { return current_.chain; }
  const RunFlags& flags() const { return current_.flags; }
  // The selection row (1..10, procedure Cm1..Cm10) chosen in the last run, if any.
  std::optional<int> lastSelection() const { return current_.selection; }
  // What the procedure of the last run left for a report (empty before it ran).
  const AdjustmentResult& lastResult() const { return current_.result; }
  // The data of the last run as accepted after confirmation, once its data entry is complete
  // (every triangle taken): what a data file holds to repeat the run. nullopt when the last run
  // stopped before the end of its entry.
  const std::optional<ChainData>& lastRunData() const { return current_.data; }
  // How the last run ended (nullopt before the first run).
  std::optional<RunOutcome> lastOutcome() const { return lastOutcome_; }
  // The last run whose adjustment solved: the run going on once it has solved (its listing may
  // still wait, or it was stopped in the listing), else the one before it that solved; nullptr
  // before any run solved. A later run that stops before it solves leaves it as it is.
  const RunResults* solvedRun() const;
  // The run going on, or the last one.
  const RunResults& currentRun() const { return current_; }
  bool lastRunCompleted() const { return lastOutcome_ == RunOutcome::Adjusted; }

  // The runs that follow reduce their observations onto the Gauss–Krüger plane before they are
  // adjusted; nullopt (as at the start) adjusts them as a chain on the plane.
  void reduceOntoPlane(std::optional<ReductionSettings> settings) { reduction_ = std::move(settings); }
  const std::optional<ReductionSettings>& reduction() const { return reduction_; }
  // The reductions the last run applied (nullopt when it reduced nothing).
  const std::optional<ChainReductions>& lastReductions() const { return current_.reductions; }

 private:
  RunOutcome runCatching();
  RunOutcome run();

  Platform& platform_;
  ProcedureTable procedures_;
  RunResults current_;
  std::optional<RunResults> lastSolved_;  // the run before, when it solved and current_ has not
  std::optional<RunOutcome> lastOutcome_;
  AnswerListener* listener_ = nullptr;
  std::optional<ReductionSettings> reduction_;
};

}  // namespace chainadj
