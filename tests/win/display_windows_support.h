#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "monitor/core/record_file_writer.h"
#include "monitor/win/driving_form.h"
#include "monitor/win/large_display_form.h"
#include "monitor/win/main_form.h"
#include "monitor/win/program_forms.h"
#include "monitor/win/program_state.h"
#include "tests/support/ecu_stream.h"
#include "tests/win/activation_support.h"
#include "tests/win/program_folder.h"
#include "tests/win/scripted_line.h"
#include "ui/application.h"
#include "ui/label.h"
#include "ui/scripted_dialogs.h"

namespace velmorant::test {

// The whole program's windows, as the program entry creates them, with the main window shown
// and its blank start-up frame stored; the large display and the driving-parameters window
// are reached through them.
class DisplayWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetSerialApi(&line);
        ProgramSettings = Settings{};
        main = &CreateProgramForms();
        large = Forms.Form7;
        driving = Forms.Form10;
        main->Show();
        main->StoreStartupFrame();
    }
    void TearDown() override {
        if (CapturePortOpen(CaptureRec)) CloseCapturePort(CaptureRec);
        ui::App().DestroyForms();
        Forms = {};
        SetSerialApi(nullptr);
        ProgramSettings = Settings{};
        RecordUnsaved = false;
    }

    // Loads a record of these frames, as "View" does; the main position is then the middle.
    void Load(const std::vector<RecordedFrame>& frames) {
        const auto path = env.folder / "display.vmr";
        ASSERT_TRUE(WriteRecordFile(path, frames, {}, {}).Ok());
        ASSERT_TRUE(main->LoadRecordFile(path));
    }
    // `n` frames whose engine-speed byte is the frame number and whose flag 11.0 is set on
    // even frames.
    void LoadNumbered(int n) {
        std::vector<RecordedFrame> frames(static_cast<std::size_t>(n));
        for (int k = 1; k <= n; ++k) {
            frames[k - 1].DataBytes[3] = static_cast<std::uint8_t>(k);
            frames[k - 1].Byte11Bits[0] = k % 2 == 0;
        }
        Load(frames);
    }
    // Starts a reading of `count` frames on the scripted line and waits until all are stored.
    void Read(int count) {
        std::vector<EcuFrame> frames(static_cast<std::size_t>(count));
        for (int k = 0; k < count; ++k) frames[k].bytes[3] = static_cast<std::uint8_t>(40 + k);
        line.events = SynthesizeStream(frames, {});
        main->Get<ui::Button>("Button1").Click();
        PumpUntil([&] { return MainBar().Max() == count; });
        ASSERT_EQ(MainBar().Max(), count);
    }

    ui::ScrollBar& MainBar() { return main->Get<ui::ScrollBar>("ScrollBar1"); }
    std::string MainStatus() { return main->Get<ui::Edit>("Edit1").Text(); }
    std::string LargeLabel(int n) {
        return large->Get<ui::Label>("Label" + std::to_string(n)).Caption();
    }
    std::string DrivingLabel(int n) {
        return driving->Get<ui::Label>("Label" + std::to_string(n)).Caption();
    }
    bool Showing(ui::Form* form) { return form->Visible() && IsWindowVisible(form->Handle()); }

    ProgramFolder env{"velmorant_display_windows_test"};
    ScriptedLine line;
    ui::ScriptedDialogs dialogs;
    TForm1* main = nullptr;
    TForm7* large = nullptr;
    TForm10* driving = nullptr;
};

}  // namespace velmorant::test
