// What the window program sets up once, right after creating its QApplication.
#pragma once

#include <QStringList>

namespace brivane::ui {

// Numbers in the C locale for the C library, the application's name, desktop entry, icon and font.
void SetUpApplication();

// The settings files QSettings would read for this application (the user's and the system's,
// the application's and the organisation's) that are not regular files, each with why; QSettings
// would block for ever on a named pipe and read a device without end.
QStringList UnusableSettingsFiles();

// When a settings file is unusable: says so on stderr, naming it, and points QSettings at an empty
// folder of this run, so that nothing is read and nothing remembered. Call before any QSettings.
void AvoidUnusableSettings();

}  // namespace brivane::ui
