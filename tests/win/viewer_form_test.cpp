#include "viewer/viewer_form.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "monitor/core/ini_file.h"
#include "monitor/core/settings_file.h"
#include "monitor/win/program_state.h"
#include "monitor/win/settings_form.h"
#include "tests/win/activation_support.h"
#include "tests/win/program_folder.h"
#include "tests/win/recording_support.h"
#include "ui/application.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "ui/scripted_dialogs.h"
#include "viewer/viewer_settings.h"

using namespace velmorant;
using velmorant::test::PumpFor;

namespace {

class ViewerFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        viewer::Values = ViewerSettings{};
        form = std::make_unique<viewer::TForm1>();
        form->Create();
        form->SetKeyPreview(true);
    }
    void TearDown() override {
        form.reset();
        viewer::Values = ViewerSettings{};
        ProgramSettings = Settings{};
    }
    template <class T>
    T& Get(const char* name) {
        return form->Get<T>(name);
    }
    void WriteSettingsText(const std::string& text) {
        std::ofstream(env.SettingsFile(), std::ios::binary) << text;
    }

    test::ProgramFolder env{"velmorant_viewer_form_test"};
    ui::ScriptedDialogs dialogs;
    std::unique_ptr<viewer::TForm1> form;
};

TEST_F(ViewerFormTest, CreatedHiddenWithItsPanesReady) {
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(Get<ui::Panel>("Panel1").Visible());
    EXPECT_TRUE(form->PaneActiveA());
    EXPECT_TRUE(form->PaneActiveB());
    EXPECT_EQ(form->ChartBitmapA().Width(), 601);
    EXPECT_EQ(form->ChartBitmapB().Height(), 201);
    auto& dialog = Get<ui::OpenDialog>("OpenDialog1");
    EXPECT_EQ(dialog.Filter(), "Velmorant 1.0|*.vmr");
    EXPECT_EQ(Get<ui::ScrollBar>("ScrollBar_a").Max(), 1);
}

TEST_F(ViewerFormTest, ActivationMaximisesAndLaysOutTheHalves) {
    form->Show();
    PumpFor(100);
    form->FormActivate();
    EXPECT_TRUE(IsZoomed(form->Handle()));
    EXPECT_EQ(form->Text(), "Velmorant Viewer - view and compare data");
    // At the maximised size and again at a smaller one, as every resize lays out.
    for (bool restored : {false, true}) {
        SCOPED_TRACE(restored ? "restored" : "maximised");
        if (restored) {
            ShowWindow(form->Handle(), SW_RESTORE);
            form->SetBounds(10, 10, 700, 501);
        }
        auto& bar = Get<ui::StatusBar>("StatusBar1");
        auto& panel3 = Get<ui::Panel>("Panel3");
        EXPECT_EQ(Get<ui::Panel>("Panel2").Width(), 305);
        EXPECT_EQ(bar.PanelWidth(0), bar.Width() / 2);
        EXPECT_EQ(Get<ui::Panel>("Panel4").Height(), panel3.Height() / 2 - 1);
        EXPECT_EQ(Get<ui::Panel>("Panel5").Height(), panel3.Height() / 2 - 1);
        EXPECT_EQ(panel3.Left(), 305);
        EXPECT_EQ(panel3.Width(), form->ClientWidth() - 305);
    }
    EXPECT_FALSE(IsZoomed(form->Handle()));
    form->FormActivate();
    EXPECT_TRUE(IsZoomed(form->Handle()));
}

TEST_F(ViewerFormTest, FileCommandsRememberAnExistingChoice) {
    const auto file = env.folder / "first.vmr";
    test::WriteTestRecording(file, 3);
    dialogs.fileAnswers = {std::nullopt, ui::FileDialogAnswer{env.folder / "missing.vmr"},
                           ui::FileDialogAnswer{file}, ui::FileDialogAnswer{file}};
    form->N2Click();  // cancelled
    form->N2Click();  // a file that does not exist
    EXPECT_TRUE(form->PathA().empty());
    EXPECT_FALSE(Get<ui::Panel>("Panel1").Visible());
    form->N2Click();
    EXPECT_EQ(form->PathA(), file);
    EXPECT_TRUE(form->PathB().empty());
    EXPECT_TRUE(Get<ui::Panel>("Panel1").Visible());
    form->N7Click();
    EXPECT_EQ(form->PathB(), file);
    ASSERT_EQ(dialogs.fileRequests.size(), 4u);
    EXPECT_EQ(dialogs.fileRequests[0].filter, "Velmorant 1.0|*.vmr");
    EXPECT_FALSE(dialogs.fileRequests[0].save);
}

