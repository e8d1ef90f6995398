#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <stdexcept>

#include "ui/bitmap.h"
#include "ui/canvas.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/panel.h"
#include "ui/resources.h"

namespace {

void Fill(ui::Bitmap& bitmap, ui::Colour colour) {
    ui::Canvas& c = bitmap.GetCanvas();
    c.SetBrushStyle(ui::BrushStyle::Solid);
    c.SetBrushColour(colour);
    c.FillRect(RECT{0, 0, bitmap.Width(), bitmap.Height()});
}

std::set<ui::Colour> RowColours(const ui::Bitmap& bitmap, int y, int from, int to) {
    std::set<ui::Colour> colours;
    for (int x = from; x < to; ++x) colours.insert(bitmap.Pixel(x, y));
    return colours;
}

// Dotted lines are drawn opaque in the brush colour: between the dots the line shows the
// brush's colour, not what was there before; a clear brush leaves the gaps alone.
TEST(CanvasTest, DottedLineGapsTakeTheBrushColour) {
    struct Case {
        ui::BrushStyle brush;
        ui::Colour gap;
    };
    const Case cases[] = {{ui::BrushStyle::Solid, ui::kLime}, {ui::BrushStyle::Clear, ui::kBlue}};
    for (const Case& c : cases) {
        ui::Bitmap bitmap(60, 5);
        Fill(bitmap, ui::kBlue);
        ui::Canvas& canvas = bitmap.GetCanvas();
        canvas.SetBrushColour(ui::kLime);
        canvas.SetBrushStyle(c.brush);
        canvas.SetPenColour(ui::kRed);
        canvas.SetPenStyle(ui::PenStyle::Dot);
        canvas.MoveTo(0, 2);
        canvas.LineTo(50, 2);
        EXPECT_EQ(RowColours(bitmap, 2, 0, 50), (std::set<ui::Colour>{ui::kRed, c.gap}));
        EXPECT_EQ(bitmap.Pixel(50, 2), ui::kBlue);  // the end point is not painted
        EXPECT_EQ(RowColours(bitmap, 1, 0, 60), std::set<ui::Colour>{ui::kBlue});
        EXPECT_EQ(RowColours(bitmap, 3, 0, 60), std::set<ui::Colour>{ui::kBlue});
    }
}

TEST(CanvasTest, ShapesFillWithTheBrushAndOutlineWithThePen) {
    ui::Bitmap bitmap(41, 41);
    Fill(bitmap, ui::kBlack);
    ui::Canvas& canvas = bitmap.GetCanvas();
    canvas.SetPenColour(ui::kWhite);
    canvas.SetBrushColour(ui::kGreen);
    // A quarter of the circle, counter-clockwise from the ray to the right to the ray up.
    canvas.Pie(0, 0, 41, 41, 40, 20, 20, 0);
    EXPECT_EQ(bitmap.Pixel(28, 12), ui::kGreen);  // upper right
    EXPECT_EQ(bitmap.Pixel(12, 12), ui::kBlack);  // upper left
    EXPECT_EQ(bitmap.Pixel(28, 28), ui::kBlack);  // lower right
    EXPECT_EQ(bitmap.Pixel(30, 20), ui::kWhite);  // the pen along the first ray

    // A ring drawn as two outlines and filled between them up to the pen colour.
    Fill(bitmap, ui::kBlack);
    canvas.SetBrushStyle(ui::BrushStyle::Clear);
    canvas.SetPenColour(ui::kRed);
    canvas.Ellipse(0, 0, 41, 41);
    canvas.Ellipse(10, 10, 31, 31);
    canvas.SetBrushStyle(ui::BrushStyle::Solid);
    canvas.SetBrushColour(ui::kYellow);
    canvas.FloodFill(5, 20, ui::kRed, ui::FillStyle::Border);
    EXPECT_EQ(bitmap.Pixel(5, 20), ui::kYellow);
    EXPECT_EQ(bitmap.Pixel(35, 20), ui::kYellow);  // all round the band
    EXPECT_EQ(bitmap.Pixel(20, 20), ui::kBlack);   // inside the inner circle
    EXPECT_EQ(bitmap.Pixel(0, 0), ui::kBlack);     // outside the outer one

    canvas.SetPixel(3, 3, ui::kFuchsia);
    EXPECT_EQ(canvas.Pixel(3, 3), ui::kFuchsia);
    EXPECT_EQ(bitmap.Pixel(3, 3), ui::kFuchsia);
}

// A flood fill starts at the logical point whatever the origins, as graphic controls paint
// with the viewport origin moved to their corner; the origins are left as they were.
TEST(CanvasTest, FloodFillFollowsTheOrigins) {
    struct Case {
        POINT viewport, window;
    };
    const Case cases[] = {
        {{0, 0}, {0, 0}}, {{13, 7}, {0, 0}}, {{0, 0}, {-9, -4}}, {{20, 9}, {5, 2}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.viewport.x << "," << c.viewport.y << " " << c.window.x
                                        << "," << c.window.y);
        ui::Bitmap bitmap(60, 40);
        Fill(bitmap, ui::kBlack);
        const int dx = c.viewport.x - c.window.x;
        const int dy = c.viewport.y - c.window.y;
        SetViewportOrgEx(bitmap.Dc(), c.viewport.x, c.viewport.y, nullptr);
        SetWindowOrgEx(bitmap.Dc(), c.window.x, c.window.y, nullptr);
        ui::Canvas& canvas = bitmap.GetCanvas();
        canvas.SetPenColour(ui::kRed);
        canvas.SetBrushStyle(ui::BrushStyle::Clear);
        canvas.Rectangle(2, 2, 20, 20);
        canvas.SetBrushStyle(ui::BrushStyle::Solid);
        canvas.SetBrushColour(ui::kYellow);
        canvas.FloodFill(10, 10, ui::kRed, ui::FillStyle::Border);
        EXPECT_EQ(bitmap.Pixel(dx + 10, dy + 10), ui::kYellow);  // inside the square
        EXPECT_EQ(bitmap.Pixel(dx + 3, dy + 18), ui::kYellow);
        EXPECT_EQ(bitmap.Pixel(dx + 21, dy + 10), ui::kBlack);  // outside it
        EXPECT_EQ(bitmap.Pixel(dx + 10, dy + 21), ui::kBlack);
        POINT viewport;
        POINT window;
        GetViewportOrgEx(bitmap.Dc(), &viewport);
        GetWindowOrgEx(bitmap.Dc(), &window);
        EXPECT_EQ(viewport.x, c.viewport.x);
        EXPECT_EQ(viewport.y, c.viewport.y);
        EXPECT_EQ(window.x, c.window.x);
        EXPECT_EQ(window.y, c.window.y);
    }
}

// Text cells follow the brush as lines do; alignment moves the text about its point.
TEST(CanvasTest, TextIsOpaqueWithASolidBrushAndAligned) {
    ui::Bitmap bitmap(100, 20);
    ui::Canvas& canvas = bitmap.GetCanvas();
    canvas.SetFont(ui::Font{.name = "Courier New", .height = 13, .colour = ui::kRed});
    for (auto brush : {ui::BrushStyle::Solid, ui::BrushStyle::Clear}) {
        Fill(bitmap, ui::kBlue);
        canvas.SetBrushColour(ui::kLime);
        canvas.SetBrushStyle(brush);
        canvas.SetTextAlign(TA_RIGHT | TA_TOP);
        canvas.DrawString(80, 2, "8000");
        int width = canvas.TextWidth("8000");
        ASSERT_GT(width, 8);
        std::set<ui::Colour> inside = RowColours(bitmap, 8, 80 - width, 80);
        EXPECT_TRUE(inside.count(ui::kRed));
        EXPECT_EQ(inside.count(ui::kLime) > 0, brush == ui::BrushStyle::Solid);
        EXPECT_EQ(inside.count(ui::kBlue) > 0, brush == ui::BrushStyle::Clear);
        EXPECT_EQ(RowColours(bitmap, 8, 80, 100), std::set<ui::Colour>{ui::kBlue});
        EXPECT_EQ(RowColours(bitmap, 8, 0, 80 - width), std::set<ui::Colour>{ui::kBlue});
    }
}

TEST(BitmapTest, ResizingKeepsThePictureAndCopiesAreIndependent) {
    ui::Bitmap a(4, 4);
    Fill(a, ui::kRed);
    a.SetSize(6, 3);
    EXPECT_EQ(a.Width(), 6);
    EXPECT_EQ(a.Pixel(3, 2), ui::kRed);
    EXPECT_EQ(a.Pixel(5, 0), ui::kWhite);
    ui::Bitmap b = a;
    Fill(b, ui::kGreen);
    EXPECT_EQ(a.Pixel(0, 0), ui::kRed);
    EXPECT_EQ(b.Pixel(0, 0), ui::kGreen);
    EXPECT_EQ(b.Height(), 3);
}

// The lamp bitmaps of the resources: 20 x 20, 16 colours, the lamp colour at the middle and
// a white highlight in the upper left only.
TEST(BitmapTest, LampResources) {
    struct Case {
        const char* name;
        ui::Colour colour;
    };
    const Case cases[] = {{"Err", ui::kRed}, {"On", ui::kLime}, {"Off", ui::kGrey}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HRSRC found = FindResourceA(ui::ResourceModule(), c.name, MAKEINTRESOURCEA(2));
        ASSERT_NE(found, nullptr);
        auto* header = static_cast<const BITMAPINFOHEADER*>(
            LockResource(LoadResource(ui::ResourceModule(), found)));
        EXPECT_EQ(header->biBitCount, 4);

        ui::Bitmap lamp;
        lamp.LoadFromResource(c.name);
        ASSERT_EQ(lamp.Width(), 20);
        ASSERT_EQ(lamp.Height(), 20);
        EXPECT_EQ(lamp.Pixel(10, 12), c.colour);
        EXPECT_EQ(lamp.Pixel(0, 0), ui::kSilver);
        int upperLeftWhite = 0;
        int otherWhite = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                if (lamp.Pixel(x, y) == ui::kWhite) ++(x < 10 && y < 10 ? upperLeftWhite : otherWhite);
        EXPECT_GT(upperLeftWhite, 0);
        EXPECT_EQ(otherWhite, 0);
    }
    ui::Bitmap none;
    EXPECT_THROW(none.LoadFromResource("Nothing"), std::runtime_error);
}

const ui::FormDesign kDesign{.name = "LampForm", .caption = "Lamp", .clientWidth = 100,
                             .clientHeight = 60};

const ui::Design kComponents[] = {
    {.kind = ui::Kind::Panel, .name = "Panel1", .top = 10, .width = 20, .height = 20,
     .bevel = ui::Bevel::None},
    {.kind = ui::Kind::Image, .name = "Image1", .parent = "Panel1", .left = 2, .top = 4,
     .width = 15, .height = 12, .stretch = true, .picture = "On"},
};

// A graphic control paints on its parent's surface, inside its bounds only.
TEST(ImageTest, PaintsOnItsParentWithinItsBounds) {
    ui::Form form(kDesign, kComponents);
    auto& panel = form.Get<ui::Panel>("Panel1");
    auto& image = form.Get<ui::Image>("Image1");
    const ui::Colour face = GetSysColor(COLOR_BTNFACE);
    ui::Bitmap surface(20, 20);
    auto paint = [&] {
        Fill(surface, ui::kBlack);
        SendMessageW(panel.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface.Dc()),
                     PRF_CLIENT);
    };
    struct Case {
        const char* picture;
        bool stretch;
        int x, y;
        ui::Colour colour;
    };
    const Case cases[] = {
        {"On", true, 2 + 7, 4 + 6, ui::kLime},
        {"On", true, 2, 4, ui::kSilver},          // the picture's corner, shrunk
        {"On", true, 2 + 14, 4 + 11, ui::kSilver},
        {"On", false, 2 + 14, 4 + 11, ui::kLime},  // unstretched, the middle of the lamp
        {"On", false, 2 + 16, 4 + 5, face},        // cut at the bounds
        {"Err", true, 2 + 7, 4 + 6, ui::kRed},
        {"Off", true, 2 + 7, 4 + 6, ui::kGrey},
        {"Off", true, 1, 10, face},
        {"Off", true, 17, 10, face},
        {"Off", true, 10, 16, face},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.picture) + (c.stretch ? " stretched" : ""));
        image.LoadFromResource(c.picture);
        image.SetStretch(c.stretch);
        paint();
        EXPECT_EQ(surface.Pixel(c.x, c.y), c.colour);
    }
    image.Hide();
    paint();
    EXPECT_EQ(surface.Pixel(2 + 7, 4 + 6), face);
}

// A group box left to itself paints only its frame; the layer's forms clip their children,
// so nothing else would paint its inside.
TEST(GroupBoxTest, FillsItsInsideWithItsColour) {
    const ui::Design rows[] = {
        {.kind = ui::Kind::GroupBox, .name = "GroupBox1", .width = 60, .height = 40,
         .caption = "Launch", .colour = ui::kYellow},
    };
    ui::Form form(kDesign, rows);
    auto& group = form.Get<ui::GroupBox>("GroupBox1");
    ui::Bitmap surface(60, 40);
    Fill(surface, ui::kBlack);
    SendMessageW(group.Handle(), WM_PRINT, reinterpret_cast<WPARAM>(surface.Dc()),
                 PRF_ERASEBKGND | PRF_CLIENT);
    EXPECT_EQ(surface.Pixel(30, 25), ui::kYellow);
}

}  // namespace
