#include "ui/form_fonts.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace chainadj::ui {
namespace {

const QStringList& serifFamilies() {
  static const QStringList families = {
      "AR PL UMing CN", "AR PL UMing TW", "Noto Serif CJK SC", "Source Han Serif SC",
      "SimSun",         "NSimSun",        "Songti SC",         "serif"};
  return families;
}

const QStringList& sansFamilies() {
  static const QStringList families = {
      "WenQuanYi Micro Hei", "Noto Sans CJK SC", "Source Han Sans SC", "Microsoft YaHei",
      "PingFang SC",         "Droid Sans Fallback", "sans-serif"};
  return families;
}

QFont fontOf(const QStringList& families, QFont::StyleHint hint, int pixelSize) {
  QFont font;
  font.setFamilies(families);
  font.setStyleHint(hint);
  font.setPixelSize(pixelSize);
  return font;
}

// Pixel sizes at the form's full size.
constexpr int kTitlePixels = 22;
constexpr int kHeadingPixels = 14;
constexpr int kSketchPixels = 11;
constexpr int kFieldPixels = 12;
constexpr int kButtonPixels = 13;
constexpr int kDialogPixels = 13;

int scaledPixels(int pixelSize, double scale) {
  return std::max(1, static_cast<int>(std::lround(pixelSize * scale)));
}

}  // namespace

QFont resized(const QFont& font, int pixelSize) {
  QFont copy = font;
  copy.setPixelSize(std::max(1, pixelSize));
  return copy;
}

QFont serifFont(int pixelSize, bool bold) {
  QFont font = fontOf(serifFamilies(), QFont::Serif, pixelSize);
  font.setBold(bold);
  return font;
}

QFont sansFont(int pixelSize) { return fontOf(sansFamilies(), QFont::SansSerif, pixelSize); }

QFont labelFont(Style style, double scale) {
  switch (style) {
    case Style::Title:
      return serifFont(scaledPixels(kTitlePixels, scale), true);
    case Style::Heading:
      return serifFont(scaledPixels(kHeadingPixels, scale));
    case Style::SketchLabel:
    case Style::SketchNote:
      return sansFont(scaledPixels(kSketchPixels, scale));
    case Style::FieldLabel:
    case Style::BoxHead:
      break;
  }
  return sansFont(scaledPixels(kFieldPixels, scale));
}

QFont boxFont(double scale) { return sansFont(scaledPixels(kFieldPixels, scale)); }
QFont buttonFont(double scale) { return sansFont(scaledPixels(kButtonPixels, scale)); }
QFont dialogFont(double scale) { return sansFont(scaledPixels(kDialogPixels, scale)); }

}  // namespace chainadj::ui
