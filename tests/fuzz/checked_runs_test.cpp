// The checks of whole runs catch what they are there for; the fuzz corpora replayed once, in the
// plain build, without a fault; their valid chains are those of the surveyed-chain builder, each
// adjusted by its own row, typed and as the data file the program saves; their spoilt files are
// refused as a whole.
#include "checked_runs.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "checked_files.h"
#include "entry/chain_file_reader.h"
#include "entry/chain_file_writer.h"
#include "entry/variant_selection.h"
#include "seed_chains.h"
#include "state/chain_error.h"
#include "state/form_fields.h"

namespace chainadj::testing {
namespace {

TEST(RunChecks, ANonFiniteNumberInABoxOrACaptionFails) {
  CheckedPlatform platform;
  EXPECT_THROW(platform.setText(box::kAzimuthClosure, "nan 秒"), CheckFailed);
  EXPECT_THROW(platform.setText(box::kRelativeMeanError, "1/inf"), CheckFailed);
  EXPECT_THROW(platform.setLabel(label::kListedX, "Xp(-NaN)"), CheckFailed);
  EXPECT_NO_THROW(platform.setText(box::kPointMeanError, "∞ 毫米"));
  EXPECT_NO_THROW(platform.setText(box::kRelativeMeanError, "1/∞"));
}

TEST(RunChecks, AnEchoOfTypedTextIsNoNumber) {
  CheckedPlatform platform(answerLines({"Inf", "nan"}));
  platform.ask("name", PromptKey::pointName(0));
  platform.ask("flag", PromptKey::value(InputItem::Tag));
  EXPECT_NO_THROW(platform.setText(box::kPointName, "  Inf"));
  EXPECT_NO_THROW(platform.setText(box::kStartAzimuth, " nan"));
  EXPECT_THROW(platform.setText(box::kListedX, " nan"), CheckFailed);
}

// A procedure that returns without listing its points, and one that asks on and on.
TEST(RunChecks, AnAdjustmentThatListsNothingAndAHangFail) {
  const std::vector<std::string> lines = typedLines(respondWith(seedAnswers(KnownKind::FullFromA)));
  ProcedureTable procedures = selectedProcedures();
  procedures[0] = [](ChainState&, Platform&, AdjustmentResult&) {};
  CheckedPlatform platform(answerLines(lines));
  RunDriver silent(platform, procedures);
  EXPECT_THROW(runChecked(silent, platform), CheckFailed);

  procedures[0] = [](ChainState&, Platform& asked, AdjustmentResult&) {
    for (;;) asked.ask("?", PromptKey::listing(1));
  };
  CheckedPlatform endless(answerLines(lines));
  RunDriver asking(endless, procedures);
  EXPECT_THROW(runChecked(asking, endless), CheckFailed);
}

void expectNoFaultInCorpus(const char* corpus,
                           std::optional<std::string> (*faultOf)(std::string_view input)) {
  int inputs = 0;
  for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
    const std::optional<std::string> fault = faultOf(readCorpusFile(entry.path().string()));
    EXPECT_FALSE(fault) << entry.path().filename() << ": " << *fault;
    ++inputs;
  }
  EXPECT_GT(inputs, 20);
}

TEST(CorpusReplay, EveryTypedInputRunsWithoutAFault) {
  expectNoFaultInCorpus(kRunsCorpus, faultOfRuns);
}

TEST(CorpusReplay, EveryDataFileIsRefusedOrRunsWithoutAFault) {
  expectNoFaultInCorpus(kFilesCorpus, faultOfDataFile);
}

// The typed run of the kind's chain, and the data file the program saves for it.
class CorpusSeed : public ::testing::TestWithParam<KnownKind> {};

TEST_P(CorpusSeed, IsTheChainOfItsKindAdjustedByItsRow) {
  const KnownKind kind = GetParam();
  const std::vector<std::string> lines = typedLines(respondWith(seedAnswers(kind)));
  expectCorpusFile(kRunsCorpus, std::string("valid-") + nameOf(kind), linesText(lines));

  CheckedPlatform platform(answerLines(lines));
  RunDriver driver(platform);
  const CheckedRun run = runChecked(driver, platform);
  EXPECT_EQ(run.outcome, RunOutcome::Adjusted);
  EXPECT_EQ(run.selection, selectionRow(kind));
  EXPECT_EQ(platform.answersTaken(), lines.size());

  const std::string file = chainDataText(driver.lastRunData().value());
  expectCorpusFile(kFilesCorpus, std::string("valid-") + nameOf(kind) + ".chain", file);
  EXPECT_FALSE(faultOfDataFile(file));
}

INSTANTIATE_TEST_SUITE_P(Kinds, CorpusSeed, ::testing::ValuesIn(kEveryKind),
                         [](const auto& info) { return std::string(nameOf(info.param)); });

// The saved file of a kind's chain with one fault put into it.
struct BadFile {
  const char* name;
  KnownKind kind;
  std::string (*spoil)(std::string text);
  bool refused;
};

std::string savedFile(KnownKind kind) {
  CheckedPlatform platform(respondWith(seedAnswers(kind)));
  RunDriver driver(platform);
  runChecked(driver, platform);
  return chainDataText(driver.lastRunData().value());
}

// The text with the line that starts with `start` replaced.
std::string withLine(std::string text, const std::string& start, const std::string& line) {
  const std::size_t at = text.find("\n" + start) + 1;
  return text.replace(at, text.find('\n', at) - at, line);
}

// What follows the name on the line that starts with `start`, blank included.
std::string lineValue(const std::string& text, const std::string& start) {
  const std::size_t at = text.find("\n" + start) + start.size();
  return text.substr(at, text.find('\n', at + 1) - at);
}

const BadFile kBadFiles[] = {
    {"TextThatIsNoNumber", KnownKind::FullFromA,
     [](std::string text) { return withLine(text, "Xa ", "Xa 12a"); }, true},
    {"MinutesOf60", KnownKind::FullFromA,
     [](std::string text) { return withLine(text, "Ta ", "Ta 45.6000"); }, true},
    {"COnA", KnownKind::FromCWithSide,
     [](std::string text) {
       text = withLine(text, "Xc ", "Xc" + lineValue(text, "Xa "));
       return withLine(text, "Yc ", "Yc" + lineValue(text, "Ya "));
     },
     true},
    // The squares of the distance from C overflow: the entry would stop on it.
    {"StartPointAt1e165", KnownKind::FromCWithSide,
     [](std::string text) { return withLine(text, "Xa ", "Xa 1e165"); }, true},
    // Taken: the entry goes through, and the chain oriented by E stops for want of Sb.
    {"OneZeroCoordinateOfD", KnownKind::ByEWithD,
     [](std::string text) { return withLine(text, "Yd ", "Yd 0"); }, false},
    {"NoTriangles", KnownKind::Unoriented,
     [](std::string text) { return text.substr(0, text.find("\n", text.rfind("point ")) + 1); },
     true},
    {"TriangleOfTwoAngles", KnownKind::FullFromA, [](std::string text) { return text + "60 60\n"; },
     true},
    {"UnknownName", KnownKind::FullFromA, [](std::string text) { return text + "Xz 1\n"; }, true},
    {"ValueGivenTwice", KnownKind::FullFromA, [](std::string text) { return text + "Xa 1\n"; },
     true},
    {"UnpairedQuote", KnownKind::FullFromA,
     [](std::string text) { return withLine(text, "Tag ", "Tag \"y"); }, true},
    {"EmptyFile", KnownKind::FullFromA, [](std::string) { return std::string(); }, true},
    // Taken: a full-width digit reads as its ASCII twin; the writer writes the plain number.
    {"FullWidthDigitInAnAngle", KnownKind::Unoriented,
     [](std::string text) { return text.replace(text.rfind('.') + 3, 1, "\xEF\xBC\x91"); }, false},
    // Taken: a carriage return before a blank is a blank, and the value is written back whole.
    {"CarriageReturnBeforeABlank", KnownKind::FullFromA,
     [](std::string text) { return text + "grade 四等\r \n"; }, false},
    {"ByteOrderMarkCarriageReturnsAndReservedLines", KnownKind::BetweenCAndD,
     [](std::string text) {
       std::string windows = "\xEF\xBB\xBFgrade 四等\nm_beta 2.5\n" + text;
       for (std::size_t at = 0; (at = windows.find('\n', at)) != std::string::npos; at += 2) {
         windows.insert(at, "\r");
       }
       return windows;
     },
     false},
};

TEST(FileSeeds, SpoiltFilesAreRefusedAsAWholeOrTaken) {
  for (const BadFile& bad : kBadFiles) {
    const std::string text = bad.spoil(savedFile(bad.kind));
    expectCorpusFile(kFilesCorpus, std::string("bad-") + bad.name + ".chain", text);
    if (bad.refused) {
      EXPECT_THROW(parseChainData(text), ChainError) << bad.name;
    } else {
      EXPECT_NO_THROW(parseChainData(text)) << bad.name;
    }
    EXPECT_FALSE(faultOfDataFile(text)) << bad.name;
  }
}

}  // namespace
}  // namespace chainadj::testing
