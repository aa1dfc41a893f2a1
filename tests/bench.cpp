// Cost of the computation alone, from the observed sides to the precision figures,
// and of the report layout.
#include <benchmark/benchmark.h>

#include <random>

#include "compute_results.h"
#include "layout.h"
#include "network.h"

namespace cp {
namespace {

using namespace testing_support;

class NoFields : public FieldText {
 public:
  void set(std::string_view, const std::string&) override {}
};

struct Prepared {
  SessionRecord record;
  Orientation orientation;
};

Prepared prepared(int N, Case c) {
  std::mt19937 random(static_cast<unsigned>(N));
  // Radii close together: with a thousand thin triangles a long and a short radius
  // would leave less room in the triangle inequality than the errors of the sides.
  const TrueNetwork net = make_network(N, c, random, 1000, 1200);
  return {observed_record(net, c, random, 0.003), orientation_for(net, c)};
}

void computation(benchmark::State& state, Case c) {
  const Prepared p = prepared(static_cast<int>(state.range(0)), c);
  NoFields fields;
  for (auto _ : state) {
    SessionRecord record = p.record;
    compute_results(fields, record, p.orientation);
    benchmark::DoNotOptimize(record.md);
  }
  state.SetComplexityN(state.range(0));
}

void report_layout(benchmark::State& state) {
  Prepared p = prepared(6, Case::BOnRing);
  NoFields fields;
  compute_results(fields, p.record, p.orientation);
  p.record.L = p.record.N;
  p.record.complete = true;
  for (auto _ : state) benchmark::DoNotOptimize(report_rows(p.record));
}

BENCHMARK_CAPTURE(computation, m1, Case::BOnRing)->Arg(6)->Arg(100)->Arg(1000)->Complexity();
BENCHMARK_CAPTURE(computation, m2, Case::BAtCentre)->Arg(6)->Arg(100)->Arg(1000)->Complexity();
BENCHMARK_CAPTURE(computation, q1, Case::Q1)->Arg(6)->Arg(100)->Arg(1000)->Complexity();
BENCHMARK_CAPTURE(computation, q2, Case::Q2)->Arg(6)->Arg(100)->Arg(1000)->Complexity();
BENCHMARK_CAPTURE(computation, q3, Case::Q3)->Arg(6)->Arg(100)->Arg(1000)->Complexity();
BENCHMARK(report_layout);

}  // namespace
}  // namespace cp

BENCHMARK_MAIN();
