#include "ui/demo_chain.h"

#include <array>
#include <map>
#include <memory>

#include "entry/prompt_texts.h"

namespace chainadj::ui {
namespace {

// The chain zigzags east from A (3000, 1000) through 1 .. 4 to B (3850, 4600); the angles carry
// observation errors of a few seconds.
const std::map<InputItem, const char*>& knownData() {
  static const std::map<InputItem, const char*> values = {
      {InputItem::Xa, "3000"},      {InputItem::Ya, "1000"},     {InputItem::Xb, "3850"},
      {InputItem::Yb, "4600"},      {InputItem::Xc, "0"},        {InputItem::Yc, "0"},
      {InputItem::Xd, "0"},         {InputItem::Yd, "0"},        {InputItem::Xe, "0"},
      {InputItem::Ye, "0"},         {InputItem::Xf, "0"},        {InputItem::Yf, "0"},
      {InputItem::Sa, "1040.4326"}, {InputItem::Sb, "1133.5784"}, {InputItem::Tag, "y"},
      {InputItem::Ta, "300"},       {InputItem::TbG, "y"},       {InputItem::Tb, "185.55252"},
      {InputItem::Qa, "95.13033"},  {InputItem::Qb, "-35.3"},
  };
  return values;
}

constexpr std::array<std::array<const char*, 3>, 4> kTriangles = {{
    {"56.54147", "48.04225", "-75.01264"},
    {"52.06105", "49.48037", "78.05466"},
    {"49.48043", "52.06098", "-78.05441"},
    {"48.17060", "50.29100", "81.13472"},
}};

constexpr std::array<const char*, 6> kNames = {"A", "I1", "I2", "I3", "I4", "B"};

struct Progress {
  std::size_t name = 0;
  std::array<std::size_t, 3> angle = {0, 0, 0};
};

bool isName(const QString& prompt) {
  for (const char* namePrompt : {kNamePromptA, kNamePromptB, kNamePromptC, kNamePromptD,
                                 kNamePromptNewPoint, kNamePromptNewPointTight}) {
    if (prompt == QString::fromUtf8(namePrompt)) return true;
  }
  return false;
}

bool isEnter(const QString& prompt, InputItem item) {
  return prompt == QString::fromUtf8(promptTexts(item).enter);
}

}  // namespace

std::function<QString(const QString& prompt)> demoChainAnswers() {
  auto progress = std::make_shared<Progress>();
  return [progress](const QString& prompt) -> QString {
    if (prompt == QString::fromUtf8(kTriangleCountPrompt)) return QString::number(kTriangles.size());
    if (isName(prompt)) return QString::fromUtf8(kNames[progress->name++ % kNames.size()]);
    const std::array<InputItem, 3> angles = {InputItem::A, InputItem::B, InputItem::C};
    for (std::size_t k = 0; k < angles.size(); ++k) {
      if (isEnter(prompt, angles[k])) {
        return QString::fromUtf8(kTriangles[progress->angle[k]++ % kTriangles.size()][k]);
      }
    }
    for (const auto& [item, typed] : knownData()) {
      if (isEnter(prompt, item)) return QString::fromUtf8(typed);
    }
    return QString();  // confirmations and the coordinate listing: Enter
  };
}

}  // namespace chainadj::ui
