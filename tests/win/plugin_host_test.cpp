#include <gtest/gtest.h>
#include <windows.h>

#include <cwctype>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "monitor/win/main_form.h"
#include "monitor/win/serial_api.h"
#include "tests/win/program_folder.h"
#include "tests/win/scripted_line.h"
#include "ui/application.h"
#include "ui/image.h"
#include "ui/menu.h"
#include "ui/scripted_dialogs.h"

using namespace velmorant;
using namespace velmorant::test;

namespace {

// The test plug-ins are built into "plugins" beside the test program.
std::filesystem::path TestPlugins() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path() / "plugins";
}

// The names of the folder's "*.dll" files in the order the file search returns them.
std::vector<std::wstring> SearchOrder(const std::filesystem::path& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    HANDLE h = FindFirstFileW((folder / L"*.dll").c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
        names.push_back(found.cFileName);
    } while (FindNextFileW(h, &found));
    FindClose(h);
    return names;
}

template <class T>
T Export(const std::filesystem::path& library, const char* name) {
    HMODULE module = GetModuleHandleW(library.c_str());
    if (!module) return nullptr;
    return reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// The open command registered for recorded files, lower case; empty when there is none.
std::wstring RegisteredOpenCommand() {
    wchar_t text[1024] = {};
    DWORD bytes = sizeof text;
    RegGetValueW(HKEY_CURRENT_USER, L"Software\\Classes\\velmorant_file\\shell\\open\\command",
                 nullptr, RRF_RT_REG_SZ, nullptr, text, &bytes);
    std::wstring command(text);
    for (wchar_t& c : command) c = static_cast<wchar_t>(towlower(c));
    return command;
}

class PluginHostTest : public ::testing::Test {
protected:
    explicit PluginHostTest() = default;

    void SetUp() override { SetSerialApi(&line); }
    void TearDown() override {
        form.reset();
        SetSerialApi(nullptr);
    }

    // A fresh program folder holding copies of test plug-ins under the given names.
    void Folder(const std::string& name,
                const std::vector<std::pair<const char*, const wchar_t*>>& copies) {
        folder = std::make_unique<ProgramFolder>(name);
        for (const auto& [source, target] : copies)
            std::filesystem::copy_file(TestPlugins() / source, folder->folder / target);
    }
    void CreateMainWindow() {
        form = std::make_unique<TForm1>();
        form->Create();
    }
    ui::MenuItem& TypeMenu() { return form->Get<ui::MenuItem>("N5"); }
    std::vector<std::string> TypeCaptions() {
        std::vector<std::string> captions;
        for (int i = 0; i < TypeMenu().Count(); ++i)
            captions.push_back(TypeMenu().Item(i).Caption());
        return captions;
    }
    // The item's type as the Win32 menu holds it.
    bool IsWin32Separator(int index) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE;
        GetMenuItemInfoW(TypeMenu().Submenu(), static_cast<UINT>(index), TRUE, &info);
        return (info.fType & MFT_SEPARATOR) != 0;
    }
    bool LampEmpty() { return form->Get<ui::Image>("Image1").Picture().Empty(); }

    ScriptedLine line;
    ui::ScriptedDialogs dialogs;
    std::unique_ptr<ProgramFolder> folder;
    std::unique_ptr<TForm1> form;
};

const std::vector<std::string> kBuiltIn = {"Charts", "Large Data Display", "Driving Parameters",
                                           "-",      "Three References",   "Bytes Protocol"};

TEST_F(PluginHostTest, FolderWithoutLibrariesKeepsTheBuiltInCommands) {
    Folder("velmorant_plugins_none", {});
    CreateMainWindow();
    EXPECT_EQ(TypeCaptions(), kBuiltIn);
    EXPECT_TRUE(form->Plugins().PluginList().empty());
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_FALSE(LampEmpty());  // the creation went on to the lamp
}

