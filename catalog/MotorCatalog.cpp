#include "catalog/MotorCatalog.h"

#include <stdexcept>

namespace brivane {
namespace {

// Columns: series, offered, name, moverMass, ratedForce, attractionForce, seriesNumber{1,2,3},
// peakForce, ratedCurrent, peakCurrent, maxPower, polePitch, forceConstant, bemfConstant,
// motorConstant, electricalTimeConstant, lineResistance, lineInductance, thermalCoefficient.
// One row a line, as the catalog prints them.
// clang-format off
constexpr std::array<MotorRecord, MotorCatalog::kSize> kRows{{
    {1, 1, "CL-01", 0.25f, 24.7f, 0, {1, 0, 0}, 74.1f, 1.3f, 3.9f, 245.5f, 24.0f, 19.0f, 6.78f, 4.7f, 0.38f, 10.39f, 3.95f, 0.524f},
    {1, 1, "CL-02", 0.35f, 37.0f, 0, {2, 0, 0}, 111.1f, 1.3f, 3.9f, 245.5f, 24.0f, 28.46f, 10.17f, 7.1f, 0.38f, 15.59f, 5.93f, 0.47f},
    {1, 1, "CL-03", 0.45f, 49.4f, 0, {4, 0, 0}, 148.2f, 1.3f, 3.9f, 245.5f, 24.0f, 38.0f, 13.56f, 9.5f, 0.38f, 20.78f, 7.91f, 0.516f},
    {1, 1, "CL-04", 0.56f, 61.7f, 0, {5, 0, 0}, 185.2f, 1.3f, 3.9f, 245.5f, 24.0f, 47.46f, 16.95f, 11.8f, 0.38f, 25.98f, 9.89f, 0.508f},
    {1, 1, "CL-05", 0.4f, 45.2f, 0, {3, 0, 0}, 135.7f, 1.96f, 5.9f, 370.2f, 24.0f, 23.06f, 7.69f, 7.1f, 0.44f, 8.41f, 3.74f, 0.339f},
    {1, 1, "CL-06", 0.57f, 67.8f, 0, {6, 0, 0}, 203.5f, 1.96f, 5.9f, 370.2f, 24.0f, 34.59f, 11.54f, 10.6f, 0.44f, 12.65f, 5.61f, 0.331f},
    {1, 1, "CL-07", 0.73f, 90.5f, 0, {8, 0, 0}, 271.4f, 1.96f, 5.9f, 370.2f, 24.0f, 46.17f, 15.38f, 14.1f, 0.44f, 16.89f, 7.47f, 0.353f},
    {1, 1, "CL-08", 0.9f, 113.1f, 0, {9, 0, 0}, 339.2f, 1.96f, 5.9f, 370.2f, 24.0f, 57.7f, 19.23f, 17.6f, 0.44f, 21.13f, 9.34f, 0.363f},
    {1, 1, "CL-09", 0.6f, 83.3f, 0, {7, 0, 0}, 250.0f, 3.65f, 11.0f, 689.4f, 30.0f, 22.82f, 7.61f, 9.5f, 0.63f, 3.44f, 2.18f, 0.177f},
    {1, 1, "CL-10", 0.88f, 125.0f, 0, {10, 0, 0}, 374.9f, 3.65f, 11.0f, 689.4f, 30.0f, 34.25f, 11.41f, 14.3f, 0.65f, 5.02f, 3.28f, 0.181f},
    {1, 1, "CL-11", 1.16f, 166.6f, 0, {11, 0, 0}, 499.9f, 3.65f, 11.0f, 689.4f, 30.0f, 45.64f, 15.22f, 19.0f, 0.66f, 6.6f, 4.37f, 0.187f},
    {1, 1, "CL-12", 1.44f, 208.3f, 0, {13, 0, 0}, 624.9f, 3.65f, 11.0f, 689.4f, 30.0f, 57.07f, 19.02f, 23.8f, 0.67f, 8.18f, 5.46f, 0.179f},
    {1, 1, "CL-13", 1.3f, 188.5f, 0, {12, 0, 0}, 565.4f, 10.2f, 30.6f, 1926.5f, 42.0f, 18.48f, 5.56f, 12.9f, 1.18f, 0.92f, 1.09f, 0.064f},
    {1, 1, "CL-14", 1.89f, 282.7f, 0, {14, 0, 0}, 848.2f, 10.2f, 30.6f, 1926.5f, 42.0f, 27.72f, 8.34f, 19.3f, 1.2f, 1.36f, 1.63f, 0.06f},
    {1, 1, "CL-15", 2.48f, 377.0f, 0, {16, 0, 0}, 1130.9f, 10.2f, 30.6f, 1926.5f, 42.0f, 36.96f, 11.12f, 25.8f, 1.21f, 1.8f, 2.18f, 0.065f},
    {1, 1, "CL-16", 3.07f, 471.2f, 0, {17, 0, 0}, 1413.6f, 10.2f, 30.6f, 1926.5f, 42.0f, 46.2f, 13.9f, 32.2f, 1.21f, 2.24f, 2.72f, 0.064f},
    {1, 1, "CL-17", 1.8f, 300.9f, 0, {15, 0, 0}, 902.8f, 13.9f, 41.6f, 2625.3f, 84.0f, 21.65f, 7.29f, 17.6f, 3.69f, 0.52f, 1.92f, 0.047f},
    {1, 1, "CL-18", 3.5f, 610.9f, 0, {18, 0, 0}, 1805.6f, 13.9f, 41.6f, 2625.3f, 84.0f, 43.95f, 14.58f, 35.2f, 3.66f, 1.05f, 3.84f, 0.044f},
    {1, 1, "CL-19", 4.7f, 902.8f, 0, {19, 0, 0}, 2708.5f, 13.9f, 41.6f, 2625.3f, 84.0f, 64.95f, 21.87f, 52.9f, 3.66f, 1.57f, 5.75f, 0.046f},
    {1, 1, "CL-20", 6.3f, 1203.8f, 0, {20, 0, 0}, 3611.3f, 13.9f, 41.6f, 2625.3f, 84.0f, 86.6f, 29.16f, 70.5f, 3.67f, 2.09f, 7.67f, 0.046f},
    {1, 1, "CL-21", 5.6f, 1000.0f, 0, {21, 0, 0}, 3000.0f, 11.0f, 33.0f, 2419.7f, 84.0f, 90.9f, 30.3f, 65.52f, 3.38f, 2.4f, 8.1f, 0.067f},
    {1, 1, "CL-22", 8.3f, 1500.0f, 0, {22, 0, 0}, 4500.0f, 16.5f, 49.5f, 3639.0f, 84.0f, 90.9f, 30.3f, 80.25f, 3.38f, 1.6f, 5.4f, 0.045f},
    {1, 1, "CL-23", 11.0f, 2000.0f, 0, {23, 0, 0}, 6000.0f, 22.0f, 66.0f, 4839.3f, 84.0f, 90.9f, 30.3f, 92.68f, 3.38f, 1.2f, 4.05f, 0.033f},
    {2, 1, "IC-01", 0.17f, 12.8f, 70, {0, 1, 0}, 38.4f, 1.35f, 4.05f, 257.2f, 15.0f, 9.48f, 3.16f, 2.39f, 2.23f, 3.14f, 7.0f, 0.428f},
    {2, 1, "IC-02", 0.22f, 18.8f, 100, {0, 2, 0}, 56.4f, 1.3f, 3.9f, 247.7f, 18.0f, 14.46f, 4.94f, 3.6f, 2.4f, 4.67f, 11.2f, 0.524f},
    {2, 1, "IC-03", 0.41f, 38.0f, 200, {0, 3, 0}, 114.0f, 1.3f, 3.9f, 247.7f, 18.0f, 29.23f, 9.91f, 7.24f, 2.48f, 9.18f, 22.77f, 0.47f},
    {2, 1, "IC-04", 0.6f, 56.8f, 300, {0, 5, 0}, 170.5f, 1.3f, 3.9f, 247.7f, 18.0f, 43.69f, 14.74f, 10.9f, 2.48f, 13.77f, 34.2f, 0.52f},
    {2, 1, "IC-05", 0.76f, 75.2f, 400, {0, 6, 0}, 225.7f, 1.3f, 3.9f, 247.7f, 18.0f, 57.85f, 19.44f, 14.4f, 2.51f, 18.1f, 45.49f, 0.51f},
    {2, 1, "IC-06", 0.38f, 42.1f, 210, {0, 4, 0}, 126.3f, 2.0f, 6.0f, 381.1f, 24.0f, 21.05f, 7.12f, 6.5f, 3.41f, 3.86f, 13.15f, 0.332f},
    {2, 1, "IC-07", 0.69f, 84.5f, 410, {0, 8, 0}, 253.5f, 2.0f, 6.0f, 381.1f, 24.0f, 42.25f, 14.14f, 13.0f, 3.52f, 7.63f, 26.89f, 0.324f},
    {2, 1, "IC-08", 1.0f, 125.1f, 610, {0, 9, 0}, 375.3f, 2.0f, 6.0f, 381.1f, 24.0f, 62.55f, 21.04f, 19.3f, 3.54f, 11.4f, 40.36f, 0.346f},
    {2, 1, "IC-09", 1.31f, 166.7f, 810, {0, 12, 0}, 500.1f, 2.0f, 6.0f, 381.1f, 24.0f, 83.35f, 27.97f, 25.7f, 3.53f, 15.25f, 53.8f, 0.356f},
    {2, 1, "IC-10", 0.63f, 78.3f, 390, {0, 7, 0}, 234.9f, 3.8f, 11.4f, 717.7f, 30.0f, 20.61f, 7.01f, 8.8f, 4.71f, 7.68f, 20.61f, 0.17f},
    {2, 1, "IC-11", 1.18f, 157.4f, 770, {0, 10, 0}, 472.2f, 3.8f, 11.4f, 717.7f, 30.0f, 41.42f, 13.95f, 17.6f, 4.69f, 3.28f, 15.38f, 0.174f},
    {2, 1, "IC-12", 1.73f, 236.2f, 1160, {0, 13, 0}, 708.6f, 3.8f, 11.4f, 717.7f, 30.0f, 62.16f, 20.8f, 26.5f, 4.57f, 5.03f, 23.01f, 0.18f},
    {2, 1, "IC-13", 2.27f, 315.3f, 1540, {0, 14, 0}, 945.9f, 3.8f, 11.4f, 717.7f, 30.0f, 82.97f, 27.68f, 35.3f, 4.59f, 6.68f, 30.65f, 0.172f},
    {2, 1, "IC-14", 3.8f, 519.5f, 1540, {0, 18, 0}, 1125.8f, 6.4f, 13.8f, 1219.4f, 30.0f, 82.5f, 27.5f, 32.24f, 8.67f, 4.3f, 37.3f, 0.105f},
    {2, 1, "IC-15", 5.56f, 643.0f, 1600, {0, 20, 0}, 1290.0f, 5.7f, 11.4f, 1086.0f, 30.0f, 112.95f, 37.65f, 39.14f, 10.51f, 5.9f, 62.0f, 0.118f},
    {2, 1, "IC-16", 6.68f, 718.5f, 1600, {0, 21, 0}, 2155.5f, 6.4f, 19.1f, 1208.8f, 42.0f, 112.27f, 37.65f, 62.0f, 11.86f, 5.9f, 62.0f, 0.103f},
    {2, 1, "IC-17", 2.47f, 162.6f, 690, {0, 11, 0}, 487.8f, 6.4f, 19.2f, 1208.8f, 42.0f, 25.41f, 8.4f, 14.0f, 6.43f, 1.18f, 7.59f, 0.102f},
    {2, 1, "IC-18", 4.27f, 319.3f, 1380, {0, 15, 0}, 957.9f, 6.4f, 19.2f, 1208.8f, 42.0f, 49.89f, 16.6f, 27.6f, 6.39f, 2.36f, 15.08f, 0.096f},
    {2, 1, "IC-19", 6.07f, 480.5f, 2070, {0, 17, 0}, 1441.5f, 6.4f, 19.2f, 1208.8f, 42.0f, 75.08f, 24.88f, 41.5f, 6.38f, 3.54f, 22.59f, 0.104f},
    {2, 1, "IC-20", 7.87f, 639.3f, 2760, {0, 19, 0}, 1917.9f, 6.4f, 19.2f, 1208.8f, 42.0f, 99.89f, 33.13f, 55.2f, 6.36f, 4.72f, 30.03f, 0.102f},
    {2, 1, "IC-21", 10.87f, 910.5f, 3225, {0, 23, 0}, 2731.4f, 12.4f, 37.2f, 2342.0f, 60.0f, 73.4f, 24.5f, 56.4f, 9.13f, 1.62f, 14.79f, 0.054f},
    {2, 1, "IC-22", 5.3f, 401.8f, 1750, {0, 16, 0}, 1205.4f, 11.3f, 33.9f, 2134.2f, 60.0f, 35.56f, 11.86f, 26.1f, 8.06f, 1.02f, 8.22f, 0.058f},
    {2, 1, "IC-23", 9.8f, 822.6f, 3500, {0, 22, 0}, 2467.7f, 11.3f, 33.9f, 2134.2f, 60.0f, 72.9f, 24.49f, 53.4f, 8.21f, 2.04f, 16.74f, 0.054f},
    {2, 1, "IC-24", 14.4f, 1231.6f, 5250, {0, 24, 0}, 3694.7f, 11.3f, 33.9f, 2134.2f, 60.0f, 108.99f, 36.38f, 79.6f, 8.22f, 3.05f, 25.06f, 0.06f},
    {2, 1, "IC-25", 18.9f, 1638.0f, 7000, {0, 25, 0}, 4915.0f, 11.3f, 33.9f, 2134.2f, 60.0f, 145.0f, 48.0f, 105.9f, 15.5f, 3.26f, 23.13f, 0.06f},
    {3, 1, "VC-01", 0.23f, 20.0f, 70, {0, 0, 1}, 55.0f, 1.5f, 4.5f, 285.8f, 18.0f, 15.0f, 5.0f, 3.25f, 2.0f, 4.6f, 9.2f, 0.385f},
    {3, 1, "VC-02", 0.4f, 40.0f, 135, {0, 0, 2}, 105.0f, 1.5f, 4.5f, 285.8f, 18.0f, 29.0f, 9.7f, 6.2f, 2.1f, 9.1f, 19.5f, 0.367f},
    {3, 1, "VC-03", 0.57f, 60.0f, 205, {0, 0, 4}, 155.0f, 1.5f, 4.5f, 285.8f, 18.0f, 44.1f, 14.7f, 9.1f, 2.15f, 13.75f, 29.5f, 0.378f},
    {3, 1, "VC-04", 0.74f, 80.0f, 270, {0, 0, 5}, 205.0f, 1.5f, 4.5f, 285.8f, 18.0f, 56.8f, 18.9f, 12.12f, 2.19f, 18.38f, 40.2f, 0.374f},
    {3, 1, "VC-05", 0.45f, 55.0f, 200, {0, 0, 3}, 150.0f, 2.3f, 6.9f, 438.2f, 30.0f, 24.8f, 8.3f, 7.1f, 3.44f, 4.37f, 15.05f, 0.256f},
    {3, 1, "VC-06", 0.88f, 110.0f, 400, {0, 0, 7}, 295.0f, 2.3f, 6.9f, 438.2f, 30.0f, 49.8f, 16.6f, 14.1f, 3.44f, 8.8f, 30.33f, 0.246f},
    {3, 1, "VC-07", 1.21f, 160.0f, 610, {0, 0, 9}, 440.0f, 2.3f, 6.9f, 438.2f, 30.0f, 75.2f, 25.1f, 21.0f, 3.04f, 13.02f, 39.57f, 0.258f},
    {3, 1, "VC-08", 1.64f, 215.0f, 810, {0, 0, 10}, 580.0f, 2.3f, 6.9f, 438.2f, 30.0f, 97.3f, 32.4f, 27.7f, 3.56f, 17.34f, 61.7f, 0.262f},
    {3, 1, "VC-09", 0.68f, 80.0f, 360, {0, 0, 6}, 230.0f, 3.8f, 11.4f, 724.0f, 30.0f, 21.2f, 7.0f, 8.5f, 3.32f, 1.85f, 6.14f, 0.153f},
    {3, 1, "VC-10", 1.27f, 155.0f, 710, {0, 0, 8}, 445.0f, 3.8f, 11.4f, 724.0f, 30.0f, 43.5f, 14.5f, 16.53f, 3.72f, 3.51f, 13.04f, 0.156f},
    {3, 1, "VC-11", 1.86f, 235.0f, 1070, {0, 0, 11}, 675.0f, 3.8f, 11.4f, 724.0f, 30.0f, 63.0f, 21.0f, 25.08f, 3.74f, 5.31f, 19.84f, 0.173f},
    {3, 1, "VC-12", 2.49f, 315.0f, 1430, {0, 0, 12}, 885.0f, 3.8f, 11.4f, 724.0f, 30.0f, 79.3f, 26.4f, 32.89f, 3.84f, 6.92f, 26.56f, 0.166f},
    {3, 1, "VC-13", 4.65f, 360.0f, 1430, {0, 0, 13}, 1015.0f, 6.7f, 20.1f, 1276.5f, 60.0f, 54.3f, 18.1f, 28.4f, 5.8f, 2.77f, 14.07f, 0.094f},
    {3, 1, "VC-14", 6.86f, 530.0f, 2140, {0, 0, 14}, 1500.0f, 6.7f, 20.1f, 1276.5f, 60.0f, 79.5f, 26.5f, 41.98f, 5.44f, 3.94f, 21.43f, 0.099f},
    {3, 1, "VC-15", 9.08f, 700.0f, 2850, {0, 0, 15}, 2000.0f, 6.7f, 20.1f, 1276.5f, 60.0f, 105.7f, 35.0f, 55.98f, 5.57f, 5.2f, 28.94f, 0.096f},
    {3, 1, "VC-16", 8.2f, 770.0f, 3090, {0, 0, 16}, 2165.0f, 10.0f, 30.0f, 1905.3f, 60.0f, 77.5f, 25.8f, 49.6f, 7.52f, 1.78f, 13.39f, 0.067f},
    {3, 1, "VC-17", 12.2f, 1125.0f, 4630, {0, 0, 17}, 3185.0f, 10.0f, 30.0f, 1905.3f, 60.0f, 113.5f, 37.8f, 72.97f, 9.82f, 2.6f, 20.33f, 0.064f},
    {3, 1, "VC-18", 16.15f, 1500.0f, 6180, {0, 0, 18}, 4300.0f, 10.0f, 30.0f, 1905.3f, 60.0f, 155.6f, 51.9f, 98.51f, 7.57f, 3.62f, 27.4f, 0.07f},
    {3, 1, "VC-19", 20.2f, 1895.0f, 7000, {0, 0, 19}, 5685.0f, 13.3f, 39.9f, 3810.5f, 60.0f, 142.5f, 47.5f, 112.93f, 7.92f, 2.4f, 19.0f, 0.05f},
    {3, 1, "VC-20", 24.2f, 2200.0f, 8000, {0, 0, 20}, 6600.0f, 19.3f, 57.9f, 3810.5f, 60.0f, 113.99f, 38.0f, 108.84f, 7.82f, 1.3f, 10.17f, 0.034f},
    {3, 1, "VC-21", 34.2f, 2635.0f, 0, {0, 0, 21}, 7905.0f, 22.6f, 67.8f, 4305.9f, 60.0f, 116.52f, 38.84f, 120.47f, 9.0f, 1.5f, 13.5f, 0.029f},
}};
// clang-format on

constexpr bool RowsAreConsistent() {
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    const MotorRecord& r = kRows[i];
    const std::int32_t expected = i < kSeriesTable[1].firstIndex ? 1 : (i < kSeriesTable[2].firstIndex ? 2 : 3);
    if (r.series != expected || r.offered != 1 || r.user || !r.family.empty()) return false;
    int nonZero = 0;
    for (std::size_t s = 0; s < 3; ++s) nonZero += r.seriesNumber[s] != 0 ? 1 : 0;
    if (nonZero != 1 || r.Number() < 1) return false;
  }
  return true;
}
static_assert(kSeriesTable[2].firstIndex + static_cast<std::size_t>(kSeriesTable[2].size) == kRows.size() &&
                  kSeriesTable[1].firstIndex == static_cast<std::size_t>(kSeriesTable[0].size) &&
                  kSeriesTable[2].firstIndex ==
                      kSeriesTable[1].firstIndex + static_cast<std::size_t>(kSeriesTable[1].size),
              "the series table does not cover the motor table");
static_assert(RowsAreConsistent(), "series, offered, series number or user mark out of place in the motor table");

}  // namespace

