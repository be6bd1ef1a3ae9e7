// The coordinate file of CASS, the Chinese topographic package on AutoCAD (.dat): one point a
// line, 点名,编码,Y,X,H — east before north, the code and the height left empty — for every listed
// point and every known point, the coordinates to the millimetre as the coordinate listing shows
// them. Lines end with CR LF, as the files of that Windows program do.
#pragma once

#include <string>

#include "report/run_report.h"

namespace chainadj {

// The encoding of a text file for a Windows program: GBK (code page 936, what CASS reads by
// default) or UTF-8 without a byte-order mark.
enum class TextEncoding { Gbk, Utf8 };

// The file's text in `encoding`. Throws ChainError with a Chinese message for a name that GBK
// cannot hold or that holds a comma or a line break (the file has no quotes).
std::string cassCoordinateText(const RunReport& report, TextEncoding encoding);

// Writes the file at `path`, replacing a file there only once it is complete; nothing is written
// when a name cannot be. Throws ChainError with a Chinese message.
void writeCassCoordinateFile(const RunReport& report, const std::string& path,
                             TextEncoding encoding);

}  // namespace chainadj
