#include "console/command_line.h"

#include <string_view>

namespace chainadj {
namespace {

// The options that take a file, and where each keeps it.
struct FileOption {
  std::string_view name;
  std::optional<std::string> ConsoleOptions::*file;
};

constexpr FileOption kFileOptions[] = {
    {"--data", &ConsoleOptions::dataFile},     {"--save-data", &ConsoleOptions::saveDataFile},
    {"--report", &ConsoleOptions::reportFile}, {"--csv", &ConsoleOptions::csvFile},
    {"--pdf", &ConsoleOptions::pdfFile},
};

constexpr std::string_view kHelp = "--help";
constexpr std::string_view kShortHelp = "-h";

constexpr const char* kHelpText =
    "用法: chainadj-console [选项]\n"
    "\n"
    "没有选项时从标准输入逐行读入：两次计算之间 1 = 计 算，2 = 结 束；每个提示的回答一行。\n"
    "每写一个文本框、标签、提示（? ）或信息（! ）在标准输出写一行（UTF-8）。\n"
    "\n"
    "选项:\n"
    "  --data FILE        计算数据文件 FILE（.chain）中的三角锁一次，写出与键入同样的各行，\n"
    "                     座标显示不必按键，然后退出：计算完成退出码 0；文件被拒绝或计算\n"
    "                     停止退出码 1（写出 ! 信息行）。不读标准输入。\n"
    "  --save-data FILE   结束后把最后一次计算的数据写成数据文件 FILE（最后一次计算的数据\n"
    "                     没有输入完整时不写，退出码 1）。可与 --data 同用。\n"
    "  --report FILE.txt  结束后把最后一次完成的平差计算的成果报告写成文本文件（UTF-8）：\n"
    "                     已知数据、平差图形、三角形观测角和平差角、条件闭合差、精度评定、\n"
    "                     平差座标。\n"
    "  --csv FILE.csv     结束后把最后一次完成的平差计算的平差座标写成 CSV 文件（UTF-8，\n"
    "                     表头 点名,X,Y，每行一个点，座标到毫米）。\n"
    "  --pdf FILE.pdf     结束后把成果报告写成 PDF 文件（A4，含按比例绘制的三角锁图）。\n"
    "                     --report、--csv、--pdf 可与 --data 同用；没有完成的平差计算时\n"
    "                     不写，退出码 1。\n"
    "  --help, -h         列出这些选项。\n";

// The value of an option that takes a file: after '=' in the same argument, or the next one.
std::optional<std::string> fileArgument(const std::vector<std::string>& arguments, std::size_t& k,
                                        std::string_view option) {
  const std::string& argument = arguments[k];
  if (argument.size() > option.size() && argument[option.size()] == '=') {
    return argument.substr(option.size() + 1);
  }
  if (argument.size() != option.size() || k + 1 >= arguments.size()) return std::nullopt;
  return arguments[++k];
}

bool startsWithOption(const std::string& argument, std::string_view option) {
  return argument.rfind(option, 0) == 0 &&
         (argument.size() == option.size() || argument[option.size()] == '=');
}

}  // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments) {
  ConsoleOptions options;
  for (std::size_t k = 0; k < arguments.size(); ++k) {
    const std::string& argument = arguments[k];
    if (argument == kHelp || argument == kShortHelp) {
      options.help = true;
      continue;
    }
    const FileOption* matched = nullptr;
    for (const FileOption& candidate : kFileOptions) {
      if (startsWithOption(argument, candidate.name)) matched = &candidate;
    }
    if (matched == nullptr) return {std::nullopt, "不认识的参数 “" + argument + "”"};
    std::optional<std::string>* target = &(options.*(matched->file));
    const std::string_view option = matched->name;
    if (target->has_value()) return {std::nullopt, std::string(option) + " 只能给一次"};
    std::optional<std::string> file = fileArgument(arguments, k, option);
    if (!file || file->empty()) {
      return {std::nullopt, std::string(option) + " 后面要跟一个文件名"};
    }
    *target = std::move(file);
  }
  return {options, ""};
}

const char* consoleHelpText() { return kHelpText; }

}  // namespace chainadj
