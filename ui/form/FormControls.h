// The main form's control ids: the numeric id of each of its widgets, by object name.
#pragma once

#include <QLatin1String>

namespace brivane::ui {

// The id of the form's widget named `objectName`; a name without one is a mistake of the form's
// builder (an assertion in a debug build, -1 otherwise).
int FormControlId(QLatin1String objectName);

}  // namespace brivane::ui
