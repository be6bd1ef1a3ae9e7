#include "report/chain_dxf.h"

#include <dl_dxf.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <numbers>
#include <system_error>
#include <vector>

#include "report/chain_figure.h"
#include "report/gbk_text.h"
#include "state/display_format.h"
#include "state/whole_file.h"

namespace chainadj {
namespace {

constexpr DL_Codes::version kDxfVersion = DL_Codes::AC1015;  // AutoCAD 2000
constexpr double kMillimetresPerMetre = 1000.0;
constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;

// The layers and their colours (AutoCAD's colour numbers).
constexpr const char* kLayerPoints = "POINTS";
constexpr const char* kLayerNames = "NAMES";
constexpr const char* kLayerKnown = "KNOWN";
constexpr const char* kLayerTriangles = "TRIANGLES";
constexpr const char* kLayerEllipses = "ELLIPSES";
constexpr const char* kLayerSights = "SIGHTS";
struct LayerStyle {
  const char* name;
  int colour;
  const char* lineType;
};
constexpr const char* kContinuous = "CONTINUOUS";
constexpr const char* kDashed = "DASHED";
constexpr std::array<LayerStyle, 7> kLayers = {{{"0", DL_Codes::white, kContinuous},
                                                {kLayerPoints, DL_Codes::white, kContinuous},
                                                {kLayerNames, DL_Codes::white, kContinuous},
                                                {kLayerKnown, DL_Codes::blue, kContinuous},
                                                {kLayerTriangles, DL_Codes::white, kContinuous},
                                                {kLayerEllipses, DL_Codes::red, kContinuous},
                                                {kLayerSights, DL_Codes::gray, kDashed}}};
constexpr int kDefaultLineWeight = -3;  // the lineweight of a layer: the default
constexpr int kByLayerLineWeight = -1;  // of an entity: its layer's
constexpr double kLineTypeScale = 1.0;

// The dashes of the sight lines on paper.
constexpr double kDashMm = 3.0;
constexpr double kGapMm = 1.5;

// The text style: AutoCAD's Chinese standard faces, the big font holding the characters.
constexpr const char* kTextStyle = "Standard";
constexpr const char* kTextFont = "gbenor.shx";
constexpr const char* kTextBigFont = "gbcbig.shx";

// A name stands this far (on paper) right of and above its point; the lines of the note are
// this many text heights apart, under the drawing.
constexpr double kNameOffsetMm = 1.2;
constexpr double kNoteLineSpacing = 1.8;
constexpr int kLeftBaseline = 0;  // horizontal and vertical justification of a TEXT
constexpr double kTextWidthFactor = 1.0;
constexpr int kPolylineClosed = 1;

std::size_t at(int index) { return static_cast<std::size_t>(index); }

// A vertex of an ellipse's outline to the tenth of a millimetre, which keeps the file of a long
// chain a fifth smaller (a magnified ellipse is metres across in the drawing).
constexpr double kOutlineVerticesPerMetre = 1e4;
double outlineVertex(double metres) {
  return std::round(metres * kOutlineVerticesPerMetre) / kOutlineVerticesPerMetre;
}

// The drawing's coordinates of a point: east, north.
struct DxfPoint {
  double x = 0, y = 0;
};
DxfPoint drawn(double X, double Y) { return {Y, X}; }

class ChainDxf {
 public:
  ChainDxf(const RunReport& report, DL_Dxf& dxf, DL_WriterA& out)
      : report_(report),
        dxf_(dxf),
        out_(out),
        scale_(dxfScale(report)),
        extent_(figureExtent(report)) {}

  void write() {
    header();
    tables();
    blocks();
    out_.sectionEntities();
    points();
    knownSymbols();
    sides();
    ellipses();
    sights();
    note();
    out_.sectionEnd();
    dxf_.writeObjects(out_);
    dxf_.writeObjectsEnd(out_);
    out_.dxfEOF();
  }

