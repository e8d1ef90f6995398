#include "monitor/win/program_state.h"

#include <windows.h>

#include "monitor/core/settings_file.h"
#include "monitor/win/capture_port.h"
#include "ui/program_environment.h"

namespace velmorant {

FrameRecord Record;
Settings ProgramSettings;
DisplayLocale UserLocale;

ConversionSettings ConversionOf(const Settings& s) {
    const ParamSettings& p = s.Param;
    return {p.Vozduh, p.Temperature, p.KHH, p.DZ, p.Korr, p.PrFors, p.KolFors, p.ChastFors};
}

void LoadProgramSettings() {
    ProgramSettings = ReadSettings(SettingsPathOf(ui::ExecutablePath()));
    Adapter = ProgramSettings.Param.Adapter;
}

}  // namespace velmorant
