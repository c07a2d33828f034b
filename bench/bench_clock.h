#pragma once
#include <string>
#include <vector>

// Seconds from the performance counter.
double Now();
// Median of the runs (the mean of the middle two for an even count).
double Median(std::vector<double> runs);
// "1.234 1.240 1.251" with the given digits after the point.
std::string JoinRuns(const std::vector<double>& runs, int digits = 3);
