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
    // The refill keeps each picker's selection.
    ComboADD();
    charts->ComboBox1Change();
}

}  // namespace velmorant
