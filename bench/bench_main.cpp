// The benchmark against peer libraries. For every case it times, in the same
// run and on the same data,
//  (a) our encoder alone against the fastest peer encoder with the type,
//  (b) our full print request (BarcodePrint into a 600 dpi raster page)
//      against zint's encode with its bitmap at the same module size,
// and prints ours / peer (lower is better; the target is 0.5 or less). Then
// it checks that a print request allocates no more when repeated.
#include "AllocationCounter.h"
#include "BatchTimer.h"
#include "BenchCases.h"
#include "PrintRunner.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kDpi = 600;
constexpr int kPagePixels = 3000; // 5 inches: room for the largest symbol
constexpr double kTargetRatio = 0.5;

// How long each operation is timed; --quick times each once, so that the
// test command can check that every case still runs.
TimingOptions timing;

struct Measured {
    std::string peerName;
    double ours = 0;
    double peer = 0;
    double Ratio() const { return peer > 0 ? ours / peer : 0; }
};

std::string Micro(double nanoseconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%9.2f us", nanoseconds / 1000);
    return text;
}

bool TimeFastestPeer(const BenchCase& c, Measured& result) {
    result.peer = -1;
    for (const NamedOperation& peer : c.peers) {
        const double time = TimePerOperation(peer.run, timing);
        std::printf("    (a) %-18s %s\n", peer.name.c_str(), Micro(time).c_str());
        if (time < 0) {
            std::printf("    %s refuses the data of %s\n", peer.name.c_str(), c.name.c_str());
            return false;
        }
        if (result.peer < 0 || time < result.peer) {
            result.peer = time;
            result.peerName = peer.name;
        }
    }
    return true;
}

bool MeasureCase(const BenchCase& c, PrintRunner& printer, Measured& encoder, Measured& print) {
    std::printf("  %s%s%s\n", c.name.c_str(), c.shapes.empty() ? "" : ": ", c.shapes.c_str());
    if (!printer.Print(c.printCommand)) {
        std::printf("    print request failed: %s\n    command: %s\n", printer.LastError().c_str(),
                    c.printCommand.c_str());
        return false;
    }
    encoder.ours = TimePerOperation(c.ourEncoder, timing);
    if (encoder.ours < 0) {
        std::printf("    our encoder fails on the data\n");
        return false;
    }
    if (!TimeFastestPeer(c, encoder)) return false;
    print.ours = TimePerOperation([&] { return printer.Print(c.printCommand); }, timing);
    print.peer = TimePerOperation(c.zintPrint, timing);
    print.peerName = "zint buffer";
    return print.ours > 0 && print.peer > 0;
}

void PrintRatioLine(const std::string& name, const Measured& a, const Measured& b) {
    std::printf("%-16s| %s %-16s %s %5.2f%s | %s %s %5.2f%s\n", name.c_str(), Micro(a.ours).c_str(),
                a.peerName.c_str(), Micro(a.peer).c_str(), a.Ratio(),
                a.Ratio() > kTargetRatio ? "*" : " ", Micro(b.ours).c_str(), Micro(b.peer).c_str(),
                b.Ratio(), b.Ratio() > kTargetRatio ? "*" : " ");
}

// Allocations per request over requests [first, first + count) of a run.
struct AllocationWindow {
    double perRequest = 0;
    int64_t netBlocks = 0; // allocated minus released in the window
};

bool CountWindow(PrintRunner& printer, const std::string& command, int count,
                 AllocationWindow& window) {
    const AllocationCount before = ThreadAllocations();
    for (int i = 0; i < count; ++i)
        if (!printer.Print(command)) return false;
    const AllocationCount after = ThreadAllocations();
    window.perRequest = static_cast<double>(after.allocations - before.allocations) / count;
    window.netBlocks = static_cast<int64_t>(after.allocations - before.allocations) -
                       static_cast<int64_t>(after.deallocations - before.deallocations);
    return true;
}

// Requests 1-100 against 1001-1100 of the same command.
bool AllocationsStable(PrintRunner& printer, const BenchCase& c) {
    AllocationWindow early, late;
    if (!CountWindow(printer, c.printCommand, 100, early)) return false;
    for (int i = 0; i < 900; ++i)
        if (!printer.Print(c.printCommand)) return false;
    if (!CountWindow(printer, c.printCommand, 100, late)) return false;
    const bool stable = late.perRequest <= early.perRequest && late.netBlocks <= 0;
    std::printf("%-16s| requests 1-100: %7.2f allocations each, net %+lld blocks | "
                "1001-1100: %7.2f each, net %+lld blocks\n",
                c.name.c_str(), early.perRequest, static_cast<long long>(early.netBlocks),
                late.perRequest, static_cast<long long>(late.netBlocks));
    return stable;
}

// For profiling: one operation of one case, repeated for a while.
int Loop(const std::vector<BenchCase>& cases, PrintRunner& printer, const std::string& name,
         const std::string& what, double seconds) {
    for (const BenchCase& c : cases) {
        if (c.name != name) continue;
        Operation operation = c.ourEncoder;
        if (what == "print") operation = [&] { return printer.Print(c.printCommand); };
        TimingOptions options;
        options.minimumBatchSeconds = seconds;
        options.batches = 1;
        std::printf("%s %s: %s\n", name.c_str(), what.c_str(),
                    Micro(TimePerOperation(operation, options)).c_str());
        return 0;
    }
    std::fprintf(stderr, "bench: no case %s\n", name.c_str());
    return 2;
}

} // namespace

// bench                           every case
// bench --quick                   every case, each operation timed once (a check
//                                 that every case runs, not a measure)
// bench --loop CASE encode|print SECONDS   one operation repeated (profiling)
int main(int argc, char** argv) {
    PrintRunner printer(kPagePixels, kPagePixels, kDpi);
    if (!printer.IsValid()) {
        std::fprintf(stderr, "bench: no raster page\n");
        return 1;
    }
    const std::vector<BenchCase> cases = MakeBenchCases();
    if (argc == 5 && std::string(argv[1]) == "--loop")
        return Loop(cases, printer, argv[2], argv[3], std::atof(argv[4]));
    if (argc == 2 && std::string(argv[1]) == "--quick") {
        timing.minimumBatchSeconds = 0;
        timing.batches = 1;
    }
    std::printf("Per symbol: best of 5 batches of at least 50 ms each. Ratio = ours / peer,\n"
                "lower is better; * marks a ratio above %.2f.\n\n",
                kTargetRatio);
    std::vector<Measured> encoders(cases.size()), prints(cases.size());
    for (size_t i = 0; i < cases.size(); ++i)
        if (!MeasureCase(cases[i], printer, encoders[i], prints[i])) return 1;

    std::printf("\n%-16s| %-51s | %s\n", "case", "(a) encoder: ours, fastest peer, ratio",
                "(b) print 600 dpi: ours, zint buffer, ratio");
    int above = 0;
    for (size_t i = 0; i < cases.size(); ++i) {
        PrintRatioLine(cases[i].name, encoders[i], prints[i]);
        above += (encoders[i].Ratio() > kTargetRatio) + (prints[i].Ratio() > kTargetRatio);
    }
    std::printf("%d of %zu ratios above %.2f\n", above, 2 * cases.size(), kTargetRatio);

    std::printf("\nAllocations of one print request, repeated:\n");
    bool stable = true;
    for (const BenchCase& c : cases)
        stable &= AllocationsStable(printer, c);
    std::printf("allocations per print request stable under repetition: %s\n",
                stable ? "yes" : "NO");
    return stable ? 0 : 1;
}
