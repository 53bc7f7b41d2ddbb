// The file names of a batch: one pattern such as "label-%d.png" or
// "label-%04d.png", where the number counts the batch's commands from 1.
#pragma once

#include <string>

// True when the pattern holds exactly one "%d" or "%0Nd" (N from 1 to 9) and
// any other "%" is written "%%"; otherwise false with the reason.
bool CheckBatchPattern(const std::string& pattern, std::string& problem);

// The pattern with its number filled in ("%%" becomes "%"). The pattern must
// have passed CheckBatchPattern.
std::string BatchFileName(const std::string& pattern, long long number);
