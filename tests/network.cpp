#include "network.h"

#include <cmath>

#include "constants.h"
#include "dms.h"
#include "known_side.h"
#include "number_text.h"

namespace cp::testing_support {
namespace {

constexpr double kTruePi = 3.14159265358979323846;

double distance(Point a, Point b) { return std::hypot(b.X - a.X, b.Y - a.Y); }

// Azimuth from a to b in true degrees, 0 to 360.
double azimuth(Point a, Point b) {
  double t = std::atan2(b.Y - a.Y, b.X - a.X) * 180 / kTruePi;
  return t < 0 ? t + 360 : t;
}

Point rotated_about(Point p, Point origin, double degrees) {
  const double r = degrees * kTruePi / 180;
  const double dx = p.X - origin.X;
  const double dy = p.Y - origin.Y;
  return {origin.X + dx * std::cos(r) - dy * std::sin(r),
          origin.Y + dx * std::sin(r) + dy * std::cos(r)};
}

bool known_side_case(Case c) { return c == Case::BOnRing || c == Case::BAtCentre; }

}  // namespace

const char* case_name(Case c) {
  switch (c) {
    case Case::BOnRing: return "m1";
    case Case::BAtCentre: return "m2";
    case Case::Q1: return "Q1";
    case Case::Q2: return "Q2";
    case Case::Q3: return "Q3";
  }
  return "?";
}

std::string number(double value) { return shortest_text(value); }

TrueNetwork make_network(int N, Case c, std::mt19937& random, double min_radius,
                         double max_radius) {
  std::uniform_real_distribution<double> radius(min_radius, max_radius);
  std::uniform_real_distribution<double> spread(0.7, 1.3);
  std::uniform_real_distribution<double> grid(200000, 800000);
  TrueNetwork net;
  net.N = N;
  net.centre = {grid(random), grid(random)};

  std::vector<double> steps(N);
  double total = 0;
  for (auto& step : steps) total += (step = spread(random));
  double bearing = std::uniform_real_distribution<double>(0, 360)(random);
  for (int k = 0; k < N; ++k) {
    const double r = radius(random);
    const double t = bearing * kTruePi / 180;
    net.ring.push_back({net.centre.X + r * std::cos(t), net.centre.Y + r * std::sin(t)});
    bearing += steps[k] / total * 360;  // clockwise: the azimuth from the centre grows
  }

  if (!known_side_case(c)) {
    // Turn the figure about A so that T0 + Q is exactly the direction Q is measured to.
    net.T0_dms = 123.4530;
    net.Q_dms = 35.3015;
    const Point A = net.ring[0];
    const Point target = c == Case::Q1 ? net.ring[1] : c == Case::Q2 ? net.centre : net.ring[N - 1];
    const double wanted = dms_to_degrees(net.T0_dms) + dms_to_degrees(net.Q_dms);
    const double turn = wanted - azimuth(A, target);
    for (auto& p : net.ring) p = rotated_about(p, A, turn);
    net.centre = rotated_about(net.centre, A, turn);
  }

  net.sides.assign(2 * N + 2, 0.0);
  for (int i = 1; i <= N; ++i) {
    net.sides[2 * i - 1] = distance(net.centre, net.ring[i - 1]);
    net.sides[2 * i] = distance(net.ring[i - 1], net.ring[i % N]);
  }
  net.sides[2 * N + 1] = net.sides[1];
  return net;
}

Point true_point(const TrueNetwork& net, Case c, int k) {
  const int N = net.N;
  switch (c) {
    case Case::BOnRing:
      if (k <= N - 2) return net.ring[k];
      return k == N - 1 ? net.centre : net.ring[N - 1];
    case Case::BAtCentre: return k <= N - 1 ? net.ring[k] : net.centre;
    default:
      if (k <= N - 1) return net.ring[k];
      return k == N ? net.centre : net.ring[0];
  }
}

std::vector<std::string> answers_for(const TrueNetwork& net, Case c,
                                     const std::vector<double>& errors) {
  const int N = net.N;
  std::vector<std::string> a;
  auto confirmed = [&a](double value) {
    a.push_back(number(value));
    a.push_back("");
  };
  a.push_back(number(N));
  const Point A = net.ring[0];
  confirmed(A.X);
  confirmed(A.Y);
  if (known_side_case(c)) {
    const Point B = true_point(net, c, N);
    confirmed(B.X);
    confirmed(B.Y);
    a.push_back(c == Case::BOnRing ? "1" : "2");
  } else {
    confirmed(0);
    confirmed(0);
    confirmed(net.T0_dms);
    confirmed(c == Case::Q1 ? net.Q_dms : 0);
    if (c != Case::Q1) confirmed(c == Case::Q2 ? net.Q_dms : 0);
    if (c == Case::Q3) confirmed(net.Q_dms);
  }
  const int names = known_side_case(c) ? N + 1 : N + 2;
  for (int k = 0; k < names; ++k) a.push_back("P" + std::to_string(k));
  for (int k = 1; k <= 2 * N; ++k) {
    if ((c == Case::BOnRing && k == 2 * N) || (c == Case::BAtCentre && k == 1)) continue;
    confirmed(net.sides[k] + (errors.empty() ? 0.0 : errors[k]));
  }
  for (int k = 0; k < names; ++k) a.push_back("");
  return a;
}

SessionRecord observed_record(const TrueNetwork& net, Case c, std::mt19937& random,
                              double side_error) {
  SessionRecord record;
  record.N = static_cast<float>(net.N);
  size_session_record(record, record.N);
  record.Xa = net.ring[0].X;
  record.Ya = net.ring[0].Y;
  if (known_side_case(c)) {
    const Point B = true_point(net, c, net.N);
    record.Xb = B.X;
    record.Yb = B.Y;
  }
  std::normal_distribution<double> error(0, side_error);
  for (int k = 1; k <= 2 * net.N; ++k) record.S[k] = net.sides[k] + error(random);
  return record;
}

Orientation orientation_for(const TrueNetwork& net, Case c) {
  Orientation o;
  const Point A = net.ring[0];
  switch (c) {
    case Case::BOnRing:
    case Case::BAtCentre: {
      const Point B = true_point(net, c, net.N);
      o.m = c == Case::BOnRing ? Configuration::BOnRing : Configuration::BAtCentre;
      o.T0 = known_side(B.X - A.X, B.Y - A.Y).azimuth;
      return o;
    }
    case Case::Q1:
      o.angle = OrientationAngle::Q1;
      o.Q1 = dms_to_degrees(net.Q_dms);
      break;
    case Case::Q2:
      o.angle = OrientationAngle::Q2;
      o.Q2 = dms_to_degrees(net.Q_dms);
      break;
    case Case::Q3:
      o.angle = OrientationAngle::Q3;
      o.Q3 = dms_to_degrees(net.Q_dms);
      break;
  }
  o.m = Configuration::OutsideAzimuth;
  o.T0 = dms_to_degrees(net.T0_dms);
  return o;
}

}  // namespace cp::testing_support
