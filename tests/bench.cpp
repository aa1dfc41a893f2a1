// Cost of the computation alone, from the observed sides to the precision figures,
// and of the report layout.
#include <benchmark/benchmark.h>

#include <random>

#include "adjustment.h"
#include "calculate.h"
#include "computation.h"
#include "exports.h"
#include "grade_check.h"
#include "layout.h"
#include "neighbour_precision.h"
#include "network.h"
#include "network_drawing.h"
#include "point_precision.h"
#include "polygon_table.h"
#include "scripted_user.h"

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

// A finished run: its coefficients, angles and legs, as the computation left them.
struct FinishedRun {
  Observations observed;
  Computation result;
  std::vector<double> S;
  TriangleAngles angles;
  Adjustment adjustment;
  std::vector<Leg> legs;

  FinishedRun(int n, Case c, std::optional<EdmPrecision> edm = std::nullopt)
      : observed(prepared(n, c)) {
    observed.edm = edm;
    result = compute(observed);
    S = result.S;
    angles = first_solution(S, n);
    adjustment = adjust_sides(S, angles, observed.orientation.m, *result.w);
    second_solution(S, n, angles);
    legs = traverse_plan(observed.orientation.m, observed.orientation.angle, n);
  }
  CoordinateRows rows() const {
    return CoordinateRows(legs, angles, result.traverse, S, observed.orientation.m);
  }
};

// Every point's precision alone, from the rows of a finished run: this is what the
// computation adds for the precision of all points (at most 1 ms for N = 1000).
void every_point(benchmark::State& state, Case c) {
  const int n = static_cast<int>(state.range(0));
  const FinishedRun run(n, c);
  for (auto _ : state) {
    benchmark::DoNotOptimize(every_point_precision(run.rows(), run.adjustment.a, *run.result.ms,
                                                   last_point(run.observed.orientation.m, n)));
  }
}

// The grade check alone, from the coefficients and sides of a finished run: linear in N
// like the rest (about 50 µs for N = 1000).
void grade(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const Observations observed = prepared(n, Case::Q2);
  const Computation result = compute(observed);
  std::vector<double> S = result.S;
  TriangleAngles angles = first_solution(S, n);
  const Adjustment adjustment = adjust_sides(S, angles, observed.orientation.m, *result.w);
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        grade_check(adjustment.a, result.observed, result.S, *result.w, 0, {2, 2}));
  }
  state.SetComplexityN(state.range(0));
}

// Every observed side's two points relative to each other, from the rows of a finished
// run: one pass along the chain, linear in N (about 1 ms for N = 1000).
void neighbours(benchmark::State& state, Case c) {
  const int n = static_cast<int>(state.range(0));
  const FinishedRun run(n, c, EdmPrecision{2, 2});
  const CoordinateRows rows = run.rows();
  GradeCheck check = *run.result.grade;
  for (auto _ : state) {
    judge_neighbours(check, rows, run.adjustment.a, run.result.observed, run.observed.orientation.m,
                     n);
    benchmark::DoNotOptimize(check.pairs.data());
  }
  state.SetComplexityN(state.range(0));
}

// All five exchange files of a complete N = 1000 calculation (at most 50 ms together).
void exports(benchmark::State& state) {
  std::mt19937 random(1000);
  const TrueNetwork net = make_network(1000, Case::Q2, random, 1000, 1200);
  ScriptedUser user(answers_for(net, Case::Q2));
  SessionRecord record;
  calculate(user.ports(), record);
  for (auto _ : state) {
    for (const ExportFormat& format : export_formats())
      benchmark::DoNotOptimize(export_bytes(format.kind, record));
  }
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

// The report's drawing of a complete calculation: the network, then each point's name
// placed clear of the rest.
void drawing(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  std::mt19937 random(static_cast<unsigned>(n));
  const TrueNetwork net = make_network(n, Case::Q2, random, 1000, 1200);
  ScriptedUser user(answers_for(net, Case::Q2));
  SessionRecord record;
  calculate(user.ports(), record);
  for (auto _ : state) benchmark::DoNotOptimize(network_drawing(record, 150, 150));
  state.SetComplexityN(state.range(0));
}

// The sheet of a complete N = 1000 calculation, as a file holds it.
std::string thousand_sheet() {
  std::mt19937 random(1000);
  const TrueNetwork net = make_network(1000, Case::Q2, random, 1000, 1200);
  ScriptedUser user(answers_for(net, Case::Q2));
  SessionRecord record;
  calculate(user.ports(), record);
  return sheet_text(record);
}

// The data table of an N = 1000 sheet: opened (read, checked by row and laid out), one
// side edited (checked by the dialogue up to it, kept as a step), and the answers of a
// calculation from it (every value asked for there, then the sheet's answers).
void table_open(benchmark::State& state) {
  const std::string sheet = thousand_sheet();
  for (auto _ : state) benchmark::DoNotOptimize(PolygonTable(read_sheet_values(sheet)));
}
void table_edit(benchmark::State& state) {
  PolygonTable table(read_sheet_values(thousand_sheet()));
  const int last = table.row_of("S(2000)");
  const std::string values[] = {table.cell(last, 1), "1100.5"};
  int i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(table.commit(last, 1, values[++i % 2]));
}
void table_answers(benchmark::State& state) {
  const PolygonTable table(read_sheet_values(thousand_sheet()));
  for (auto _ : state) {
    benchmark::DoNotOptimize(table.why_not_computable());
    benchmark::DoNotOptimize(table.answers());
  }
}

BENCHMARK_CAPTURE(computation, m1, Case::BOnRing)
    ->Arg(6)
    ->Arg(100)
    ->Arg(1000)
    ->Complexity(benchmark::oN);
BENCHMARK_CAPTURE(computation, m2, Case::BAtCentre)
    ->Arg(6)
    ->Arg(100)
    ->Arg(1000)
    ->Complexity(benchmark::oN);
BENCHMARK_CAPTURE(computation, q1, Case::Q1)
    ->Arg(6)
    ->Arg(100)
    ->Arg(1000)
    ->Complexity(benchmark::oN);
BENCHMARK_CAPTURE(computation, q2, Case::Q2)
    ->Arg(6)
    ->Arg(100)
    ->Arg(1000)
    ->Complexity(benchmark::oN);
BENCHMARK_CAPTURE(computation, q3, Case::Q3)
    ->Arg(6)
    ->Arg(100)
    ->Arg(1000)
    ->Complexity(benchmark::oN);
BENCHMARK_CAPTURE(every_point, m1, Case::BOnRing)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(every_point, q2, Case::Q2)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(grade)->Arg(100)->Arg(300)->Arg(1000)->Complexity(benchmark::oN);
BENCHMARK_CAPTURE(neighbours, m1, Case::BOnRing)
    ->Arg(100)
    ->Arg(300)
    ->Arg(1000)
    ->Complexity(benchmark::oN);
BENCHMARK_CAPTURE(neighbours, q2, Case::Q2)
    ->Arg(100)
    ->Arg(300)
    ->Arg(1000)
    ->Complexity(benchmark::oN);
BENCHMARK(report_layout);
BENCHMARK(drawing)->Arg(6)->Arg(100)->Arg(300)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(exports)->Unit(benchmark::kMillisecond);
BENCHMARK(table_open)->Unit(benchmark::kMillisecond);
BENCHMARK(table_edit)->Unit(benchmark::kMillisecond);
BENCHMARK(table_answers)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace cp

BENCHMARK_MAIN();
