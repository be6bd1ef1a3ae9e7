#include "entry/project_info.h"

#include <array>

namespace chainadj {
namespace {

constexpr std::array<ProjectField, kProjectFieldCount> kFields = {{
    {"project", "--project", "项目名称", &ProjectInfo::project},
    {"chain_name", "--chain-name", "锁名", &ProjectInfo::chainName},
    {"coordinate_system", "--coordinate-system", "坐标系统", &ProjectInfo::coordinateSystem},
    {"instrument", "--instrument", "仪器", &ProjectInfo::instrument},
    {"observer", "--observer", "观测者", &ProjectInfo::observer},
    {"computer", "--computer", "计算者", &ProjectInfo::computer},
    {"checker", "--checker", "检查者", &ProjectInfo::checker},
    {"observed_on", "--observed-on", "观测日期", &ProjectInfo::observedOn},
    {"computed_on", "--computed-on", "计算日期", &ProjectInfo::computedOn},
}};

std::size_t indexOf(const ProjectField& field) {
  return static_cast<std::size_t>(&field - kFields.data());
}

}  // namespace

std::span<const ProjectField> projectFields() { return kFields; }

std::optional<std::string>& ProjectInfoLayer::of(const ProjectField& field) {
  return texts[indexOf(field)];
}

const std::optional<std::string>& ProjectInfoLayer::of(const ProjectField& field) const {
  return texts[indexOf(field)];
}

ProjectInfo overlaid(ProjectInfo base, const ProjectInfoLayer& layer) {
  for (const ProjectField& field : kFields) {
    if (const std::optional<std::string>& text = layer.of(field)) base.*field.text = *text;
  }
  return base;
}

ProjectInfoLayer projectLayerOf(const ChainData& data) {
  ProjectInfoLayer layer;
  for (const ProjectField& field : kFields) layer.of(field) = data.setting(field.keyword);
  return layer;
}

void setProjectLines(ChainData& data, const ProjectInfo& info) {
  for (const ProjectField& field : kFields) {
    const std::string& text = info.*field.text;
    const std::string keyword(field.keyword);
    if (text.empty()) {
      data.settings.erase(keyword);
    } else {
      data.settings[keyword] = text;
    }
  }
}

ProjectInfo projectInfoOf(const ChainData& data) { return overlaid({}, projectLayerOf(data)); }

}  // namespace chainadj
