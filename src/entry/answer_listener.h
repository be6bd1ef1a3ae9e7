// What a run hands on as it takes its data: every answer once it is accepted (a value after its
// confirmation, the triangle count and a point name as they are given). The run driver keeps the
// data of its run with one; the window's data editor and its recovery file listen too, so that a
// typed chain shows in the editor as it is typed and nothing confirmed is lost.
#pragma once

#include <string>

#include "state/prompt_key.h"

namespace chainadj {

class AnswerListener {
 public:
  virtual ~AnswerListener() = default;

  // `key` says what was answered: PromptKind::TriangleCount, PointName (its order) or Value (the
  // item, and the triangle 1..n of an angle A, B, C); `text` is the answer as typed.
  virtual void answerAccepted(const PromptKey& key, const std::string& text) = 0;
};

}  // namespace chainadj
