#include "checked_files.h"

#include "checked_runs.h"
#include "entry/chain_data_answers.h"
#include "entry/chain_document.h"
#include "entry/chain_file_reader.h"
#include "entry/chain_file_writer.h"
#include "state/chain_error.h"

namespace chainadj::testing {
namespace {

const char* nameOf(RunOutcome outcome) {
  switch (outcome) {
    case RunOutcome::Adjusted:
      return "adjusted";
    case RunOutcome::NothingSelected:
      return "nothing selected";
    case RunOutcome::Abandoned:
      return "abandoned";
    case RunOutcome::Stopped:
      return "stopped";
    case RunOutcome::ProgramEnding:
      return "left waiting for an answer";
    case RunOutcome::StoppedByUser:
      return "stopped by the user";
  }
  return "?";
}

// Runs the accepted data; a fault when its entry stops before every triangle is taken.
void runAccepted(const ChainData& data) {
  ChainDataAnswers answers(data, ListingAnswers::Answered);
  CheckedPlatform platform(answers);
  RunDriver driver(platform);
  const CheckedRun run = runChecked(driver, platform);
  if (!driver.lastRunData()) {
    std::string fault =
        std::string("accepted, but its run was ") + nameOf(run.outcome) + " in the data entry";
    if (!platform.messages().empty()) fault += ": " + platform.messages().back();
    throw CheckFailed(fault);
  }
}

// The data editor opens the file, line by line, and saves it unchanged to the byte; nullopt when
// it refuses the file (the reader then must too).
std::optional<bool> opensInTheEditor(std::string_view text) {
  try {
    const ChainDocument document = ChainDocument::read(text);
    if (document.text() != text) throw CheckFailed("opened in the data editor, it saves otherwise");
    return true;
  } catch (const ChainError&) {
    return std::nullopt;
  }
}

}  // namespace

std::optional<std::string> faultOfDataFile(std::string_view text) {
  std::optional<bool> opened;
  try {
    opened = opensInTheEditor(text);
  } catch (const CheckFailed& fault) {
    return std::string(fault.what());
  } catch (const std::exception& error) {
    return std::string("an exception left the data editor: ") + error.what();
  }
  ChainData data;
  try {
    data = parseChainData(text);
    if (!opened) return "the reader takes it, the data editor refuses it";
  } catch (const ChainError& refusal) {
    const std::string message = refusal.what();
    if (!readsAsChinese(message)) return "refused without a Chinese message: " + message;
    return std::nullopt;
  } catch (const std::exception& error) {
    return std::string("an exception left the reader: ") + error.what();
  }
  try {
    runAccepted(data);
    // The writer writes typed angles as plain numbers; what it writes it reads back unchanged.
    const std::string written = chainDataText(data);
    if (chainDataText(parseChainData(written)) != written) return "written back, it reads otherwise";
  } catch (const CheckFailed& fault) {
    return std::string(fault.what());
  } catch (const std::exception& error) {
    return std::string("an exception after the file was accepted: ") + error.what();
  }
  return std::nullopt;
}

}  // namespace chainadj::testing
