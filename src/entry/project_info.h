// The project a chain belongs to, as the head of its report names it: the project, the chain,
// the coordinate system and zone, the instrument, the observer, the computer and the checker, the
// dates of observation and computation. Each is free text, kept in a settings line of the chain
// data file (project, chain_name, ...), set in the window's dialog 项目信息 or by a console option
// (--project, --chain-name, ...); what none of them gives stays empty, but for the date of
// computation, which is the day the report is made.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "entry/chain_data.h"

namespace chainadj {

struct ProjectInfo {
  std::string project;           // 项目名称
  std::string chainName;         // 锁名
  std::string coordinateSystem;  // 坐标系统及投影带
  std::string instrument;        // 仪器
  std::string observer;          // 观测者
  std::string computer;          // 计算者
  std::string checker;           // 检查者
  std::string observedOn;        // 观测日期
  std::string computedOn;        // 计算日期

  bool operator==(const ProjectInfo&) const = default;
};

// One item of the project: its settings keyword, its console option, its Chinese name and where
// ProjectInfo keeps it.
struct ProjectField {
  std::string_view keyword;  // the data file's line: "project"
  std::string_view option;   // the console's option: "--project"
  const char* label;         // 项目名称
  std::string ProjectInfo::*text;
};

// Every item, in the order the report's head and the data file write them.
std::span<const ProjectField> projectFields();

inline constexpr std::size_t kProjectFieldCount = 9;

// What a layer gives: an item it leaves out is nullopt.
struct ProjectInfoLayer {
  std::array<std::optional<std::string>, kProjectFieldCount> texts;

  std::optional<std::string>& of(const ProjectField& field);
  const std::optional<std::string>& of(const ProjectField& field) const;
};

// `base` with what `layer` gives.
ProjectInfo overlaid(ProjectInfo base, const ProjectInfoLayer& layer);

// The items the settings lines of `data` give.
ProjectInfoLayer projectLayerOf(const ChainData& data);

// Writes the items of `info` into the settings lines of `data`: an empty item removes its line.
void setProjectLines(ChainData& data, const ProjectInfo& info);

// The project of the data's settings lines.
ProjectInfo projectInfoOf(const ChainData& data);

}  // namespace chainadj
