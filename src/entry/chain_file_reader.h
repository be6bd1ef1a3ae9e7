// Reading a chain data file (.chain): plain UTF-8 text, one item a line.
//
//   # a comment                  blank lines and comments are ignored
//   Xa 31250.000                 a known value: its name as the prompts use it and the value as
//                                it would be typed (Xa Ya Xb Yb Xc Yc Xd Yd Xe Ye Xf Yf Sa Sb
//                                Tag Ta TbG Tb Qa Qb; angles in degrees.minutesseconds)
//   point 龙山                   a point name, in the order the run asks the names
//   53.52001 62.38009 -63.30004  a triangle: its angles A, B, C; one line per triangle
//   grade 三等   m_beta 1.8      the grade and mβ of the quality check in the report (optional;
//                                no effect on the run itself)
//
// A file is refused as a whole, with one message that names the line and what is wrong, when
// it could not be run to the end of its data entry as it stands: the checks are those of the
// prompts (numbers, minutes and seconds below 60, sides not negative, triangle angles in range)
// and those that would stop the entry (C on A, D on B, F on B, a triangle closure too large),
// and the file's own (an unknown name or grade, an m_beta not above 0, a value given twice, a triangle line without three
// angles, no triangles or more than 100 000, more point names than the run asks).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "entry/chain_data.h"

namespace chainadj {

// The file name extension of chain data files.
inline constexpr const char* kChainFileExtension = ".chain";

// How much of a file the reader checks.
enum class ChainChecks {
  Run,    // everything above: the file can be run to the end of its data entry
  Lines,  // each line on its own, its syntax and its values; not the closures, the known points
          // against their neighbours, the number of names or that there are triangles (what
          // the window's data editor opens, and shows the rest of as it is edited)
};

// What a line of a file holds.
enum class LineRole { Other, KnownValue, Setting, PointName, Triangle };
struct FileLine {
  LineRole role = LineRole::Other;
  // KnownValue: the InputItem; Setting: its place in settingKeywords(); PointName: its order;
  // Triangle: 0 for the first triangle line. 0 otherwise.
  int index = 0;
};

// The chain in the text of a data file; throws ChainError with a Chinese message when the file
// is refused. `lines`, when given, gets what each line holds, a line of the text (split at its
// line feeds, the byte-order mark taken off) an element.
ChainData parseChainData(std::string_view text, ChainChecks checks = ChainChecks::Run,
                         std::vector<FileLine>* lines = nullptr);

// The chain in the file at `path`; throws ChainError when it cannot be read or is refused.
ChainData readChainFile(const std::string& path);

// The text of the data file at `path`, unread; throws ChainError when it cannot be read or is
// too large to be a data file.
std::string readChainFileText(const std::string& path);

}  // namespace chainadj
