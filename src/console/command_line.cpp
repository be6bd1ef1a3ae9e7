#include "console/command_line.h"

#include <cctype>
#include <set>
#include <string_view>

#include "entry/chain_settings.h"
#include "quality/adjustment_method.h"
#include "state/number_text.h"

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
    {"--pdf", &ConsoleOptions::pdfFile},       {"--json", &ConsoleOptions::jsonFile},
    {"--dxf", &ConsoleOptions::dxfFile},       {"--cass", &ConsoleOptions::cassFile},
    {"--xlsx", &ConsoleOptions::xlsxFile},
};

// The options that take a value other than a file (the settings of the quality check, the
// encoding of a results file): what each wants after it, and how it takes its value into the
// options (false for a value it cannot take).
struct ValueOption {
  std::string_view name;
  const char* wants;
  bool (*take)(const std::string& value, ConsoleOptions& options);
};

// The options that stand alone, without a value.
struct FlagOption {
  std::string_view name;
  bool ConsoleOptions::*flag;
};

constexpr FlagOption kFlagOptions[] = {{"--csv-bom", &ConsoleOptions::csvByteOrderMark}};

// An option that only changes a results file another option asks for: said when that one is
// missing.
struct DependentOption {
  std::string_view name;
  bool (*needed)(const ConsoleOptions& options);  // whether the file it changes is asked for
  const char* message;
};

const DependentOption kDependentOptions[] = {
    {"--csv-bom", [](const ConsoleOptions& o) { return o.csvFile.has_value(); },
     "--csv-bom 给 --csv 写的 CSV 文件加上字节顺序标记，要和 --csv 同用"},
    {"--encoding", [](const ConsoleOptions& o) { return o.cassFile.has_value(); },
     "--encoding 是 --cass 写的 CASS 坐标文件的编码，要和 --cass 同用"},
};

// A number the check `sound` accepts, into `target`.
bool takeNumber(const std::string& value, bool (*sound)(double), std::optional<double>& target) {
  const std::optional<double> number = parseNumber(value);
  if (value.empty() || !number || !sound(*number)) return false;
  target = number;
  return true;
}

// The encoding named by `value` (gbk, utf-8 or utf8, in any case).
std::optional<TextEncoding> encodingNamed(std::string value) {
  for (char& ch : value) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  if (value == "gbk") return TextEncoding::Gbk;
  if (value == "utf-8" || value == "utf8") return TextEncoding::Utf8;
  return std::nullopt;
}

