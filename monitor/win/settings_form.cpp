#include "monitor/win/settings_form.h"

#include <optional>
#include <string>

#include "monitor/core/record_file_text.h"
#include "monitor/win/capture_port.h"
#include "monitor/win/program_state.h"
#include "monitor/win/settings_form_design.h"
#include "ui/dialogs.h"
#include "ui/error_box.h"

namespace velmorant {

namespace {

// The choice boxes by settings value, in the order the values count from 1.
struct ChoiceGroup {
    std::int32_t ParamSettings::*key;
    std::initializer_list<int> boxes;
};

const ChoiceGroup kChoiceGroups[] = {
    {&ParamSettings::KHH, {1, 3}},
    {&ParamSettings::Temperature, {4, 5}},
    {&ParamSettings::Vozduh, {9, 10, 12, 2, 11, 13}},
    {&ParamSettings::DZ, {18, 19}},
    {&ParamSettings::Korr, {20, 21}},
};

// "Standart" counts from 0.
constexpr int kStandartBoxes[] = {17, 6, 7, 8};

constexpr int kUnitBoxes[] = {1, 2, 3, 4, 5, 9, 10, 11, 12, 13, 18, 19, 20, 21};

}  // namespace

TForm9::TForm9()
    : ui::Form(SettingsFormDesign(), SettingsFormComponents()),
      edit1_(Get<ui::Edit>("Edit1")),
      edit2_(Get<ui::Edit>("Edit2")),
      edit3_(Get<ui::Edit>("Edit3")),
      button1_(Get<ui::Button>("Button1")) {
    OnCreate = [this] { FormCreate(); };
    OnShow = [this] { FormShow(); };
    OnClose = [this](ui::CloseAction& action) { FormClose(action); };
    OnDeactivate = [this] { FormDeactivate(); };
    OnKeyPress = [this](char& key) { FormKeyPress(key); };
    button1_.OnClick = [this] { Button1Click(); };

    const std::pair<int, void (TForm9::*)()> handlers[] = {
        {1, &TForm9::CheckBox1MouseUp},   {2, &TForm9::CheckBox2MouseUp},
        {3, &TForm9::CheckBox3MouseUp},   {4, &TForm9::CheckBox4MouseUp},
        {5, &TForm9::CheckBox5MouseUp},   {6, &TForm9::CheckBox6MouseUp},
        {7, &TForm9::CheckBox7MouseUp},   {8, &TForm9::CheckBox8MouseUp},
        {9, &TForm9::CheckBox9MouseUp},   {10, &TForm9::CheckBox10MouseUp},
        {11, &TForm9::CheckBox11MouseUp}, {12, &TForm9::CheckBox12MouseUp},
        {13, &TForm9::CheckBox13MouseUp}, {17, &TForm9::CheckBox17MouseUp},
        {18, &TForm9::CheckBox18MouseUp}, {19, &TForm9::CheckBox19MouseUp},
        {20, &TForm9::CheckBox20MouseUp}, {21, &TForm9::CheckBox21MouseUp},
        {22, &TForm9::CheckBox22MouseUp},
    };
    for (const auto& [n, handler] : handlers)
        Box(n).OnMouseUp = [this, h = handler](ui::MouseButton, int, int) { (this->*h)(); };
}

ui::CheckBox& TForm9::Box(int n) const { return Get<ui::CheckBox>("CheckBox" + std::to_string(n)); }

std::int32_t& TForm9::Vozduh() { return ProgramSettings.Param.Vozduh; }
std::int32_t& TForm9::KHH() { return ProgramSettings.Param.KHH; }
std::int32_t& TForm9::Temperature() { return ProgramSettings.Param.Temperature; }
std::int32_t& TForm9::DZ() { return ProgramSettings.Param.DZ; }
std::int32_t& TForm9::Korr() { return ProgramSettings.Param.Korr; }

void TForm9::LoadSettings() {
    LoadProgramSettings();
    if (OnSettingsRead) OnSettingsRead(LoadCarDefaults);
}

void TForm9::ShowSettings() {
    for (int n = 1; n <= 22; ++n) Box(n).SetChecked(false);
    for (ui::Edit* e : {&edit1_, &edit2_, &edit3_}) e->SetText("");

    const ParamSettings& p = ProgramSettings.Param;
    for (const ChoiceGroup& g : kChoiceGroups) {
        const std::int32_t value = p.*g.key;
        if (value >= 1 && value <= static_cast<std::int32_t>(g.boxes.size()))
            Box(g.boxes.begin()[value - 1]).SetChecked(true);
    }
    if (p.Standart >= 0 && p.Standart < static_cast<std::int32_t>(std::size(kStandartBoxes)))
        Box(kStandartBoxes[p.Standart]).SetChecked(true);

    if (p.Adapter) Box(14).SetChecked(true);
    if (p.DTR) Box(15).SetChecked(true);
    if (p.LowCP) Box(16).SetChecked(true);
    if (ProgramSettings.ManyInstances) Box(22).SetChecked(true);

    edit1_.SetText(std::to_string(p.PrFors));
    edit2_.SetText(std::to_string(p.KolFors));
    edit3_.SetText(std::to_string(p.ChastFors));
}

void TForm9::EnableUnitChoices(bool enabled) {
    for (int n : kUnitBoxes) Box(n).SetEnabled(enabled);
}

void TForm9::SetChoice(std::int32_t& key, std::int32_t value) {
    key = value;
    ShowSettings();
}

void TForm9::ApplyPreset(std::int32_t standart, std::int32_t vozduh) {
    ParamSettings& p = ProgramSettings.Param;
    p.Standart = standart;
    p.Vozduh = vozduh;
    p.KHH = p.Temperature = p.DZ = p.Korr = 1;
    EnableUnitChoices(false);
    ShowSettings();
}

void TForm9::CheckBox17MouseUp() {
    ProgramSettings.Param.Standart = 0;
    EnableUnitChoices(true);
    ShowSettings();
}

void TForm9::CheckBox22MouseUp() {
    ProgramSettings.ManyInstances = Box(22).Checked();
    ShowSettings();
}

void TForm9::FormCreate() {
    SetKeyPreview(true);
    LoadCarDefaults = true;
    LoadSettings();
    ShowSettings();
}

void TForm9::FormShow() {
    LoadCarDefaults = false;
    LoadSettings();
    ShowSettings();
    EnableUnitChoices(ProgramSettings.Param.Standart <= 0);
}

void TForm9::FormClose(ui::CloseAction& action) {
    struct Entry {
        ui::Edit& edit;
        std::int32_t max;
        std::int32_t fallback;
        const char* message;
        std::int32_t value = 0;
    };
    Entry entries[] = {
        {edit1_, 500, 55, "Неверная производительность форсунок"},
        {edit2_, 12, 4, "Неверное количество форсунок"},
        {edit3_, 4, 2, "Неверная частота работы форсунок"},
    };
    bool valid = true;
    for (Entry& e : entries) {
        const std::optional<std::int32_t> number = ParseInteger(e.edit.Text());
        e.value = number.value_or(e.fallback);
        if (!number || e.value < 1 || e.value > e.max) {
            ui::ShowMessage(e.message);
            valid = false;
        }
        e.edit.SetText(std::to_string(e.value));
    }

    if (valid) {
        ParamSettings& p = ProgramSettings.Param;
        p.Adapter = Box(14).Checked();
        p.DTR = Box(15).Checked();
        p.LowCP = Box(16).Checked();
        Adapter = p.Adapter;
        p.PrFors = entries[0].value;
        p.KolFors = entries[1].value;
        p.ChastFors = entries[2].value;
        if (OnSettingsChanged) OnSettingsChanged();
    } else {
        action = ui::CloseAction::None;
        // Closed by losing the activation, it would stay open behind the window clicked,
        // out of sight; it comes back once the boxes are answered, so the entry can be mended.
        BringToFrontLater();
    }

    // A file that cannot be written is reported; the window still closes, or it could never
    // be closed while the folder is read-only.
    if (StartupDone && StartupDone() && SaveSettings) ui::Guarded(SaveSettings);
}

void TForm9::FormDeactivate() {
    if (Visible()) Close();
}

void TForm9::FormKeyPress(char& key) {
    if (key == 27) {
        key = 0;
        Close();
    }
}

void TForm9::Button1Click() { Close(); }

}  // namespace velmorant
