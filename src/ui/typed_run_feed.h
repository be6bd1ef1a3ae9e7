// A typed run's answers into the data editor as they are accepted, so that the chain shows in the
// editor while it is typed, can be saved when the run stops part-way, and is in the recovery file
// at every moment. When a triangle's closure exceeds the grade's limit, the input box says so in
// red under its next prompt (the window only: the console and the transcripts know nothing of it).
#pragma once

#include <QString>

#include "entry/answer_listener.h"

namespace chainadj::ui {

class EditorDocument;
class WindowPlatform;

class TypedRunFeed : public AnswerListener {
 public:
  // `limitSeconds`: the triangle closure limit of the grade the run is checked with.
  TypedRunFeed(EditorDocument& document, WindowPlatform& platform, double limitSeconds);

  void answerAccepted(const PromptKey& key, const std::string& text) override;

 private:
  EditorDocument& document_;
  WindowPlatform& platform_;
  double limit_;
};

}  // namespace chainadj::ui
