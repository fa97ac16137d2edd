// brivane-cli envelope: the peak and continuous force-speed envelopes of one motor row at a bus
// voltage and a winding temperature (docs/cycle-model.md, "The force–speed envelope"), from 0 to
// the top speed, as a terminal table, CSV or JSON. Plain values in, no Qt, no option parser: a
// batch runs it in-process for any number of requests.
#pragma once

#include <cstddef>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "catalog/MotorCatalog.h"
#include "cli/EnglishTexts.h"
#include "cli/RankCommand.h"
#include "engine/Drive.h"

namespace brivane::cli {

inline constexpr std::size_t kDefaultEnvelopePoints = 21;
inline constexpr std::size_t kMinEnvelopePoints = 2;
inline constexpr std::size_t kMaxEnvelopePoints = 100000;
// The winding temperatures --coil-temp takes, degC.
inline constexpr double kMinWindingTemp = -50.0;
inline constexpr double kMaxWindingTemp = 250.0;

struct EnvelopeRequest {
  std::span<const MotorRecord> rows = MotorCatalog::Instance().Rows();  // the model is looked up here
  std::string model;                                                    // in any letter case
  double busVoltage = 0.0;                                              // V DC; the drive's check of it runs here
  std::size_t points = kDefaultEnvelopePoints;                          // speeds from 0 to the top speed, both included
  double coilTemp = kDefaultWindingTemp;                                // degC
  RankFormat format = RankFormat::Text;
  Language language = Language::Korean;  // of the text; CSV and JSON stay as they are
};

// Checks, computes and writes; returns the exit status: 0 written; 2 with the message for a bus
// voltage the drive's check refuses or a model that is not among the rows; 64 for a number of
// points or a winding temperature out of range.
int RunEnvelope(const EnvelopeRequest& request, std::ostream& out, std::ostream& err);

// The header of envelope --csv: speed, peak and continuous thrust.
const std::vector<std::string>& EnvelopeCsvHeader();

}  // namespace brivane::cli
