#pragma once
// The kinds of control the settings panel is made of, as plain state. The panel is never drawn:
// its controls store the configuration being edited, and their enabled and visible states
// record what the panel's operations decided. Texts are 8-bit.

#include <string>
#include <vector>

namespace vistrel {

struct EditControl {
    std::string text;
    bool enabled = true;
    bool visible = true;
    int maxLength = 0; // in characters; 0 = no limit
};

// A text field that takes at most maxLength characters.
inline EditControl limitedEdit(int maxLength) {
    EditControl edit;
    edit.maxLength = maxLength;
    return edit;
}

struct LabelControl {
    bool enabled = true;
    bool visible = true;
};

struct RadioControl {
    bool checked = false;
    bool enabled = true;
};

// A drop-down list; its item index is what the settings take from it.
struct ComboBoxControl {
    std::vector<std::string> items;
    int itemIndex = 0;
    bool enabled = true;
    bool visible = true;

    // Selects an item; an index outside the list changes nothing.
    void select(int index) {
        if (index >= 0 && index < static_cast<int>(items.size())) {
            itemIndex = index;
        }
    }
};

// A command image of the main window's panel.
struct ImageControl {
    bool visible = true;
};

// A page control and one of its tabs.
struct PageControl {
    bool visible = true;
    int activePage = 0;
};

struct TabSheet {
    bool tabVisible = true; // shown in the page control's tab strip
};

} // namespace vistrel
