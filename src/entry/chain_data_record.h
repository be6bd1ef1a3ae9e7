// The data of a run as it is accepted, collected into a ChainData: what a data file holds to
// repeat the run.
#pragma once

#include <array>

#include "entry/answer_listener.h"
#include "entry/chain_data.h"

namespace chainadj {

class ChainDataRecord : public AnswerListener {
 public:
  void answerAccepted(const PromptKey& key, const std::string& text) override;

  // The data so far; the triangles whose three angles were all accepted.
  ChainData& data() { return data_; }

 private:
  ChainData data_;
  // A(i) and B(i) of the triangle being taken, until its C(i) completes it.
  std::array<std::string, 2> pending_;
};

// Hands every answer to two listeners, in turn; either may be nullptr.
class ListenerPair : public AnswerListener {
 public:
  ListenerPair(AnswerListener* first, AnswerListener* second) : first_(first), second_(second) {}
  void answerAccepted(const PromptKey& key, const std::string& text) override;

 private:
  AnswerListener* first_;
  AnswerListener* second_;
};

}  // namespace chainadj
