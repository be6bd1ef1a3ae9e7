// A prompt's worth of help for each value of a chain, as the window's data editor shows it beside
// the field: what it is, its unit, how an angle is written (度.分分秒秒, with an example) and the
// sign rules of C, Qa and Qb.
#pragma once

#include "state/prompt_key.h"

namespace chainadj {

// The help of a known value Xa .. Qb or of a triangle angle A, B, C.
const char* fieldHelp(InputItem item);

// How every angle is written.
inline constexpr const char* kAngleFormatHelp =
    "角度按 度.分分秒秒 书写：整数部分是度，小数点后两位是分，再两位是秒，"
    "例如 45.301525 是 45°30′15.25″。";

// The help of the point names and of the closure column.
inline constexpr const char* kPointNameHelp =
    "点名：按计算询问的顺序，一行一个；可以是任何文字，例如 龙山、P1、3#。可以空着。";
inline constexpr const char* kClosureHelp =
    "三角形闭合差 w(i) = A + B + |C| − 180°（秒）；超过等级的限差时显示为红色的“超限”。";

}  // namespace chainadj
