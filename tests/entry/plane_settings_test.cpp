// The settings lines that put a chain on the Gauss–Krüger plane.
#include "entry/plane_settings.h"

#include <gtest/gtest.h>

#include "entry/chain_file_reader.h"
#include "state/chain_error.h"

namespace chainadj {
namespace {

constexpr const char* kTriangle = "60 60 60\n";

struct PlaneCase {
  const char* lines;
  double centralMeridian;  // degrees
  double falseEasting;     // metres
  const char* ellipsoid;
};

const PlaneCase kPlaneCases[] = {
    {"zone 39\n", 117.0, 500000.0, "CGCS2000"},                      // a 3° zone
    {"zone 20\n", 117.0, 500000.0, "CGCS2000"},                      // a 6° zone
    {"central_meridian 114.30\n", 114.5, 500000.0, "CGCS2000"},      // degrees.minutes
    {"zone 39\nYa 39512345.6\n", 117.0, 39500000.0, "CGCS2000"},     // Y with its zone number
    {"central_meridian 117\nYa 39512345.6\n", 117.0, 39500000.0, "CGCS2000"},
    {"zone 38\nellipsoid 1954北京\nfalse_easting 0\n", 114.0, 0.0, "1954北京"},
    {"zone 40\nellipsoid Xian80\n", 120.0, 500000.0, "1980西安"},
};

TEST(PlaneSettings, GiveTheCentralMeridianFalseEastingAndEllipsoid) {
  for (const PlaneCase& c : kPlaneCases) {
    SCOPED_TRACE(c.lines);
    const ChainData data = parseChainData(std::string(c.lines) + kTriangle);
    std::optional<ReductionSettings> settings = reductionSettingsOf(data);
    ASSERT_TRUE(settings.has_value());
    settings = withZoneOfY(*settings, data.number(InputItem::Ya));
    EXPECT_NEAR(settings->plane.centralMeridian, c.centralMeridian, 1e-12);
    EXPECT_EQ(settings->plane.falseEasting, c.falseEasting);
    EXPECT_STREQ(settings->plane.ellipsoid.name, c.ellipsoid);
    EXPECT_EQ(settings->bases, BaseKind::PlaneDistance);
  }
}

TEST(PlaneSettings, TakeMeasuredBasesAndHeights) {
  const std::optional<ReductionSettings> settings = reductionSettingsOf(parseChainData(
      "zone 39\nbase_distances measured\nbase_height 350.5\nprojection_height 100\n60 60 60\n"));
  ASSERT_TRUE(settings.has_value());
  EXPECT_EQ(settings->bases, BaseKind::MeasuredDistance);
  EXPECT_EQ(settings->baseHeight, 350.5);
  EXPECT_EQ(settings->projectionHeight, 100.0);
}

TEST(PlaneSettings, LeaveAChainWithoutThemOnNoPlane) {
  EXPECT_FALSE(reductionSettingsOf(parseChainData(kTriangle)).has_value());
  // An ellipsoid or heights alone name no central meridian.
  EXPECT_FALSE(reductionSettingsOf(parseChainData("ellipsoid CGCS2000\nbase_height 10\n60 60 60\n")));
}

TEST(PlaneSettings, RefuseWhatNamesNoPlane) {
  for (const char* line : {"zone 12\n", "zone 46\n", "zone 39.5\n", "ellipsoid WGS84\n",
                           "central_meridian 117.6000\n", "central_meridian 190\n",
                           "base_distances slope\n", "base_height high\n", "zone 39\nzone 39\n"}) {
    SCOPED_TRACE(line);
    EXPECT_THROW(parseChainData(std::string(line) + kTriangle), ChainError);
  }
  const std::optional<ReductionSettings> zone39 = reductionSettingsOf(parseChainData("zone 39\n60 60 60\n"));
  ASSERT_TRUE(zone39.has_value());
  EXPECT_THROW(withZoneOfY(*zone39, 38512345.0), ChainError);
  EXPECT_EQ(withZoneOfY(*zone39, 512345.0).plane.falseEasting, 500000.0);
}

}  // namespace
}  // namespace chainadj
