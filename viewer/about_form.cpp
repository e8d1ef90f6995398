#include "viewer/about_form.h"

#include <windows.h>

#include <vector>

#include "monitor/core/settings.h"
#include "ui/resources.h"
#include "viewer/viewer_error.h"

namespace velmorant::viewer {

namespace {

using ui::Design;
using ui::Kind;

constexpr int kClientWidth = 385;
constexpr int kClientHeight = 124;
constexpr int kIconSize = 32;

const ui::FontDesign kTitleFont{.name = "Courier New", .height = 19, .bold = true};
const ui::FontDesign kVersionFont{.name = "Courier New", .height = 13, .colour = ui::kRed};
const ui::FontDesign kFeedbackFont{.name = "Courier New", .height = 13};
const ui::FontDesign kAddressFont{.name = "Courier New", .height = 13, .colour = ui::kNavy};

}  // namespace

const ui::FormDesign& AboutFormDesign() {
    static const ui::FormDesign design{
        .name = "Form5",
        .caption = "About",
        .clientWidth = kClientWidth,
        .clientHeight = kClientHeight,
        .borderStyle = ui::BorderStyle::Dialog,
        .minimizeBox = false,
        .maximizeBox = false,
        .font = {.name = "Courier New"},
    };
    return design;
}

std::span<const ui::Design> AboutFormComponents() {
    static const std::vector<Design> components = {
        {.kind = Kind::Image,
         .name = "Image1",
         .left = 8,
         .top = 8,
         .width = kIconSize,
         .height = kIconSize},
        {.kind = Kind::Label,
         .name = "Label1",
         .left = 48,
         .top = 6,
         .width = 330,
         .height = 44,
         .caption = "Plug-in for view Velmorant's data files",
         .font = kTitleFont},
        {.kind = Kind::Label,
         .name = "Label7",
         .left = 8,
         .top = 64,
         .caption = "",
         .font = kVersionFont},
        {.kind = Kind::Label,
         .name = "Label5",
         .left = 8,
         .top = 96,
         .caption = "Feedback:",
         .font = kFeedbackFont},
        {.kind = Kind::Label,
         .name = "Label6",
         .left = 96,
         .top = 96,
         .caption = "feedback@velmorant.example",
         .font = kAddressFont},
    };
    return components;
}

TForm5::TForm5()
    : ui::Form(AboutFormDesign(), AboutFormComponents()),
      image1_(Get<ui::Image>("Image1")),
      label7_(Get<ui::Label>("Label7")) {
    SetLeft((GetSystemMetrics(SM_CXSCREEN) - Width()) / 2);
    SetTop((GetSystemMetrics(SM_CYSCREEN) - Height()) / 2);
    // The title is centred and wraps onto its second line within its width.
    HWND title = Get<ui::Label>("Label1").Handle();
    SetWindowLongPtrW(title, GWL_STYLE,
                      (GetWindowLongPtrW(title, GWL_STYLE) & ~SS_TYPEMASK) | SS_CENTER);
    InvalidateRect(title, nullptr, TRUE);
    DrawIcon();

    OnCreate = [this] { Guarded([this] { FormCreate(); }); };
    OnShow = [this] { Guarded([this] { FormShow(); }); };
    OnKeyPress = [this](char& key) { Guarded([&] { FormKeyPress(key); }); };
}

void TForm5::FormCreate() {}

void TForm5::FormShow() {
    label7_.SetCaption(AboutVersionLine());
}

void TForm5::FormKeyPress(char& key) {
    if (key != 27) return;
    key = 0;
    Close();
}

// The program's icon, drawn through its mask on the window's colour: transparent.
void TForm5::DrawIcon() {
    ui::Bitmap& picture = image1_.Picture();
    picture.SetSize(kIconSize, kIconSize);
    ui::Canvas& c = picture.GetCanvas();
    c.SetBrushStyle(ui::BrushStyle::Solid);
    c.SetBrushColour(ui::ToRgb(GetColour()));
    c.FillRect(RECT{0, 0, kIconSize, kIconSize});
    if (auto icon = static_cast<HICON>(
            LoadImageW(ui::ResourceModule(), L"MAINICON", IMAGE_ICON, kIconSize, kIconSize, 0))) {
        DrawIconEx(picture.Dc(), 0, 0, icon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
        DestroyIcon(icon);
    }
    image1_.Invalidate();
}

}  // namespace velmorant::viewer
