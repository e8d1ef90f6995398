#pragma once

#include <gtest/gtest.h>

#include "monitor/core/settings.h"
#include "monitor/win/program_forms.h"
#include "monitor/win/program_state.h"
#include "monitor/win/serial_api.h"
#include "tests/win/scripted_line.h"
#include "ui/application.h"
#include "ui/scripted_dialogs.h"

namespace velmorant::test {

// The program's windows on the scripted serial line and scripted dialogs, from the default
// settings; whatever a test creates of them is gone after it.
class ProgramWindowsFixture : public ::testing::Test {
protected:
    void SetUp() override {
        SetSerialApi(&line);
        ProgramSettings = Settings{};
    }
    void TearDown() override {
        ui::App().DestroyForms();
        Forms = {};
        SetSerialApi(nullptr);
        ProgramSettings = Settings{};
        RecordUnsaved = false;
    }

    ScriptedLine line;
    ui::ScriptedDialogs dialogs;
};

}  // namespace velmorant::test
