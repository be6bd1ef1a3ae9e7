// The coordinate listing: one point per key press, each shown with its name and coordinates in
// the same three boxes and three labels, the answers to the prompt ignored.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "adjust/chain_pass.h"
#include "state/platform.h"

namespace chainadj {

inline constexpr const char* kListingPrompt =
    "需要显示座标，请敲击输入键，每敲击一次输入键，在文本框中显示一个点的点名和纵横座标";

// The name column shows the name after two blanks in most chains, as typed in the others.
inline constexpr const char* kIndentedName = "  ";
inline constexpr const char* kPlainName = "";

// For j = first..last: the prompt, then Label35 " N(j)", Text21 namePrefix + na(j),
// Label36 "Xp(j)", Text22 X to the millimetre, Label38 "Yp(j)", Text23 Y to the millimetre.
void listCoordinates(Platform& platform, const std::vector<std::string>& names,
                     const ChainPass& points, int first, int last, std::string_view namePrefix);

}  // namespace chainadj
