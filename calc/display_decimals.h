#pragma once

// How many decimals each kind of value shows, in the window and in the report alike.
namespace cp::decimals {

inline constexpr int kCoordinate = 3;   // metres: Xa, X(k)
inline constexpr int kAngle = 5;        // decimal degrees or a DMS number: T0, Q1, Ta
inline constexpr int kSideEcho = 3;     // metres, a side as it is confirmed
inline constexpr int kReportSide = 4;   // metres, the sides in the report
inline constexpr int kClosure = 2;      // seconds of arc: w
inline constexpr int kWeight = 4;       // weight reciprocals: Px, Py
inline constexpr int kError = 2;        // millimetres: ms, mx, my, md
inline constexpr int kAxisAzimuth = 1;  // degrees: the azimuth of an error ellipse's axis
inline constexpr int kCorrelate = 8;    // K

}  // namespace cp::decimals
