// Threads printing at once through the locked and the unlocked exports, each
// on its own device context, while other threads assemble long commands in
// pieces and the defaults are read again: every symbol must decode to the
// data of its own request.
#include "DecodeCheck.h"
#include "MemoryDC.h"
#include "barcode.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace {

// The page a thread prints on, read back as gray pixels.
GrayImage ReadPage(HDC dc, int width, int height) {
    GrayImage image;
    image.width = width;
    image.height = height;
    image.pixels.resize(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.pixels[static_cast<size_t>(y) * width + x] =
                (GetPixel(dc, x, y) & 0xFF) > 127 ? 255 : 0;
    return image;
}

int Send(int (*print)(HDC, BarcodeRequest*), HDC dc, const std::string& command) {
    BarcodeRequest request{};
    request.command = command.c_str();
    request.commandLength = static_cast<int32_t>(command.size());
    return print(dc, &request);
}

int __stdcall LockedPrint(HDC dc, BarcodeRequest* request) {
    return BarcodePrint(dc, request);
}
int __stdcall UnlockedPrint(HDC dc, BarcodeRequest* request) {
    return BarcodeTestPrint(dc, request);
}

TEST(StressTest, ThreadsPrintTheirOwnSymbolsAtOnce) {
    char report[200] = "NoTime";
    BarcodeInit(report, sizeof report);
    constexpr int kThreads = 6;
    constexpr int kPrints = 12;
    std::atomic<int> wrong{0};
    std::atomic<bool> stop{false};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([t, &wrong] {
            for (int i = 0; i < kPrints; ++i) {
                testsupport::MemoryDC dc(420, 120);
                const std::string data = "T" + std::to_string(t) + " PRINT " + std::to_string(i);
                const std::string command =
                    "C=128,I=0,S1=2,B=0,A=0,AL=6,X=10px,Y=10px,H=80px,D=" + data;
                int result = Send(t % 2 == 0 ? &LockedPrint : &UnlockedPrint, dc.Get(), command);
                VerifyCase expected{command, "Code128", data};
                if (result != 1 || !CheckDecodes(ReadPage(dc.Get(), 420, 120), expected, 0).empty())
                    ++wrong;
            }
        });
    // Meanwhile: long commands in pieces on other threads, and defaults read again.
    std::atomic<int> piecesWrong{0};
    for (int t = 0; t < 2; ++t)
        threads.emplace_back([t, &piecesWrong] {
            for (int i = 0; i < 5; ++i) {
                testsupport::MemoryDC dc(420, 120);
                const std::string data =
                    "P" + std::to_string(t) + "X" + std::to_string(i) + std::string(11, 'Z');
                Send(&UnlockedPrint, dc.Get(),
                     "%C=128,I=0,S1=2,B=0,A=0,AL=6,X=10px,Y=10px,H=80px,D=" + data.substr(0, 5) +
                         "&+ConT+&");
                Send(&UnlockedPrint, dc.Get(), "&" + data.substr(5, 5) + "&+ConT+&");
                int result = Send(&UnlockedPrint, dc.Get(), "&" + data.substr(10));
                VerifyCase expected{"", "Code128", data};
                if (result != 1 || !CheckDecodes(ReadPage(dc.Get(), 420, 120), expected, 0).empty())
                    ++piecesWrong;
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
    EXPECT_EQ(wrong.load(), 0);
    EXPECT_EQ(piecesWrong.load(), 0);
}

} // namespace
