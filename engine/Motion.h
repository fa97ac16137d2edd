// The move the user describes, its input checks, the acceleration conversions, the duty-ratio
// formula and the load analysis of one motor. Pure functions of plain values.
//
// Every step is written in the precision it must run in: single precision (float) unless the
// comment says double; a different order or width changes the last digit the form shows.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "catalog/MotorCatalog.h"
#include "engine/Messages.h"

namespace brivane {

enum class AccelMode : std::int32_t { Gravity = 0, Time = 1 };

// Defaults are the main form's defaults.
struct MotionInput {
  float loadMass = 0.0f;        // kg
  std::int32_t distanceMm = 0;  // mm
  AccelMode accelMode = AccelMode::Gravity;
  float accelValue = 0.0f;    // g in Gravity mode, msec in Time mode
  float peakVelocity = 0.0f;  // m/s
  float dwellMs = 0.0f;       // msec
  float frictionCoefficient = 0.1f;
  float safetyFactor = 1.3f;
};

// The bounds of the input checks (ValidateMotionInput), also shown to the user beside the inputs.
// "above" means strictly greater, "at most" and "at least" include the bound.
inline constexpr float kMaxAccelG = 50.0f;                // g: above 0, at most this
inline constexpr float kMinSelectionAccelTimeMs = 10.0f;  // msec: at least this for the selection
inline constexpr float kMaxVelocity = 30.0f;              // m/s: above 0, at most this
inline constexpr float kMaxLoadMassKg = 3000.0f;          // kg: above 0, at most this
inline constexpr std::int32_t kMaxDistanceMm = 100000;    // mm: above 0, at most this
inline constexpr float kMaxFriction = 10.0f;              // 0 to this
inline constexpr float kMinSafetyFactor = 1.0f;           // this to kMaxSafetyFactor
inline constexpr float kMaxSafetyFactor = 20.0f;
inline constexpr float kMaxDwellMs = 10000000.0f;  // msec: 0 to this

struct DutyResult {
  float ratedDuty = 0.0f;  // percent
  float peakDuty = 0.0f;   // percent
};

struct DutyComputation {
  DutyResult duty;
  double accelThrust = 0.0;  // FaccD: thrust while accelerating, N, double precision
};

struct LoadAnalysis {
  float rmsThrust = 0.0f;      // N
  float peakThrust = 0.0f;     // N
  float accelTime = 0.0f;      // s, one ramp
  float constTime = 0.0f;      // s
  float totalTime = 0.0f;      // s, both ramps, constant phase and dwell
  float accelDistance = 0.0f;  // mm, one ramp
  float constDistance = 0.0f;  // mm
  float totalDistance = 0.0f;  // mm
  float ambientTemp = 20.0f;   // degC, typed by the user
  float coilTemp = 0.0f;       // degC
};

// How the acceleration time is tested in Time mode: the selection rejects times under 10 msec;
// the duty check only rejects times that give no finite acceleration (0 or below).
enum class AccelTimeCheck { Selection, DutyCheck };

// The message of the first failing input check, or nothing when the move is acceptable.
// A value that is not a number fails its check.
std::optional<Message> ValidateMotionInput(const MotionInput& in, AccelTimeCheck accelTimeCheck);

// Peak acceleration in g, as the duty formula takes it.
float AccelInG(const MotionInput& in);
// Acceleration time in msec, as the selection records it.
float AccelTimeMs(const MotionInput& in);
// Peak acceleration in m/s^2, as the load analysis takes it.
float AccelInMps2(const MotionInput& in);

// Rates one motor for the move with the RMS-thrust duty formula.
DutyComputation ComputeDuty(const MotionInput& in, float accelG, const MotorRecord& motor);

// The ambient-temperature text read as the C library's atof reads it; 0 for a text that is not
// a number or whose value is not a finite single-precision number. The form and the command line
// read the typed text with it once, where they build a request.
float ParseAmbientText(std::string_view text);

// The eight load-analysis values and the coil-temperature estimate of one motor.
LoadAnalysis AnalyseLoad(const MotionInput& in, const MotorRecord& motor, float ambientTemp);

// Whether the stroke is long enough for the peak velocity: the analysis's constant-velocity time
// and distance are not negative (exactly 0 passes). The duty check refuses a move that is not; the
// selection and the comparison rate it as it stands, with a negative constant-velocity time, that
// is with a profile the axis cannot run, and say so beside the numbers.
bool ReachesPeakVelocity(const LoadAnalysis& a);
// The same for the move itself: the times and distances do not depend on the motor.
bool ReachesPeakVelocity(const MotionInput& in);

}  // namespace brivane
