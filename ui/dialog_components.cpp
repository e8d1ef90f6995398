#include "ui/dialog_components.h"

#include "ui/design.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/modal.h"

namespace ui {

namespace {
HWND OwnerWindow(Form* form) {
    HWND active = GetActiveWindow();
    return active ? active : (form ? form->Handle() : nullptr);
}
}  // namespace

FileDialog::FileDialog(Form& owner, const Design& design, bool save)
    : Component(design.name, &owner),
      save_(save),
      filter_(design.filter),
      defaultExt_(design.defaultExt) {}

std::optional<std::filesystem::path> FileDialog::Execute() {
    FileDialogRequest request;
    request.owner = OwnerWindow(Owner());
    request.save = save_;
    request.filter = filter_;
    request.filterIndex = filterIndex_;
    request.defaultExt = defaultExt_;
    request.fileName = fileName_;
    request.initialDir = initialDir_;
    std::optional<FileDialogAnswer> answer;
    {
        ModalWindow modal(request.owner);
        answer = CurrentDialogs().FileDialog(request);
    }
    if (!answer) return std::nullopt;
    fileName_ = answer->fileName;
    filterIndex_ = answer->filterIndex;
    return fileName_;
}

ColourDialog::ColourDialog(Form& owner, const Design& design) : Component(design.name, &owner) {
    if (design.colour != kDefaultColour) colour_ = design.colour;
}

std::optional<Colour> ColourDialog::Execute() {
    const HWND owner = OwnerWindow(Owner());
    std::optional<Colour> chosen;
    {
        ModalWindow modal(owner);
        chosen = CurrentDialogs().ColourDialog(owner, colour_);
    }
    if (chosen) colour_ = *chosen;
    return chosen;
}

}  // namespace ui