const ValueOption kValueOptions[] = {
    {"--grade", "一个等级：二等、三等、四等、一级、二级 之一",
     [](const std::string& value, ConsoleOptions& options) {
       options.quality.grade = gradePreset(value);
       return options.quality.grade.has_value();
     }},
    {"--m-beta", "测角中误差：一个大于 0、不大于 600 的数（秒）",
     [](const std::string& value, ConsoleOptions& options) {
       return takeNumber(value, isAngleMeanError, options.quality.angleMeanError);
     }},
    {"--m-alpha", "起算方位角中误差：一个不小于 0、不大于 600 的数（秒）",
     [](const std::string& value, ConsoleOptions& options) {
       return takeNumber(value, isKnownAngleError, options.quality.azimuthMeanError);
     }},
    {"--m-base", "起算边长中误差：一个不小于 0、不大于 10000 的数（毫米）",
     [](const std::string& value, ConsoleOptions& options) {
       return takeNumber(value, isKnownBaseError, options.quality.baseMeanError);
     }},
    {"--weakest-side", "最弱边相对中误差的限差：T 或 1/T，T 是 1 到 10000000 的数",
     [](const std::string& value, ConsoleOptions& options) {
       options.quality.weakestSide = parseWeakestSideLimit(value);
       return options.quality.weakestSide.has_value();
     }},
    {"--encoding", "CASS 坐标文件的编码：gbk 或 utf-8",
     [](const std::string& value, ConsoleOptions& options) {
       const std::optional<TextEncoding> encoding = encodingNamed(value);
       if (encoding) options.cassEncoding = *encoding;
       return encoding.has_value();
     }},
    {"--method", "平差方法：rigorous（严密平差）或 classical（条件分组平差）",
     [](const std::string& value, ConsoleOptions& options) {
       options.quality.method = parseAdjustmentMethod(value);
       return options.quality.method.has_value();
     }},
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
    "                     平差座标，以及质量检核：闭合差和限差、点位中误差和误差椭圆。\n"
    "  --csv FILE.csv     结束后把最后一次完成的平差计算的平差座标写成 CSV 文件（UTF-8，\n"
    "                     表头 点名,X,Y,mx,my,mp,E,F,φ，每行一个点，座标到毫米，点位中误差\n"
    "                     和误差椭圆的半轴以毫米计，φ 以度计；已知点的精度空着）。\n"
    "  --csv-bom          CSV 文件以 UTF-8 的字节顺序标记（BOM）开头，中文 Windows 上的\n"
    "                     Excel 才能正确显示中文点名。\n"
    "  --pdf FILE.pdf     结束后把成果报告写成 PDF 文件（A4，含按比例绘制的三角锁图和放大的\n"
    "                     误差椭圆）。\n"
    "  --json FILE.json   结束后把最后一次完成的平差计算的全部成果写成 JSON 文件（UTF-8，\n"
    "                     数值为完整的双精度）：平差方法、统计量和全局检验、每个点的坐标、\n"
    "                     协因数、中误差和误差椭圆、每个观测值的改正数、多余观测分量和标准化\n"
    "                     改正数、每条边的边长、方位角和精度、最弱边，以及投影面上的归算。\n"
    "  --dxf FILE.dxf     把平差后的三角锁图写成 DXF 文件（AutoCAD 2000，代码页 ANSI_936，\n"
    "                     文字为 GBK，GBK 没有的字符写成 \\U+XXXX）：图的 x 为 Y，y 为 X，\n"
    "                     单位米；图层 POINTS、NAMES、KNOWN、TRIANGLES、ELLIPSES（放大的\n"
    "                     误差椭圆和说明放大倍数的文字）、SIGHTS。\n"
    "  --cass FILE.dat    把所列的点和已知点写成 CASS 坐标文件：每行 点名,编码,Y,X,H（编码和\n"
    "                     高程空着），座标到毫米。\n"
    "  --encoding NAME    CASS 坐标文件的编码：gbk（默认）或 utf-8。点名里有 GBK 没有的字符\n"
    "                     时不写文件，退出码 1。\n"
    "  --xlsx FILE.xlsx   把成果写成 Excel 工作簿：坐标成果、边长方位角、角度、闭合差、\n"
    "                     项目信息五张表，数值是数字，带数字格式，表头冻结。\n"
    "                     这些文件都可与 --data 同用；没有完成的平差计算时不写，退出码 1。\n"
    "\n"
    "成果中质量检核的设置（不改变计算本身的输出）:\n"
    "  --grade NAME       平差等级：二等、三等、四等、一级、二级；带来该等级的测角中误差 mβ\n"
    "                     和三角形闭合差限差（默认 四等：2.5 秒，9.0 秒）。\n"
    "  --m-beta SECONDS   测角中误差 mβ（秒，大于 0），代替等级的 mβ。\n"
    "  --m-alpha SECONDS  起算方位角中误差 mα（秒，默认 0）。\n"
    "  --m-base MM        起算边长中误差（毫米，默认 0）。\n"
    "  --weakest-side T   最弱边相对中误差的限差 1/T（写 T 或 1/T），代替等级的限差\n"
    "                     （二等 1/120000，三等 1/70000，四等 1/40000，一级 1/20000，\n"
    "                     二级 1/10000）。\n"
    "  --method rigorous|classical  成果的平差方法：严密平差（按坐标的间接平差，迭代到收敛）\n"
    "                     或条件分组平差（按所选图形的条件）。默认按等级（GB 50026）：二等、三等、\n"
    "                     四等、一级 严密平差，二级 条件分组平差。窗体和本程序写出的各行总是\n"
    "                     条件分组平差的结果。\n"
    "                     选项优先于数据文件的 grade、m_beta、weakest_side、method 行，数据文件\n"
    "                     优先于默认值；同一处先取等级，再以 mβ、限差和平差方法代替等级的规定。\n"
    "\n"
    "成果报告表头的项目信息（优先于数据文件的同名行，例如 observer）:\n"
    "  --project TEXT  --chain-name TEXT  --coordinate-system TEXT  --instrument TEXT\n"
    "  --observer TEXT  --computer TEXT  --checker TEXT  --observed-on TEXT\n"
    "  --computed-on TEXT（默认为当天的日期）\n"
    "                     项目名称、锁名、坐标系统及投影带、仪器、观测者、计算者、检查者、\n"
    "                     观测日期、计算日期。\n"
    "\n"
    "高斯-克吕格投影面上的归算（优先于数据文件的同名行；给出中央子午线或投影带才归算）:\n"
    "  --central-meridian DEG  中央子午线的经度（度.分分秒秒）。\n"
    "  --zone N           投影带的带号：13 到 23 为 6° 带，24 到 45 为 3° 带。\n"
    "  --ellipsoid NAME   参考椭球：CGCS2000（默认）、1980西安、1954北京。\n"
    "  --false-easting M  横坐标的加常数（默认 500000 米）；Ya 前面带有带号时自动识别。\n"
    "  --projection-height M  投影面的高程（默认 0 米）。\n"
    "  --base-distances plane|measured  起算边长是由坐标算得的平面距离（默认，不归算），\n"
    "                     还是实测的水平距离（归算到椭球面再到投影面）。\n"
    "  --base-height M    实测边长的平均高程（米）。\n"
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

// The option of `table` that the argument names, if any.
template <typename Option, std::size_t N>
const Option* optionNamed(const Option (&table)[N], const std::string& argument) {
  for (const Option& candidate : table) {
    if (startsWithOption(argument, candidate.name)) return &candidate;
  }
  return nullptr;
}

// The plane settings option that the argument names, if any.
const PlaneSettingOption* planeOptionNamed(const std::string& argument) {
  for (const PlaneSettingOption& plane : planeSettingOptions()) {
    if (startsWithOption(argument, plane.option)) return &plane;
  }
  return nullptr;
}

// A plane settings option's value, checked as its data-file line is: why it is refused, if it is.
std::optional<std::string> planeValueRefusal(const PlaneSettingOption& plane,
                                             const std::optional<std::string>& value) {
  if (!value) return std::string(plane.option) + " 后面要跟" + plane.wants;
  const SettingKeyword* keyword = settingKeywordNamed(plane.keyword);
  if (keyword != nullptr && keyword->refusal(*value)) {
    return std::string(plane.option) + " 的 “" + *value + "” 不对，要" + plane.wants;
  }
  return std::nullopt;
}

// The project item that the argument names, if any.
const ProjectField* projectOptionNamed(const std::string& argument) {
  for (const ProjectField& field : projectFields()) {
    if (startsWithOption(argument, field.option)) return &field;
  }
  return nullptr;
}

}  // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments) {
  ConsoleOptions options;
  std::set<std::string_view> given;
  for (std::size_t k = 0; k < arguments.size(); ++k) {
    const std::string& argument = arguments[k];
    if (argument == kHelp || argument == kShortHelp) {
      options.help = true;
      continue;
    }
    if (const FlagOption* flag = optionNamed(kFlagOptions, argument)) {
      if (argument != flag->name) {
        return {std::nullopt, std::string(flag->name) + " 后面不跟值"};
      }
      if (!given.insert(flag->name).second) {
        return {std::nullopt, std::string(flag->name) + " 只能给一次"};
      }
      options.*(flag->flag) = true;
      continue;
    }
    const FileOption* fileOption = optionNamed(kFileOptions, argument);
    const ValueOption* valueOption = optionNamed(kValueOptions, argument);
    const ProjectField* projectOption = projectOptionNamed(argument);
    const PlaneSettingOption* planeOption = planeOptionNamed(argument);
    if (fileOption == nullptr && valueOption == nullptr && projectOption == nullptr &&
        planeOption == nullptr) {
      return {std::nullopt, "不认识的参数 “" + argument + "”"};
    }
    const std::string_view option = fileOption      ? fileOption->name
                                    : valueOption   ? valueOption->name
                                    : projectOption ? projectOption->option
                                                    : planeOption->option;
    if (!given.insert(option).second) {
      return {std::nullopt, std::string(option) + " 只能给一次"};
    }
    std::optional<std::string> value = fileArgument(arguments, k, option);
    if (fileOption != nullptr) {
      if (!value || value->empty()) {
        return {std::nullopt, std::string(option) + " 后面要跟一个文件名"};
      }
      options.*(fileOption->file) = std::move(value);
    } else if (planeOption != nullptr) {
      if (const std::optional<std::string> refusal = planeValueRefusal(*planeOption, value)) {
        return {std::nullopt, *refusal};
      }
      options.planeLines[std::string(planeOption->keyword)] = *value;
    } else if (projectOption != nullptr) {
      if (!value || value->empty()) {
        return {std::nullopt, std::string(option) + " 后面要跟" + projectOption->label};
      }
      options.project.of(*projectOption) = std::move(value);
    } else if (!value) {
      return {std::nullopt, std::string(option) + " 后面要跟" + valueOption->wants};
    } else if (!valueOption->take(*value, options)) {
      return {std::nullopt, std::string(option) + " 的 “" + *value + "” 不对，要" +
                                valueOption->wants};
    }
  }
  for (const DependentOption& dependent : kDependentOptions) {
    if (given.contains(dependent.name) && !dependent.needed(options)) {
      return {std::nullopt, dependent.message};
    }
  }
  return {options, ""};
}

const char* consoleHelpText() { return kHelpText; }

}  // namespace chainadj
