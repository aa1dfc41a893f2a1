// Cost of the computation alone, from the observed sides to the precision figures,
// and of the report layout.
#include <benchmark/benchmark.h>

#include <random>

#include "computation.h"
#include "layout.h"
#include "network.h"

namespace cp {
namespace {

using namespace testing_support;

Observations prepared(int N, Case c) {
  std::mt19937 random(static_cast<unsigned>(N));
  // Radii close together: with a thousand thin triangles a long and a short radius
  // would leave less room in the triangle inequality than the errors of the sides.
  const TrueNetwork net = make_network(N, c, random, 1000, 1200);
  return observations_of(observed_record(net, c, random, 0.003), orientation_for(net, c));
}

void computation(benchmark::State& state, Case c) {
  const Observations observed = prepared(static_cast<int>(state.range(0)), c);
  for (auto _ : state) benchmark::DoNotOptimize(compute(observed));
  state.SetComplexityN(state.range(0));
}

// The report of a complete N = 6 calculation, its record written as the dialogue does.
void report_layout(benchmark::State& state) {
  const Observations observed = prepared(6, Case::BOnRing);
  const Computation result = compute(observed);
  SessionRecord record;
  record.N = 6;
  size_session_record(record, record.N);
  record.observed = result.observed;
  record.S = result.S;
  record.X = result.traverse.X;
  record.Y = result.traverse.Y;
  record.L = record.N;
  record.complete = true;
  for (auto _ : state) benchmark::DoNotOptimize(report_rows(record));
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
