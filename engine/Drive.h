// A motor row as its drive sees it (docs/cycle-model.md, "The drive"): the DC bus voltage an
// operating point needs, the no-load top speed, and the force-speed envelope at a bus voltage and
// a winding temperature. Double precision, plain values, no Qt; nothing here allocates.
#pragma once

#include <cstddef>
#include <span>

#include "catalog/MotorCatalog.h"

namespace brivane {

// Copper's temperature coefficient of resistance (1/K), and the temperature the catalog gives the
// resistance at.
inline constexpr double kCopperTempCoefficient = 0.00393;
inline constexpr double kCatalogResistanceTemp = 20.0;

// The winding temperature the envelope takes when none is given, degC.
inline constexpr double kDefaultWindingTemp = 20.0;

// One row's winding at one temperature: the phase values of the catalog's line-to-line ones, SI.
struct Winding {
  double forceConstant = 0.0;    // Kf, N/Arms
  double bemfConstant = 0.0;     // Ke, Vrms per phase per m/s
  double phaseResistance = 0.0;  // R_hot / 2, ohm
  double phaseInductance = 0.0;  // L / 2, H
  double radPerMetre = 0.0;      // electrical angle per metre of travel: pi / pole pitch
};

// The line-to-line resistance at `windingTemp` degC: R (1 + 0.00393 (T - 20)).
double HotResistance(const MotorRecord& row, double windingTemp);
Winding WindingOf(const MotorRecord& row, double windingTemp);

// The signed current of an operating point, Arms: F sgn(v) / Kf, positive while motoring and
// negative while braking; |F| / Kf at rest.
double SignedCurrent(const Winding& w, double velocity, double thrust);

// The square of the phase voltage (Vrms) at a speed (|v|, m/s) with a signed current (Arms):
// (Ke |v| + R/2 I_s)^2 + (omega L/2 |I_s|)^2.
double PhaseVoltageSquared(const Winding& w, double speed, double signedCurrent);
// The DC bus voltage that gives a phase voltage of that square: sqrt(6) times its root.
double BusVoltageOfPhase(double phaseVoltageSquared);

// The DC bus voltage the drive needs at velocity v (m/s, signed) with thrust F (N, signed):
// sqrt(6) sqrt((Ke |v| + R/2 I_s)^2 + (omega L/2 I)^2).
double BusVoltageAt(const Winding& w, double velocity, double thrust);

// The speed at which the back-EMF alone takes the whole bus: U / (sqrt(6) Ke), m/s.
double TopSpeed(const Winding& w, double busVoltage);

// The largest motoring thrust within the bus at a speed (m/s, 0 or more), before any cap: 0 at and
// beyond the top speed.
double VoltageLimitedThrust(const Winding& w, double busVoltage, double speed);

// The speed up to which a motoring thrust (N, above 0) stays within the bus: 0 when not even
// standstill can drive its current, the top speed for no thrust.
double CornerSpeed(const Winding& w, double busVoltage, double thrust);

struct EnvelopePoint {
  double speed = 0.0;             // m/s
  double peakThrust = 0.0;        // N: the voltage-limited thrust capped by the peak force
  double continuousThrust = 0.0;  // N: the same capped by the rated force
};

struct EnvelopeSummary {
  double topSpeed = 0.0;               // m/s, where both envelopes reach 0
  double peakCornerSpeed = 0.0;        // m/s, up to which the whole peak force is there
  double continuousCornerSpeed = 0.0;  // m/s, up to which the whole rated force is there
};

// The peak and continuous force-speed envelopes of a row, motoring, at a bus voltage (V, above 0)
// and a winding temperature: `points` (two or more) filled at evenly spaced speeds from 0 to the
// top speed, the last at the top speed itself. Fewer than two points are left as they are.
EnvelopeSummary ForceSpeedEnvelope(const MotorRecord& row, double busVoltage, double windingTemp,
                                   std::span<EnvelopePoint> points);

}  // namespace brivane
