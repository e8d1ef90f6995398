#include "monitor/win/charts_form.h"

#include "monitor/core/chart_parameters.h"
#include "monitor/win/charts_form_design.h"
#include "monitor/win/program_state.h"
#include "ui/label.h"
#include "ui/menu.h"

namespace velmorant {

namespace {

std::string Numbered(const char* base, int n) {
    return base + std::to_string(n);
}

// The selections that a picker without any falls back to.
constexpr std::array<int, kChartLines> kDefaultGrafik = ParamSettings{}.Grafik;

ChartSettings ProgramChartSettings() {
    ChartSettings s;
    s.Units = ConversionOf(ProgramSettings);
    s.Canvas = static_cast<ui::Colour>(ProgramSettings.Param.fon);
    s.Axes = static_cast<ui::Colour>(ProgramSettings.Param.axes);
    s.Marker = static_cast<ui::Colour>(ProgramSettings.Param.marker);
    s.DecimalSeparator = UserLocale.DecimalSeparator;
    return s;
}

void SetFontColour(ui::Control& control, ui::Colour colour) {
    ui::Font font = control.GetFont();
    font.colour = colour;
    control.SetFont(font);
}

}  // namespace

std::vector<std::string_view> ChartPickerCaptions() {
    // The parameter list's captions are static texts chosen by the unit settings.
    ParameterRows rows;
    BuildParameterRows(RecordedFrame{}, 1, 1, ConversionOf(ProgramSettings), UserLocale,
                       RowsVariant::Monitor, rows);
    return {rows.Captions.begin() + 1, rows.Captions.begin() + 1 + kNoCurve};
}

TForm3::TForm3()
    : ui::Form(ChartsFormDesign(), ChartsFormComponents()), chart_(MakeView(), ChartLook{}) {
    chart_.Record = &Record;
    chart_.Settings = ProgramChartSettings;

    OnCreate = [this] { FormCreate(); };
    OnShow = [this] { FormShow(); };
    OnClose = [this](ui::CloseAction&) { FormClose(); };
    OnKeyPress = [this](char& key) { FormKeyPress(key); };
    Get<ui::ScrollBar>("ScrollBar1").OnChange = [this] { ScrollBar1Change(); };
    Get<ui::TrackBar>("TrackBar1").OnChange = [this] { TrackBar1Change(); };
    Get<ui::ComboBox>("ComboBox8").OnChange = [this] { ComboBox4Change(); };
    Get<ui::Button>("Button1").OnClick = [this] { Button1Click(); };
    Get<ui::Button>("Button2").OnClick = [this] { Button2Click(); };
    Get<ui::Button>("Button3").OnClick = [this] { Button3Click(); };
    Get<ui::Image>("Image1").OnMouseUp = [this](ui::MouseButton b, int x, int y) {
        Image1MouseUp(b, x, y);
    };
    for (int i = 1; i <= kChartLines; ++i) {
        Picker(i).OnChange = [this] { ComboBox1Change(); };
        ColourButton(i).OnClick = [this, i] { SpeedButtonClick(i); };
    }
    Get<ui::MenuItem>("N1").OnClick = [this] { N1Click(); };
    Get<ui::MenuItem>("N2").OnClick = [this] { N2Click(); };
    Get<ui::MenuItem>("N3").OnClick = [this] { N3Click(); };
    Get<ui::MenuItem>("N4").OnClick = [this] { N4Click(); };
    // The pickers hold the parameters from the start, as the window's design had them, so
    // that a first showing finds the stored selections.
    FillPickers(ChartPickerCaptions());
}

ui::ComboBox& TForm3::Picker(int i) const {
    return Get<ui::ComboBox>(Numbered("ComboBox", i));
}

ui::SpeedButton& TForm3::ColourButton(int i) const {
    return Get<ui::SpeedButton>(Numbered("SpeedButton", i));
}

ChartView TForm3::MakeView() {
    ChartView v;
    v.Image = &Get<ui::Image>("Image1");
    for (int i = 1; i <= kChartLines; ++i) {
        ChartLineControls& l = v.Lines[static_cast<std::size_t>(i - 1)];
        l.Picker = &Picker(i);
        l.ColourButton = &ColourButton(i);
        l.Value = &Get<ui::Label>(Numbered("Label", i + 8));
        l.Top = &Get<ui::Label>(Numbered("Label", i + 14));
        l.Middle = &Get<ui::Label>(Numbered("Label", i + 20));
        l.Bottom = &Get<ui::Label>(Numbered("Label", i + 26));
    }
    v.Marker = &Get<ui::TrackBar>("TrackBar1");
    v.WindowStart = &Get<ui::ScrollBar>("ScrollBar1");
    v.Zoom = &Get<ui::ComboBox>("ComboBox8");
    v.FrameLabel = &Get<ui::Label>("Label1");
    v.SetCaption = [this](const std::string& caption) { SetCaption(caption); };
    return v;
}

void TForm3::FormCreate() {
    SetKeyPreview(true);
    chart_.ApplyGraphColors();
    chartBitmap_ = std::make_unique<ui::Bitmap>(kChartWidth, kChartHeight);
    chart_.SetBitmap(chartBitmap_.get());
}

void TForm3::FreeChartBitmap() {
    chart_.SetBitmap(nullptr);
    chartBitmap_.reset();
}

void TForm3::ConnectFramePosition(ui::ScrollBar& mainPosition) {
    chart_.CurrentFrame = &mainPosition;
}

void TForm3::FillPickers(const std::vector<std::string_view>& captions) {
    for (int i = 1; i <= kChartLines; ++i) {
        ui::ComboBox& picker = Picker(i);
        const int kept = picker.ItemIndex();
        picker.ClearItems();
        for (std::string_view caption : captions) picker.AddItem(caption);
        picker.AddItem("");
        picker.SetItemIndex(kept < picker.ItemCount() ? kept : -1);
    }
}

void TForm3::FormShow() {
    const ParamSettings& p = ProgramSettings.Param;
    for (int i = 1; i <= kChartLines; ++i) {
        SetFontColour(ColourButton(i), static_cast<ui::Colour>(p.col[i - 1]));
        // A stored index that names no item leaves the picker without a selection.
        const int index = p.Grafik[i - 1];
        Picker(i).SetItemIndex(index >= 0 && index < Picker(i).ItemCount() ? index : -1);
    }
    chart_.ApplyGraphColors();
    chart_.ShowWholeRecord();
}

void TForm3::FormClose() {
    for (int i = 1; i <= kChartLines; ++i) {
        const int index = Picker(i).ItemIndex();
        ProgramSettings.Param.Grafik[i - 1] = index >= 0 ? index : kDefaultGrafik[i - 1];
        Picker(i).SetItemIndex(-1);
    }
}

void TForm3::FormKeyPress(char& key) {
    if (key == 27) Close();
}

void TForm3::FormRefresh(int start) {
    chart_.FormRefresh(start);
}

void TForm3::ScrollBar1Change() {
    chart_.WindowStartMoved();
}

void TForm3::ComboBox1Change() {
    chart_.WindowStartMoved();
}

void TForm3::ComboBox4Change() {
    chart_.ZoomChanged();
}

void TForm3::TrackBar1Change() {
    chart_.MarkerMoved();
}

void TForm3::Button1Click() {
    chart_.StepBack();
}

void TForm3::Button2Click() {
    chart_.StepForward();
}

void TForm3::Image1MouseUp(ui::MouseButton button, int x, int) {
    if (button == ui::MouseButton::Left) chart_.Click(x);
}

void TForm3::Button3Click() {
    if (DeleteFrame) DeleteFrame();
}

std::optional<ui::Colour> TForm3::ChooseColour() {
    return Get<ui::ColourDialog>("ColorDialog1").Execute();
}

void TForm3::SpeedButtonClick(int i) {
    ui::SpeedButton& button = ColourButton(i);
    if (const auto chosen = ChooseColour()) SetFontColour(button, *chosen);
    // Cancel too: the line takes the button's colour and the chart is drawn again. The
    // colour reaches the settings file with its next whole write.
    ProgramSettings.Param.col[i - 1] = static_cast<std::int32_t>(button.GetFont().colour);
    chart_.ApplyGraphColors();
    FormRefresh(chart_.Start());
}

void TForm3::N1Click() {
    if (const auto chosen = ChooseColour()) {
        ProgramSettings.Param.fon = static_cast<std::int32_t>(*chosen);
        if (SaveSettings) SaveSettings();
        FormRefresh(chart_.Start());
    }
}

void TForm3::N2Click() {
    if (const auto chosen = ChooseColour()) {
        ProgramSettings.Param.axes = static_cast<std::int32_t>(*chosen);
        if (SaveSettings) SaveSettings();
        FormRefresh(chart_.Start());
    }
}

void TForm3::N3Click() {
    if (const auto chosen = ChooseColour()) {
        ProgramSettings.Param.marker = static_cast<std::int32_t>(*chosen);
        if (SaveSettings) SaveSettings();
        FormRefresh(chart_.Start());
    }
}

void TForm3::N4Click() {
    ProgramSettings.Param.fon = kDefaultCanvasColour;
    ProgramSettings.Param.axes = kDefaultAxesColour;
    ProgramSettings.Param.marker = kDefaultMarkerColour;
    if (SaveSettings) SaveSettings();
    FormRefresh(chart_.Start());
}

void TForm3::EnableIdleControls(bool stopped) {
    for (const char* name : {"ComboBox8", "TrackBar1", "ScrollBar1", "Button1", "Button2"})
        Get<ui::Control>(name).SetEnabled(stopped);
}

}  // namespace velmorant
