#pragma once
// What the start-up benchmarks share: the time from starting a program to its first visible
// box, and the quantiles of a series of runs.

#include <string>
#include <vector>

// Milliseconds from CreateProcess to a visible box, which is then answered Yes; -1 when no box
// appears or the program does not end.
double TimeToBox(const std::string& commandLine);

// The value at fraction q (0 the minimum, 0.25 the low quartile) of the values.
double Quantile(std::vector<double> values, double q);
