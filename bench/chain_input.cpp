// chain-input N [--data]: writes one run of a chain of N triangles (a zig-zag strip with bases
// and azimuths at both ends, the angles off by up to 2"). Without --data, the console input of
// the run typed: "1" for 计 算, every answer in the order the prompts ask for it, the listing's
// key presses and "2" for 结 束. With --data, the chain data file of the same chain.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "entry/chain_data.h"
#include "entry/chain_file_writer.h"
#include "entry/run_driver.h"
#include "scripted_platform.h"
#include "surveyed_chain.h"

namespace {

using namespace chainadj;

testing::ChainAnswers longChain(int triangles) {
  const testing::TrueChain truth = testing::zigZagChain(triangles);
  const testing::SurveyedChain chain =
      testing::surveyChain(truth, testing::KnownKind::FullFromA, 12.5, -8.25);
  return testing::answersFor(chain, testing::withErrors(truth.angles, 2.0));
}

int writeConsoleInput(const testing::ChainAnswers& answers) {
  const testing::ScriptedPlatform::Responder respond = testing::respondWith(answers);
  std::cout << "1\n";
  testing::ScriptedPlatform recorder;
  recorder.setResponder([&](const std::string& prompt) {
    std::optional<std::string> answer = respond(prompt);
    if (answer) std::cout << *answer << '\n';
    return answer;
  });
  if (RunDriver(recorder).runOnce() != RunOutcome::Adjusted) return 1;
  std::cout << "2\n";
  return 0;
}

int writeDataFile(const testing::ChainAnswers& answers) {
  ChainData data;
  data.values = answers.values;
  data.names = answers.names;
  data.triangles = answers.triangles;
  std::cout << chainDataText(data);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const int triangles = argc >= 2 ? std::atoi(argv[1]) : 0;
  const bool dataFile = argc == 3 && std::string(argv[2]) == "--data";
  if (triangles < 1 || argc > 3 || (argc == 3 && !dataFile)) {
    std::fprintf(stderr, "usage: chain-input TRIANGLES [--data]\n");
    return 2;
  }
  std::ios::sync_with_stdio(false);
  const testing::ChainAnswers answers = longChain(triangles);
  return dataFile ? writeDataFile(answers) : writeConsoleInput(answers);
}
