// The data channel: one pending command per thread, its five operations and
// their log lines.
#include "pipeline/DataChannel.h"

#include "TestLog.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

// The pending command of the calling thread, read with a roomy buffer.
std::string ReadAll(CDataChannel& channel) {
    char buffer[100];
    int32_t count = channel.Read("_", buffer, sizeof buffer, false);
    return std::string(buffer, count);
}

// Lets a fixed number of threads meet at each step. std::barrier waits on
// atomics, which hang now and then in the Windows build under Wine; a mutex
// and a condition variable do not.
class Rendezvous {
  public:
    explicit Rendezvous(int parties) : parties_(parties) {}
    void arrive_and_wait() {
        std::unique_lock<std::mutex> lock(mutex_);
        int generation = generation_;
        if (++arrived_ == parties_) {
            arrived_ = 0;
            ++generation_;
            wake_.notify_all();
            return;
        }
        wake_.wait(lock, [&] { return generation_ != generation; });
    }

  private:
    std::mutex mutex_;
    std::condition_variable wake_;
    const int parties_;
    int arrived_ = 0;
    int generation_ = 0;
};

} // namespace

TEST(DataChannel, StartAppendReadInquireClear) {
    CDataChannel channel;
    EXPECT_EQ(channel.Inquire("_"), 0);
    channel.Start("_", "AB", 2);
    channel.Append("_", "CD", 2);
    char buffer[10];
    EXPECT_EQ(channel.Read("_", buffer, sizeof buffer, false), 4);
    EXPECT_EQ(std::string(buffer, 4), "ABCD");
    EXPECT_EQ(channel.Inquire("_"), 1);
    EXPECT_EQ(channel.Read("_", buffer, 3, false), 3); // a read keeps the entry
    EXPECT_EQ(ReadAll(channel), "ABCD");
    channel.Clear("_");
    EXPECT_EQ(channel.Inquire("_"), 0);
    EXPECT_EQ(channel.Read("_", buffer, sizeof buffer, false), 0);
    channel.Clear("_"); // nothing to clear: nothing happens
}

TEST(DataChannel, StartReplacesAndEmptyAppendCreatesAnEmptyEntry) {
    CDataChannel channel;
    channel.Start("_", "XYZ", 3);
    channel.Start("other name, same thread", "Q", 1);
    EXPECT_EQ(ReadAll(channel), "Q");
    channel.Clear("_");

    channel.Append("_", "", 0);
    EXPECT_EQ(channel.Inquire("_"), 0);
    channel.Append("_", "\0\x01", 2); // bytes, not text
    EXPECT_EQ(ReadAll(channel), std::string("\0\x01", 2));
}

TEST(DataChannel, BadArgumentsCopyNothing) {
    CDataChannel channel;
    channel.Start("_", nullptr, 5);
    channel.Append("_", "AB", -3);
    EXPECT_EQ(channel.Inquire("_"), 0);
    channel.Append("_", "AB", 2);
    char buffer[4] = {'#', '#', '#', '#'};
    EXPECT_EQ(channel.Read("_", buffer, -1, false), 0);
    EXPECT_EQ(channel.Read("_", nullptr, 10, false), 0);
    EXPECT_EQ(channel.Read("_", buffer, 1, false), 1);
    EXPECT_EQ(std::string(buffer, 4), "A###"); // no terminator, nothing beyond
}

TEST(DataChannel, ThreadsInterleavingSeeOnlyTheirOwnCommand) {
    CDataChannel channel;
    constexpr int kThreads = 4, kRounds = 50;
    Rendezvous step(kThreads);
    std::vector<std::string> results(kThreads);
    std::vector<int32_t> inquired(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            const std::string piece(1, static_cast<char>('a' + t));
            channel.Start("_", piece.c_str(), 1);
            for (int round = 0; round < kRounds; ++round) {
                step.arrive_and_wait(); // every thread appends in every round
                channel.Append("_", piece.c_str(), 1);
            }
            std::vector<char> buffer(kRounds + 10);
            int32_t count =
                channel.Read("_", buffer.data(), static_cast<int32_t>(buffer.size()), false);
            results[t].assign(buffer.data(), count);
            step.arrive_and_wait();
            if (t % 2 == 0) channel.Clear("_"); // clearing one's own leaves the others'
            step.arrive_and_wait();
            inquired[t] = channel.Inquire("_");
        });
    for (std::thread& thread : threads)
        thread.join();
    for (int t = 0; t < kThreads; ++t) {
        EXPECT_EQ(results[t], std::string(kRounds + 1, static_cast<char>('a' + t)));
        EXPECT_EQ(inquired[t], t % 2 == 0 ? 0 : 1);
    }
}

TEST(DataChannel, LogLines) {
    CDataChannel channel;
    const std::string id = std::to_string(static_cast<int>(GetCurrentThreadId()));
    {
        TestLog log(6);
        channel.Start("_", "A\nB^", 4);
        channel.Append("_", "C", 1);
        char buffer[10];
        channel.Read("_", buffer, sizeof buffer, true);
        channel.Inquire("_");
        channel.Clear("_");
        std::string text = log.Text();
        for (const std::string line : {"S id ", "A id ", "G id ", "I id ", "C id "})
            EXPECT_NE(text.find(line + id + "\n"), std::string::npos) << line;
        EXPECT_NE(text.find("Received command via data channel: \"A\\nB\\^C\"\n"),
                  std::string::npos);
    }
    channel.Start("_", "Z", 1);
    TestLog commandsOnly(3); // the operations' lines are level 6, the command's 3
    channel.Read("_", nullptr, 0, true);
    EXPECT_EQ(commandsOnly.Text().find(" id "), std::string::npos);
    EXPECT_NE(commandsOnly.Text().find("Received command"), std::string::npos);
    channel.Clear("_");
}
