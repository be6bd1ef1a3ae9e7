#include "ui/form_fonts.h"

#include <QStringList>

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

}  // namespace

QFont serifFont(int pixelSize, bool bold) {
  QFont font = fontOf(serifFamilies(), QFont::Serif, pixelSize);
  font.setBold(bold);
  return font;
}

QFont sansFont(int pixelSize) { return fontOf(sansFamilies(), QFont::SansSerif, pixelSize); }

QFont labelFont(Style style) {
  switch (style) {
    case Style::Title:
      return serifFont(22, true);
    case Style::Heading:
      return serifFont(14);
    case Style::SketchLabel:
    case Style::SketchNote:
      return sansFont(11);
    case Style::FieldLabel:
    case Style::BoxHead:
      break;
  }
  return sansFont(12);
}

QFont boxFont() { return sansFont(12); }
QFont buttonFont() { return sansFont(13); }
QFont dialogFont() { return sansFont(13); }

}  // namespace chainadj::ui
