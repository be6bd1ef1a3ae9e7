// The controls of the main form as data: every text box, label, line and button with its name,
// its place in twips and its caption. MainForm builds itself from these tables.
#pragma once

#include <span>

#include "ui/twips.h"

namespace chainadj::ui {

// How a label is drawn.
enum class Style {
  FieldLabel,  // beside a text box, text towards the box
  BoxHead,     // above a text box, text over the box
  Heading,     // section heading of the table, centred
  Title,       // the program's title under the sketches
  SketchLabel, // small letters and marks of the sketches
  SketchNote,  // the explanatory notes of the sketches
};

struct BoxEntry {
  int number;  // TextN
  TwipsRect at;
};

struct LabelEntry {
  const char* name;  // "LabelN", or "Label12(1)" / "Label12(2)" for the label array
  TwipsRect at;
  const char* caption;
  Style style;
};

struct LineEntry {
  int number;  // LineN
  TwipsPoint from;
  TwipsPoint to;
};

struct ButtonEntry {
  const char* name;
  TwipsRect at;
  const char* caption;
};

inline constexpr int kFormWidthTwips = 16200;
inline constexpr int kFormHeightTwips = 10920;

inline constexpr const char* kWindowCaption = "三角锁（线形锁）近似平差计算";

std::span<const BoxEntry> formBoxes();
std::span<const LabelEntry> formLabels();
std::span<const LineEntry> formLines();
std::span<const ButtonEntry> formButtons();

// The labels whose captions a run rewrites: the current triangle's angles and closure, and the
// point of the coordinate listing.
std::span<const char* const> runCaptionLabels();

}  // namespace chainadj::ui
