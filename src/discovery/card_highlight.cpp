#include "discovery/card_highlight.h"

namespace vistrel {

bool pressOnCardBody(CameraList& list, int& highlightedRow, int index) {
    if (highlightedRow >= 0 && highlightedRow < list.rowCount()) {
        list.setEntryState(highlightedRow, kStateNew);
    }
    if (index < 0 || index >= list.rowCount() || list.entry(index).state != kStateNew) {
        return false;
    }
    list.setEntryState(index, kStateHighlighted);
    highlightedRow = index;
    return true;
}

} // namespace vistrel
