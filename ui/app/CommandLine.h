// The window program's own arguments, answered where they can be before the application exists
// (a display is then not needed): --version, --help, and the check that there is a display to
// show the window on.
#pragma once

#include <QStringList>

#include <optional>

namespace brivane::ui {

inline constexpr int kNoDisplay = 1;  // no display for the window (the man page's "could not be opened")

// What `brivane --help` prints, and what a usage error points to.
extern const char* const kUsage;

// The exit status when the arguments are answered without a window: --version and --help (0),
// or no display to open the window on (kNoDisplay, said on stderr with what runs without one).
// `arguments` are the program's without its name, `--lang` taken out.
std::optional<int> AnswerBeforeApplication(const QStringList& arguments);

// After Qt has taken its own options: an option left is none of ours (64, said on stderr).
// Whether the arguments ask for a PDF without a window (--export-pdf, --export-axis-pdf).
bool IsExport(const QStringList& arguments);

std::optional<int> RefuseUnknownOptions(const QStringList& arguments);

}  // namespace brivane::ui
