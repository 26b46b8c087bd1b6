#pragma once
// What the start-up benchmarks share: the time from starting a program to its first visible box
// or window, and alternating runs of a program against its floor.

#include <string>

// Milliseconds from CreateProcess to a visible box, which is then answered Yes; -1 when no box
// appears or the program does not end.
double TimeToBox(const std::string& commandLine);
// Milliseconds from CreateProcess to a visible top-level window, which is then closed; -1 as for
// TimeToBox.
double TimeToWindow(const std::string& commandLine);

struct Contender {
    const char* name;
    std::string commandLine;
};

// Runs the floor and the program alternately with measure, rounds times each after one warm-up
// run of each, and prints the minimum and the low quartile of both and their ratios, headed by
// what was timed and followed by the goal. Returns 1 when a run failed, else 0.
int CompareAlternating(double (*measure)(const std::string&), const char* what,
                       const Contender& floor, const Contender& program, int rounds,
                       const char* goal);
