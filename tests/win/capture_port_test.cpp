#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <string>
#include <vector>

#include "monitor/core/frame_decoder.h"
#include "monitor/core/frame_record.h"
#include "monitor/win/capture_port.h"
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