 private:
  // A length on paper at the drawing's scale, in metres of the drawing.
  double onPaper(double millimetres) const {
    return millimetres * scale_.denominator / kMillimetresPerMetre;
  }
  static DL_Attributes on(const char* layer) {
    return DL_Attributes(layer, DL_Codes::bylayer, kByLayerLineWeight, "BYLAYER", kLineTypeScale);
  }
  std::string inGbk(const std::string& utf8) {
    std::string text;
    gbk_.append(utf8, appendDxfUnicodeEscape, text);
    return text;
  }

  void header() {
    dxf_.writeHeader(out_);
    out_.dxfString(9, "$DWGCODEPAGE");
    out_.dxfString(3, kDxfCodePage);
    out_.dxfString(9, "$INSUNITS");
    out_.dxfInt(70, kInsertUnitsMetres);
    writeCorner("$EXTMIN", drawn(extent_.minX, extent_.minY));
    writeCorner("$EXTMAX", drawn(extent_.maxX, extent_.maxY));
    out_.sectionEnd();
  }
  static constexpr int kInsertUnitsMetres = 6;

  void writeCorner(const char* variable, const DxfPoint& corner) {
    out_.dxfString(9, variable);
    out_.dxfReal(10, corner.x);
    out_.dxfReal(20, corner.y);
    out_.dxfReal(30, 0.0);
  }

  void tables() {
    out_.sectionTables();
    dxf_.writeVPort(out_);
    lineTypes();
    out_.tableLayers(static_cast<int>(kLayers.size()));
    for (const LayerStyle& layer : kLayers) {
      dxf_.writeLayer(
          out_, DL_LayerData(layer.name, 0),
          DL_Attributes("", layer.colour, kDefaultLineWeight, layer.lineType, kLineTypeScale));
    }
    out_.tableEnd();
    out_.tableStyle(1);
    dxf_.writeStyle(out_, DL_StyleData(kTextStyle, 0, 0.0, kTextWidthFactor, 0.0, 0,
                                       onPaper(kDxfNameHeightMm), kTextFont, kTextBigFont));
    out_.tableEnd();
    dxf_.writeView(out_);
    dxf_.writeUcs(out_);
    out_.tableAppid(1);
    dxf_.writeAppid(out_, "ACAD");
    out_.tableEnd();
    dxf_.writeDimStyle(out_, onPaper(kDimensionMm), onPaper(kDimensionMm), onPaper(kDimensionMm),
                       onPaper(kDimensionMm), onPaper(kDxfNameHeightMm));
    dxf_.writeBlockRecord(out_);
    out_.tableEnd();
    out_.sectionEnd();
  }
  static constexpr double kDimensionMm = 1.0;  // the arrows and gaps of a dimension, unused

