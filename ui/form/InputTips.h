// The tooltips of the form's inputs: what each value is, its unit and the range the checks accept,
// with the bounds taken from the engine's checks.
#pragma once

namespace brivane::ui {

struct FormWidgets;

void SetInputTips(const FormWidgets& w);

}  // namespace brivane::ui
