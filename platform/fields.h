#pragma once

// The main window's text fields and buttons, by what they hold and do. Where each stands,
// its caption and its original control name (Text1 … Text50, Command1 … Command3) are in
// the layout table.
namespace cp {

enum class Field {
  TriangleCount,  // the number of triangles
  Orientation,    // how the chain is oriented
  Xa,             // the known points' coordinates
  Ya,
  Xb,
  Yb,
  StartAzimuth,  // T0, or the azimuth of A-B
  Q1,            // the orientation angles, or why each is not used
  Q2,
  Q3,
  SideHint,   // which side is asked for
  OddSide,    // the last radial side entered
  EvenSide,   // the last perimeter side entered
  PointHint,  // which point is named or shown
  PointName,  // the point named or shown
  PointX,     // the coordinates of the point shown
  PointY,
  Closure,            // w
  UnitWeightError,    // ms
  WeightReciprocalX,  // Px
  WeightReciprocalY,  // Py
  ErrorX,             // mx
  ErrorY,             // my
  PointError,         // md
};

enum class Command { Calculate, End, Print };

}  // namespace cp
