// The valid chains the fuzz corpora start from, one for every kind of known data (every row of
// the selection, row 8 with a typed closing azimuth and with D), built by the surveyed-chain
// builder; and the corpus files themselves, kept in step with the chains and scenarios they
// come from: CHAINADJ_WRITE_FUZZ_CORPUS=1 writes them afresh.
#pragma once

#include <string>
#include <vector>

#include "chain_answers.h"
#include "checked_platform.h"
#include "surveyed_chain.h"

namespace chainadj::testing {

// The chain of a kind: a few triangles with errors of a couple of seconds.
SurveyedChain seedChain(KnownKind kind);
ChainAnswers seedAnswers(KnownKind kind);

inline constexpr KnownKind kEveryKind[] = {
    KnownKind::FullFromA,        KnownKind::NoClosingBase, KnownKind::StartSideOnly,
    KnownKind::AzimuthsOnly,     KnownKind::Unoriented,    KnownKind::BetweenCAndD,
    KnownKind::ByEAndF,          KnownKind::ByEWithTb,     KnownKind::ByEWithD,
    KnownKind::FromCWithAzimuth, KnownKind::FromCWithSide};

// The lines a responder answers in one run, in the order asked.
std::vector<std::string> typedLines(const CheckedPlatform::Responder& responder);

// The corpora of the fuzz targets: typed runs, one answer a line, and chain data files.
inline constexpr const char* kRunsCorpus = CHAINADJ_RUNS_CORPUS;
inline constexpr const char* kFilesCorpus = CHAINADJ_FILES_CORPUS;

// The corpus file of that name holds these bytes (or is written with them).
void expectCorpusFile(const std::string& corpus, const std::string& name, const std::string& bytes);
// Lines as the bytes of a file, each ended.
std::string linesText(const std::vector<std::string>& lines);
// The bytes of a corpus file.
std::string readCorpusFile(const std::string& path);

}  // namespace chainadj::testing
