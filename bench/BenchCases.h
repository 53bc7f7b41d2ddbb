// The benchmark cases: per symbology family, one data string that our
// encoder, every peer encoder that has the type, our print request and
// zint's encode-and-bitmap all take.
#pragma once

#include "BatchTimer.h"

#include <string>
#include <vector>

struct NamedOperation {
    std::string name;
    Operation run;
};

struct BenchCase {
    std::string name;
    Operation ourEncoder;              // (a) our encoder alone
    std::vector<NamedOperation> peers; // (a) every peer encoder with the type
    std::string printCommand;          // (b) our full print request
    Operation zintPrint;               // (b) zint's encode and bitmap
    std::string shapes;                // stacked and 2D: our and zint's sizes
};

std::vector<BenchCase> MakeBenchCases();
