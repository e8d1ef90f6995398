#pragma once

#include <filesystem>

#include "ui/bitmap.h"
#include "ui/dialog_components.h"
#include "ui/form.h"
#include "ui/list_view.h"
#include "ui/panel.h"
#include "ui/range_control.h"
#include "ui/status_bar.h"
#include "viewer/pane.h"

namespace velmorant::viewer {

// The viewer window: two recorded data files one above the other, pane a (Panel4) over
// pane b (Panel5), beside the parameter list of the pane used last (Panel2). It lives for
// the whole run of the host: closing it (Exit, Esc) only hides it.
class TForm1 : public ui::Form {
public:
    TForm1();

    void FormCreate();
    void FormShow();
    void FormActivate();
    void FormKeyPress(char& key);
    void ResizeComponents();
    // The main program's settings, as far as Viewer uses them, into Values.
    void LoadSettings();

    void N2Click();  // View first file
    void N7Click();  // View second file
    void N4Click();  // Exit
    void N6Click();  // About
    void Panel4Resize();
    void Panel5Resize();

    // Pane a holds the first file, pane b the second.
    Pane& PaneA() { return paneA_; }
    Pane& PaneB() { return paneB_; }
    // The full paths of the files last chosen for the panes.
    const std::filesystem::path& PathA() const { return paneA_.RememberedPath(); }
    const std::filesystem::path& PathB() const { return paneB_.RememberedPath(); }
    bool PaneActiveA() const { return paneA_.Active(); }
    bool PaneActiveB() const { return paneB_.Active(); }
    ui::Bitmap& ChartBitmapA() { return paneA_.ChartBitmap(); }
    ui::Bitmap& ChartBitmapB() { return paneB_.ChartBitmap(); }

private:
    // Runs the open dialog and reads an existing chosen file into the pane.
    void ChooseFile(Pane& pane);

    ui::StatusBar& statusBar1_;
    ui::Panel& panel1_;
    ui::Panel& panel2_;
    ui::Panel& panel3_;
    ui::Panel& panel4_;
    ui::Panel& panel5_;
    ui::ListView& listView1_;
    ui::ListView& listView2_;
    ui::ScrollBar& scrollBarA_;
    ui::ScrollBar& scrollBarB_;
    ui::OpenDialog& openDialog1_;

    Pane paneA_;
    Pane paneB_;
};

}  // namespace velmorant::viewer
