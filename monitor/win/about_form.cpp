#include "monitor/win/about_form.h"

#include <array>
#include <vector>

#include "monitor/core/settings.h"

namespace velmorant {

namespace {

using ui::Design;
using ui::Kind;

const ui::FontDesign kTitleFont{.name = "Courier New", .height = 19, .bold = true};
const ui::FontDesign kPurposeFont{.name = "Courier New", .height = 13, .bold = true};
const ui::FontDesign kVersionFont{.name = "Courier New", .height = 13, .colour = ui::kRed};
const ui::FontDesign kFeedbackFont{.name = "Courier New", .height = 13};
const ui::FontDesign kAddressFont{.name = "Courier New", .height = 13, .colour = ui::kNavy};

constexpr int kPictureWidth = 115;
constexpr int kPictureHeight = 60;

}  // namespace

const ui::FormDesign& AboutFormDesign() {
    static const ui::FormDesign design{
        .name = "Form5",
        .caption = "About",
        .clientWidth = 385,
        .clientHeight = 192,
        .borderStyle = ui::BorderStyle::Dialog,
        .minimizeBox = false,
        .maximizeBox = false,
        .font = {.name = "Courier New"},
        .keyPreview = true,
    };
    return design;
}

std::span<const ui::Design> AboutFormComponents() {
    static const std::vector<Design> components = {
        {.kind = Kind::Image, .name = "Image1", .left = 4, .top = 4, .width = kPictureWidth,
         .height = kPictureHeight},
        {.kind = Kind::Label, .name = "Label1", .left = 132, .top = 10,
         .caption = "Velmorant ", .font = kTitleFont},
        {.kind = Kind::Label, .name = "Label8", .left = 132, .top = 36,
         .caption = "for TOYOTA's cars", .font = kTitleFont},
        {.kind = Kind::Label, .name = "Label2", .left = 8, .top = 76,
         .caption = "Purpose - reading  information from", .font = kPurposeFont},
        {.kind = Kind::Label, .name = "Label3", .left = 8, .top = 94,
         .caption = "Engine Control Unit (Toyota's vehicles)", .font = kPurposeFont},
        {.kind = Kind::Label, .name = "Label4", .left = 8, .top = 112,
         .caption = "via OBD-I protocol", .font = kPurposeFont},
        {.kind = Kind::Label, .name = "Label7", .left = 8, .top = 140,
         .caption = AboutVersionLine(), .font = kVersionFont},
        {.kind = Kind::Label, .name = "Label5", .left = 8, .top = 166, .caption = "Feedback:",
         .font = kFeedbackFont},
        {.kind = Kind::Label, .name = "Label6", .left = 96, .top = 166,
         .caption = "feedback@velmorant.example", .font = kAddressFont},
    };
    return components;
}

TForm5::TForm5()
    : ui::Form(AboutFormDesign(), AboutFormComponents()),
      image1_(Get<ui::Image>("Image1")),
      label7_(Get<ui::Label>("Label7")) {
    OnCreate = [this] { FormCreate(); };
    OnShow = [this] { FormShow(); };
    OnKeyPress = [this](char& key) { FormKeyPress(key); };
    DrawPicture();
}

void TForm5::FormCreate() { SetKeyPreview(true); }

void TForm5::FormShow() { label7_.SetCaption(AboutVersionLine()); }

void TForm5::FormKeyPress(char& key) {
    if (key == 27) {
        key = 0;
        Close();
    }
}

// A small car seen from the side, on the window's own colour so that the picture shows
// no background of its own.
void TForm5::DrawPicture() {
    ui::Bitmap& picture = image1_.Picture();
    picture.SetSize(kPictureWidth, kPictureHeight);
    ui::Canvas& c = picture.GetCanvas();
    c.SetBrushStyle(ui::BrushStyle::Solid);
    c.SetBrushColour(ui::ToRgb(ui::kBtnFace));
    c.FillRect(RECT{0, 0, kPictureWidth, kPictureHeight});

    c.SetPenColour(ui::kBlack);
    c.SetPenWidth(1);
    c.SetPenStyle(ui::PenStyle::Solid);
    c.SetBrushColour(ui::kNavy);
    const std::array<POINT, 10> body = {{{4, 44},
                                         {4, 32},
                                         {14, 28},
                                         {32, 26},
                                         {44, 12},
                                         {76, 12},
                                         {92, 26},
                                         {108, 30},
                                         {111, 44},
                                         {4, 44}}};
    c.Polygon(body);
    c.SetBrushColour(ui::kSilver);
    const std::array<POINT, 4> front = {{{48, 16}, {58, 16}, {58, 26}, {38, 26}}};
    const std::array<POINT, 4> rear = {{{62, 16}, {74, 16}, {86, 26}, {62, 26}}};
    c.Polygon(front);
    c.Polygon(rear);
    c.SetBrushColour(ui::kBlack);
    c.Ellipse(18, 36, 38, 56);
    c.Ellipse(80, 36, 100, 56);
    c.SetBrushColour(ui::kGrey);
    c.Ellipse(24, 42, 32, 50);
    c.Ellipse(86, 42, 94, 50);
    c.SetBrushColour(ui::kYellow);
    c.Rectangle(104, 32, 110, 36);
    image1_.Invalidate();
}

}  // namespace velmorant
