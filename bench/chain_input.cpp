// chain-input N: writes the console input of one run of a chain of N triangles (a zig-zag strip
// with bases and azimuths at both ends, the angles off by up to 2"): "1" for 计 算, every answer
// in the order the prompts ask for it, the listing's key presses, and "2" for 结 束.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "entry/run_driver.h"
#include "scripted_platform.h"
#include "surveyed_chain.h"

int main(int argc, char** argv) {
  const int triangles = argc == 2 ? std::atoi(argv[1]) : 0;
  if (triangles < 1) {
    std::fprintf(stderr, "usage: chain-input TRIANGLES\n");
    return 2;
  }
  using namespace chainadj;
  const testing::TrueChain truth = testing::zigZagChain(triangles);
  const testing::SurveyedChain chain =
      testing::surveyChain(truth, testing::KnownKind::FullFromA, 12.5, -8.25);
  const testing::ScriptedPlatform::Responder respond =
      testing::respondWith(testing::answersFor(chain, testing::withErrors(truth.angles, 2.0)));
  std::ios::sync_with_stdio(false);
  std::cout << "1\n";
  testing::ScriptedPlatform recorder;
  recorder.setResponder([&](const std::string& prompt) {
    std::optional<std::string> answer = respond(prompt);
    if (answer) std::cout << *answer << '\n';
    return answer;
  });
  if (RunDriver(recorder).Command1_Click() != RunOutcome::Adjusted) return 1;
  std::cout << "2\n";
  return 0;
}