TEST_F(PluginHostTest, EachPluginHasItsOwnHostObjectAndItemsInSearchOrder) {
    Folder("velmorant_plugins_two", {{"menu_plugin.dll", L"PluginA.dll"},
                                     {"menu_plugin.dll", L"PluginB.dll"},
                                     {"no_init_plugin.dll", L"NoInit.dll"}});
    std::ofstream(folder->folder / "NotALibrary.dll") << "This is not a library.\n";
    CreateMainWindow();

    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_FALSE(LampEmpty());
    // The library without InitPlugin was unloaded again.
    EXPECT_EQ(GetModuleHandleW((folder->folder / "NoInit.dll").c_str()), nullptr);

    std::vector<std::string> expected = kBuiltIn;
    std::vector<TIPluginDemo*> hosts;
    for (const std::wstring& name : SearchOrder(folder->folder)) {
        if (name != L"PluginA.dll" && name != L"PluginB.dll") continue;
        const auto library = folder->folder / name;
        auto hostObject = Export<TIPluginDemo* (*)()>(library, "TestHostObject");
        ASSERT_NE(hostObject, nullptr);
        hosts.push_back(hostObject());
        auto application = Export<void* (*)()>(library, "TestApplication");
        EXPECT_EQ(application(), &ui::App());
        expected.push_back("-");
        expected.push_back("Command of " + std::filesystem::path(name).stem().string());
    }
    ASSERT_EQ(hosts.size(), 2u);
    EXPECT_NE(hosts[0], hosts[1]);
    EXPECT_EQ(form->Plugins().PluginList(), hosts);
    EXPECT_EQ(form->Plugins().CurrentPlugin(), hosts[1]);
    // The captions are the host's copies: the plug-in overwrote its own text afterwards.
    EXPECT_EQ(TypeCaptions(), expected);
    for (int i = 6; i < TypeMenu().Count(); ++i) {
        EXPECT_EQ(TypeMenu().Item(i).ImageIndex(), 13);
        EXPECT_EQ(IsWin32Separator(i), TypeMenu().Item(i).Caption() == "-");
    }
}

TEST_F(PluginHostTest, ChoosingACommandCallsItsHandlerWithItsDataAndItem) {
    Folder("velmorant_plugins_click", {{"menu_plugin.dll", L"PluginClick.dll"}});
    CreateMainWindow();
    const auto library = folder->folder / "PluginClick.dll";
    auto clicks = Export<int (*)(void**, void**)>(library, "TestClicks");
    auto handlerData = Export<void* (*)()>(library, "TestHandlerData");
    ASSERT_NE(clicks, nullptr);
    ASSERT_EQ(TypeMenu().Count(), 8);
    ui::MenuItem& separator = TypeMenu().Item(6);
    ui::MenuItem& command = TypeMenu().Item(7);

    void* data = nullptr;
    void* sender = nullptr;
    // The separator has no effect; the command reaches the plug-in as the menu chooses it.
    SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(separator.Command(), 0), 0);
    EXPECT_EQ(clicks(&data, &sender), 0);
    SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(command.Command(), 0), 0);
    EXPECT_EQ(clicks(&data, &sender), 1);
    EXPECT_EQ(data, handlerData());
    EXPECT_EQ(sender, &command);
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(PluginHostTest, FailingInitPluginEndsTheScanAndTheCreation) {
    Folder("velmorant_plugins_throw",
           {{"throwing_plugin.dll", L"Throwing.dll"}, {"menu_plugin.dll", L"PluginAfter.dll"}});
    CreateMainWindow();

    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "Error Throwing.dll.");
    EXPECT_EQ(dialogs.boxes[0].caption, "Velmorant");
    EXPECT_EQ(dialogs.boxes[0].flags, static_cast<UINT>(MB_ICONERROR | MB_OK));
    // The rest of the creation did not run: the lamp was never switched to "Off", and the file
    // type was not registered for this program folder (other tests register their own).
    EXPECT_TRUE(LampEmpty());
    EXPECT_EQ(RegisteredOpenCommand().find(L"velmorant_plugins_throw"), std::wstring::npos);

    // The failing plug-in keeps what it added; a library after it is not loaded at all.
    const auto order = SearchOrder(folder->folder);
    const bool otherFirst = order.at(0) == L"PluginAfter.dll";
    std::vector<std::string> expected = kBuiltIn;
    if (otherFirst) {
        expected.push_back("-");
        expected.push_back("Command of PluginAfter");
    }
    expected.push_back("Before the error");
    EXPECT_EQ(TypeCaptions(), expected);
    EXPECT_EQ(GetModuleHandleW((folder->folder / "PluginAfter.dll").c_str()) != nullptr,
              otherFirst);
    EXPECT_EQ(form->Plugins().PluginList().size(), otherFirst ? 1u : 0u);
    // The program works otherwise: its own commands still run.
    form->Get<ui::MenuItem>("N12").Click();
    EXPECT_TRUE(form->Get<ui::MenuItem>("N12").Checked());
}

}  // namespace
