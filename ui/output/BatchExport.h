// The PDF report of a move file made without a window (`brivane --export-pdf`): the move file's
// values in a session of their own, its selection and duty check run as the form's buttons run
// them, and the PDF the file menu writes of that session.
#pragma once

#include <QString>

namespace brivane::ui {

// Exit statuses besides 0.
inline constexpr int kExportRefused = 64;  // the move file could not be read or was refused
inline constexpr int kExportFailed = 1;    // the selection or the duty check stopped on a message, or the write failed

// Opens the move file, runs the selection and, when the file names a model, the duty check, then
// writes the PDF. Every message the window would show goes to stderr.
// A message of the window as lines on stderr, each "brivane: " and the line with its control
// characters made visible (a path from a file or the command line must not drive the terminal).
void SayOnStderr(const QString& text);

int ExportMoveFileToPdf(const QString& movePath, const QString& pdfPath);

}  // namespace brivane::ui
