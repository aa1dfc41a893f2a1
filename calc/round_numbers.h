#pragma once

// Round numbers for what a drawing states: its scale, its scale bar and how much it
// magnifies the error ellipses.
namespace cp {

// The smallest and the largest of 1, 2, 5 times a power of ten at least / at most x > 0.
// Exact: the candidates are read from their decimal text, never formed by pow or
// log10, so every platform chooses the same number.
double round_at_least(double x);
double round_at_most(double x);

// The smallest scale denominator at least x > 0 of the map series 1, 1.5, 2, 2.5, 3, 4,
// 5, 6, 8 times a power of ten: a network fills at least two thirds of its box.
double scale_at_least(double x);

}  // namespace cp