  void lineTypes() {
    pattern_ = {onPaper(kDashMm), -onPaper(kGapMm)};
    out_.tableLinetypes(4);
    dxf_.writeLinetype(out_, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf_.writeLinetype(out_, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf_.writeLinetype(out_, DL_LinetypeData(kContinuous, "Solid line", 0, 0, 0.0));
    dxf_.writeLinetype(
        out_, DL_LinetypeData(kDashed, "Dashed __ __ __", 0, static_cast<int>(pattern_.size()),
                              pattern_[0] - pattern_[1], pattern_.data()));
    out_.tableEnd();
  }

  void blocks() {
    out_.sectionBlocks();
    for (const char* block : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
      dxf_.writeBlock(out_, DL_BlockData(block, 0, 0.0, 0.0, 0.0));
      dxf_.writeEndBlock(out_, block);
    }
    out_.sectionEnd();
  }

  void pointWithName(const DxfPoint& at, const std::string& name) {
    dxf_.writePoint(out_, DL_PointData(at.x, at.y, 0.0), on(kLayerPoints));
    text(kLayerNames, {at.x + onPaper(kNameOffsetMm), at.y + onPaper(kNameOffsetMm)}, name);
  }

  void text(const char* layer, const DxfPoint& at, const std::string& utf8) {
    const double height = onPaper(kDxfNameHeightMm);
    dxf_.writeText(out_,
                   DL_TextData(at.x, at.y, 0.0, at.x, at.y, 0.0, height, kTextWidthFactor, 0,
                               kLeftBaseline, kLeftBaseline, inGbk(utf8), kTextStyle, 0.0),
                   on(layer));
  }

  // Every chain point, then the orientation points, each with its name.
  void points() {
    const int chainPoints = static_cast<int>(std::min(report_.X.size(), report_.Y.size()));
    std::string name;
    for (int j = 0; j < chainPoints; ++j) {
      name.clear();
      report_.appendPointLabel(j, name);
      pointWithName(drawn(report_.X[at(j)], report_.Y[at(j)]), name);
    }
    for (const KnownPoint& point : report_.known.points) {
      if (point.chainPoint < 0)
        pointWithName(drawn(point.x, point.y), std::string(1, point.letter));
    }
  }

  void closedPolyline(const char* layer, const std::vector<DxfPoint>& vertices) {
    dxf_.writePolyline(
        out_, DL_PolylineData(static_cast<int>(vertices.size()), 0, 0, kPolylineClosed), on(layer));
    for (const DxfPoint& vertex : vertices)
      dxf_.writeVertex(out_, DL_VertexData(vertex.x, vertex.y));
    dxf_.writePolylineEnd(out_);
  }

  // The triangulation point's triangle, point up, its centre on the point.
  void knownSymbols() {
    const double side = onPaper(kDxfKnownSymbolMm);
    const double height = side * std::sqrt(3.0) / 2;
    for (const KnownPoint& point : report_.known.points) {
      const DxfPoint c = drawn(point.x, point.y);
      closedPolyline(kLayerKnown, {{c.x, c.y + 2 * height / 3},
                                   {c.x + side / 2, c.y - height / 3},
                                   {c.x - side / 2, c.y - height / 3}});
    }
  }

  void line(const char* layer, const DxfPoint& from, const DxfPoint& to) {
    dxf_.writeLine(out_, DL_LineData(from.x, from.y, 0.0, to.x, to.y, 0.0), on(layer));
  }

  void sides() {
    for (const SidePrecision& side : report_.sides) {
      const auto from = at(side.side.from), to = at(side.side.to);
      line(kLayerTriangles, drawn(report_.X[from], report_.Y[from]),
           drawn(report_.X[to], report_.Y[to]));
    }
  }

  // Each new point's ellipse about it, the semi-major axis E at the azimuth φ of E (clockwise
  // from north), magnified.
  void ellipses() {
    const double magnification = scale_.ellipseMagnification;
    if (!(magnification > 0.0)) return;
    std::vector<DxfPoint> outline(kDxfEllipseVertices);
    for (int j = report_.firstListedPoint; j <= report_.lastListedPoint; ++j) {
      const PointPrecision* precision = report_.newPointPrecision(j);
      if (precision == nullptr || !(precision->E > 0.0) || !std::isfinite(precision->E) ||
          !std::isfinite(precision->F) || !std::isfinite(precision->azimuthOfE)) {
        continue;
      }
      const DxfPoint centre = drawn(report_.X[at(j)], report_.Y[at(j)]);
      const double phi = precision->azimuthOfE / kDegreesPerRadian;
      const DxfPoint major{std::sin(phi), std::cos(phi)}, minor{std::cos(phi), -std::sin(phi)};
      const double E = precision->E * magnification, F = precision->F * magnification;
      for (int k = 0; k < kDxfEllipseVertices; ++k) {
        const double t = 2 * std::numbers::pi * k / kDxfEllipseVertices;
        const double a = E * std::cos(t), b = F * std::sin(t);
        outline[at(k)] = {outlineVertex(centre.x + a * major.x + b * minor.x),
                          outlineVertex(centre.y + a * major.y + b * minor.y)};
      }
      closedPolyline(kLayerEllipses, outline);
    }
  }

  const KnownPoint* known(char letter) const {
    for (const KnownPoint& point : report_.known.points) {
      if (point.letter == letter) return &point;
    }
    return nullptr;
  }

  void sights() {
    for (const auto& [from, to] : {std::pair{'A', 'E'}, std::pair{'B', 'F'}}) {
      const KnownPoint* station = known(from);
      const KnownPoint* target = known(to);
      if (station && target) {
        line(kLayerSights, drawn(station->x, station->y), drawn(target->x, target->y));
      }
    }
  }

  // Under the drawing: what its coordinates are, at what scale its texts are sized, how much its
  // ellipses are magnified.
  void note() {
    const std::string scale = "1:" + formatRoundedPlain(scale_.denominator, 0);
    std::vector<std::string> lines = {
        "平差后的三角锁图：单位为米，图的 x 为横坐标 Y（向东），y 为纵坐标 X（向北）。",
        "按比例尺 " + scale + " 出图时，点名高 " + formatRoundedPlain(kDxfNameHeightMm, 1) +
            " 毫米，已知点三角形边长 " + formatRoundedPlain(kDxfKnownSymbolMm, 1) + " 毫米。"};
    const LargestEllipse largest = largestEllipse(report_);
    if (scale_.ellipseMagnification > 0.0 && largest.point >= 0) {
      const double onPaperMm =
          largest.E * scale_.ellipseMagnification * kMillimetresPerMetre / scale_.denominator;
      lines.push_back(
          "ELLIPSES 层：待定点的误差椭圆放大 " +
          formatRoundedPlain(scale_.ellipseMagnification, 0) + " 倍；最大的是 " +
          report_.pointLabel(largest.point) +
          " 点的，长半轴 E = " + formatMask(largest.E * kMillimetresPerMetre, kMaskTwoDecimals) +
          " 毫米，按 " + scale + " 出图时长约 " + formatRoundedPlain(onPaperMm, 1) + " 毫米。");
    } else {
      lines.push_back("ELLIPSES 层：本锁的待定点没有误差椭圆。");
    }
    const double spacing = kNoteLineSpacing * onPaper(kDxfNameHeightMm);
    const DxfPoint corner = drawn(extent_.minX, extent_.minY);
    for (std::size_t k = 0; k < lines.size(); ++k) {
      text(kLayerEllipses, {corner.x, corner.y - spacing * static_cast<double>(k + 1)}, lines[k]);
    }
  }

  const RunReport& report_;
  DL_Dxf& dxf_;
  DL_WriterA& out_;
  const DxfScale scale_;
  const FigureExtent extent_;
  GbkEncoder gbk_;
  std::array<double, 2> pattern_{};
};

// dxflib's file writer, its numbers written the shortest way that reads back as the same double.
// The library's own writes sixteen decimals and flushes the file after every number, a system
// call each: some 10 s and 298 MB for a chain of 100 000 triangles, against 2 s and 208 MB.
class DxfFileWriter : public DL_WriterA {
 public:
  DxfFileWriter(const std::string& name) : DL_WriterA(name.c_str(), kDxfVersion) {}

  void dxfReal(int code, double value) const override {
    std::array<char, kLongestNumber + 1> text{};
    const auto [end, error] = std::to_chars(text.data(), text.data() + kLongestNumber, value);
    *(error == std::errc() ? end : text.data()) = '\0';
    dxfString(code, text.data());
  }

 private:
  static constexpr std::size_t kLongestNumber = 32;  // "-1.2345678901234567e+308" and more
};

bool writeDxf(const RunReport& report, const std::string& name) {
  DL_Dxf dxf;
  DxfFileWriter out(name);
  if (out.openFailed()) return false;
  ChainDxf(report, dxf, out).write();
  out.close();
  return !out.openFailed();  // nothing failed, the last of the file included
}

}  // namespace

DxfScale dxfScale(const RunReport& report) {
  const double denominator = drawingDenominator(report, kDxfFrameWidthMm, kDxfFrameHeightMm);
  return {denominator, ellipseMagnification(report, denominator)};
}

void writeChainDxfFile(const RunReport& report, const std::string& path) {
  writeWholeFileByName(path, "不能写入 DXF 图形文件 “" + path + "”。",
                       [&report](const std::string& name) { return writeDxf(report, name); });
}

}  // namespace chainadj
