#pragma once
// The camera list: the rows of the hidden report view IPCAM_TntListView (texts, sort order,
// selection) and, with each row, its _camdev entry from which the drawn list paints a card.
// Entries live with their rows, so the two never drift apart.

#include "protocol/camera_records.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace vistrel {

// Columns of IPCAM_TntListView; the state column is never shown.
enum CameraListColumn : int {
    kColumnMac = 0, // the row's caption
    kColumnIp = 1,
    kColumnName = 2,
    kColumnModel = 3,
    kColumnState = 4,
};
inline constexpr int kCameraListColumns = 5;

struct CameraListRow {
    std::array<std::string, kCameraListColumns> columns; // caption, then the sub-items

    // Where the camera answered: the interface its reply arrived on (index 0 and an empty name
    // when not known), that interface's networks as networksText writes them, and whether the
    // camera's address lies in one of them. A camera outside them answers discovery, but its
    // picture and web pages cannot be reached.
    int interfaceIndex = 0;
    std::string interfaceName{};
    std::string interfaceNetworks{};
    bool inSubnet = true;

    const std::string& caption() const { return columns[kColumnMac]; }
};

// The entry that the rebuild derives from a row: state is the state column read as a
// hexadecimal number, view 1 for new cameras and 2 for the others.
_camdev entryFromRow(const CameraListRow& row);

class CameraList {
public:
    int rowCount() const { return static_cast<int>(items_.size()); }
    const CameraListRow& row(int index) const { return items_.at(index)->row; }
    const _camdev& entry(int index) const { return items_.at(index)->entry; }
    bool containsCaption(std::string_view caption) const;

    // Adds rows, in arrival order, and keeps the rows ordered by the state column (sort tag 4):
    // the batch is ordered and merged into the list in one pass, each new row after the rows
    // that compare equal to it, as adding them one by one would place them. A row whose caption
    // is listed already, or came earlier in the batch, is left out. Every entry whose drawing
    // state was changed shows its row's state again.
    void addBatchAndOrder(std::vector<CameraListRow> rows);
    void addAndOrder(CameraListRow row);

    // Column-click sort: tag := column, rows sorted with ListViewCompare.
    void Order(int column);
    int tag() const { return tag_; }

    // A drawing-only state (the highlighted new camera); the row keeps its state.
    void setEntryState(int index, int state);

    void removeAllRows();

    int selectedIndex() const { return selectedIndex_; }
    void select(int index); // -1 clears the selection

private:
    struct Item {
        CameraListRow row;
        _camdev entry;
    };
    using ItemPointer = std::unique_ptr<Item>;

    bool less(const Item& a, const Item& b) const;
    void restoreDrawingStates();

    std::vector<ItemPointer> items_;
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };
    std::unordered_set<std::string, TextHash, std::equal_to<>> captions_;
    std::vector<Item*> drawingStates_; // entries whose state differs from their row's
    const Item* selected_ = nullptr;
    int selectedIndex_ = -1; // where selected_ is, kept by every change of the order
    int tag_ = kColumnState;
};

// The toolkit's case-insensitive text comparison: negative, zero or positive.
int compareTextIgnoringCase(std::string_view a, std::string_view b);

} // namespace vistrel
