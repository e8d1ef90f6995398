#include "monitor/win/help_form.h"

namespace velmorant {

namespace {

// Seven sections, each opened by its heading line; an empty line between sections.
const std::vector<std::string> kHelpText = {
    "What should I do to start:",
    "1. A computer with a processor of at least 1 GHz and a COM port. A computer",
    "   without a COM port needs a COM-to-USB adapter.",
    "2. The cable. It is made of two wires, a capacitor of 1.5 to 3.3 nF and a female",
    "   COM-port plug:",
    " - the first wire joins the terminals Te2 and E1 of the diagnostic connector",
    "   to pin 5 of the COM port;",
    " - the second wire joins the terminal Vf1 of the diagnostic connector to pin 6",
    "   of the COM port;",
    " - the capacitor is soldered between the two wires.",
    "",
    "How to start:",
    "1. Connect the cable to the diagnostic connector and to the COM port (through the",
    "   adapter, if you use one). A desktop computer fed from the 220 V mains must be",
    "   earthed.",
    "2. Start the program, choose the COM port and press \"Read\". The information line",
    "   confirms that the program is in the reading mode. When no COM port is listed,",
    "   the ports are disabled, absent or busy with another program.",
    "3. Switch the ignition on. The engine malfunction indicator blinks about twice a",
    "   second, and the frame number at the bottom of the window rises.",
    "4. Start the engine: the indicator goes out. Keep the mouse pointer still while",
    "   the program is reading.",
    "   The frames read are kept in memory; the record can be saved to a file later.",
    "The settings offer:",
    " - a logical 1 on the DTR output;",
    " - the check of the equipment's performance, switched on or off (the check is",
    "   done on every frame);",
    " - a direct or an inverted adapter (useful only with COM-to-USB adapters).",
    "",
    "Graphics:",
    "The charts window shows up to six parameters as curves, each parameter as a",
    "curve of its own over the frames of the record.",
    "The curves show the record in memory: the one being read or the one loaded",
    "from a file.",
    "",
    "Working with files:",
    "A record can be saved in the program's own format or for Excel. Only the",
    "program's own files can be loaded. Saving or loading a file stops the reading.",
    "Before saving, fill in the car description and the reasons for diagnostics.",
    "Notes:",
    "1. Not all of the protocol is decoded, so some parameters are missing.",
    "2. The diagnosis bit is not decoded; it behaves erratically even on a sound car.",
    "3. Changes of the mixture state (rich/lean) tell nothing about the health of the",
    "   oxygen sensor, unless they never happen.",
    "",
    "Some facts:",
    "On a healthy engine at idle, with all consumers switched off:",
    " - the intake pressure is 25 to 30 kPa;",
    " - the idle valve works at 30 to 40 %;",
    " - the ignition angle floats between 10 and 25 degrees; with E1 and TE1 bridged",
    "   it is fixed at 10 degrees;",
    " - the correction lies between 1.25 and 3.75 V; it is 0 V or 0.51 V when the",
    "   pedal is released abruptly or the engine is cold.",
    "",
    "The methodology of the test vehicle:",
    "1. Switch off all consumers and put the transmission in neutral.",
    "2. Warm the engine up to at least 85 degrees and stop it.",
    "3. Start recording, switch the ignition on and record 10 to 15 seconds of",
    "   cranking. From here on the recording runs to the end of the test.",
    "4. Let the engine start and wait until the enrichment after engine start",
    "   (flag 11.0 of the parameter list) ends.",
    "5. Hold 2500 to 3000 rpm for 2.5 to 3 minutes.",
    "6. Drop to idle for 2.5 to 3 minutes.",
    "7. With an automatic transmission, brake and put the selector in D for 2.5 to 3",
    "   minutes.",
    "8. Stop the engine, then stop the recording and save the record.",
    "The stages of 2.5 to 3 minutes let the operating modes settle, so that each mode",
    "can be judged on its own.",
    "",
    "Optional entries:",
    "These entries are not needed for the test, but they tell more about the car:",
    "1. Warming up: record the engine from cold until the coolant is above",
    "   80 degrees.",
    "2. A recorded drive: record a drive on the road with the engine in its usual",
    "   modes.",
    "Save each entry to a file of its own and describe the car and the reasons for",
    "diagnostics before saving.",
};

}  // namespace

const std::vector<std::string>& HelpTextLines() { return kHelpText; }

const ui::FormDesign& HelpFormDesign() {
    static const ui::FormDesign design{
        .name = "Form4",
        .caption = "Working with the program",
        .clientWidth = 747,
        .clientHeight = 259,
        .borderStyle = ui::BorderStyle::Dialog,
        .minimizeBox = false,
        .maximizeBox = false,
        .keyPreview = true,
    };
    return design;
}

std::span<const ui::Design> HelpFormComponents() {
    static const std::vector<ui::Design> components = {
        {.kind = ui::Kind::Memo,
         .name = "Memo1",
         .left = 6,
         .top = 6,
         .width = 735,
         .height = 246,
         .font = {.name = "Courier New", .height = 13},
         .readOnly = true,
         .scrollBars = ui::ScrollBars::Vertical,
         .items = kHelpText},
    };
    return components;
}

TForm4::TForm4()
    : ui::Form(HelpFormDesign(), HelpFormComponents()), memo1_(Get<ui::Memo>("Memo1")) {
    OnCreate = [this] { FormCreate(); };
    OnKeyPress = [this](char& key) { FormKeyPress(key); };
}

void TForm4::FormCreate() { SetKeyPreview(true); }

void TForm4::FormKeyPress(char& key) {
    if (key == 27) {
        key = 0;
        Close();
    }
}

}  // namespace velmorant
