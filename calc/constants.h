#pragma once

// The constants of the computation. The program's pi has ten decimals on purpose:
// every conversion between degrees and radians uses it, in both directions, so that
// the two conversions agree with each other (arctan(1) reads 45.0000000013 degrees).
namespace cp {

inline constexpr double kPi = 3.1415926535;
inline constexpr double kDegree = kPi / 180;  // radians per degree
inline constexpr int kRho = 206265;           // seconds of arc per radian

inline constexpr double kQuarterTurn = 90;        // degrees
inline constexpr double kHalfTurn = 180;          // degrees
inline constexpr double kThreeQuarterTurn = 270;  // degrees
inline constexpr double kFullTurn = 360;          // degrees
inline constexpr double kMinutesPerDegree = 60;   // and seconds per minute
inline constexpr double kSecondsPerDegree = 3600;
inline constexpr double kMillimetresPerMetre = 1000;

}  // namespace cp
