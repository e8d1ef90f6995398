#include "monitor/win/capture_port.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

#include "monitor/core/frame_decoder.h"
#include "monitor/core/frame_record.h"
#include "monitor/win/serial_api.h"
#include "tests/support/ecu_stream.h"
#include "tests/support/pipeline.h"
#include "tests/win/scripted_line.h"

using namespace velmorant;
using namespace velmorant::test;

namespace {

struct Received {
    std::vector<std::vector<TEdgeRecord>> lists;
    int counterFailures = 0;
    int foreign = 0;
    // The threads that said their port keeps failing, one entry per report.
    std::vector<WPARAM> portFailures;
};
Received* received = nullptr;

LRESULT CALLBACK ReceiverProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_EDGELIST) {
        if (auto list = TakeEdgeList(wp, lp))
            received->lists.push_back(std::move(*list));
        else
            ++received->foreign;
        return 0;
    }
    if (msg == WM_COUNTERFAILED) {
        ++received->counterFailures;
        return 0;
    }
    if (msg == WM_CAPTUREFAILED) {
        received->portFailures.push_back(wp);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

class CaptureThreadTest : public ::testing::Test {
protected:
    void SetUp() override {
        received = &got;
        WNDCLASSW wc{};
        wc.lpfnWndProc = ReceiverProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"CaptureReceiver";
        RegisterClassW(&wc);
        window = CreateWindowW(L"CaptureReceiver", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               wc.hInstance, nullptr);
        CaptureWindow = window;
        SetSerialApi(&line);
        FrameCount = 1;
        RecordUnsaved = false;
        rec = new TComPortRec{};
    }
    void TearDown() override {
        if (rec->Thread) {
            CloseCapturePort(*rec);
            WaitForSingleObject(rec->Thread, 2000);
            CloseHandle(rec->Thread);
        }
        delete rec;
        SetSerialApi(nullptr);
        DestroyWindow(window);
        received = nullptr;
    }
    // Runs the message loop until `done` holds or the time is up.
    template <class Done>
    void Pump(Done done, DWORD ms = 5000) {
        const DWORD start = GetTickCount();
        while (!done() && GetTickCount() - start < ms) {
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
            Sleep(1);
        }
    }
    void Stop() {
        CloseCapturePort(*rec);
        EXPECT_EQ(WaitForSingleObject(rec->Thread, 2000), WAIT_OBJECT_0);
    }

    ScriptedLine line;
    Received got;
    HWND window = nullptr;
    TComPortRec* rec = nullptr;
};

std::vector<EcuFrame> SomeFrames(int n) {
    std::vector<EcuFrame> frames;
    std::uint32_t state = 99;
    for (int k = 0; k < n; ++k) frames.push_back(RandomFrame(state));
    return frames;
}

}  // namespace

TEST_F(CaptureThreadTest, PostsEveryFrameOfTheLineAndStops) {
    const auto frames = SomeFrames(6);
    line.events = SynthesizeStream(frames, {});
    ASSERT_TRUE(OpenCapturePort(7, *rec));
    EXPECT_EQ(line.opened.back(), "\\\\.\\COM7");
    EXPECT_EQ(line.lastDcb.BaudRate, 9600u);
    EXPECT_EQ(line.lastDcb.ByteSize, 8);
    EXPECT_EQ(line.lastDcb.fDtrControl, 0u);
    EXPECT_EQ(line.lastDcb.DCBlength, 0u);

    Pump([&] { return got.lists.size() == frames.size(); });
    ASSERT_EQ(got.lists.size(), frames.size());
    FrameCellBuffer cells;
    FrameBitBuffer bits{};
    for (std::size_t k = 0; k < frames.size(); ++k) {
        const auto& list = got.lists[k];
        ASSERT_EQ(DecodeEdgeList(list.data(), list.size() * 9, cells, bits), DecodeResult::Good);
        for (int c = 1; c <= 12; ++c) EXPECT_EQ(BitsToByte(bits, c), frames[k].bytes[c - 1]);
    }
    EXPECT_FALSE(RecordUnsaved.load());  // FrameCount stayed 1
    EXPECT_EQ(got.foreign, 0);

    // The thread is now waiting on a quiet line: a stop ends it before its next wait.
    const int waitsBefore = line.waits.load();
    Stop();
    EXPECT_LE(line.waits.load(), waitsBefore + 1);
    EXPECT_EQ(line.openHandles.load(), 0);
}

TEST_F(CaptureThreadTest, RecordUnsavedFollowsFrameCount) {
    FrameCount = 3;
    line.events = SynthesizeStream(SomeFrames(2), {});
    ASSERT_TRUE(OpenCapturePort(7, *rec));
    Pump([&] { return got.lists.size() == 2; });
    EXPECT_EQ(got.lists.size(), 2u);
    EXPECT_TRUE(RecordUnsaved.load());
    Stop();
}

TEST_F(CaptureThreadTest, FailingWaitsDoNotSpinAndStopStillEndsTheThread) {
    line.failWaits = true;
    ASSERT_TRUE(OpenCapturePort(7, *rec));
    Sleep(200);
    // With a 1 ms pause per failed wait a few hundred passes at most, not millions.
    EXPECT_LT(line.waits.load(), 1000);
    EXPECT_GT(line.waits.load(), 10);
    Stop();
}

