#include "ui/caption_wrap.h"

#include <QRegularExpression>

namespace chainadj::ui {
namespace {

bool fits(const QString& text, const QFontMetricsF& metrics, qreal width) {
  return metrics.horizontalAdvance(text) <= width;
}

// Breaks a text that is too wide between characters, filling each line as far as it goes.
QStringList breakBetweenCharacters(const QString& text, const QFontMetricsF& metrics,
                                   qreal width) {
  QStringList lines;
  QString line;
  for (const QChar character : text) {
    if (!line.isEmpty() && !fits(line + character, metrics, width)) {
      lines << line;
      line.clear();
    }
    line += character;
  }
  if (!line.isEmpty()) lines << line;
  return lines;
}

// Joins the parts greedily with the separator, starting a new line where the next part does
// not fit; a part wider than the line is broken further by `breakPart`.
template <typename BreakPart>
QStringList fillLines(const QStringList& parts, const QString& separator,
                      const QFontMetricsF& metrics, qreal width, BreakPart breakPart) {
  QStringList lines;
  QString line;
  for (const QString& part : parts) {
    const QString joined = line.isEmpty() ? part : line + separator + part;
    if (fits(joined, metrics, width)) {
      line = joined;
      continue;
    }
    if (!line.isEmpty()) lines << line;
    line.clear();
    if (fits(part, metrics, width)) {
      line = part;
    } else {
      lines << breakPart(part);
    }
  }
  if (!line.isEmpty()) lines << line;
  return lines;
}

QStringList breakAtBlanks(const QString& part, const QFontMetricsF& metrics, qreal width) {
  const QStringList words = part.split(' ', Qt::SkipEmptyParts);
  return fillLines(words, " ", metrics, width, [&](const QString& word) {
    return breakBetweenCharacters(word, metrics, width);
  });
}

}  // namespace

QStringList wrapCaption(const QString& caption, const QFontMetricsF& metrics, qreal width) {
  const QString trimmed = caption.trimmed();
  if (trimmed.isEmpty()) return {};
  if (fits(trimmed, metrics, width)) return {trimmed};
  static const QRegularExpression kBlankRun(" {2,}");
  const QStringList parts = trimmed.split(kBlankRun, Qt::SkipEmptyParts);
  return fillLines(parts, "  ", metrics, width, [&](const QString& part) {
    return breakAtBlanks(part, metrics, width);
  });
}

bool breaksAWord(const QStringList& lines, const QString& caption) {
  return lines.join(' ').split(' ', Qt::SkipEmptyParts) != caption.split(' ', Qt::SkipEmptyParts);
}

}  // namespace chainadj::ui
