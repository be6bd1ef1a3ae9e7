#include "ui/form_table.h"

namespace chainadj::ui {
namespace {

constexpr BoxEntry kBoxes[] = {
    // Known points A and B, C and D, orientation points E and F.
    {1, {2280, 4890, 1335, 285}},
    {2, {2280, 5370, 1335, 285}},
    {3, {2280, 5850, 1335, 285}},
    {4, {2280, 6330, 1335, 285}},
    {29, {4800, 4920, 1335, 285}},
    {30, {4800, 5400, 1335, 285}},
    {31, {4800, 5880, 1335, 285}},
    {32, {4800, 6360, 1335, 285}},
    {33, {2280, 7200, 1335, 270}},
    {34, {2280, 7680, 1335, 270}},
    {35, {4800, 7200, 1335, 270}},
    {36, {4800, 7680, 1335, 285}},
    // Bases, azimuths and orientation angles.
    {11, {3720, 8400, 1215, 285}},
    {12, {3720, 8880, 1215, 285}},
    {5, {2400, 9570, 1455, 285}},
    {6, {2400, 10050, 1455, 285}},
    {7, {4920, 9570, 1455, 285}},
    {8, {4920, 10050, 1455, 285}},
    // Kind of adjustment and triangle count.
    {26, {1320, 3480, 4815, 285}},
    {27, {2400, 4200, 2415, 285}},
    // Observed angles of the current triangle and its misclosure.
    {9, {6600, 7920, 1455, 285}},
    {10, {8160, 7920, 1455, 285}},
    {24, {9720, 7920, 1455, 285}},
    {25, {11280, 7920, 1455, 285}},
    // Second-group misclosures.
    {13, {7800, 3930, 1455, 285}},
    {14, {9960, 3930, 1455, 285}},
    {15, {7800, 4560, 1455, 285}},
    {16, {9960, 4560, 1455, 285}},
    // Precision.
    {17, {8280, 5880, 1215, 285}},
    {28, {9960, 5880, 1215, 285}},
    {18, {7080, 6600, 1335, 285}},
    {19, {9000, 6600, 1575, 285}},
    {20, {10920, 6600, 1335, 285}},
    // Coordinate listing.
    {21, {7200, 9240, 1095, 285}},
    {22, {9000, 9240, 1335, 285}},
    {23, {11040, 9240, 1335, 285}},
};

constexpr LabelEntry kLabels[] = {
    {"Label1", {2400, 2660, 9720, 420}, "三角锁（线形锁）近似平差计算", Style::Title},

    // Left half: input echoes.
    {"Label45", {1320, 3195, 2400, 270}, "平差图形说明", Style::BoxHead},
    {"Label46", {2400, 3915, 2415, 270}, "图形个数说明", Style::BoxHead},
    {"Label10", {1260, 4530, 5160, 270}, "（起始数据）", Style::Heading},
    {"Label2", {1260, 4810, 960, 450}, " 已知点 A  纵座标 Xa", Style::FieldLabel},
    {"Label3", {1260, 5290, 960, 450}, " 已知点 A  横座标 Ya", Style::FieldLabel},
    {"Label4", {1260, 5770, 960, 450}, " 已知点 B  纵座标 Xb", Style::FieldLabel},
    {"Label5", {1260, 6250, 960, 450}, " 已知点 B  横座标 Yb", Style::FieldLabel},
    {"Label49", {3660, 4840, 1080, 450}, "已知点 C   纵座标 Xc", Style::FieldLabel},
    {"Label50", {3660, 5320, 1080, 450}, " 已知点 C  横座标 Yc", Style::FieldLabel},
    {"Label51", {3660, 5800, 1080, 450}, "已知点 D   纵座标 Xd", Style::FieldLabel},
    {"Label52", {3660, 6280, 1080, 450}, "已知点 D   横座标 Yd", Style::FieldLabel},
    {"Label109", {1260, 6760, 5160, 270}, "( 定向点座标 )", Style::Heading},
    {"Label110", {1260, 7110, 960, 450}, " 定向点 E     纵座标 Xe", Style::FieldLabel},
    {"Label111", {1260, 7590, 960, 450}, " 定向点 E  横座标 Ye", Style::FieldLabel},
    {"Label112", {3660, 7110, 1080, 450}, " 定向点 F      纵座标 Xf", Style::FieldLabel},
    {"Label113", {3660, 7600, 1080, 450}, " 定向点 F  横座标 Yf", Style::FieldLabel},
    {"Label14", {1260, 8070, 5160, 270}, "（起始基线）", Style::Heading},
    {"Label15", {2220, 8400, 1440, 285}, "始端基线 Sa", Style::FieldLabel},
    {"Label16", {2220, 8880, 1440, 285}, "终端基线 Sb", Style::FieldLabel},
    {"Label17", {1260, 9210, 2595, 270}, "(起始方位角)", Style::Heading},
    {"Label18", {3900, 9210, 2520, 270}, "(定向角)", Style::Heading},
    {"Label6", {1260, 9490, 1080, 450}, "      A点         外方位角 Ta", Style::FieldLabel},
    {"Label7", {1260, 9970, 1080, 450}, "     B 点          外方位角 Tb", Style::FieldLabel},
    {"Label8", {3900, 9490, 960, 450}, "    A 点       定向角 Qa", Style::FieldLabel},
    {"Label9", {3900, 9970, 960, 450}, "    B 点       定向角 Qb", Style::FieldLabel},

    // Right half, misclosures of the second group.
    {"Label19", {6540, 3180, 6720, 270}, "（第二组条件方程式闭合差）", Style::Heading},
    {"Label20", {7800, 3630, 1455, 270}, " 方位角条件 ", Style::Heading},
    {"Label21", {9960, 3630, 1455, 270}, "边条件 ", Style::Heading},
    {"Label24", {6600, 3850, 1140, 450}, " 闭合差     w(2--1)", Style::FieldLabel},
    {"Label25", {9280, 3850, 640, 450}, " 闭合差     w(2--2)", Style::FieldLabel},
    {"Label22", {7800, 4275, 1455, 270}, " 纵座标条件", Style::Heading},
    {"Label23", {9960, 4275, 1455, 270}, " 横座标条件", Style::Heading},
    {"Label26", {6600, 4480, 1140, 450}, " 闭合差     w(2--3)", Style::FieldLabel},
    {"Label27", {9280, 4480, 640, 450}, " 闭合差     w(2--4)", Style::FieldLabel},

    // Precision.
    {"Label28", {6540, 5100, 6720, 270}, "（精 度 评 定）", Style::Heading},
    {"Label40", {8017, 5580, 1740, 270}, "单位权测角中误差", Style::Heading},
    {"Label47", {9960, 5580, 1215, 270}, "点位中误差", Style::Heading},
    {"Label29", {7560, 5880, 660, 285}, " mb     ", Style::FieldLabel},
    {"Label48", {9540, 5880, 375, 285}, " md", Style::FieldLabel},
    {"Label30", {7027, 6300, 1440, 270}, "最弱边权倒数", Style::Heading},
    {"Label31", {8917, 6300, 1740, 270}, "最弱边对数中误差", Style::Heading},
    {"Label32", {10717, 6300, 1740, 270}, "最弱边相对中误差", Style::Heading},
    {"Label41", {6540, 6600, 480, 285}, "1/p", Style::FieldLabel},
    {"Label42", {8430, 6600, 540, 285}, " mlogs", Style::FieldLabel},
    {"Label43", {10578, 6600, 340, 285}, "1/m", Style::FieldLabel},

    // Observed angles of the current triangle.
    {"Label11", {6540, 7140, 6720, 270}, "( 观 测 角 )", Style::Heading},
    {"Label44", {6600, 7620, 1455, 270}, "求距角 A(", Style::BoxHead},
    {"Label12(1)", {8160, 7620, 1455, 270}, "前进角 B(", Style::BoxHead},
    {"Label12(2)", {9720, 7620, 1455, 270}, "间隔角 C(", Style::BoxHead},
    {"Label13", {11280, 7620, 1995, 270}, "三角形闭合差 w(", Style::BoxHead},

    // Coordinates of the new points.
    {"Label33", {6540, 8460, 6720, 270}, "（待定点座标）", Style::Heading},
    {"Label34", {7200, 8900, 1095, 270}, "点   名", Style::Heading},
    {"Label37", {9000, 8900, 1335, 270}, "纵 座 标", Style::Heading},
    {"Label39", {11040, 8900, 1335, 270}, "横 座 标", Style::Heading},
    {"Label35", {6540, 9240, 600, 285}, "N（", Style::FieldLabel},
    {"Label36", {8340, 9240, 600, 285}, "X（", Style::FieldLabel},
    {"Label38", {10380, 9240, 600, 285}, "Y（", Style::FieldLabel},

    // Sketches of the upper band: a chain oriented by E and F, and a chain between C and D.
    {"Label53", {1330, 1928, 180, 225}, "A", Style::SketchLabel},
    {"Label54", {1210, 2165, 800, 225}, "[ Xa,Ya ]", Style::SketchLabel},
    {"Label55", {2110, 348, 180, 225}, "1", Style::SketchLabel},
    {"Label56", {3060, 2028, 180, 225}, "2", Style::SketchLabel},
    {"Label57", {4010, 348, 180, 225}, "3", Style::SketchLabel},
    {"Label58", {4960, 2028, 180, 225}, "4", Style::SketchLabel},
    {"Label59", {6070, 608, 180, 225}, "B", Style::SketchLabel},
    {"Label60", {6060, 850, 800, 225}, "[ Xb,Yb ]", Style::SketchLabel},
    {"Label61", {120, 2158, 180, 225}, "E", Style::SketchLabel},
    {"Label62", {460, 2350, 700, 225}, "(定向点)", Style::SketchLabel},
    {"Label63", {60, 2590, 1350, 470}, "如果是输入方位角       Xe=0  Ye=0", Style::SketchNote},
    {"Label64", {6850, 58, 180, 225}, "F", Style::SketchLabel},
    {"Label65", {7050, 60, 700, 225}, "(定向点)", Style::SketchLabel},
    {"Label66", {6950, 520, 1350, 470}, "如果是输入方位角       Xf=0  Yf=0", Style::SketchNote},
    {"Label67", {1496, 1634, 400, 225}, "a(1)", Style::SketchLabel},
    {"Label68", {2504, 1634, 400, 225}, "b(1)", Style::SketchLabel},
    {"Label69", {2000, 945, 400, 225}, "c(1)", Style::SketchLabel},
    {"Label70", {2446, 741, 400, 225}, "a(2)", Style::SketchLabel},
    {"Label71", {3454, 741, 400, 225}, "b(2)", Style::SketchLabel},
    {"Label72", {2950, 1430, 400, 225}, "c(2)", Style::SketchLabel},
    {"Label73", {3396, 1634, 400, 225}, "a(3)", Style::SketchLabel},
    {"Label74", {4404, 1634, 400, 225}, "b(3)", Style::SketchLabel},
    {"Label75", {3900, 945, 400, 225}, "c(3)", Style::SketchLabel},
    {"Label76", {4346, 741, 400, 225}, "a(4)", Style::SketchLabel},
    {"Label77", {5354, 741, 400, 225}, "b(4)", Style::SketchLabel},
    {"Label78", {4850, 1430, 400, 225}, "c(4)", Style::SketchLabel},
    {"Label79", {1365, 1034, 300, 225}, "Sa", Style::SketchLabel},
    {"Label80", {5585, 1341, 300, 225}, "Sb", Style::SketchLabel},
    {"Label81", {930, 1078, 300, 225}, "Ta", Style::SketchLabel},
    {"Label82", {5680, 68, 300, 225}, "Tb", Style::SketchLabel},
    {"Label83", {850, 1508, 300, 225}, "Qa", Style::SketchLabel},
    {"Label84", {6080, 208, 300, 225}, "Qb", Style::SketchLabel},
    {"Label85", {8950, 468, 180, 225}, "A", Style::SketchLabel},
    {"Label86", {8350, 720, 800, 225}, "[ Xa,Ya ]", Style::SketchLabel},
    {"Label87", {9938, 1878, 180, 225}, "C", Style::SketchLabel},
    {"Label88", {9748, 2120, 800, 225}, "[ Xc,Yc ]", Style::SketchLabel},
    {"Label89", {12950, 388, 180, 225}, "D", Style::SketchLabel},
    {"Label90", {13280, 320, 800, 225}, "[ Xd,Yd ]", Style::SketchLabel},
    {"Label91", {13928, 1898, 180, 225}, "B", Style::SketchLabel},
    {"Label92", {14128, 2120, 800, 225}, "[ Xb,Yb ]", Style::SketchLabel},
    {"Label93", {11105, 348, 180, 225}, "1", Style::SketchLabel},
    {"Label94", {12102, 2028, 180, 225}, "2", Style::SketchLabel},
    {"Label95", {9469, 741, 400, 225}, "a(1)", Style::SketchLabel},
    {"Label96", {10526, 741, 400, 225}, "b(1)", Style::SketchLabel},
    {"Label97", {9998, 1430, 400, 225}, "c(1)", Style::SketchLabel},
    {"Label98", {10467, 1634, 400, 225}, "a(2)", Style::SketchLabel},
    {"Label99", {11523, 1634, 400, 225}, "b(2)", Style::SketchLabel},
    {"Label100", {10995, 945, 400, 225}, "c(2)", Style::SketchLabel},
    {"Label101", {11464, 741, 400, 225}, "a(3)", Style::SketchLabel},
    {"Label102", {12521, 741, 400, 225}, "b(3)", Style::SketchLabel},
    {"Label103", {11992, 1430, 400, 225}, "c(3)", Style::SketchLabel},
    {"Label104", {12461, 1634, 400, 225}, "a(4)", Style::SketchLabel},
    {"Label105", {13519, 1634, 400, 225}, "b(4)", Style::SketchLabel},
    {"Label106", {12990, 945, 400, 225}, "c(4)", Style::SketchLabel},
    {"Label107", {13818, 1238, 300, 225}, "Tb", Style::SketchLabel},
    {"Label108", {14268, 1548, 300, 225}, "Qb", Style::SketchLabel},
    {"Label114", {14760, 120, 1350, 700}, "      如果D不是已知点                 则D=0   输入待定点点号", Style::SketchNote},
    {"Label115", {10498, 2380, 3200, 225}, "注:  当D=0 时需输入外方位角和定向角", Style::SketchNote},
};

constexpr LineEntry kLines[] = {
    // The frame of the table, its vertical split and the four panel lines of the right half.
    {1, {1200, 3120}, {13320, 3120}},
    {2, {1200, 10560}, {13320, 10560}},
    {3, {1200, 3120}, {1200, 10560}},
    {4, {13320, 3120}, {13320, 10560}},
    {5, {6480, 3120}, {6480, 10560}},
    {6, {6480, 5040}, {13320, 5040}},
    {7, {6480, 7080}, {13320, 7080}},
    {8, {6480, 8400}, {13320, 8400}},
    {9, {6480, 9720}, {13320, 9720}},
    // Left sketch: the triangles, the sight lines A-E and B-F, north arrows at A and B.
    // Right sketch: the triangles, the sight line at B, north arrows at A and B.
    {10, {1250, 1950}, {2200, 650}},
    {11, {2200, 650}, {3150, 1950}},
    {12, {3150, 1950}, {4100, 650}},
    {13, {4100, 650}, {5050, 1950}},
    {14, {5050, 1950}, {6000, 650}},
    {15, {1250, 1950}, {3150, 1950}},
    {16, {2200, 650}, {4100, 650}},
    {17, {3150, 1950}, {5050, 1950}},
    {18, {4100, 650}, {6000, 650}},
    {19, {1250, 1950}, {380, 2330}},
    {20, {6000, 650}, {6800, 260}},
    {21, {1250, 1950}, {1250, 1150}},
    {22, {1250, 1150}, {1175, 1300}},
    {23, {1250, 1150}, {1325, 1300}},
    {24, {6000, 650}, {6000, 90}},
    {25, {6000, 90}, {5925, 240}},
    {26, {6000, 90}, {6075, 240}},
    {27, {9200, 650}, {10198, 1950}},
    {28, {10198, 1950}, {11195, 650}},
    {29, {11195, 650}, {12192, 1950}},
    {30, {12192, 1950}, {13190, 650}},
    {31, {13190, 650}, {14188, 1950}},
    {32, {9200, 650}, {11195, 650}},
    {33, {10198, 1950}, {12192, 1950}},
    {34, {11195, 650}, {13190, 650}},
    {35, {12192, 1950}, {14188, 1950}},
    {36, {14188, 1950}, {15188, 1330}},
    {37, {9200, 650}, {9200, 90}},
    {38, {9200, 90}, {9125, 240}},
    {39, {9200, 90}, {9275, 240}},
    {40, {14188, 1950}, {14188, 1150}},
    {41, {14188, 1150}, {14113, 1300}},
    {42, {14188, 1150}, {14263, 1300}},
};

constexpr ButtonEntry kButtons[] = {
    {"Command1", {8640, 9960, 855, 375}, "计 算"},
    {"Command2", {9960, 9960, 855, 375}, "结 束"},
};

constexpr const char* kRunCaptionLabels[] = {"Label44", "Label12(1)", "Label12(2)", "Label13",
                                             "Label35", "Label36",    "Label38"};

}  // namespace

std::span<const char* const> runCaptionLabels() { return kRunCaptionLabels; }
std::span<const BoxEntry> formBoxes() { return kBoxes; }
std::span<const LabelEntry> formLabels() { return kLabels; }
std::span<const LineEntry> formLines() { return kLines; }
std::span<const ButtonEntry> formButtons() { return kButtons; }

}  // namespace chainadj::ui
