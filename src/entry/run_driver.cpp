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

RunOutcome RunDriver::run() {
  chain_.clear();
  flags_.clear();
  lastSelection_.reset();
  result_ = AdjustmentResult{};
  lastRunData_.reset();
  reductions_.reset();

  ChainDataRecord record;
  ListenerPair listeners(&record, listener_);
  ObservationEntry entry(chain_, flags_, platform_, &listeners);
  if (!entry.takeTriangleCount()) return RunOutcome::Abandoned;
  entry.takeKnownData();
  writeStatusMessages(chain_, platform_);
  entry.takePointNames();
  entry.takeTriangles();
  lastRunData_ = std::move(record.data());

  lastSelection_ = selectVariant(chain_, flags_);
  if (!lastSelection_) {
    platform_.showMessage(kNoVariantMessage);
    return RunOutcome::NothingSelected;
  }
  const AdjustmentProcedure procedure = procedures_[static_cast<std::size_t>(*lastSelection_ - 1)];
  if (reduction_) reductions_ = reduceObservations(chain_, procedure, *reduction_);
  procedure(chain_, platform_, result_);
  return RunOutcome::Adjusted;
}

}  // namespace chainadj