// A pulled adapter: after the frames, every call on the port fails. The thread posts what it
// had, says once that the port is failing and ends by itself, without spinning meanwhile.
TEST_F(CaptureThreadTest, APortThatKeepsFailingIsReportedOnceAndEndsTheThread) {
    const auto frames = SomeFrames(3);
    line.events = SynthesizeStream(frames, {});
    line.failWaits = true;
    const DWORD start = GetTickCount();
    ASSERT_TRUE(OpenCapturePort(7, *rec));
    const DWORD threadId = GetThreadId(rec->Thread);

    // The thread's CPU time over most of the second it gives the port, while it still runs.
    Pump([&] { return GetTickCount() - start >= 800; }, 800);
    FILETIME created, exited, kernel, user;
    ASSERT_TRUE(GetThreadTimes(rec->Thread, &created, &exited, &kernel, &user));
    const DWORD measured = GetTickCount() - start;
    auto ms = [](const FILETIME& t) {
        return ((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000;
    };
    const ULONGLONG cpu = ms(kernel) + ms(user);
    std::printf("capture thread on a failing port: %d failed waits, %llu ms of CPU in %lu ms\n",
                line.failedWaits.load(), cpu, measured);
    EXPECT_LT(cpu, measured / 4u);

    Pump([&] { return !got.portFailures.empty(); }, 5000);
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_EQ(got.lists.size(), frames.size());
    ASSERT_EQ(got.portFailures.size(), 1u);
    EXPECT_EQ(got.portFailures[0], threadId);
    // Not on the first failure: the line is given about a second to come back.
    EXPECT_GE(elapsed, 900u);
    EXPECT_LT(elapsed, 3000u);
    ASSERT_EQ(WaitForSingleObject(rec->Thread, 1000), WAIT_OBJECT_0);
    // Sleeping between the failed waits, not spinning through them.
    EXPECT_LT(line.failedWaits.load(), 3000);

    Pump([] { return false; }, 100);
    EXPECT_EQ(got.portFailures.size(), 1u);
    Stop();
    EXPECT_EQ(line.openHandles.load(), 0);
}

// A working line that fails a wait now and then keeps its reading: nothing is reported, every
// frame arrives, and the thread waits on.
TEST_F(CaptureThreadTest, FailedWaitsOnAWorkingLineAreRiddenOut) {
    struct Case {
        const char* what;
        DWORD failForMs;
    };
    const Case cases[] = {{"one failed wait", 0}, {"failing for 300 ms", 300}};
    for (const Case& c : cases) {
        got = {};
        const auto frames = SomeFrames(4);
        line.events = SynthesizeStream(frames, {});
        line.failAt = line.events.size() / 2;
        line.failForMs = c.failForMs;
        const int failedBefore = line.failedWaits.load();
        ASSERT_TRUE(OpenCapturePort(7, *rec)) << c.what;
        Pump([&] { return got.lists.size() == frames.size(); });
        EXPECT_EQ(got.lists.size(), frames.size()) << c.what;
        EXPECT_GE(line.failedWaits.load() - failedBefore, 1) << c.what;
        if (c.failForMs == 0) {
            EXPECT_EQ(line.failedWaits.load() - failedBefore, 1);
        }
        // Past the time a failing port is given, on the quiet line that follows.
        Pump([] { return false; }, 1300);
        EXPECT_TRUE(got.portFailures.empty()) << c.what;
        EXPECT_EQ(WaitForSingleObject(rec->Thread, 0), static_cast<DWORD>(WAIT_TIMEOUT)) << c.what;
        Stop();
    }
}

TEST_F(CaptureThreadTest, NoCounterIsReportedOnceAndCutsNothing) {
    line.frequency = 0;
    line.events = SynthesizeStream(SomeFrames(3), {});
    ASSERT_TRUE(OpenCapturePort(7, *rec));
    Pump([&] { return line.waits.load() > static_cast<int>(line.events.size()); }, 2000);
    Pump([] { return false; }, 50);
    EXPECT_EQ(got.counterFailures, 1);
    EXPECT_TRUE(got.lists.empty());
    Stop();
}

TEST_F(CaptureThreadTest, ForeignMessagesAreNotTaken) {
    int local = 0;
    EXPECT_FALSE(TakeEdgeList(reinterpret_cast<WPARAM>(&local), 9).has_value());
    EXPECT_FALSE(TakeEdgeList(0, 0).has_value());
    // A forged message reaching the window is counted, not freed.
    SendMessageW(window, WM_EDGELIST, reinterpret_cast<WPARAM>(&local), 2943);
    EXPECT_EQ(got.foreign, 1);
}

TEST_F(CaptureThreadTest, OpenFailuresLeaveNothingOpen) {
    EXPECT_FALSE(OpenCapturePort(8, *rec));  // the line only has COM7
    EXPECT_EQ(rec->Thread, nullptr);
    line.failSetCommState = true;
    EXPECT_FALSE(OpenCapturePort(7, *rec));
    EXPECT_EQ(line.openHandles.load(), 0);
    EXPECT_EQ(rec->Thread, nullptr);
}

TEST(SerialPort, PortsThatDoNotExist) {
    // Real Windows calls on names no machine has: nothing opens, nothing stays open.
    EXPECT_FALSE(ProbeComPort("COM250"));
    EXPECT_FALSE(ProbeComPort("NOSUCHPORT"));
    auto* rec = new TComPortRec{};
    EXPECT_FALSE(OpenCapturePort(250, *rec));
    EXPECT_EQ(rec->Handle, INVALID_HANDLE_VALUE);
    EXPECT_EQ(rec->Thread, nullptr);
    delete rec;
}
