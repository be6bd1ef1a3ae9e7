#include "entry/chain_preview.h"

#include <array>
#include <cmath>
#include <functional>

#include "adjust/procedure_descriptions.h"
#include "entry/chain_checks.h"
#include "entry/chain_data_answers.h"
#include "entry/observation_entry.h"
#include "entry/unseen_platform.h"
#include "entry/variant_selection.h"
#include "state/chain_error.h"
#include "state/constants.h"
#include "state/display_format.h"

namespace chainadj {
namespace {

std::optional<std::string> valueRefusal(const ChainData& data) {
  for (const auto& [item, typed] : data.values) {
    if (const std::optional<Refusal> refusal = refusalReason(inputRule(item).kind, typed)) {
      return valueRefusalText(*refusal, inputItemName(item), typed);
    }
  }
  return std::nullopt;
}

// Keeps which values are asked.
class AskedValues : public AnswerSource {
 public:
  explicit AskedValues(AnswerSource& source) : source_(source) {}
  std::optional<std::string> answer(const PromptKey& key) override {
    if (key.kind == PromptKind::Value && !isTriangleAngle(key.item)) {
      asked.set(static_cast<std::size_t>(key.item));
    }
    return source_.answer(key);
  }
  decltype(SelectionPreview::asked) asked;

