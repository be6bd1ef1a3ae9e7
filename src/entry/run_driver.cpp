#include "entry/run_driver.h"

#include "entry/chain_data_record.h"
#include "entry/observation_entry.h"
#include "entry/observation_reduction.h"
#include "entry/variant_selection.h"
#include "state/chain_error.h"

namespace chainadj {

RunDriver::RunDriver(Platform& platform, ProcedureTable procedures)
    : platform_(platform), procedures_(procedures) {}

RunOutcome RunDriver::runOnce() {
  lastOutcome_.reset();  // an exception that escapes leaves no outcome
  lastOutcome_ = runCatching();
  return *lastOutcome_;
}

RunOutcome RunDriver::runCatching() {
  try {
    return run();
  } catch (const ChainError& error) {
    platform_.showMessage(error.what());
    return RunOutcome::Stopped;
  } catch (const ProgramEnding&) {
    return RunOutcome::ProgramEnding;
  } catch (const RunStopped&) {
    return RunOutcome::StoppedByUser;
  }
}

void RunDriver::endProgram() { platform_.endProgram(); }

const RunResults* RunDriver::solvedRun() const {
  if (current_.solved()) return &current_;
  return lastSolved_ ? &*lastSolved_ : nullptr;
}

RunOutcome RunDriver::run() {
  if (current_.solved()) lastSolved_ = std::move(current_);
  current_ = RunResults{};
  ChainState& chain = current_.chain;

  ChainDataRecord record;
  ListenerPair listeners(&record, listener_);
  ObservationEntry entry(chain, current_.flags, platform_, &listeners);
  if (!entry.takeTriangleCount()) return RunOutcome::Abandoned;
  entry.takeKnownData();
  writeStatusMessages(chain, platform_);
  entry.takePointNames();
  entry.takeTriangles();
  current_.data = std::move(record.data());

  const std::optional<int> row = selectVariant(chain, current_.flags);
  if (!row) {
    platform_.showMessage(kNoVariantMessage);
    return RunOutcome::NothingSelected;
  }
  const AdjustmentProcedure procedure = procedures_[static_cast<std::size_t>(*row - 1)];
  if (reduction_) {
    current_.reductions = reduceObservations(chain, procedure, *reduction_);
    current_.reduction = reduction_;
  }
  current_.selection = row;
  procedure(chain, platform_, current_.result);
  return RunOutcome::Adjusted;
}

}  // namespace chainadj
