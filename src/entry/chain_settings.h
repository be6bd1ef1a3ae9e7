// The settings lines of a chain data file: what the run itself does not ask, but what its results
// are checked and reported with (the grade of the check, the mean error of an angle, ...). Each is
// a keyword followed by its text, given at most once; the file keeps the text as typed, and the
// code that uses a setting reads it by its keyword.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace chainadj {

inline constexpr std::string_view kGradeSetting = "grade";
inline constexpr std::string_view kMeanErrorSetting = "m_beta";
inline constexpr std::string_view kWeakestSideSetting = "weakest_side";
inline constexpr std::string_view kMethodSetting = "method";  // rigorous or classical
// and the lines of the project (project_info.h): project, chain_name, coordinate_system, ...

struct SettingKeyword {
  std::string_view keyword;
  // Why the typed text cannot be taken, said of the keyword's line; nullopt when it is taken.
  std::optional<std::string> (*refusal)(const std::string& typed);
};

// Every settings keyword, in the order a saved file writes them.
std::span<const SettingKeyword> settingKeywords();

// The keyword `word`, or nullptr when it is no settings keyword.
const SettingKeyword* settingKeywordNamed(std::string_view word);

}  // namespace chainadj
