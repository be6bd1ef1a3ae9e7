// The answers of a chain data file to the prompts of a run, given by each prompt's key: the
// triangle count, every known value, every confirmation (Enter), the point names in order and the
// triangle angles, exactly as a surveyor typing the same data would give them. A value the file
// lacks is answered with empty text, as typing nothing would; a name it lacks is empty. The
// prompts of the coordinate listing are answered too when the front end wants it (the console,
// the window's data editor), or left to the user, who then reads each point.
//
// One source answers one run. A prompt it cannot answer (a second ask of the same value, which
// only a refused answer would bring, a re-entry, or more triangles than the file has) is left
// unanswered, so that a run can never loop on the file.
#pragma once

#include <array>
#include <bitset>

#include "entry/chain_data.h"
#include "state/answer_source.h"

namespace chainadj {

enum class ListingAnswers {
  Answered,      // the listing runs through without key presses
  LeftToUser,    // each listed point waits for the user
};

class ChainDataAnswers : public AnswerSource {
 public:
  ChainDataAnswers(ChainData data, ListingAnswers listing);

  std::optional<std::string> answer(const PromptKey& key) override;

  const ChainData& data() const { return data_; }

 private:
  std::optional<std::string> triangleCount();
  std::optional<std::string> knownValue(InputItem item);
  std::optional<std::string> triangleAngle(InputItem angle, int triangle);
  std::string name(int order) const;

  ChainData data_;
  ListingAnswers listing_;
  bool countAnswered_ = false;
  std::bitset<static_cast<std::size_t>(kLastKnownValue) + 1> answered_;
  // The last triangle whose A, B and C were answered: the run asks them in order.
  std::array<int, 3> lastTriangle_{};
};

}  // namespace chainadj
