// A chain of four triangles between known points A and B with bases, azimuths and orientation
// angles at both ends, answered prompt by prompt: what the screenshot of the window shows.
#pragma once

#include <QString>
#include <functional>

namespace chainadj::ui {

// Answers every prompt of a run of the demonstration chain; confirmations and the coordinate
// listing are answered with Enter (empty text).
std::function<QString(const QString& prompt)> demoChainAnswers();

}  // namespace chainadj::ui
