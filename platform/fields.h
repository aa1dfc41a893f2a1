#pragma once

// The names of the main window's text fields, as the window and the dialogue know them.
namespace cp::field {

inline constexpr const char* Text1 = "Text1";    // how the chain is oriented
inline constexpr const char* Text2 = "Text2";    // Xa
inline constexpr const char* Text3 = "Text3";    // Ya
inline constexpr const char* Text4 = "Text4";    // Xb
inline constexpr const char* Text5 = "Text5";    // Yb
inline constexpr const char* Text6 = "Text6";    // T0, or the azimuth of A-B
inline constexpr const char* Text7 = "Text7";    // Q1
inline constexpr const char* Text8 = "Text8";    // side hint
inline constexpr const char* Text9 = "Text9";    // point name
inline constexpr const char* Text10 = "Text10";  // X of the point shown
inline constexpr const char* Text11 = "Text11";  // Y of the point shown
inline constexpr const char* Text12 = "Text12";  // closure w
inline constexpr const char* Text13 = "Text13";  // ms
inline constexpr const char* Text14 = "Text14";  // Px
inline constexpr const char* Text15 = "Text15";  // Py
inline constexpr const char* Text16 = "Text16";  // mx
inline constexpr const char* Text17 = "Text17";  // my
inline constexpr const char* Text18 = "Text18";  // md
inline constexpr const char* Text19 = "Text19";  // last odd side entered
inline constexpr const char* Text20 = "Text20";  // last even side entered
inline constexpr const char* Text21 = "Text21";  // point hint
inline constexpr const char* Text22 = "Text22";  // Q2
inline constexpr const char* Text23 = "Text23";  // Q3
inline constexpr const char* Text50 = "Text50";  // number of triangles

}  // namespace cp::field
