// Building a form's components from the rows of its design.

#include <memory>
#include <stdexcept>

#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/dialog_components.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/image_list.h"
#include "ui/label.h"
#include "ui/list_view.h"
#include "ui/menu.h"
#include "ui/panel.h"
#include "ui/range_control.h"
#include "ui/speed_button.h"
#include "ui/status_bar.h"
#include "ui/timer.h"

namespace ui {

Font ResolveFont(const Font& parent, const FontDesign& design) {
    Font font = parent;
    if (!design.name.empty()) font.name = design.name;
    if (design.height > 0) font.height = design.height;
    if (design.bold) font.bold = *design.bold;
    if (design.colour != kDefaultColour) font.colour = design.colour;
    return font;
}

namespace {

Colour UsualColour(Kind kind, const Control& parent) {
    switch (kind) {
        case Kind::Edit:
        case Kind::Memo:
        case Kind::ComboBox:
        case Kind::ListView:
            return kWindow;
        case Kind::Label:
        case Kind::CheckBox:
        case Kind::GroupBox:
        case Kind::Image:
            return parent.GetColour();
        default:
            return kBtnFace;
    }
}

std::unique_ptr<Control> MakeControl(Form& form, WinControl& parent, const Design& d) {
    switch (d.kind) {
        case Kind::Label: return std::make_unique<Label>(form, parent, d);
        case Kind::Button: return std::make_unique<Button>(form, parent, d);
        case Kind::CheckBox: return std::make_unique<CheckBox>(form, parent, d);
        case Kind::Edit: return std::make_unique<Edit>(form, parent, d);
        case Kind::Memo: return std::make_unique<Memo>(form, parent, d);
        case Kind::ComboBox: return std::make_unique<ComboBox>(form, parent, d);
        case Kind::ListView: return std::make_unique<ListView>(form, parent, d);
        case Kind::Panel: return std::make_unique<Panel>(form, parent, d);
        case Kind::GroupBox: return std::make_unique<GroupBox>(form, parent, d);
        case Kind::ScrollBar: return std::make_unique<ScrollBar>(form, parent, d);
        case Kind::TrackBar: return std::make_unique<TrackBar>(form, parent, d);
        case Kind::StatusBar: return std::make_unique<StatusBar>(form, parent, d);
        case Kind::Image:
        case Kind::SpeedButton:
            // Graphic controls are painted by forms and panels only.
            if (&parent != &form && !dynamic_cast<Panel*>(&parent))
                throw std::logic_error(d.name + ": a graphic control needs a form or panel");
            if (d.kind == Kind::SpeedButton) return std::make_unique<SpeedButton>(form, parent, d);
            return std::make_unique<Image>(form, parent, d);
        default:
            throw std::logic_error(d.name + ": not a control");
    }
}

}  // namespace

Component& Form::AddComponent(const Design& d) {
    if (d.name.empty()) throw std::logic_error("A component of " + Name() + " has no name");
    if (FindComponent(d.name))
        throw std::logic_error("A component named " + d.name + " already exists on " + Name());
    std::unique_ptr<Component> made;
    switch (d.kind) {
        case Kind::ImageList: {
            auto list = std::make_unique<ImageList>(*this, d.name, d.width > 0 ? d.width : 16,
                                                    d.height > 0 ? d.height : 16);
            for (const auto& resource : d.items) list->AddResource(resource);
            made = std::move(list);
            break;
        }
        case Kind::MainMenu:
            if (menu_) throw std::logic_error(d.name + ": " + Name() + " has a main menu already");
            made = std::make_unique<MainMenu>(*this, d.name,
                                              d.images.empty() ? nullptr : &Get<ImageList>(d.images));
            break;
        case Kind::MenuItem: {
            Component* parent = FindComponent(d.parent);
            auto* item = dynamic_cast<MenuItem*>(parent);
            auto* menu = item ? &item->Menu() : dynamic_cast<MainMenu*>(parent);
            if (!menu) throw std::logic_error(d.name + ": no menu or menu item " + d.parent);
            made = std::make_unique<MenuItem>(*this, d.name, *menu, item, d.caption, d.imageIndex,
                                              d.checked, d.enabled);
            break;
        }
        case Kind::Timer:
            made = std::make_unique<Timer>(this, d.name, d.interval, d.enabled);
            break;
        case Kind::OpenDialog:
            made = std::make_unique<OpenDialog>(*this, d);
            break;
        case Kind::SaveDialog:
            made = std::make_unique<SaveDialog>(*this, d);
            break;
        case Kind::ColourDialog:
            made = std::make_unique<ColourDialog>(*this, d);
            break;
        case Kind::PopupMenu:
            made = std::make_unique<PopupMenu>(*this, d.name);
            break;
        default: {
            WinControl* parent =
                d.parent.empty() ? this : dynamic_cast<WinControl*>(FindComponent(d.parent));
            if (!parent) throw std::logic_error(d.name + ": no parent control " + d.parent);
            auto control = MakeControl(*this, *parent, d);
            control->SetFont(ResolveFont(parent->GetFont(), d.font));
            control->SetColour(d.colour != kDefaultColour ? d.colour : UsualColour(d.kind, *parent));
            control->SetHint(d.hint);
            control->SetEnabled(d.enabled);
            control->SetVisible(d.visible);
            if (!d.popupMenu.empty()) control->SetPopupMenu(&Get<PopupMenu>(d.popupMenu));
            made = std::move(control);
            break;
        }
    }
    Component& component = *made;
    components_.push_back(std::move(made));
    byName_.emplace(d.name, &component);
    return component;
}

}  // namespace ui
