// The axis design as a PDF: the axis, the drive and the limits, the cycle's segments as typed and
// as planned, the verdicts of the models that fit the duty limits, the chosen model's figures and
// its plots as vector graphics. From the window's file menu, and from a cycle file without a
// window (`brivane --export-axis-pdf OUT.pdf CYCLE-FILE`).
#pragma once

#include <QString>

#include "engine/AxisDesign.h"

namespace brivane::ui {

// Empty when written, else why not in the window's words.
QString WriteAxisPdf(const AxisDesign& design, const QString& title, const QString& path);

// `brivane --export-axis-pdf`: the cycle file's design with the built-in models, the first model
// that passes every check chosen. 0, or the exit codes of --export-pdf (kExportRefused for a file
// that cannot be read, kExportFailed when the PDF cannot be written).
int ExportCycleFileToPdf(const QString& cyclePath, const QString& pdfPath);

}  // namespace brivane::ui
