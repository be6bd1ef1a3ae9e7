// Breaking a label caption into lines. Captions space their parts out with runs of blanks
// (" 已知点 A  纵座标 Xa", "      A点         外方位角 Ta"); a caption too wide for its label
// breaks at those runs first, then at single blanks, and a part that still does not fit breaks
// between characters. Lines are drawn without their outer blanks.
#pragma once

#include <QFontMetricsF>
#include <QString>
#include <QStringList>

namespace chainadj::ui {

QStringList wrapCaption(const QString& caption, const QFontMetricsF& metrics, qreal width);

// Whether the lines split a word of the caption (a part without blanks) between characters.
bool breaksAWord(const QStringList& lines, const QString& caption);

}  // namespace chainadj::ui
