// The axis window's words for what the engine says about a cycle: its messages, each field's
// caption and tooltip (what it is, its unit, the range its check accepts) and why a value is
// marked, in the window's language.
#pragma once

#include <QString>

#include <string_view>

#include "engine/AxisDesign.h"
#include "engine/CycleFields.h"
#include "engine/CycleMessages.h"

namespace brivane::ui {

// A refusal's or a warning's text, its arguments in the translated template.
QString TranslatedCycleMessage(const CycleMessage& message);

// "속도 (m/s)": the label with its unit, as a header or a caption shows it.
QString FieldCaption(const CycleFieldInfo& info, std::string_view unit);
// The field's tooltip: its caption, the range its check accepts (or that any number goes), and
// for the drive's figures that an empty field is a check not made.
QString FieldTip(const CycleFieldInfo& info, std::string_view unit);
// Why a value is not rated: the check's message, or that the text is no number.
QString MarkText(const FieldMark& mark);

}  // namespace brivane::ui
