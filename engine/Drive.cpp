#include "engine/Drive.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace brivane {
namespace {

// sqrt(2) for the peak of the line-to-line voltage times sqrt(3) from line-to-neutral: what a bus
// of U_dc gives a phase under space-vector modulation is U_dc / sqrt(6) RMS.
constexpr double kSqrt6 = 2.449489742783178098197284;

}  // namespace

double HotResistance(const MotorRecord& row, double windingTemp) {
  return static_cast<double>(row.lineResistance) *
         (1.0 + kCopperTempCoefficient * (windingTemp - kCatalogResistanceTemp));
}

Winding WindingOf(const MotorRecord& row, double windingTemp) {
  Winding w;
  w.forceConstant = static_cast<double>(row.forceConstant);
  w.bemfConstant = static_cast<double>(row.bemfConstant);
  w.phaseResistance = HotResistance(row, windingTemp) / 2.0;
  w.phaseInductance = static_cast<double>(row.lineInductance) / 1000.0 / 2.0;
  w.radPerMetre = std::numbers::pi / (static_cast<double>(row.polePitch) / 1000.0);
  return w;
}

double SignedCurrent(const Winding& w, double velocity, double thrust) {
  if (velocity == 0.0) return std::fabs(thrust) / w.forceConstant;
  return (velocity > 0.0 ? thrust : -thrust) / w.forceConstant;
}

// The back-EMF and the resistive drop are in phase with the current, the inductive drop at right
// angles to it.
double PhaseVoltageSquared(const Winding& w, double speed, double signedCurrent) {
  const double inPhase = w.bemfConstant * speed + w.phaseResistance * signedCurrent;
  const double across = w.radPerMetre * speed * w.phaseInductance * std::fabs(signedCurrent);
  return inPhase * inPhase + across * across;
}

double BusVoltageOfPhase(double phaseVoltageSquared) { return kSqrt6 * std::sqrt(phaseVoltageSquared); }

double BusVoltageAt(const Winding& w, double velocity, double thrust) {
  return BusVoltageOfPhase(PhaseVoltageSquared(w, std::fabs(velocity), SignedCurrent(w, velocity, thrust)));
}

double TopSpeed(const Winding& w, double busVoltage) { return busVoltage / (kSqrt6 * w.bemfConstant); }

// (Ke v + r I)^2 + (x I)^2 <= W^2 with W the phase voltage the bus gives and x = omega L/2: the
// larger root in I, in the form that does not cancel (W^2 - (Ke v)^2 as a product).
double VoltageLimitedThrust(const Winding& w, double busVoltage, double speed) {
  const double top = TopSpeed(w, busVoltage);
  if (!(speed < top)) return 0.0;
  const double phase = busVoltage / kSqrt6;
  const double emf = w.bemfConstant * speed;
  const double spare = (phase - emf) * (phase + emf);
  const double r = w.phaseResistance;
  const double x = w.radPerMetre * speed * w.phaseInductance;
  const double current = spare / (emf * r + std::sqrt(r * r * phase * phase + x * x * spare));
  return w.forceConstant * current;
}

// (Ke^2 + (k L/2 I)^2) v^2 + 2 Ke r I v + (r I)^2 - W^2 = 0 for the speed v, k = pi / pole pitch:
// the positive root, again without cancellation.
double CornerSpeed(const Winding& w, double busVoltage, double thrust) {
  const double phase = busVoltage / kSqrt6;
  const double current = thrust / w.forceConstant;
  const double drop = w.phaseResistance * current;
  const double spare = (phase - drop) * (phase + drop);
  if (!(spare > 0.0)) return 0.0;
  const double inductive = w.radPerMetre * w.phaseInductance * current;
  const double a = w.bemfConstant * w.bemfConstant + inductive * inductive;
  const double half = w.bemfConstant * drop;
  return spare / (half + std::sqrt(half * half + a * spare));
}

EnvelopeSummary ForceSpeedEnvelope(const MotorRecord& row, double busVoltage, double windingTemp,
                                   std::span<EnvelopePoint> points) {
  const Winding w = WindingOf(row, windingTemp);
  const auto peak = static_cast<double>(row.peakForce);
  const auto rated = static_cast<double>(row.ratedForce);
  EnvelopeSummary summary;
  summary.topSpeed = TopSpeed(w, busVoltage);
  summary.peakCornerSpeed = CornerSpeed(w, busVoltage, peak);
  summary.continuousCornerSpeed = CornerSpeed(w, busVoltage, rated);
  if (points.size() < 2) return summary;
  const std::size_t last = points.size() - 1;
  for (std::size_t i = 0; i <= last; ++i) {
    // The last speed is the top speed itself, not what the division leaves of it.
    const double speed =
        i == last ? summary.topSpeed : summary.topSpeed * static_cast<double>(i) / static_cast<double>(last);
    const double thrust = VoltageLimitedThrust(w, busVoltage, speed);
    points[i] = {speed, std::min(thrust, peak), std::min(thrust, rated)};
  }
  return summary;
}

}  // namespace brivane
