// The answers of a chain data file to the prompts of a run: the triangle count, every known
// value, every confirmation (Enter), the point names in order and the triangle angles in order,
// exactly as a surveyor typing the same data would give them. A value the file lacks is answered
// with empty text, as typing nothing would; a name it lacks is empty. The prompts of the
// coordinate listing are answered too when the front end wants it (the console), or left to the
// user, who then reads each point (the window).
//
// One source answers one run. A prompt it cannot answer (a second ask of the same value, which
// only a refused answer would bring, or more triangles than the file has) is left unanswered, so
// that a run can never loop on the file.
#pragma once

#include <array>
#include <cstddef>
#include <set>

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

  std::optional<std::string> answer(const std::string& prompt) override;

  const ChainData& data() const { return data_; }

 private:
  std::optional<std::string> knownValue(InputItem item);
  std::optional<std::string> triangleAngle(std::size_t column);
  std::string nextName();

  ChainData data_;
  ListingAnswers listing_;
  std::set<InputItem> answered_;
  std::size_t nextName_ = 0;
  std::array<std::size_t, 3> nextAngle_{};
};

}  // namespace chainadj
