// The texts that come from the plain C++ layers (the engine's messages, the series captions, the
// data-sheet labels, the analysis labels) as the window shows them. Every such text passes
// through here, so that a translation of the window replaces them in one place: a message by its
// code, a caption by its Korean source text in the context "brivane::EngineTexts".
#pragma once

#include <QString>

#include <cstdint>
#include <string_view>

#include "catalog/Series.h"
#include "engine/Messages.h"
#include "report/Report.h"

namespace brivane::ui {

// The message's text for the window.
QString MessageText(const Message& message);
// A fixed Korean text of the engine or the catalog (a caption, a label, a unit).
QString EngineText(std::string_view text);

// What the save of the report tells the user, by its status: the confirmation with the file's path,
// a file error, or the refusal of the nickname that names its first character CP949 cannot hold.
QString SaveResultText(const SaveResult& result, std::string_view nickname);

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
