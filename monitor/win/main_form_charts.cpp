// The main window's steps for the charts window.

#include "monitor/win/charts_form.h"
#include "monitor/win/main_form.h"
#include "monitor/win/program_forms.h"

namespace velmorant {

TForm3* TForm1::VisibleCharts() const {
    TForm3* charts = Forms.Form3;
    return charts && IsWindowVisible(charts->Handle()) ? charts : nullptr;
}

void TForm1::Timer5Timer() {
    timer5_.SetEnabled(false);
    if (Forms.Form3) Forms.Form3->Charts().FollowNewest(scrollBar1_.Position());
}

void TForm1::ComboADD() {
    if (Forms.Form3) Forms.Form3->FillPickers(ChartPickerCaptions());
}

void TForm1::RefreshChartSelectors() {
    TForm3* charts = Forms.Form3;
    if (!charts) return;
    std::array<int, kChartLines> kept{};
    for (int i = 1; i <= kChartLines; ++i) kept[i - 1] = charts->Picker(i).ItemIndex();
    ComboADD();
    for (int i = 1; i <= kChartLines; ++i) charts->Picker(i).SetItemIndex(kept[i - 1]);
    charts->ComboBox1Change();
}

}  // namespace velmorant
