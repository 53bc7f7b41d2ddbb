// The print worker: commands in pieces (the continuation protocol and the
// per-thread data channel), and requests that are broken in every way a
// caller can break them.
#include "pipeline/DataChannel.h"
#include "pipeline/InitReport.h"
#include "pipeline/PrintRequest.h"

#include "MemoryDC.h"
#include "RecordingStage.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <cstring>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

using testsupport::MemoryDC;

class PrintWorkerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        stage = StageRecord{};
        BuildInitReport(nullptr, 0); // the set-up reads the profile's defaults once
        ProcessDefaults().showErrors = 0;
        ResetContinuationModeForTesting();
        DataChannel().Clear("test");
    }
    void TearDown() override {
        ProcessDefaults() = DefaultSettings{};
        ResetContinuationModeForTesting();
    }

    // One call of the worker with the command; the record of the call stays
    // in lastRequest.
    int Send(const std::string& command) {
        lastRequest = BarcodeRequest{};
        lastRequest.command = command.c_str();
        lastRequest.commandLength = static_cast<int32_t>(command.size());
        return RunPrintRequest(dc.Get(), &lastRequest, PrintMode{}, &RecordingStage);
    }

    MemoryDC dc;
    BarcodeRequest lastRequest{};
};

TEST_F(PrintWorkerTest, WithoutThePercentSwitchTheMarkerIsData) {
    EXPECT_EQ(Send("C=39,D=AB&+ConT+&"), 1);
    EXPECT_EQ(stage.calls, 1);
    EXPECT_EQ(stage.data, "AB&+ConT+&");
    EXPECT_FALSE(IsContinuationModeOn());
}

TEST_F(PrintWorkerTest, PiecesAreCollectedAndTheLastOnePrintsTheWhole) {
    EXPECT_EQ(Send("%C=39,D=1"), 1);
    EXPECT_TRUE(IsContinuationModeOn());
    EXPECT_EQ(stage.data, "1");

    EXPECT_EQ(Send("C=39,D=AB&+ConT+&"), 1);
    EXPECT_EQ(Send("&CD&+ConT+&"), 1);
    EXPECT_EQ(stage.calls, 1) << "a piece draws nothing";
    EXPECT_STREQ(lastRequest.errorText, "");
    EXPECT_EQ(Send("&EF"), 1);
    EXPECT_EQ(stage.calls, 2);
    EXPECT_EQ(stage.data, "ABCDEF");

    // The mode stays on; a whole command still prints at once.
    EXPECT_EQ(Send("C=39,D=GH"), 1);
    EXPECT_EQ(stage.data, "GH");
}

TEST_F(PrintWorkerTest, APieceWithoutTheAmpersandDiscardsThePendingCommand) {
    Send("%C=39,D=AB&+ConT+&");
    EXPECT_EQ(Send("XY"), 0);
    EXPECT_STREQ(lastRequest.errorText, "received incomplete command via data channel: XY\n");
    EXPECT_EQ(stage.calls, 0);
    EXPECT_EQ(DataChannel().Inquire("test"), 0);
    // A lone "&" is as incomplete as a piece without one.
    Send("C=39,D=AB&+ConT+&");
    EXPECT_EQ(Send("&"), 0);
    EXPECT_EQ(DataChannel().Inquire("test"), 0);
}

TEST_F(PrintWorkerTest, LongCommandsArriveWhole) {
    // Far beyond the 3000 bytes a reassembly buffer of a fixed size would hold.
    std::string expected;
    Send("%C=39,D=&+ConT+&");
    for (int piece = 0; piece < 40; ++piece) {
        std::string chunk(250, static_cast<char>('A' + piece % 26));
        expected += chunk;
        ASSERT_EQ(Send("&" + chunk + "&+ConT+&"), 1);
    }
    expected += "END";
    ASSERT_EQ(Send("&END"), 1);
    EXPECT_EQ(stage.data, expected);
}

TEST_F(PrintWorkerTest, ThreadsAssembleTheirOwnCommandsAtTheSameTime) {
    Send("%C=39,D=0");
    // The threads take turns piece by piece, so their pieces interleave.
    std::mutex lock;
    std::condition_variable turnChanged;
    int turn = 0;
    constexpr int kThreads = 3;
    constexpr int kPieces = 5;
    std::vector<std::string> printed(kThreads);
    std::vector<int> results(kThreads, -1);
    auto worker = [&](int index) {
        MemoryDC threadDc;
        auto send = [&](const std::string& command) {
            BarcodeRequest request{};
            request.command = command.c_str();
            request.commandLength = static_cast<int32_t>(command.size());
            return RunPrintRequest(threadDc.Get(), &request, PrintMode{}, &RecordingStage);
        };
        for (int piece = 0; piece <= kPieces; ++piece) {
            std::unique_lock<std::mutex> guard(lock);
            turnChanged.wait(guard, [&] { return turn % kThreads == index; });
            guard.unlock();
            std::string text = std::to_string(index) + std::to_string(piece);
            if (piece == 0)
                send("C=39,D=" + text + "&+ConT+&");
            else if (piece < kPieces)
                send("&" + text + "&+ConT+&");
            else
                results[index] = send("&" + text);
            guard.lock();
            ++turn;
            turnChanged.notify_all();
        }
        printed[index] = stage.data;
    };
    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i)
        threads.emplace_back(worker, i);
    for (std::thread& thread : threads)
        thread.join();
    for (int i = 0; i < kThreads; ++i) {
        std::string expected;
        for (int piece = 0; piece <= kPieces; ++piece)
            expected += std::to_string(i) + std::to_string(piece);
        EXPECT_EQ(results[i], 1);
        EXPECT_EQ(printed[i], expected);
    }
}

