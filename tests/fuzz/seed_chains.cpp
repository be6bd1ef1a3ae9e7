#include "seed_chains.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "entry/run_driver.h"

namespace chainadj::testing {
namespace {

constexpr double kErrorSeconds = 2.0;

TrueChain chainFor(KnownKind kind) {
  switch (kind) {
    case KnownKind::BetweenCAndD:
    case KnownKind::FromCWithAzimuth:
    case KnownKind::FromCWithSide:
      return zigZagChain(4);  // a fan about C leaves the conditions dependent
    case KnownKind::Unoriented:
      return fanChain(3);
    default:
      return mixedChain(4);
  }
}

}  // namespace

SurveyedChain seedChain(KnownKind kind) { return surveyChain(chainFor(kind), kind, 12.5, -8.25); }

ChainAnswers seedAnswers(KnownKind kind) {
  const SurveyedChain chain = seedChain(kind);
  return answersFor(chain, withErrors(chain.truth.angles, kErrorSeconds));
}

std::vector<std::string> typedLines(const CheckedPlatform::Responder& responder) {
  std::vector<std::string> lines;
  CheckedPlatform recorder([&](const std::string& prompt) {
    std::optional<std::string> answer = responder(prompt);
    if (answer) lines.push_back(*answer);
    return answer;
  });
  RunDriver(recorder).runOnce();
  return lines;
}

std::string readCorpusFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

std::string linesText(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + '\n';
  return bytes;
}

void expectCorpusFile(const std::string& corpus, const std::string& name,
                      const std::string& bytes) {
  const std::string path = corpus + "/" + name;
  if (std::getenv("CHAINADJ_WRITE_FUZZ_CORPUS") != nullptr) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  EXPECT_EQ(readCorpusFile(path), bytes) << name;
}

}  // namespace chainadj::testing
