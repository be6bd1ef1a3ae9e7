// The data of one run as the surveyor types it: the known values asked, the point names in the
// order they are asked and the three observed angles of every triangle, each kept as the text
// that was (or would be) typed. A chain data file holds exactly this; loading one answers the
// prompts of a run with it, and the run driver keeps the data of its last run in this form so
// that it can be saved.
#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "entry/prompt_texts.h"
#include "quality/settings_layer.h"

namespace chainadj {

struct ChainData {
  // Typed text of each known value given; a value not given answers its prompt with empty text.
  std::map<InputItem, std::string> values;
  // Point names in the order the run asks them; names not given are empty.
  std::vector<std::string> names;
  // Typed A(i), B(i), C(i) of triangle i + 1; their number is the triangle count.
  std::vector<std::array<std::string, 3>> triangles;
  // The settings lines (chain_settings.h) by keyword, as typed: they set the check and the
  // report of the results, not the run itself.
  std::map<std::string, std::string, std::less<>> settings;

  // The typed text of a known value, "" when not given.
  std::string value(InputItem item) const;
  // Its number as the run takes it: 0 when not given or empty.
  double number(InputItem item) const;
  // The typed text of a settings line, nullopt when the file has none.
  std::optional<std::string> setting(std::string_view keyword) const;

  bool operator==(const ChainData&) const = default;
};

// The known value called `name` in the prompts ("Xa", "TbG", ...), if there is one.
std::optional<InputItem> knownValueNamed(std::string_view name);

// How many point names a run of this data asks: with C and D both known, the names of points
// 1 .. n (two prompts when n is 1); with C known and D absent, points 1 .. n + 1; with both
// absent, points 0 .. n + 1; in any other case (D known without C, or a point with only one
// coordinate 0) none.
int pointNamesAsked(const ChainData& data);
// The same for the known values of `data` and `triangles` triangles.
int pointNamesAsked(const ChainData& data, int triangles);

// The settings of the quality check the data gives with its lines grade, m_beta, weakest_side and
// method (a grade the presets do not have, or a value out of its range, gives nothing: the reader
// refuses them).
QualitySettingsLayer qualityLayerOf(const ChainData& data);

// Keeps the settings lines of a loaded file in the record of the run it answered, so that
// saving that run does not drop them.
void keepReservedLines(ChainData& record, const ChainData& loaded);

}  // namespace chainadj
