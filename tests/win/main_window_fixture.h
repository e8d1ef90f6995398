#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "monitor/core/frame_record.h"
#include "monitor/win/capture_port.h"
#include "monitor/win/car_form.h"
#include "monitor/win/main_form.h"
#include "monitor/win/program_forms.h"
#include "monitor/win/program_state.h"
#include "tests/win/scripted_line.h"
#include "ui/edit.h"
#include "ui/scripted_dialogs.h"
#include "ui/timer.h"

namespace velmorant::test {

// The main window with its car window on the scripted serial line and scripted dialogs,
// shown with the blank frame 1 of start-up stored.
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        SetSerialApi(&line);
        RecordUnsaved = false;
        form = MakeForm();
        form->Create();
        car = std::make_unique<TForm6>();
        car->Create();
        Forms.Form6 = car.get();
        // The start-up step runs only where a test calls it: on a loaded machine its 250 ms
        // could otherwise pass inside the message pumping of the first showing's resize or of
        // the frame display.
        auto& startup = form->Get<ui::Timer>("Timer6");
        startup.SetInterval(3'600'000);
        form->Show();
        startup.SetEnabled(false);
        form->Timer1Timer();
    }
    void TearDown() override {
        if (CapturePortOpen(CaptureRec)) CloseCapturePort(CaptureRec);
        RecordUnsaved = false;
        Forms.Form6 = nullptr;
        car.reset();
        form.reset();
        SetSerialApi(nullptr);
    }
    // The main window a test works with: a test may watch its messages in a class of its own.
    virtual std::unique_ptr<TForm1> MakeForm() { return std::make_unique<TForm1>(); }
    template <class T>
    T& Get(const char* name) {
        return form->Get<T>(name);
    }
    std::string Status() { return Get<ui::Edit>("Edit1").Text(); }

    ScriptedLine line;
    ui::ScriptedDialogs dialogs;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TForm6> car;
};

// The same with a folder of its own for the files a test writes, removed afterwards.
class MainWindowFilesFixture : public MainWindowFixture {
protected:
    explicit MainWindowFilesFixture(const char* folderName)
        : folder(std::filesystem::temp_directory_path() / folderName) {}
    void TearDown() override {
        MainWindowFixture::TearDown();
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    std::filesystem::path File(const char* name) {
        std::filesystem::create_directories(folder);
        return folder / name;
    }

    const std::filesystem::path folder;
};

}  // namespace velmorant::test
