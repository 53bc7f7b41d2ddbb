// Named mutexes between threads and between processes. The same cases run
// against Windows itself (under Wine) and against the Linux platform layer.
#include "ChildProcess.h"
#include "win32api.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

using namespace std::chrono_literals;
using testsupport::ChildProcess;
using testsupport::RunChild;

namespace {

using Clock = std::chrono::steady_clock;

// Unique per test and per run, so that parallel runs never share a mutex.
std::string UniqueName(const std::string& what) {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    return "bc-test-" + std::to_string(GetCurrentProcessId()) + "-" + test->name() + "-" + what;
}

// Closes its handle however the test ends.
class Handle {
  public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (handle_ != nullptr) CloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    operator HANDLE() const { return handle_; }

  private:
    HANDLE handle_;
};

// A wait by a thread of its own, which releases what it gets before it ends.
DWORD WaitOnOtherThread(HANDLE mutex, DWORD milliseconds) {
    DWORD result = WAIT_FAILED;
    std::thread([&] {
        result = WaitForSingleObject(mutex, milliseconds);
        if (result == WAIT_OBJECT_0 || result == WAIT_ABANDONED) ReleaseMutex(mutex);
    }).join();
    return result;
}

long long MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// A mutex that a child process creates, as soon as the child has created it.
HANDLE OpenOnceCreated(const std::string& name) {
    for (auto giveUp = Clock::now() + 10s; Clock::now() < giveUp; std::this_thread::sleep_for(5ms))
        if (HANDLE mutex = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, name.c_str())) return mutex;
    return nullptr;
}

// Child: owns the mutex (arguments[0]) and ends without releasing it, by
// returning from main or by terminating at once (arguments[1]).
int OwnAndEnd(const std::vector<std::string>& arguments) {
    HANDLE mutex = CreateMutexA(nullptr, FALSE, arguments.at(0).c_str());
    if (mutex == nullptr || WaitForSingleObject(mutex, 0) != WAIT_OBJECT_0) return 2;
    if (arguments.at(1) == "terminate") TerminateThisProcess(0);
    return 0;
}
BC_CHILD_MODE("mutex-own-and-end", OwnAndEnd);

// Child: creates the mutex (arguments[0]) owned, so that it is owned as soon
// as others can open it, and releases it once it gets the gate mutex
// (arguments[1]) that the parent holds.
int HoldUntilGateOpens(const std::vector<std::string>& arguments) {
    HANDLE mutex = CreateMutexA(nullptr, TRUE, arguments.at(0).c_str());
    if (mutex == nullptr || GetLastError() == ERROR_ALREADY_EXISTS) return 2;
    HANDLE gate = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, arguments.at(1).c_str());
    if (gate == nullptr || WaitForSingleObject(gate, 10000) != WAIT_OBJECT_0) return 3;
    BOOL released = ReleaseMutex(mutex);
    ReleaseMutex(gate);
    return released ? 0 : 4;
}
BC_CHILD_MODE("mutex-hold-until-gate", HoldUntilGateOpens);

// Child: exits with 1 when the mutex (arguments[0]) already existed, else 0.
int ReportWhetherMutexExists(const std::vector<std::string>& arguments) {
    HANDLE mutex = CreateMutexA(nullptr, FALSE, arguments.at(0).c_str());
    if (mutex == nullptr) return 2;
    return GetLastError() == ERROR_ALREADY_EXISTS ? 1 : 0;
}
BC_CHILD_MODE("mutex-report-existing", ReportWhetherMutexExists);

} // namespace

TEST(NamedMutexThreads, ThreadsWithTheirOwnHandlesExcludeEachOther) {
    const std::string name = UniqueName("m");
    std::atomic<int> inside{0};
    std::atomic<bool> overlapped{false};
    std::atomic<int> failures{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&] {
            Handle mutex(CreateMutexA(nullptr, FALSE, name.c_str()));
            for (int i = 0; i < 100; ++i) {
                if (WaitForSingleObject(mutex, INFINITE) != WAIT_OBJECT_0) {
                    ++failures;
                    return;
                }
                if (inside.fetch_add(1) != 0) overlapped = true;
                std::this_thread::yield();
                inside.fetch_sub(1);
                if (!ReleaseMutex(mutex)) ++failures;
            }
        });
    }
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(0, failures.load());
    EXPECT_FALSE(overlapped.load());
}

TEST(NamedMutexThreads, OwnerWaitsAgainAndReleasesAsOften) {
    Handle mutex(CreateMutexA(nullptr, FALSE, UniqueName("m").c_str()));
    ASSERT_NE(nullptr, static_cast<HANDLE>(mutex));
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(mutex, 0));
    EXPECT_TRUE(ReleaseMutex(mutex));
    EXPECT_TRUE(ReleaseMutex(mutex));
    EXPECT_EQ(WAIT_TIMEOUT, WaitOnOtherThread(mutex, 0));
    EXPECT_TRUE(ReleaseMutex(mutex));
    EXPECT_EQ(WAIT_OBJECT_0, WaitOnOtherThread(mutex, 0));
    SetLastError(ERROR_SUCCESS);
    EXPECT_FALSE(ReleaseMutex(mutex));
    EXPECT_EQ(ERROR_NOT_OWNER, GetLastError());
}

