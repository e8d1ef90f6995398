#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "monitor/core/display_locale.h"
#include "monitor/core/frame_record.h"

namespace velmorant {

// The unit and injector settings that the conversion reads (the keys of the same names).
struct ConversionSettings {
    int Vozduh = 1;       // intake sensor and unit, 1..6
    int Temperature = 1;  // 1 direct sensor, anything else inverse
    int KHH = 1;          // valve duty: 1 percent of 255, 2 steps
    int DZ = 1;           // throttle: 1 degrees, 2 percent
    int Korr = 1;         // target air/fuel: 1 volts, 2 percent
    int PrFors = 55;      // injector performance, g per 15 s
    int KolFors = 4;      // number of injectors
    int ChastFors = 1;    // injections per two crankshaft turns
};

// The main program's list and Viewer's pane lists differ in a few captions and unit texts.
enum class RowsVariant { Monitor, Viewer };

inline constexpr int kParameterRowCount = 28;

struct ParameterRows {
    // Captions are static texts; the values are rebuilt in place, reusing their storage.
    std::array<std::string_view, kParameterRowCount> Captions{};
    std::array<std::string, kParameterRowCount> Values;
    long double CoolantTemperature = 0;  // row 6's number text read back as a number
    long double FuelPerHour = 0;         // litres per hour (row 23 unrounded)
    long double FuelPer100Km = 0;        // litres per 100 km, exactly 999 when the car stands
};

// The 28 rows of frame `frameNumber` of a record of `frameTotal` frames (row 26).
void BuildParameterRows(const RecordedFrame& frame, int frameNumber, int frameTotal,
                        const ConversionSettings& settings, const DisplayLocale& locale,
                        RowsVariant variant, ParameterRows& rows);
ParameterRows BuildParameterRows(const RecordedFrame& frame, int frameNumber, int frameTotal,
                                 const ConversionSettings& settings, const DisplayLocale& locale,
                                 RowsVariant variant = RowsVariant::Monitor);

// The coolant sensor value: the byte for a direct sensor, 255 - byte for any other setting.
int CoolantSensorValue(std::uint8_t b6, int temperature);
// Degrees Celsius of a sensor value 0..255 (the segments are not continuous).
long double CoolantTable(int v);
// The frame's coolant temperature as its row shows it: the number of the row's text.
long double ShownCoolantTemperature(const RecordedFrame& frame, const ConversionSettings& settings);

struct FuelFlow {
    long double PerHour = 0;
    long double Per100Km = 0;
};

// Litres per hour from injection time and engine speed, litres per 100 km from that and the
// vehicle speed (999 when it is 0).
FuelFlow FuelFlowOf(std::uint8_t b1, std::uint8_t b4, std::uint8_t b8,
                    const ConversionSettings& settings);

}  // namespace velmorant
