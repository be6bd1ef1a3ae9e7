// The messages with which an adjustment stops when the data cannot be adjusted. Each says what
// is wrong with the data; the run driver shows it and the boxes already written keep their text.
#pragma once

#include <string>

namespace chainadj {

inline constexpr const char* kDependentConditionsMessage =
    "第二组条件方程彼此相关（法方程约化后的主元为零），无法解算改正数，本次计算停止。"
    "请检查三角形的排列和间隔角的正负号（例如所有三角形不能都绕同一个已知点），"
    "以及已知点的座标和边长是否输错。";

inline constexpr const char* kNonFiniteNormalEquationsMessage =
    "法方程中出现了无穷大或无效的数值，无法解算改正数，本次计算停止。请检查输入的角度和边长。";

inline constexpr const char* kNegativeReciprocalWeightMessage =
    "最弱边权倒数算得负值，法方程数值不稳定，本次计算停止。请检查输入的角度和边长。";

inline constexpr const char* kNonFiniteMeanErrorMessage =
    "单位权测角中误差不是有限的数值，本次计算停止。请检查输入的角度和边长。";

inline constexpr const char* kStartSideNotPositiveMessage =
    "起始边长 Sa 必须大于零才能计算边条件的对数，本次计算停止。";

inline constexpr const char* kClosingSideNotPositiveMessage =
    "闭合边长 Sb 必须大于零才能计算边条件的对数，本次计算停止。";

inline constexpr const char* kOneTriangleBetweenCAndDMessage =
    "已知点 C 和 D 之间只有一个三角形时，C 和 D 是锁中的同一个点，无法平差，本次计算停止。"
    "请至少输入两个三角形。";

inline constexpr const char* kLastTriangleNotAtDMessage =
    "锁的最后一条边必须从已知点 D 到闭合点 B：最后一个三角形的间隔角 C(n) 应当与前一个"
    "三角形的间隔角异号，本次计算停止。请检查间隔角的正负号。";

inline constexpr const char* kEOnAMessage =
    "定向点 E 与起算点 A 的座标相同，不能推算起始方位角，本次计算停止。";

inline constexpr const char* kFOnBMessage =
    "定向点 F 与闭合点 B 的座标相同，不能推算闭合方位角，本次计算停止。";

inline constexpr const char* kCoincidentAAndBMessage =
    "起算点 A 与闭合点 B 的座标相同，无法由 A、B 的距离确定锁的比例，本次计算停止。";

inline constexpr const char* kEndOnStartMessage =
    "按假定边长推算的锁的终点与起算点 A 重合，无法确定锁的比例和方向，本次计算停止。"
    "请检查输入的角度。";

inline constexpr const char* kNoClassicalChainMessage =
    "严密平差以条件分组平差的结果为近似坐标，但没有完整的平差结果，无法进行严密平差。";

inline constexpr const char* kRigorousAngleMeanErrorMessage =
    "严密平差需要大于零的测角中误差 mβ 来确定观测值的权，无法进行严密平差。";

inline constexpr const char* kSingularCoordinateNormalsMessage =
    "严密平差的法方程奇异（约化后的主元为零）：观测值不能确定所有待定点的坐标，本次严密平差停止。"
    "请检查三角形的排列、间隔角的正负号和已知数据。";

inline constexpr const char* kNonFiniteCoordinatesMessage =
    "严密平差的迭代中出现了无穷大或无效的坐标，本次严密平差停止。请检查输入的角度和边长。";

// "严密平差迭代 20 次后仍未收敛（最后一次坐标改正的最大值为 x 毫米），..."
std::string rigorousNotConvergedMessage(int iterations, double lastChangeMillimetres);

// "第 i 个三角形的前进角 B(i) 的正弦为零，..."
std::string zeroForwardAngleSineMessage(int triangle);

// "第 i 个三角形的求距角 A(i) 或前进角 B(i) 的正弦不是正数，..."
std::string nonPositiveSineMessage(int triangle);

// "第 i 个三角形的间隔角 C(i) 的正切为零，..."
std::string zeroIntervalAngleTangentMessage(int triangle);

}  // namespace chainadj
