#include "adjust/adjustment_messages.h"

#include "state/display_format.h"

namespace chainadj {
namespace {

std::string triangleIndex(int triangle) { return std::to_string(triangle); }

}  // namespace

std::string rigorousNotConvergedMessage(int iterations, double lastChangeMillimetres) {
  return "严密平差迭代 " + std::to_string(iterations) + " 次后仍未收敛（最后一次坐标改正的最大值为 " +
         formatMask(lastChangeMillimetres, kMaskCoordinate) +
         " 毫米），结果不可靠。请检查观测数据中是否有粗差。";
}

std::string zeroForwardAngleSineMessage(int triangle) {
  const std::string i = triangleIndex(triangle);
  return "第 " + i + " 个三角形的前进角 B(" + i +
         ") 的正弦为零，边长无法推算，本次计算停止。请检查这个三角形的角度。";
}

std::string nonPositiveSineMessage(int triangle) {
  const std::string i = triangleIndex(triangle);
  return "第 " + i + " 个三角形的求距角 A(" + i + ") 或前进角 B(" + i +
         ") 的正弦不是正数，边条件的对数无法计算，本次计算停止。请检查这个三角形的角度。";
}

std::string zeroIntervalAngleTangentMessage(int triangle) {
  const std::string i = triangleIndex(triangle);
  return "第 " + i + " 个三角形的间隔角 C(" + i +
         ") 的正切为零，最弱边的权函数无法计算，本次计算停止。请检查这个三角形的角度。";
}

}  // namespace chainadj