TEST(NamedMutexThreads, OnlyTheOwnerMayRelease) {
    Handle mutex(CreateMutexA(nullptr, TRUE, UniqueName("m").c_str()));
    ASSERT_NE(nullptr, static_cast<HANDLE>(mutex));
    BOOL released = TRUE;
    DWORD error = ERROR_SUCCESS;
    std::thread([&] {
        released = ReleaseMutex(mutex);
        error = GetLastError();
    }).join();
    EXPECT_FALSE(released);
    EXPECT_EQ(ERROR_NOT_OWNER, error);
    EXPECT_EQ(WAIT_TIMEOUT, WaitOnOtherThread(mutex, 0)) << "still owned after a foreign release";
    EXPECT_TRUE(ReleaseMutex(mutex));
}

TEST(NamedMutexThreads, WaitsEndAtTheirTimeOrAtTheRelease) {
    Handle mutex(CreateMutexA(nullptr, TRUE, UniqueName("m").c_str()));
    ASSERT_NE(nullptr, static_cast<HANDLE>(mutex));
    EXPECT_EQ(WAIT_TIMEOUT, WaitOnOtherThread(mutex, 0));
    Clock::time_point start = Clock::now();
    EXPECT_EQ(WAIT_TIMEOUT, WaitOnOtherThread(mutex, 80));
    EXPECT_GE(MillisecondsSince(start), 70);

    DWORD result = WAIT_FAILED;
    std::thread waiter([&] { result = WaitOnOtherThread(mutex, 5000); });
    std::this_thread::sleep_for(30ms);
    start = Clock::now();
    EXPECT_TRUE(ReleaseMutex(mutex));
    waiter.join();
    EXPECT_EQ(WAIT_OBJECT_0, result);
    EXPECT_LT(MillisecondsSince(start), 2000);
}

TEST(NamedMutexThreads, ThreadEndingAsOwnerAbandonsTheMutex) {
    const std::string name = UniqueName("m");
    for (const char* mutexName : {name.c_str(), static_cast<const char*>(nullptr)}) {
        SCOPED_TRACE(mutexName ? "named" : "unnamed");
        Handle mutex(CreateMutexA(nullptr, FALSE, mutexName));
        ASSERT_NE(nullptr, static_cast<HANDLE>(mutex));
        std::thread([&] { WaitForSingleObject(mutex, 0); }).join();
        EXPECT_EQ(WAIT_ABANDONED, WaitForSingleObject(mutex, 1000));
        EXPECT_TRUE(ReleaseMutex(mutex)) << "an abandoned wait owns the mutex";
        EXPECT_EQ(WAIT_OBJECT_0, WaitOnOtherThread(mutex, 0)) << "abandonment is reported once";
    }
}

TEST(NamedMutexNames, CreatingAnExistingNameOpensTheSameMutex) {
    const std::string name = UniqueName("m");
    SetLastError(ERROR_INVALID_PARAMETER);
    Handle first(CreateMutexA(nullptr, TRUE, name.c_str()));
    EXPECT_EQ(ERROR_SUCCESS, GetLastError());
    // Initial ownership applies only to the call that creates the mutex.
    Handle second(CreateMutexA(nullptr, TRUE, name.c_str()));
    EXPECT_EQ(ERROR_ALREADY_EXISTS, GetLastError());
    Handle local(CreateMutexA(nullptr, FALSE, ("Local\\" + name).c_str()));
    EXPECT_EQ(ERROR_ALREADY_EXISTS, GetLastError());
    Handle opened(OpenMutexA(MUTEX_ALL_ACCESS, FALSE, name.c_str()));
    ASSERT_NE(nullptr, static_cast<HANDLE>(opened));

    EXPECT_EQ(WAIT_TIMEOUT, WaitOnOtherThread(local, 0));
    EXPECT_TRUE(ReleaseMutex(second));
    EXPECT_FALSE(ReleaseMutex(opened));
    EXPECT_EQ(WAIT_OBJECT_0, WaitOnOtherThread(local, 0));
}

