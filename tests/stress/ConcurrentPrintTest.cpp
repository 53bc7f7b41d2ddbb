// Many threads and several processes printing at once through the locked and
// the unlocked exports, long commands assembled in pieces at the same time,
// and the defaults read again meanwhile. Every page must equal the page the
// same request draws when it runs alone: nothing another thread does may
// change a symbol, and no piece of a long command may get lost. (That the
// drawings themselves scan is the verification tests' business.)
#include "PageDrawing.h"

#include "ChildProcess.h"
#include "ScratchDirectory.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <thread>
#include <memory>
#include <vector>

namespace {

using stress::DrawOnPage;
using stress::PageDrawing;

constexpr int kRounds = 14; // every type of StressCommand twice
constexpr size_t kPieceLength = 150;

void InitLibrary() {
    char report[300] = "NoTime";
    BarcodeInit(report, sizeof report);
}

bool Inked(const PageDrawing& drawing) {
    for (uint32_t pixel : drawing.pixels)
        if (pixel != 0xFFFFFF) return true;
    return false;
}

// A long command for the continuation workers: a QR Code of 1200 bytes.
std::string LongCommand(int worker, int round) {
    std::string data = "LONG W" + std::to_string(worker) + " R" + std::to_string(round) + " ";
    while (data.size() < 1200)
        data += static_cast<char>('a' + (data.size() * 7 + worker + round) % 26);
    return "C=QR,B=0,X=8px,Y=8px,S1=6,D=" + data;
}

// The pieces one worker sends in one round, and the export it uses.
struct WorkerRound {
    stress::PrintExport print;
    std::vector<std::string> pieces;
};

// The workers of one process: `printers` of them print whole commands,
// alternately locked and unlocked, the rest send long commands in pieces.
// Worker numbers start at `first` so that each process draws its own data.
struct Workers {
    int first;
    int count;
    int printers;
    bool SendsPieces(int worker) const { return worker >= printers; }
    std::string Command(int worker, int round) const {
        return SendsPieces(worker) ? LongCommand(first + worker, round)
                                   : stress::StressCommand(first + worker, round);
    }
};

WorkerRound PlanRound(const Workers& workers, int worker, int round) {
    const std::string command = workers.Command(worker, round);
    if (!workers.SendsPieces(worker))
        return {worker % 2 == 0 ? &stress::LockedPrint : &stress::UnlockedPrint, {command}};
    return {round % 2 == 0 ? &stress::UnlockedPrint : &stress::LockedPrint,
            stress::CommandInPieces(command, kPieceLength)};
}

// What each request draws alone: the whole command in one call, locked.
std::vector<std::vector<PageDrawing>> DrawAlone(const Workers& workers) {
    std::vector<std::vector<PageDrawing>> drawings(workers.count);
    for (int worker = 0; worker < workers.count; ++worker)
        for (int round = 0; round < kRounds; ++round)
            drawings[worker].push_back(
                DrawOnPage(&stress::LockedPrint, {workers.Command(worker, round)}));
    return drawings;
}

// Empty when every alone drawing succeeded and put ink on its page.
std::string CheckAloneDrawings(const Workers& workers,
                               const std::vector<std::vector<PageDrawing>>& alone) {
    for (int worker = 0; worker < workers.count; ++worker)
        for (int round = 0; round < kRounds; ++round)
            if (alone[worker][round].result != 1 || !Inked(alone[worker][round]))
                return "drawn alone, nothing: " + workers.Command(worker, round);
    return "";
}

// Runs every worker on its own thread while another thread reads the
// defaults again and again; returns how many pages differ from the alone
// drawings, and describes the first in firstProblem.
int DrawAtOnce(const Workers& workers, const std::vector<std::vector<PageDrawing>>& alone,
               std::string& firstProblem) {
    std::atomic<int> different{0};
    std::atomic<bool> stop{false};
    std::vector<std::thread> threads;
    std::vector<std::string> problems(workers.count);
    for (int worker = 0; worker < workers.count; ++worker)
        threads.emplace_back([&, worker] {
            for (int round = 0; round < kRounds; ++round) {
                WorkerRound plan = PlanRound(workers, worker, round);
                if (DrawOnPage(plan.print, plan.pieces) == alone[worker][round]) continue;
                if (different.fetch_add(1) == 0)
                    problems[worker] = "worker " + std::to_string(worker) + " round " +
                                       std::to_string(round) + ": " + plan.pieces.back();
            }
        });
    std::thread reader([&stop] {
        while (!stop.load())
            BarcodeReadDefaults(0);
    });
    for (std::thread& thread : threads)
        thread.join();
    stop.store(true);
    reader.join();
    for (const std::string& problem : problems)
        if (!problem.empty()) firstProblem = problem;
    return different.load();
}

// A child process: workers of its own numbered from `first`, drawing alone
// first and then at once, while the other children do the same.
int PrintInChildProcess(const std::vector<std::string>& arguments) {
    if (arguments.size() != 2) return 90;
    InitLibrary();
    const Workers workers{std::stoi(arguments[0]), 4, 3};
    auto alone = DrawAlone(workers);
    std::string problem = CheckAloneDrawings(workers, alone);
    const int different = problem.empty() ? DrawAtOnce(workers, alone, problem) : 1;
    testsupport::WriteWholeFile(arguments[1], problem);
    return different == 0 ? 0 : 1;
}
BC_CHILD_MODE("print-at-once", PrintInChildProcess);

TEST(ConcurrentPrintTest, EveryRequestDrawsWhatItDrawsAloneWhileThreadsPrintAtOnce) {
    InitLibrary();
    const Workers workers{0, 8, 6};
    auto alone = DrawAlone(workers);
    ASSERT_EQ(CheckAloneDrawings(workers, alone), "");
    std::string problem;
    EXPECT_EQ(DrawAtOnce(workers, alone, problem), 0) << problem;
}

TEST(ConcurrentPrintTest, ProcessesPrintAtOnceUnderTheMachineWideLock) {
    testsupport::ScratchDirectory scratch("stressprocesses");
    InitLibrary();
    constexpr int kChildren = 3;
    std::vector<std::unique_ptr<testsupport::ChildProcess>> children;
    for (int child = 0; child < kChildren; ++child)
        children.push_back(std::make_unique<testsupport::ChildProcess>(
            "print-at-once",
            std::vector<std::string>{std::to_string(10 + child * 10),
                                     scratch.File("child" + std::to_string(child))}));
    // This process prints too while the children run.
    const Workers workers{100, 3, 2};
    auto alone = DrawAlone(workers);
    ASSERT_EQ(CheckAloneDrawings(workers, alone), "");
    std::string problem;
    EXPECT_EQ(DrawAtOnce(workers, alone, problem), 0) << problem;
    for (int child = 0; child < kChildren; ++child) {
        ASSERT_TRUE(children[child]->Started());
        EXPECT_EQ(children[child]->Wait(), 0)
            << "child " << child << ": "
            << testsupport::ReadWholeFile(scratch.File("child" + std::to_string(child)));
    }
}

} // namespace
