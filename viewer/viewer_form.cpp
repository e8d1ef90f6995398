#include "viewer/viewer_form.h"

#include <windows.h>

#include <algorithm>
#include <optional>

#include "monitor/charts/user_locale.h"
#include "monitor/core/settings_file.h"
#include "ui/menu.h"
#include "ui/program_environment.h"
#include "viewer/about_form.h"
#include "viewer/plugin.h"
#include "viewer/viewer_error.h"
#include "viewer/viewer_form_design.h"
#include "viewer/viewer_locale.h"
#include "viewer/viewer_settings.h"

namespace velmorant::viewer {

namespace {

constexpr char kCaption[] = "Velmorant Viewer - view and compare data";

}  // namespace

TForm1::TForm1()
    : ui::Form(ViewerFormDesign(), ViewerFormComponents()),
      statusBar1_(Get<ui::StatusBar>("StatusBar1")),
      panel1_(Get<ui::Panel>("Panel1")),
      panel2_(Get<ui::Panel>("Panel2")),
      panel3_(Get<ui::Panel>("Panel3")),
      panel4_(Get<ui::Panel>("Panel4")),
      panel5_(Get<ui::Panel>("Panel5")),
      listView1_(Get<ui::ListView>("ListView1")),
      listView2_(Get<ui::ListView>("ListView2")),
      scrollBarA_(Get<ui::ScrollBar>("ScrollBar_a")),
      scrollBarB_(Get<ui::ScrollBar>("ScrollBar_b")),
      openDialog1_(Get<ui::OpenDialog>("OpenDialog1")),
      paneA_(*this, kPaneA),
      paneB_(*this, kPaneB) {
    paneA_.SetOther(paneB_);
    paneB_.SetOther(paneA_);
    // Centred on the screen at its designed size; it is maximised when it becomes active.
    SetBounds((GetSystemMetrics(SM_CXSCREEN) - kViewerWidth) / 2,
              (GetSystemMetrics(SM_CYSCREEN) - kViewerHeight) / 2, kViewerWidth, kViewerHeight);

    // Every handler has Viewer's own barrier: the host's would caption the box "Velmorant".
    OnCreate = [this] { Guarded([this] { FormCreate(); }); };
    OnShow = [this] { Guarded([this] { FormShow(); }); };
    OnActivate = [this] { Guarded([this] { FormActivate(); }); };
    OnResize = [this] { Guarded([this] { ResizeComponents(); }); };
    OnKeyPress = [this](char& key) { Guarded([&] { FormKeyPress(key); }); };
    panel4_.OnResize = [this] { Guarded([this] { Panel4Resize(); }); };
    panel5_.OnResize = [this] { Guarded([this] { Panel5Resize(); }); };
    Get<ui::MenuItem>("N2").OnClick = [this] { Guarded([this] { N2Click(); }); };
    Get<ui::MenuItem>("N7").OnClick = [this] { Guarded([this] { N7Click(); }); };
    Get<ui::MenuItem>("N4").OnClick = [this] { Guarded([this] { N4Click(); }); };
    Get<ui::MenuItem>("N6").OnClick = [this] { Guarded([this] { N6Click(); }); };
}

void TForm1::FormCreate() {
    Locale = ReadUserLocale();
    paneA_.Create();
    paneB_.Create();
    LoadSettings();
    ResizeComponents();
}

void TForm1::FormShow() {
    LoadSettings();
    // A file changed on disk, or changed units, show again; a pane whose file was not
    // understood stays as it is. One pane's failure does not keep the other from reading.
    for (Pane* pane : {&paneA_, &paneB_})
        if (pane->Shown() && pane->HoldsFile())
            Guarded([pane] { pane->LoadRecordFile(pane->RememberedPath()); });
}

void TForm1::FormActivate() {
    LoadSettings();
    SetCaption(kCaption);
    // A window restored to a smaller size is maximised again.
    if (!IsZoomed(Handle())) ShowWindow(Handle(), SW_MAXIMIZE);
    ResizeComponents();
    paneA_.ApplyGraphColors();
    paneB_.ApplyGraphColors();
    // Each list is filled only while it is the one shown.
    paneA_.MemoDraw(1);
    paneB_.MemoDraw(1);
}

void TForm1::FormKeyPress(char& key) {
    if (key != 27) return;
    key = 0;
    Close();
}

void TForm1::ResizeComponents() {
    statusBar1_.SetPanelWidth(0, statusBar1_.Width() / 2);
    const int width = ClientWidth();
    const int height = std::max(0, ClientHeight() - statusBar1_.Height());
    panel1_.SetBounds(0, 0, width, height);
    panel2_.SetBounds(0, 0, kLeftColumnWidth, height);
    // The two lists share the column above the two frame bars; only one is ever shown.
    const int barHeight = scrollBarA_.Height();
    const int listHeight = std::max(0, height - barHeight);
    for (ui::ListView* list : {&listView1_, &listView2_})
        list->SetBounds(0, 0, kLeftColumnWidth, listHeight);
    for (ui::ScrollBar* bar : {&scrollBarA_, &scrollBarB_})
        bar->SetBounds(0, listHeight, kLeftColumnWidth, barHeight);
    const int right = std::max(0, width - kLeftColumnWidth);
    panel3_.SetBounds(kLeftColumnWidth, 0, right, height);
    // Equal halves, with the odd pixels between them.
    const int pane = std::max(0, panel3_.Height() / 2 - 1);
    panel4_.SetBounds(0, 0, right, pane);
    panel5_.SetBounds(0, panel3_.Height() - pane, right, pane);
}

void TForm1::LoadSettings() {
    // The main program's settings file: the process's executable with ".ini". A failing
    // write of the version rule throws before anything is assigned, so every value keeps
    // what it held.
    Values = ReadViewerSettings(SettingsPathOf(ui::ExecutablePath()));
}

void TForm1::ChooseFile(Pane& pane) {
    std::optional<std::filesystem::path> chosen = openDialog1_.Execute();
    if (!chosen || chosen->empty()) return;
    std::error_code error;
    if (!std::filesystem::is_regular_file(*chosen, error)) return;
    // The full path: the current folder may change before the file is read again.
    std::filesystem::path full = std::filesystem::absolute(*chosen, error);
    std::filesystem::path path = error ? *chosen : full;
    panel1_.Show();
    pane.LoadRecordFile(std::move(path));
}

void TForm1::N2Click() {
    ChooseFile(paneA_);
}

void TForm1::N7Click() {
    ChooseFile(paneB_);
}

void TForm1::N4Click() {
    Hide();
}

void TForm1::N6Click() {
    if (Form5) Form5->ShowModal();
}

void TForm1::Panel4Resize() {
    LoadSettings();
}

void TForm1::Panel5Resize() {
    LoadSettings();
}

}  // namespace velmorant::viewer
