// The texts that come from the plain C++ layers (the engine's and the report's messages, the series
// captions, the data-sheet labels, the analysis labels) as the window shows them. Every such text
// passes through here, translated by its Korean source text in the context of catalog/Translatable.h,
// where lupdate finds it (engine/Messages.h says how to add one).
#pragma once

#include <QString>

#include <cstdint>
#include <string_view>

#include "catalog/Series.h"
#include "engine/Messages.h"

namespace brivane::ui {

// A text the plain layers made (digits, a model's name), shown as it is.
QString FromUtf8(std::string_view text);

// The message's text for the window, its arguments in place (a save's confirmation, a refusal).
QString MessageText(const Message& message);
// A fixed Korean text of the engine or the catalog (a caption, a label, a unit).
QString EngineText(std::string_view text);

// The series' captions: the result group's ("양측식 (Coreless)"), its short name ("양측식"),
// the data sheet's group title ("양측식-Coreless Type").
QString SeriesCaption(MotorSeries s);
QString SeriesName(MotorSeries s);
QString SeriesSheetCaption(MotorSeries s);
// A caption on two lines, broken at its first blank: the form's narrow cells.
QString TwoLines(const QString& caption);

// The form's texts of its input numbers: whole numbers plainly, reals as "%g" writes them,
// whatever the locale.
QString IntText(std::int32_t v);
QString FloatText(float v);

}  // namespace brivane::ui
