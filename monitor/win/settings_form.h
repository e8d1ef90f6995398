#pragma once

#include <cstdint>
#include <functional>

#include "ui/button.h"
#include "ui/edit.h"
#include "ui/form.h"

namespace velmorant {

// The settings window: shows and edits ProgramSettings. The choices are check boxes that
// behave like option buttons: a click sets its setting and shows every box from memory
// again. It is created hidden, shown modeless, hides when closed and lives for the run.
class TForm9 : public ui::Form {
public:
    TForm9();

    // Reads the settings file into ProgramSettings (publishing the inverse-adapter setting)
    // and then runs OnSettingsRead. A failed erasure by the version rule throws.
    void LoadSettings();
    // The settings in memory into the boxes and edits.
    void ShowSettings();
    // Enables or disables the unit boxes (intake, idle valve, throttle, temperature, rate).
    void EnableUnitChoices(bool enabled);

    // Set by FormCreate, cleared by FormShow: whether OnSettingsRead also applies the
    // car-description defaults.
    bool LoadCarDefaults = false;

    // Set by the main window. After every reading: place the windows at their stored
    // positions, the driving-parameters window at the large display's, and, when
    // `loadCarDefaults`, give the car description window the settings' "Koment" texts.
    std::function<void(bool loadCarDefaults)> OnSettingsRead;
    // After the window accepted its entries and closes: redisplay the main window's current
    // frame when visible, redraw the charts window when visible, refill its selectors.
    std::function<void()> OnSettingsChanged;
    // Whether the main window's start-up step has run; unset counts as not yet.
    std::function<bool()> StartupDone;
    // The file write of every setting (the main window's SaveSettings); run on each close
    // once StartupDone, also when an invalid entry keeps the window open.
    std::function<void()> SaveSettings;

    void FormCreate();
    void FormShow();
    void FormClose(ui::CloseAction& action);
    void FormDeactivate();
    void FormKeyPress(char& key);
    void Button1Click();

    // The choice handlers, run on a mouse button's release after the box toggled.
    void CheckBox6MouseUp() { ApplyPreset(1, 1); }
    void CheckBox7MouseUp() { ApplyPreset(2, 6); }
    void CheckBox8MouseUp() { ApplyPreset(3, 6); }
    void CheckBox17MouseUp();
    void CheckBox9MouseUp() { SetChoice(Vozduh(), 1); }
    void CheckBox10MouseUp() { SetChoice(Vozduh(), 2); }
    void CheckBox12MouseUp() { SetChoice(Vozduh(), 3); }
    void CheckBox2MouseUp() { SetChoice(Vozduh(), 4); }
    void CheckBox11MouseUp() { SetChoice(Vozduh(), 5); }
    void CheckBox13MouseUp() { SetChoice(Vozduh(), 6); }
    void CheckBox1MouseUp() { SetChoice(KHH(), 1); }
    void CheckBox3MouseUp() { SetChoice(KHH(), 2); }
    void CheckBox4MouseUp() { SetChoice(Temperature(), 1); }
    void CheckBox5MouseUp() { SetChoice(Temperature(), 2); }
    void CheckBox18MouseUp() { SetChoice(DZ(), 1); }
    void CheckBox19MouseUp() { SetChoice(DZ(), 2); }
    void CheckBox20MouseUp() { SetChoice(Korr(), 1); }
    void CheckBox21MouseUp() { SetChoice(Korr(), 2); }
    void CheckBox22MouseUp();

private:
    static std::int32_t& Vozduh();
    static std::int32_t& KHH();
    static std::int32_t& Temperature();
    static std::int32_t& DZ();
    static std::int32_t& Korr();
    void SetChoice(std::int32_t& key, std::int32_t value);
    void ApplyPreset(std::int32_t standart, std::int32_t vozduh);
    ui::CheckBox& Box(int n) const;

    ui::Edit& edit1_;
    ui::Edit& edit2_;
    ui::Edit& edit3_;
    ui::Button& button1_;
};

}  // namespace velmorant