const MotorCatalog& MotorCatalog::Instance() {
  static const MotorCatalog catalog;
  return catalog;
}

const MotorRecord& MotorCatalog::at(std::size_t index) const {
  if (index >= kRows.size()) throw std::out_of_range("motor catalog index");
  return kRows[index];
}

std::span<const MotorRecord> MotorCatalog::Rows() const { return kRows; }

IndexRange MotorCatalog::SeriesRange(MotorSeries s) {
  if (SeriesSlot(s) >= kSeriesTable.size()) return {1, 0};  // empty for a code that is no series
  const SeriesInfo& info = InfoOf(s);
  return {info.firstIndex, info.firstIndex + static_cast<std::size_t>(info.size) - 1};
}

std::int32_t MotorCatalog::SeriesCount(MotorSeries s) {
  return SeriesSlot(s) < kSeriesTable.size() ? InfoOf(s).size : 0;
}

std::optional<std::size_t> MotorCatalog::FindBySeriesNumber(MotorSeries s, std::int32_t number) const {
  const auto slot = static_cast<std::size_t>(s) - 1;
  if (number < 1 || slot > 2) return std::nullopt;
  for (std::size_t i = 0; i < kRows.size(); ++i)
    if (kRows[i].seriesNumber[slot] == number) return i;
  return std::nullopt;
}

std::optional<std::size_t> MotorCatalog::FindByName(std::string_view name) const { return FindRowByName(kRows, name); }

std::optional<std::size_t> FindRowByName(std::span<const MotorRecord> rows, std::string_view name) {
  for (std::size_t i = 0; i < rows.size(); ++i)
    if (rows[i].name == name) return i;
  return std::nullopt;
}

std::optional<std::size_t> FindModelIgnoringCase(std::span<const MotorRecord> rows, std::string_view name) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  const auto same = [&](std::string_view a) {
    if (a.size() != name.size() || name.empty()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
      if (lower(a[i]) != lower(name[i])) return false;
    return true;
  };
  for (std::size_t i = 0; i < rows.size(); ++i)
    if (same(rows[i].name)) return i;
  return std::nullopt;
}

std::vector<std::string_view> MotorCatalog::Names() const {
  std::vector<std::string_view> names;
  names.reserve(kRows.size());
  for (const MotorRecord& r : kRows) names.push_back(r.name);
  return names;
}

}  // namespace brivane
