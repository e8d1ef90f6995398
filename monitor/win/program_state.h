#pragma once

#include "monitor/core/display_locale.h"
#include "monitor/core/frame_record.h"
#include "monitor/core/parameter_rows.h"
#include "monitor/core/settings.h"

namespace velmorant {

// The program's shared state: the record, the settings in force and the user's locale.
extern FrameRecord Record;
extern Settings ProgramSettings;
extern DisplayLocale UserLocale;

ConversionSettings ConversionOf(const Settings& settings);
// Reads the settings file beside the program into ProgramSettings and publishes the
// inverse-adapter setting to the capture thread.
void LoadProgramSettings();

}  // namespace velmorant
