// A window with the gauges of the driving-parameters design at their sizes, ranges and
// colours, each showing a sample value: for looking at the gauge controls, not a test.
//   gauge_gallery.exe            shows the window until it is closed
//   gauge_gallery.exe <ms>       closes it after that many milliseconds (0: never)
//   gauge_gallery.exe <ms> <p>   the gauges with pointer p instead of the design's needle:
//                                needle, arrow, sector or ring

#include <windows.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "gauges/kro_digit.h"
#include "gauges/kro_led.h"
#include "gauges/kro_tacho.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/panel.h"
#include "ui/timer.h"

using namespace gauges;

namespace {

const ui::FontDesign kCaptionFont{
    .name = "Courier New", .height = 13, .bold = true, .colour = ui::kNavy};

ui::Design PanelRow(const char* name, int left, int top, int width, int height) {
    return {.kind = ui::Kind::Panel,
            .name = name,
            .left = left,
            .top = top,
            .width = width,
            .height = height};
}

ui::Design Caption(const char* name, const char* parent, int left, int top, const char* text) {
    return {.kind = ui::Kind::Label,
            .name = name,
            .parent = parent,
            .left = left,
            .top = top,
            .caption = text,
            .font = kCaptionFont};
}

const ui::Design kComponents[] = {
    PanelRow("Panel1", 0, 0, 345, 225),
    PanelRow("Panel2", 345, 0, 345, 225),
    PanelRow("Panel3", 0, 225, 345, 190),
    PanelRow("Panel4", 345, 225, 345, 190),
    PanelRow("Panel5", 0, 415, 345, 190),
    PanelRow("Panel6", 345, 415, 345, 190),
    Caption("Label1", "Panel1", 120, 8, "Tachometer"),
    Caption("Label2", "Panel1", 150, 195, "rpm"),
    Caption("Label3", "Panel2", 120, 8, "Speedometer"),
    Caption("Label4", "Panel2", 150, 198, "km/h"),
    Caption("Label5", "Panel3", 120, 12, "Tempetature"),
    Caption("Label7", "Panel4", 110, 12, "Inlet pressure"),
    Caption("Label8", "Panel4", 110, 158, "mm.of Hg."),
    Caption("Label9", "Panel5", 16, 18, "Enrichment after engine start"),
    Caption("Label10", "Panel5", 16, 42, "Additional enrichment"),
    Caption("Label11", "Panel5", 16, 66, "Long detonation (knock sensor)"),
    Caption("Label14", "Panel5", 16, 90, "Feedback"),
    Caption("Label15", "Panel6", 50, 6, "Throttle"),
    Caption("Label16", "Panel6", 210, 6, "Ignition"),
    Caption("Label17", "Panel6", 10, 94, "IAC Valve duty ratio"),
    Caption("Label18", "Panel6", 190, 94, "Fuel flow rate"),
};

struct GaugeSpec {
    const char* name;
    const char* panel;
    int left, top, width, height;
    double min, max;
    int intervals, pinRadius, fontHeight;
    double sample;
    const char* digit;
    int digitLeft, digitTop, digitCount;
};

const GaugeSpec kGauges[] = {
    {"KroTacho1", "Panel1", 8, 29, 313, 160, 0, 8000, 8, 10, 16, 2450, "KroTacho1Digit", 193, 161,
     4},
    {"KroTacho2", "Panel2", 8, 32, 313, 161, 0, 180, 9, 10, 16, 87, "KroTacho2Digit", 208, 164, 3},
    {"KroTacho3", "Panel3", 60, 40, 225, 113, 40, 120, 8, 5, 11, 88, "KroTacho3Digit", 188, 129, 3},
    {"KroTacho4", "Panel4", 52, 40, 225, 113, 100, 800, 7, 5, 0, 320, "KroTacho4Digit", 180, 129,
     3},
    {"KroTacho5", "Panel6", 20, 24, 133, 65, 0, 40, 8, 5, 0, 12, nullptr, 0, 0, 0},
    {"KroTacho7", "Panel6", 176, 24, 129, 65, -30, 60, 6, 5, 0, 15, nullptr, 0, 0, 0},
    {"KroTacho6", "Panel6", 20, 112, 133, 65, 30, 60, 6, 5, 0, 41, nullptr, 0, 0, 0},
    {"KroTacho8", "Panel6", 176, 112, 129, 65, 0, 20, 10, 5, 0, 3.4, nullptr, 0, 0, 0},
};

struct LampSpec {
    const char* name;
    int top;
    ui::Colour colour;
};

const LampSpec kLamps[] = {{"KroLED1", 16, ui::kRed},
                           {"KroLED2", 40, ui::kGreen},
                           {"KroLED4", 64, ui::kGrey},
                           {"KroLED3", 88, ui::kGreen}};

TZeigerform PointerNamed(const wchar_t* name) {
    const std::pair<const wchar_t*, TZeigerform> names[] = {{L"needle", TZeigerform::zfNadel},
                                                            {L"arrow", TZeigerform::zfPfeil},
                                                            {L"sector", TZeigerform::zfKreis},
                                                            {L"ring", TZeigerform::zfRing}};
    for (const auto& [n, type] : names)
        if (std::wstring_view(n) == name) return type;
    return TZeigerform::zfNadel;
}

void PlaceGauges(ui::Form& form, TZeigerform pointer) {
    for (const GaugeSpec& g : kGauges) {
        auto& panel = form.Get<ui::Panel>(g.panel);
        auto& t = form.Adopt(std::make_unique<TKroTacho>(form, panel, g.name));
        t.SetBounds(g.left, g.top, g.width, g.height);
        t.SetPointerColor(ui::kBlue);
        t.SetPointerType(pointer);
        t.SetPinColor(ui::kNavy);
        t.SetPinRadius(g.pinRadius);
        t.SetNumberOfIntervals(g.intervals);
        t.SetMaxValue(g.max);
        t.SetMinValue(g.min);
        if (g.fontHeight > 0) {
            ui::Font font = t.GetFont();
            font.height = g.fontHeight;
            t.SetFont(font);
        }
        t.SetPosition(g.sample);
        if (!g.digit) continue;
        auto& d = form.Adopt(std::make_unique<TKroDigit>(form, panel, g.digit));
        d.SetBounds(g.digitLeft, g.digitTop, d.Width(), d.Height());
        d.SetDecimals(0);
        d.SetDigitCount(static_cast<std::uint8_t>(g.digitCount));
        d.SetValue(static_cast<std::int32_t>(g.sample));
    }
    auto& lamps = form.Get<ui::Panel>("Panel5");
    for (const LampSpec& l : kLamps) {
        auto& led = form.Adopt(std::make_unique<TKroLED>(form, lamps, l.name));
        led.SetBounds(280, l.top, 17, 17);
        led.SetLightEffect(true);
        led.SetColor(l.colour);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    ui::Application& app = ui::App();
    app.SetTitle("Gauge gallery");
    auto& form = app.CreateForm<ui::Form>(ui::FormDesign{.name = "GaugeGallery",
                                                         .caption = "Driving parameters (gauges)",
                                                         .left = 20,
                                                         .top = 20,
                                                         .clientWidth = 690,
                                                         .clientHeight = 605,
                                                         .borderStyle = ui::BorderStyle::Dialog},
                                          kComponents);
    PlaceGauges(form, __argc > 2 ? PointerNamed(__wargv[2]) : TZeigerform::zfNadel);
    ui::Timer close(&form, "CloseTimer", 0, false);
    const long ms = __argc > 1 ? std::wcstol(__wargv[1], nullptr, 10) : 0;
    if (ms > 0) {
        close.SetInterval(static_cast<int>(ms));
        close.OnTimer = [&] { form.Close(); };
        close.SetEnabled(true);
    }
    form.Show();
    app.Run();
    app.DestroyForms();
    return 0;
}