 private:
  AnswerSource& source_;
};

struct EnteredKnownData {
  ChainState chain;
  RunFlags flags;
  decltype(SelectionPreview::asked) asked;
  std::optional<std::string> stop;  // why the entry stopped
};

// The known data as a run's entry takes and derives them (one triangle stands for the chain's:
// no row looks at the triangles), with why the entry stopped if it did.
EnteredKnownData enterKnownData(const ChainData& data) {
  ChainData known;
  known.values = data.values;
  known.triangles = {{"60", "60", "60"}};
  ChainDataAnswers answers(std::move(known), ListingAnswers::Answered);
  AskedValues asking(answers);
  UnseenPlatform platform(&asking);
  EnteredKnownData entered;
  ObservationEntry entry(entered.chain, entered.flags, platform);
  try {
    entry.takeTriangleCount();
    entry.takeKnownData();
  } catch (const ChainError& error) {
    entered.stop = error.what();
  } catch (const ProgramEnding&) {
    entered.stop = valueRefusal(data).value_or(kNoVariantMessage);
  }
  entered.asked = asking.asked;
  return entered;
}

bool half(double x, double y) { return !pointPresent(x, y) && !pointAbsent(x, y); }
bool isFlag(const std::string& flag) { return flag == "y" || flag == "n" || flag == "nn"; }

// Why no row holds, for the known data a run has taken: the first reason that applies.
struct NoRowReason {
  bool (*applies)(const ChainState& c, const RunFlags& f);
  const char* text;
};

const std::array<NoRowReason, 13> kNoRowReasons = {{
    {[](const ChainState& c, const RunFlags&) { return half(c.Xc, c.Yc); },
     "已知点 C 只有一个座标是零：一个点要么两个座标都给出，要么都写 0（没有这个点）"},
    {[](const ChainState& c, const RunFlags&) { return half(c.Xd, c.Yd); },
     "已知点 D 只有一个座标是零：一个点要么两个座标都给出，要么都写 0（没有这个点）"},
    {[](const ChainState& c, const RunFlags&) { return half(c.Xe, c.Ye); },
     "定向点 E 只有一个座标是零：一个点要么两个座标都给出，要么都写 0（没有这个点）"},
    {[](const ChainState& c, const RunFlags&) { return half(c.Xf, c.Yf); },
     "定向点 F 只有一个座标是零：一个点要么两个座标都给出，要么都写 0（没有这个点）"},
    {[](const ChainState& c, const RunFlags&) { return c.noC() && c.hasD(); },
     "有已知点 D 而没有已知点 C：这样的锁要由定向点 E 定向（给出 Xe、Ye）"},
    {[](const ChainState& c, const RunFlags&) { return c.noC() && c.noE() && c.hasF(); },
     "只有定向点 F 而没有定向点 E：由定向点定向的锁要有 E"},
    {[](const ChainState&, const RunFlags& f) { return !f.Tag.empty() && !isFlag(f.Tag); },
     "Tag 应当是 y 或 n"},
    {[](const ChainState&, const RunFlags& f) { return !isFlag(f.TbG); }, "TbG 应当是 y 或 n"},
    {[](const ChainState& c, const RunFlags&) { return c.hasC(); },
     "由已知点 C 起算而没有已知点 D 和定向点 F 时，终端要以闭合边长 Sb 闭合而没有闭合方位角"
     "（TbG 写 n）"},
    {[](const ChainState& c, const RunFlags& f) { return !f.tagYes() && (c.Sa != 0.0 || c.Sb != 0.0); },
     "没有起始方位角（Tag 为 n）的無定向线形锁不用边长：Sa、Sb 应为 0"},
    {[](const ChainState&, const RunFlags& f) { return !f.tagYes() && f.tbgYes(); },
     "没有起始方位角（Tag 为 n）而有闭合方位角（TbG 为 y）：無定向线形锁的 TbG 应为 n"},
    {[](const ChainState& c, const RunFlags&) { return c.Sa == 0.0 && c.Sb != 0.0; },
     "有闭合边长 Sb 而没有起始边长 Sa：没有起始边长时 Sb 也应为 0"},
    {[](const ChainState& c, const RunFlags& f) { return c.Sb != 0.0 && f.tbgNone(); },
     "有起始和闭合边长而没有闭合方位角（TbG 为 n）：两端都有边长时要有闭合方位角 Tb"},
}};

// Left when none of the reasons above applies: a chain without sides and closing azimuth that
// still has a start azimuth or an orientation angle.
constexpr const char* kUnorientedWithAzimuth =
    "没有边长、也没有闭合方位角时是無定向线形锁：起始方位角 Ta 和定向角 Qa 应为 0（或 Tag 写 n）";

std::string selectedText(int row) {
  return "第 " + std::to_string(row) + " 行（Cm" + std::to_string(row) + "）：" +
         procedureDescription(row);
}

std::optional<std::string> triangleRefusal(const ChainData& data) {
  for (std::size_t k = 0; k < data.triangles.size(); ++k) {
    const int triangle = static_cast<int>(k) + 1;
    std::array<double, 3> degrees{};
    for (std::size_t column = 0; column < 3; ++column) {
      const std::string& typed = data.triangles[k][column];
      if (typed.empty()) {
        return "第 " + std::to_string(triangle) + " 个三角形的三个角没有输入完整（" +
               triangleAngleColumns()[column].name + " 是空的）";
      }
      const ReadAnswer read = readAnswer(triangleAngleColumns()[column].kind, typed);
      if (read.refusal) {
        return valueRefusalText(*read.refusal, triangleAngleName(triangle, static_cast<int>(column)),
                                typed);
      }
      degrees[column] = read.degrees;
    }
    if (std::optional<std::string> problem = closureProblem(triangle, degrees)) return problem;
  }
  return std::nullopt;
}

}  // namespace

bool RowClosure::overLimit(double limitSeconds) const {
  return state == State::TooLarge || (state == State::Usable && std::fabs(seconds) > limitSeconds);
}

RowClosure rowClosure(const TriangleAngles& angles) {
  std::array<double, 3> degrees{};
  for (std::size_t k = 0; k < 3; ++k) {
    if (angles[k].empty()) return {};
    const ReadAnswer read = readAnswer(triangleAngleColumns()[k].kind, angles[k]);
    if (read.refusal) return {};
    degrees[k] = read.degrees;
  }
  const double c = std::fabs(degrees[2]);
  RowClosure closure;
  closure.seconds = kSecondsPerDegree * (degrees[0] + degrees[1] + c - 180.0);
  closure.state = closureLeavesAnglesUsable(degrees[0], degrees[1], c) ? RowClosure::State::Usable
                                                                      : RowClosure::State::TooLarge;
  return closure;
}

std::string closureOverLimitText(int triangle, double seconds, double limitSeconds) {
  const std::string i = std::to_string(triangle);
  return "第 " + i + " 个三角形的闭合差 w(" + i + ") = " + formatMask(seconds, kMaskTwoDecimals) +
         " 秒，超过限差 " + formatMask(limitSeconds, kMaskTwoDecimals) + " 秒";
}

SelectionPreview previewSelection(const ChainData& data) {
  const EnteredKnownData entered = enterKnownData(data);
  SelectionPreview preview;
  preview.asked = entered.asked;
  if (const std::optional<ChainProblem> problem = knownPointProblem(data)) {
    preview.text = problem->what;
  } else if (entered.stop) {
    preview.text = *entered.stop;
  } else if ((preview.row = selectVariant(entered.chain, entered.flags))) {
    preview.text = selectedText(*preview.row);
  } else {
    preview.text = kUnorientedWithAzimuth;
    for (const NoRowReason& reason : kNoRowReasons) {
      if (!reason.applies(entered.chain, entered.flags)) continue;
      preview.text = reason.text;
      break;
    }
  }
  return preview;
}

std::optional<std::string> runRefusal(const ChainData& data) {
  if (data.triangles.empty()) return std::string("还没有三角形：每个三角形一行，依次是它的三个角 A B C");
  if (data.triangles.size() > static_cast<std::size_t>(kMaxTriangles)) {
    return std::string("三角形超过 100000 个");
  }
  if (std::optional<std::string> refusal = valueRefusal(data)) return refusal;
  if (std::optional<std::string> refusal = triangleRefusal(data)) return refusal;
  if (std::optional<ChainProblem> problem = knownPointProblem(data)) return problem->what;
  if (std::optional<ChainProblem> problem = surplusNameProblem(data)) return problem->what;
  return std::nullopt;
}

}  // namespace chainadj