TEST(NamedMutexNames, OpenFindsOnlyMutexesThatExist) {
    const std::string name = UniqueName("m");
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(nullptr, OpenMutexA(MUTEX_ALL_ACCESS, FALSE, name.c_str()));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, GetLastError());
    {
        Handle created(CreateMutexA(nullptr, FALSE, name.c_str()));
        Handle opened(OpenMutexA(MUTEX_ALL_ACCESS, FALSE, name.c_str()));
        EXPECT_NE(nullptr, static_cast<HANDLE>(opened));
        std::string otherCase = name;
        otherCase[0] = 'B';
        EXPECT_EQ(nullptr, OpenMutexA(MUTEX_ALL_ACCESS, FALSE, otherCase.c_str()))
            << "names are case-sensitive";
    }
    EXPECT_EQ(nullptr, OpenMutexA(MUTEX_ALL_ACCESS, FALSE, name.c_str()))
        << "the mutex ends with its last handle";
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, GetLastError());
}

TEST(NamedMutexNames, UnnamedMutexesAreSeparate) {
    SetLastError(ERROR_INVALID_PARAMETER);
    Handle owned(CreateMutexA(nullptr, TRUE, nullptr));
    EXPECT_EQ(ERROR_SUCCESS, GetLastError());
    Handle other(CreateMutexA(nullptr, FALSE, nullptr));
    EXPECT_EQ(ERROR_SUCCESS, GetLastError());
    EXPECT_EQ(WAIT_OBJECT_0, WaitOnOtherThread(other, 0));
    EXPECT_EQ(WAIT_TIMEOUT, WaitOnOtherThread(owned, 0));
    EXPECT_TRUE(ReleaseMutex(owned));
}

TEST(NamedMutexHandles, BadHandlesFailWithInvalidHandle) {
    HANDLE closed = CreateMutexA(nullptr, FALSE, nullptr);
    ASSERT_TRUE(CloseHandle(closed));
    for (HANDLE bad : {static_cast<HANDLE>(nullptr), closed}) {
        SetLastError(ERROR_SUCCESS);
        EXPECT_EQ(WAIT_FAILED, WaitForSingleObject(bad, 0));
        EXPECT_EQ(ERROR_INVALID_HANDLE, GetLastError());
        SetLastError(ERROR_SUCCESS);
        EXPECT_FALSE(ReleaseMutex(bad));
        EXPECT_EQ(ERROR_INVALID_HANDLE, GetLastError());
        SetLastError(ERROR_SUCCESS);
        EXPECT_FALSE(CloseHandle(bad));
        EXPECT_EQ(ERROR_INVALID_HANDLE, GetLastError());
    }
}

TEST(NamedMutexProcesses, HolderInAnotherProcessExcludesThisOne) {
    const std::string name = UniqueName("m");
    const std::string gateName = UniqueName("gate");
    Handle gate(CreateMutexA(nullptr, TRUE, gateName.c_str()));
    ChildProcess child("mutex-hold-until-gate", {name, gateName});
    ASSERT_TRUE(child.Started());
    Handle mutex(OpenOnceCreated(name));
    ASSERT_NE(nullptr, static_cast<HANDLE>(mutex));

    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(mutex, 0));
    Clock::time_point start = Clock::now();
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(mutex, 100));
    EXPECT_GE(MillisecondsSince(start), 90);

    EXPECT_TRUE(ReleaseMutex(gate));
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(mutex, 10000));
    EXPECT_TRUE(ReleaseMutex(mutex));
    EXPECT_EQ(0, child.Wait());
}

TEST(NamedMutexProcesses, HolderEndingWithoutReleaseAbandonsTheMutex) {
    for (const std::string ending : {"return", "terminate"}) {
        SCOPED_TRACE(ending);
        const std::string name = UniqueName(ending);
        // This handle keeps the mutex in existence after the child ends.
        Handle mutex(CreateMutexA(nullptr, FALSE, name.c_str()));
        ASSERT_EQ(0, RunChild("mutex-own-and-end", {name, ending}));
        EXPECT_EQ(WAIT_ABANDONED, WaitForSingleObject(mutex, 1000));
        EXPECT_TRUE(ReleaseMutex(mutex));
        EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(mutex, 0)) << "abandonment is reported once";
        EXPECT_TRUE(ReleaseMutex(mutex));
    }
}

TEST(NamedMutexProcesses, MutexLivesWhileAnyProcessHasItOpen) {
    const std::string name = UniqueName("m");
    {
        Handle mutex(CreateMutexA(nullptr, FALSE, name.c_str()));
        EXPECT_EQ(1, RunChild("mutex-report-existing", {name}));
    }
    EXPECT_EQ(0, RunChild("mutex-report-existing", {name}));

    // A holder that dies as the mutex's only user takes the mutex with it:
    // the next one of that name is new, not abandoned.
    ASSERT_EQ(0, RunChild("mutex-own-and-end", {name, "terminate"}));
    Handle mutex(CreateMutexA(nullptr, FALSE, name.c_str()));
    EXPECT_EQ(ERROR_SUCCESS, GetLastError());
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(mutex, 0));
    EXPECT_TRUE(ReleaseMutex(mutex));
}
