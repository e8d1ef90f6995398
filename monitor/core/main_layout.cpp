#include "monitor/core/main_layout.h"

namespace velmorant {

MainWindowLayout MainWindowLayoutFor(bool bytesProtocol, bool threeReferences, int panel1Width) {
    MainWindowLayout l;
    if (threeReferences) {
        l.Width = bytesProtocol ? 729 : 627;
        l.ReferenceListLefts =
            bytesProtocol ? std::array{429, 527, 625} : std::array{331, 427, 523};
        l.ReferenceButtonLefts =
            bytesProtocol ? std::array{441, 537, 633} : std::array{341, 437, 534};
    } else {
        l.Width = bytesProtocol ? 435 : 336;
    }
    l.Edit1Width = l.Width - 7;
    l.ScrollBar1Width = l.Width - 9 - panel1Width;
    l.ReferencesVisible = threeReferences;
    l.BytesVisible = bytesProtocol;
    return l;
}

}  // namespace velmorant
