#include "entry/chain_file_writer.h"

#include <ostream>

#include "entry/chain_file_syntax.h"
#include "entry/chain_settings.h"
#include "state/number_text.h"
#include "state/whole_file.h"

namespace chainadj {
namespace {

constexpr const char* kHeader =
    "# chainadj 三角锁数据文件（UTF-8）：已知值、点名（point）、每个三角形一行 A B C\n";

void writeValue(std::string& text, const char* name, const std::string& typed) {
  if (!typed.empty()) text += std::string(name) + " " + valueForFile(typed) + "\n";
}

// A typed angle as its number: the same value and the same echo as the text typed.
std::string angleForFile(const std::string& typed) {
  return normalizedNumberText(typed).value_or(typed);
}

}  // namespace

std::string chainDataText(const ChainData& data) {
  std::string text = kHeader;
  for (const auto& [item, typed] : data.values) writeValue(text, inputItemName(item), typed);
  for (const SettingKeyword& setting : settingKeywords()) {
    if (const auto typed = data.setting(setting.keyword)) {
      text += std::string(setting.keyword) + " " + valueForFile(*typed) + "\n";
    }
  }
  for (const std::string& name : data.names) {
    text += "point";
    if (!name.empty()) text += " " + nameForFile(name);
    text += "\n";
  }
  for (const auto& [a, b, c] : data.triangles) {
    text += angleForFile(a) + " " + angleForFile(b) + " " + angleForFile(c) + "\n";
  }
  return text;
}

void writeChainFile(const std::string& path, const ChainData& data) {
  writeWholeFile(path, "不能写入数据文件 “" + path + "”。",
                 [&data](std::ostream& file) { file << chainDataText(data); });
}

}  // namespace chainadj
