#include "monitor/core/settings_file.h"

#include <optional>
#include <string>
#include <type_traits>

#include "monitor/core/record_file.h"
#include "monitor/core/record_file_text.h"

namespace velmorant {

namespace {

constexpr std::string_view kMain = "Main";
constexpr std::string_view kParam = "Param";
constexpr std::string_view kKoment = "Koment";
constexpr std::string_view kFormPos = "FormPos";
constexpr std::string_view kActiveForms = "ActiveForms";
constexpr std::string_view kStart = "Start";

// The keys of "Param" in the writer's order; `visit` gets each key's name and value.
template <class P, class Visit>
void ForEachParamKey(P& p, Visit visit) {
    visit("Vozduh", p.Vozduh);
    visit("Temperature", p.Temperature);
    visit("KHH", p.KHH);
    visit("DZ", p.DZ);
    visit("Korr", p.Korr);
    visit("Standart", p.Standart);
    visit("Adapter", p.Adapter);
    visit("DTR", p.DTR);
    visit("LowCP", p.LowCP);
    for (int i = 0; i < 6; ++i) visit("col" + std::to_string(i + 1), p.col[i]);
    for (int i = 0; i < 6; ++i) visit("Grafik" + std::to_string(i + 1), p.Grafik[i]);
    visit("fon", p.fon);
    visit("axes", p.axes);
    visit("marker", p.marker);
    visit("PrFors", p.PrFors);
    visit("KolFors", p.KolFors);
    visit("ChastFors", p.ChastFors);
}

// The keys of "Koment" in the writer's order.
const std::pair<std::string_view, std::string KomentSettings::*> kKomentKeys[] = {
    {"Marka", &KomentSettings::Marka},     {"Year", &KomentSettings::Year},
    {"Mileage", &KomentSettings::Mileage}, {"DVS", &KomentSettings::DVS},
    {"TypeD", &KomentSettings::TypeD},     {"Cylinders", &KomentSettings::Cylinders},
    {"Transm", &KomentSettings::Transm},   {"TypeT", &KomentSettings::TypeT},
    {"Weels", &KomentSettings::Weels},
};

std::string PositionKey(int window, char axis) { return std::to_string(window) + axis; }

std::optional<std::int32_t> ReadStoredInteger(const IniFile& ini, std::string_view section,
                                              std::string_view key) {
    const std::optional<std::string> text = ini.ReadString(section, key);
    return text ? ParseInteger(*text) : std::nullopt;
}

// A window's place is stored when either of its keys holds an integer; the other reads as 0.
std::optional<WindowPosition> ReadPlace(const IniFile& ini, int window) {
    const auto x = ReadStoredInteger(ini, kFormPos, PositionKey(window, 'X'));
    const auto y = ReadStoredInteger(ini, kFormPos, PositionKey(window, 'Y'));
    if (!x && !y) return std::nullopt;
    return WindowPosition{x.value_or(0), y.value_or(0)};
}

ParamSettings ReadParam(const IniFile& ini) {
    ParamSettings p;
    ForEachParamKey(p, [&ini](std::string_view key, auto& value) {
        if constexpr (std::is_same_v<std::remove_reference_t<decltype(value)>, bool>)
            value = ReadSettingsBool(ini, kParam, key, value);
        else
            value = ReadSettingsInteger(ini, kParam, key, value);
    });
    return p;
}

IniFile LoadWithVersionRule(const std::filesystem::path& path) {
    IniFile ini = IniFile::Load(path);
    ApplyVersionRule(ini, path);
    return ini;
}

}  // namespace

std::filesystem::path SettingsPathOf(const std::filesystem::path& executable) {
    std::filesystem::path p = executable;
    return p.replace_extension(".ini");
}

std::int32_t ReadSettingsInteger(const IniFile& ini, std::string_view section, std::string_view key,
                                 std::int32_t defaultValue) {
    return ReadStoredInteger(ini, section, key).value_or(defaultValue);
}

bool ReadSettingsBool(const IniFile& ini, std::string_view section, std::string_view key, bool defaultValue) {
    return ReadSettingsInteger(ini, section, key, defaultValue ? 1 : 0) != 0;
}

void ApplyVersionRule(IniFile& ini, const std::filesystem::path& path) {
    if (ReadSettingsInteger(ini, kMain, "Version", kDefaultSettingsVersion) >= kFirstCurrentSettingsVersion) return;
    bool erasedParam = ini.EraseSection(kParam);
    bool erasedFormPos = ini.EraseSection(kFormPos);
    // Nothing to erase, nothing to write: a missing file is not created by reading.
    if (erasedParam || erasedFormPos) ini.Save(path);
}

Settings ReadSettings(const std::filesystem::path& path) {
    IniFile ini = LoadWithVersionRule(path);
    Settings s;
    s.Param = ReadParam(ini);
    // A text longer than a car field holds is no description anyone wrote: it keeps the
    // default, so that one bad file never slows every start.
    for (const auto& [key, field] : kKomentKeys) {
        std::optional<std::string> text = ini.ReadString(kKoment, key);
        if (text && text->size() <= kMaxCarFieldLength) s.Koment.*field = std::move(*text);
    }
    for (int n : kFormPosWindows) s.FormPos[n] = ReadPlace(ini, n);
    s.Graphs = ReadSettingsBool(ini, kActiveForms, "Graphs", false);
    s.Metodika = ReadSettingsBool(ini, kActiveForms, "Metodika", false);
    s.ManyInstances = ReadSettingsBool(ini, kStart, "ManyInstances", false);
    return s;
}

ViewerSettings ReadViewerSettings(const std::filesystem::path& path) {
    ParamSettings p = ReadParam(LoadWithVersionRule(path));
    ViewerSettings v;
    v.Vozduh = p.Vozduh;
    v.Temperature = p.Temperature;
    v.KHH = p.KHH;
    v.DZ = p.DZ;
    v.Korr = p.Korr;
    v.col = p.col;
    v.Grafik = p.Grafik;
    v.fon = p.fon;
    v.axes = p.axes;
    v.marker = p.marker;
    v.PrFors = p.PrFors;
    v.KolFors = p.KolFors;
    v.ChastFors = p.ChastFors;
    return v;
}

void WriteSettings(const std::filesystem::path& path, const Settings& settings, bool includeActiveForms) {
    IniFile ini = IniFile::Load(path);
    ini.WriteString(kMain, "Version", std::to_string(kSettingsVersion));
    ForEachParamKey(settings.Param, [&ini](std::string_view key, const auto& value) {
        if constexpr (std::is_same_v<std::remove_cvref_t<decltype(value)>, bool>)
            ini.WriteString(kParam, key, value ? "1" : "0");
        else
            ini.WriteString(kParam, key, std::to_string(value));
    });
    // Never a text the reader would pass over: such a one is written as the default it reads as.
    for (const auto& [key, field] : kKomentKeys) {
        const std::string& text = settings.Koment.*field;
        ini.WriteString(kKoment, key,
                        text.size() <= kMaxCarFieldLength ? text : KomentSettings{}.*field);
    }
    // The program always knows where its windows are; a place that is not known is not
    // written, so it stays unknown rather than becoming (0, 0).
    for (int n : kFormPosWindows)
        if (const std::optional<WindowPosition>& place = settings.FormPos[n]) {
            ini.WriteString(kFormPos, PositionKey(n, 'X'), std::to_string(place->X));
            ini.WriteString(kFormPos, PositionKey(n, 'Y'), std::to_string(place->Y));
        }
    if (includeActiveForms) {
        ini.WriteString(kActiveForms, "Graphs", settings.Graphs ? "1" : "0");
        ini.WriteString(kActiveForms, "Metodika", settings.Metodika ? "1" : "0");
    }
    ini.WriteString(kStart, "ManyInstances", settings.ManyInstances ? "1" : "0");
    ini.Save(path);
}

}  // namespace velmorant