TEST_F(PrintWorkerTest, BrokenRequestsFailWithAMessageAndDrawNothing) {
    EXPECT_EQ(RunPrintRequest(dc.Get(), nullptr, PrintMode{}, &RecordingStage), 0);

    // A null command reads as an empty one (whose missing data the layout refuses).
    BarcodeRequest request{};
    request.command = nullptr;
    request.commandLength = 12;
    RunPrintRequest(dc.Get(), &request, PrintMode{}, &RecordingStage);
    EXPECT_EQ(stage.data, "");
    ASSERT_NE(request.errorText, nullptr);
    stage = StageRecord{};

    const char text[] = "C=39,D=12";
    request.command = text;
    request.commandLength = -5;
    EXPECT_EQ(RunPrintRequest(dc.Get(), &request, PrintMode{}, &RecordingStage), 0);
    EXPECT_NE(std::string(request.errorText).find("-5"), std::string::npos);

    // A null device context fails on its mapping mode.
    request.commandLength = static_cast<int32_t>(std::strlen(text));
    EXPECT_EQ(RunPrintRequest(nullptr, &request, PrintMode{}, &RecordingStage), 0);
    EXPECT_EQ(stage.calls, 0);
    EXPECT_EQ(dc.InkedPixels(), 0);
}

TEST_F(PrintWorkerTest, TheCommandEndsAtItsLengthEvenWithoutATerminator) {
    // Exactly the bytes the caller counted, with no NUL behind them.
    std::vector<char> bytes = {'C', '=', '3', '9', ',', 'D', '=', 'A', 'B', 'C'};
    BarcodeRequest request{};
    request.command = bytes.data();
    request.commandLength = static_cast<int32_t>(bytes.size());
    ASSERT_EQ(RunPrintRequest(dc.Get(), &request, PrintMode{}, &RecordingStage), 1);
    EXPECT_EQ(stage.data, "ABC");
    request.commandLength = 8;
    ASSERT_EQ(RunPrintRequest(dc.Get(), &request, PrintMode{}, &RecordingStage), 1);
    EXPECT_EQ(stage.data, "A");
    // Bytes behind a NUL in the data are data too.
    const char binary[] = "C=QR,D=X\0Y\0";
    request.command = binary;
    request.commandLength = sizeof binary - 1;
    ASSERT_EQ(RunPrintRequest(dc.Get(), &request, PrintMode{}, &RecordingStage), 1);
    EXPECT_EQ(stage.data, std::string("X\0Y\0", 4));
    // A length ending inside the options says so, instead of misreading the
    // cut option; a length no command can have is refused unread.
    const char text[] = "C=QR,QRV=2,D=XY";
    for (int32_t length : {4, 8}) {
        request.command = text;
        request.commandLength = length;
        stage = StageRecord{};
        EXPECT_EQ(RunPrintRequest(dc.Get(), &request, PrintMode{}, &RecordingStage), 0);
        EXPECT_EQ(std::string(request.errorText),
                  "Command length " + std::to_string(length) +
                      " ends before the options of command C=QR,QRV=2,D=XY\n");
        EXPECT_EQ(stage.calls, 0);
    }
    request.commandLength = 1000000;
    EXPECT_EQ(RunPrintRequest(dc.Get(), &request, PrintMode{}, &RecordingStage), 0);
    EXPECT_EQ(std::string(request.errorText),
              "Command length 1000000 is longer than the 65536 bytes a command may hold: "
              "nothing printed\n");
}

TEST_F(PrintWorkerTest, RandomCommandBytesNeverReachBeyondTheirLength) {
    std::mt19937 random(4242);
    ProcessDefaults().showErrors = 1;
    for (int round = 0; round < 800; ++round) {
        // The bytes live in a vector of exactly their length.
        std::vector<char> bytes(random() % 64);
        const char* alphabet = "C=39,D=dH=B=%&+ConT,X=Y=R=SEC=\\^";
        for (char& byte : bytes)
            byte = random() % 3 == 0 ? static_cast<char>(random())
                                     : alphabet[random() % std::strlen(alphabet)];
        BarcodeRequest request{};
        request.command = bytes.empty() ? nullptr : bytes.data();
        request.commandLength = static_cast<int32_t>(bytes.size());
        int result = RunPrintRequest(dc.Get(), &request, PrintMode{}, &RecordingStage);
        ASSERT_TRUE(result == 0 || result == 1);
        ASSERT_NE(request.errorText, nullptr);
    }
}

} // namespace
