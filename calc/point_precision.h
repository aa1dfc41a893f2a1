#pragma once

#include <vector>

#include "precision.h"
#include "session.h"

// The precision of every point of the adjusted network, from the same exact rows as the
// evaluated point: for point k with rows fx, fy and the condition row a,
//   Qxx = [fx fx] - [a fx]^2 / [aa],  Qyy = [fy fy] - [a fy]^2 / [aa],
//   Qxy = [fx fy] - [a fx][a fy] / [aa],
// then mx = ms sqrt(Qxx), my = ms sqrt(Qyy), md = sqrt(mx^2 + my^2) and the standard
// error ellipse from the eigenvalues of Q, all in double.
namespace cp {

// The standard error ellipse of the cofactors Qxx, Qyy, Qxy, its semi-axes scaled by
// `scale`: E >= F, E's axis at phi degrees from x toward y, 0 <= phi < 180. A minor
// cofactor below zero by more than rounding of sums of about `size` is a fault of k.
struct ErrorEllipse {
  double E = 0;
  double F = 0;
  double phi = 0;
};
ErrorEllipse error_ellipse(double Qxx, double Qyy, double Qxy, double scale, double size, int k);

// The precision of point k from the bracket table of its rows, with ms in millimetres.
PointPrecision point_precision(const BracketTable& Q, double ms, int k);

// Points 0..last; the first (A) and the last (B, or A again) are known. A cofactor that
// comes out negative beyond rounding, more than 1e-12 of its [ff], is a fault.
std::vector<PointPrecision> every_point_precision(const CoordinateRows& rows,
                                                  const std::vector<double>& a, float ms, int last);

}  // namespace cp
