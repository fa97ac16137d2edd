// Random cycles for the suites that check the cycle model against its formulas: moves of every
// profile kind in both directions, dwells, inclined and vertical axes, process forces.
#pragma once

#include <cmath>
#include <cstddef>
#include <random>

#include "engine/Cycle.h"

namespace brivane::test {

struct Random {
  std::mt19937_64 engine;
  double Uniform(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(engine); }
  bool Chance(double p) { return std::bernoulli_distribution(p)(engine); }
  std::size_t Below(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(engine); }
};

// Moves of every kind: short strokes give triangles and lowered S-curves, jerks on either side of
// a^2/v give S-curves that reach their acceleration or not, in both directions.
inline CycleSegment RandomMove(Random& r) {
  CycleSegment s;
  s.distanceMm = (r.Chance(0.5) ? 1 : -1) * (r.Chance(0.4) ? r.Uniform(0.5, 20) : r.Uniform(20, 1500));
  s.velocity = r.Uniform(0.05, 5);
  s.accel = r.Uniform(0.5, 60);
  s.decel = r.Chance(0.5) ? s.accel : r.Uniform(0.5, 60);
  s.jerk = r.Chance(0.4) ? 0.0 : std::pow(10.0, r.Uniform(0, 4));
  s.payload = r.Chance(0.3) ? 0.0 : r.Uniform(0.1, 40);
  s.force = r.Chance(0.5) ? 0.0 : r.Uniform(-300, 300);
  s.forceDuring = r.Chance(0.5) ? ForceDuring::Move : ForceDuring::Constant;
  return s;
}

inline Cycle RandomCycle(Random& r) {
  Cycle c;
  const double angles[] = {0, 90, -90, 30, r.Uniform(-90, 90)};
  c.axis = {angles[r.Below(5)], r.Uniform(0, 0.5),  r.Uniform(0, 20),
            r.Uniform(0, 2),    r.Uniform(-50, 50), r.Uniform(1, 2)};
  const std::size_t n = 1 + r.Below(6);
  for (std::size_t i = 0; i < n; ++i) {
    if (i > 0 && r.Chance(0.3)) {
      CycleSegment d;
      d.type = SegmentType::Dwell;
      d.timeMs = r.Uniform(1, 500);
      d.payload = r.Chance(0.3) ? 0.0 : r.Uniform(0.1, 40);
      d.force = r.Chance(0.5) ? 0.0 : r.Uniform(-300, 300);
      c.segments.push_back(d);
    } else {
      c.segments.push_back(RandomMove(r));
    }
  }
  return c;
}

}  // namespace brivane::test