TEST_F(ViewerFormTest, EscAndExitHideTheWindow) {
    for (bool esc : {true, false}) {
        form->Show();
        ASSERT_TRUE(form->Visible());
        if (esc) {
            PostMessageW(form->Handle(), WM_CHAR, 27, 0);
            PumpFor(50);
        } else {
            form->Get<ui::MenuItem>("N4").Click();
        }
        EXPECT_FALSE(form->Visible());
        EXPECT_FALSE(IsWindowVisible(form->Handle()));
    }
}

TEST_F(ViewerFormTest, SettingsAreReadOnlyWithTheVersionRule) {
    const std::string current =
        "[Main]\r\nVersion=8000\r\n[Param]\r\nVozduh=4\r\nfon=255\r\n[FormPos]\r\nForm1X=7\r\n";
    WriteSettingsText(current);
    form->Panel4Resize();
    EXPECT_EQ(viewer::Values.Vozduh, 4);
    EXPECT_EQ(viewer::Values.fon, 255);
    // Nothing written: the file is as it was, byte for byte.
    EXPECT_EQ(IniFile::Load(env.SettingsFile()).Text(), current);

    // An old file loses "Param" and "FormPos"; the values fall back to their defaults.
    WriteSettingsText(
        "[Main]\r\nVersion=7000\r\n[Param]\r\nVozduh=4\r\n[FormPos]\r\nForm1X=7\r\n"
        "[Koment]\r\nMarka=Car\r\n");
    form->FormShow();
    EXPECT_EQ(viewer::Values, ViewerSettings{});
    const IniFile after = IniFile::Load(env.SettingsFile());
    EXPECT_FALSE(after.HasSection("Param"));
    EXPECT_FALSE(after.HasSection("FormPos"));
    EXPECT_EQ(after.ReadString("Koment", "Marka", ""), "Car");
    EXPECT_EQ(after.ReadString("Main", "Version", ""), "7000");
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(ViewerFormTest, OldFileThatCannotBeWrittenKeepsTheValuesAndSaysSoInViewersBox) {
    WriteSettingsText("[Param]\r\nVozduh=4\r\n");
    // Another program holds the file open for reading only.
    HANDLE held = CreateFileW(env.SettingsFile().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    viewer::Values.Vozduh = 9;
    // A pane resize reads the settings, through the handler's barrier.
    auto& pane = Get<ui::Panel>("Panel4");
    pane.SetHeight(pane.Height() + 10);
    CloseHandle(held);
    EXPECT_EQ(viewer::Values.Vozduh, 9);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "Unable to write to " + env.SettingsFile().string() + ".");
    EXPECT_EQ(dialogs.boxes[0].caption, "Viewer");
    EXPECT_EQ(dialogs.boxes[0].flags, static_cast<UINT>(MB_ICONERROR | MB_OK));
}

TEST_F(ViewerFormTest, UnitChosenInTheSettingsWindowReachesTheNextActivation) {
    ProgramSettings = Settings{};
    TForm9 settings;
    settings.StartupDone = [] { return true; };
    // The main program's write when its settings window closes after start-up.
    settings.SaveSettings = [] {
        WriteSettings(SettingsPathOf(ui::ExecutablePath()), ProgramSettings, false);
    };
    settings.Create();
    form->Show();
    PumpFor(100);
    form->Hide();
    const auto before = viewer::Values.Vozduh;

    settings.Show();
    auto& mapMercury = settings.Get<ui::CheckBox>("CheckBox2");
    SendMessageW(mapMercury.Handle(), WM_LBUTTONDOWN, 0, MAKELPARAM(4, 4));
    SendMessageW(mapMercury.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    settings.Get<ui::Button>("Button1").Click();
    PumpFor(100);
    ASSERT_NE(ProgramSettings.Param.Vozduh, before);
    EXPECT_EQ(viewer::Values.Vozduh, before);  // Viewer has its own copy

    form->Show();
    PumpFor(100);
    EXPECT_EQ(viewer::Values.Vozduh, ProgramSettings.Param.Vozduh);
}

}  // namespace
