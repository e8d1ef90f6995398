#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace velmorant {

inline constexpr std::int32_t kSettingsVersion = 8000;         // always written
inline constexpr std::int32_t kDefaultSettingsVersion = 1001;  // a file without "Version"
// Files older than this lose "Param" and "FormPos" before they are read.
inline constexpr std::int32_t kFirstCurrentSettingsVersion = 7090;

// The version line of the program's and Viewer's about windows.
inline std::string AboutVersionLine() {
    return "Version " + std::to_string(kSettingsVersion) + " Stable Edition [English]";
}

// The chart colours of a file without them, the same that "Loading default colors" sets: on a
// white canvas every default line colour shows, the black one of the engine speed too.
inline constexpr std::int32_t kDefaultCanvasColour = 0xFFFFFF;  // "fon"
inline constexpr std::int32_t kDefaultAxesColour = 0x000000;    // "axes"
inline constexpr std::int32_t kDefaultMarkerColour = 0x000000;  // "marker"

// The keys of "Param", named like them (col1..col6 and Grafik1..Grafik6 at [0..5]).
struct ParamSettings {
    std::int32_t Vozduh = 1;
    std::int32_t Temperature = 1;
    std::int32_t KHH = 1;
    std::int32_t DZ = 1;
    std::int32_t Korr = 1;
    std::int32_t Standart = 1;
    bool Adapter = false;
    bool DTR = false;
    bool LowCP = true;
    std::array<std::int32_t, 6> col = {0, 32768, 255, 33023, 16711680, 12615935};
    std::array<std::int32_t, 6> Grafik = {3, 0, 1, 4, 2, 8};
    std::int32_t fon = kDefaultCanvasColour;
    std::int32_t axes = kDefaultAxesColour;
    std::int32_t marker = kDefaultMarkerColour;
    std::int32_t PrFors = 55;
    std::int32_t KolFors = 4;
    std::int32_t ChastFors = 1;

    friend bool operator==(const ParamSettings&, const ParamSettings&) = default;
};

// The car-description defaults of "Koment".
struct KomentSettings {
    std::string Marka = "Моя машина";
    std::string Year = "1997";
    std::string Mileage = "117500";
    std::string DVS = "5S-FE";
    std::string TypeD = "Рядный";
    std::string Cylinders = "4";
    std::string Transm = "A140E-02A";
    std::string TypeT = "АКПП";
    std::string Weels = "Передний";

    friend bool operator==(const KomentSettings&, const KomentSettings&) = default;
};

struct WindowPosition {
    std::int32_t X = 0;  // left, pixels
    std::int32_t Y = 0;  // top

    friend bool operator==(const WindowPosition&, const WindowPosition&) = default;
};

// The windows with "FormPos" keys, by number: TForm1 and TForm3..TForm9.
inline constexpr std::array<int, 8> kFormPosWindows = {1, 3, 4, 5, 6, 7, 8, 9};

struct Settings {
    ParamSettings Param;
    KomentSettings Koment;
    // By window number, [0] and [2] unused; none for a window whose place the file does not
    // store, which is not the same as one stored at (0, 0).
    std::array<std::optional<WindowPosition>, 10> FormPos{};
    bool Graphs = false;  // "ActiveForms"
    bool Metodika = false;
    bool ManyInstances = false;  // "Start"

    friend bool operator==(const Settings&, const Settings&) = default;
};

// The part of "Param" that Viewer uses, with the same defaults.
struct ViewerSettings {
    std::int32_t Vozduh = ParamSettings{}.Vozduh;
    std::int32_t Temperature = ParamSettings{}.Temperature;
    std::int32_t KHH = ParamSettings{}.KHH;
    std::int32_t DZ = ParamSettings{}.DZ;
    std::int32_t Korr = ParamSettings{}.Korr;
    std::array<std::int32_t, 6> col = ParamSettings{}.col;
    std::array<std::int32_t, 6> Grafik = ParamSettings{}.Grafik;
    std::int32_t fon = ParamSettings{}.fon;
    std::int32_t axes = ParamSettings{}.axes;
    std::int32_t marker = ParamSettings{}.marker;
    std::int32_t PrFors = ParamSettings{}.PrFors;
    std::int32_t KolFors = ParamSettings{}.KolFors;
    std::int32_t ChastFors = ParamSettings{}.ChastFors;

    friend bool operator==(const ViewerSettings&, const ViewerSettings&) = default;
};

}  // namespace velmorant
