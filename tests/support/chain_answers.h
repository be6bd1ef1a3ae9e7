// A chain typed the way a surveyor types it: the answers are found by the prompt asked, every
// confirmation is Enter, point names are taken in order and the coordinate listing is stepped
// through. Values are the texts typed (angles as degrees.minutesseconds).
#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "entry/prompt_texts.h"
#include "scripted_platform.h"

namespace chainadj::testing {

struct ChainAnswers {
  int n = 0;
  std::map<InputItem, std::string> values;                 // missing items answer ""
  std::vector<std::string> names;                          // in the order asked
  std::vector<std::array<std::string, 3>> triangles;       // typed A(i), B(i), C(i)

  ChainAnswers& set(InputItem item, const std::string& typed) {
    values[item] = typed;
    return *this;
  }
};

// A responder for the scripted platform; the triangle count comes from `n`. An unknown prompt
// ends the program.
ScriptedPlatform::Responder respondWith(const ChainAnswers& chain);

// The listing prompt shown before every adjusted point.
inline constexpr const char* kListingPrompt =
    "需要显示座标，请敲击输入键，每敲击一次输入键，在文本框中显示一个点的点名和纵横座标";

}  // namespace chainadj::testing
