#include "engine/Motion.h"

#include <cmath>
#include <cstdint>

#include "engine/NumberText.h"

namespace brivane {
namespace {

constexpr double kGravity = 9.8;           // every conversion and the duty formula
constexpr double kGravityFriction = 9.81;  // only the friction force of the load analysis

// Written as "not inside" so that a value that is not a number fails too.
bool Within(float x, float lo, float hi) { return x >= lo && x <= hi; }

}  // namespace

std::optional<Message> ValidateMotionInput(const MotionInput& in, AccelTimeCheck accelTimeCheck) {
  if (in.accelMode == AccelMode::Time) {
    // The duty check has no 10 msec bound, but a time of 0 or below gives no finite acceleration.
    const bool ok =
        accelTimeCheck == AccelTimeCheck::Selection ? in.accelValue >= kMinSelectionAccelTimeMs : in.accelValue > 0.0f;
    if (!ok) return Message{MessageCode::AccelTime};
  } else if (!(in.accelValue > 0.0f && in.accelValue <= kMaxAccelG)) {
    return Message{MessageCode::AccelG};
  }
  if (!(in.peakVelocity > 0.0f && in.peakVelocity <= kMaxVelocity)) return Message{MessageCode::Velocity};
  if (!(in.loadMass > 0.0f && in.loadMass <= kMaxLoadMassKg)) return Message{MessageCode::Mass};
  // Taken as unsigned, every negative stroke is beyond the bound.
  if (in.distanceMm == 0 || static_cast<std::uint32_t>(in.distanceMm) > static_cast<std::uint32_t>(kMaxDistanceMm))
    return Message{MessageCode::Distance};
  if (!Within(in.frictionCoefficient, 0.0f, kMaxFriction)) return Message{MessageCode::Friction};
  if (!Within(in.safetyFactor, kMinSafetyFactor, kMaxSafetyFactor)) return Message{MessageCode::Safety};
  if (!Within(in.dwellMs, 0.0f, kMaxDwellMs)) return Message{MessageCode::Dwell};
  return std::nullopt;
}

float AccelInG(const MotionInput& in) {
  if (in.accelMode == AccelMode::Gravity) return in.accelValue;
  const float mps2 = in.peakVelocity / (in.accelValue / 1000.0f);
  return static_cast<float>(static_cast<double>(mps2) / kGravity);
}

float AccelTimeMs(const MotionInput& in) {
  if (in.accelMode == AccelMode::Time) return in.accelValue;
  return static_cast<float>(static_cast<double>(in.peakVelocity) / (static_cast<double>(in.accelValue) * kGravity) *
                            1000.0);
}

float AccelInMps2(const MotionInput& in) {
  if (in.accelMode == AccelMode::Gravity) return static_cast<float>(static_cast<double>(in.accelValue) * kGravity);
  return in.peakVelocity / (in.accelValue / 1000.0f);
}

DutyComputation ComputeDuty(const MotionInput& in, float accelG, const MotorRecord& motor) {
  const float mass = motor.moverMass + in.loadMass;
  const double weight = static_cast<double>(mass) * kGravity;
  // The normal force on the guide is the weight plus the motor's magnetic attraction.
  const float friction = static_cast<float>((weight + static_cast<double>(motor.attractionForce)) *
                                            static_cast<double>(in.frictionCoefficient));
  const double accelThrustD = weight * static_cast<double>(accelG) + static_cast<double>(friction);
  const float accelThrust = static_cast<float>(accelThrustD);
  const float decelThrust = accelThrust - (friction + friction);
  const float rampTime =
      static_cast<float>(static_cast<double>(in.peakVelocity) / (static_cast<double>(accelG) * kGravity));
  // Negative when the stroke is too short to reach the peak velocity; rated as it stands.
  const float constTime = (static_cast<float>(in.distanceMm) / 1000.0f) / in.peakVelocity - rampTime;
  const float numerator = (friction * friction) * constTime + (accelThrust * accelThrust) * rampTime +
                          (decelThrust * decelThrust) * rampTime;
  const float cycle = (rampTime + rampTime) + constTime + in.dwellMs / 1000.0f;
  const float meanSquare = static_cast<float>(static_cast<double>(numerator) / static_cast<double>(cycle));

  DutyComputation out;
  out.accelThrust = accelThrustD;
  out.duty.ratedDuty =
      static_cast<float>(std::sqrt(static_cast<double>(meanSquare)) / static_cast<double>(motor.ratedForce) * 100.0);
  // The safety factor acts on the peak ratio only.
  out.duty.peakDuty =
      static_cast<float>(static_cast<double>(in.safetyFactor) * accelThrustD) / motor.peakForce * 100.0f;
  return out;
}

float ParseAmbientText(std::string_view text) {
  const float t = static_cast<float>(ParseLeadingNumber(text));
  return std::isfinite(t) ? t : 0.0f;
}

namespace {

// The times and distances of the analysis, which depend on the move alone.
LoadAnalysis Kinematics(const MotionInput& in) {
  LoadAnalysis a;
  const float accel = AccelInMps2(in);
  const float v = in.peakVelocity;
  a.accelTime = v / accel;
  a.accelDistance = static_cast<float>(static_cast<double>(accel) * 0.5 * static_cast<double>(a.accelTime) *
                                       static_cast<double>(a.accelTime) * 1000.0);
  a.totalDistance = static_cast<float>(in.distanceMm);
  a.constDistance = a.totalDistance - (a.accelDistance + a.accelDistance);
  a.constTime = (a.constDistance / v) / 1000.0f;
  a.totalTime = (a.accelTime + a.accelTime) + a.constTime + in.dwellMs / 1000.0f;
  return a;
}

}  // namespace

bool ReachesPeakVelocity(const LoadAnalysis& a) { return !(a.constTime < 0.0f || a.constDistance < 0.0f); }

bool ReachesPeakVelocity(const MotionInput& in) { return ReachesPeakVelocity(Kinematics(in)); }

LoadAnalysis AnalyseLoad(const MotionInput& in, const MotorRecord& motor, float ambientTemp) {
  LoadAnalysis a = Kinematics(in);
  a.ambientTemp = ambientTemp;
  const float accel = AccelInMps2(in);

  const float mass = in.loadMass + motor.moverMass;
  const float friction =
      static_cast<float>((static_cast<double>(mass) * kGravityFriction + static_cast<double>(motor.attractionForce)) *
                         static_cast<double>(in.frictionCoefficient));
  a.peakThrust = mass * accel + friction;
  const float decelThrust = mass * accel - friction;
  const float sumOfSquares = (a.peakThrust * a.peakThrust) * a.accelTime + (friction * friction) * a.constTime +
                             (decelThrust * decelThrust) * a.accelTime;
  a.rmsThrust = static_cast<float>(std::sqrt(static_cast<double>(sumOfSquares / a.totalTime)));

  const float ratio = a.rmsThrust / ((motor.motorConstant * motor.ratedForce) / motor.peakForce);
  a.coilTemp = ratio * ratio * motor.thermalCoefficient + a.ambientTemp;
  return a;
}

}  // namespace brivane
