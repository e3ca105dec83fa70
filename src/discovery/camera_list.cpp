#include "discovery/camera_list.h"

#include <algorithm>
#include <charconv>

namespace vistrel {

namespace {

int parseHex(const std::string& text) {
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value, 16);
    return value;
}

unsigned char foldCase(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 'A' && byte <= 'Z') ? static_cast<unsigned char>(byte + ('a' - 'A')) : byte;
}

} // namespace

int compareTextIgnoringCase(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const int difference = foldCase(a[i]) - foldCase(b[i]);
        if (difference != 0) {
            return difference;
        }
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

_camdev entryFromRow(const CameraListRow& row) {
    _camdev entry;
    entry.mac = row.columns[kColumnMac];
    entry.ip = row.columns[kColumnIp];
    entry.name = row.columns[kColumnName];
    entry.model = row.columns[kColumnModel];
    entry.state = parseHex(row.columns[kColumnState]);
    entry.view = viewOfState(entry.state);
    return entry;
}

bool CameraList::containsCaption(std::string_view caption) const {
    return captions_.contains(caption);
}

bool CameraList::less(const Item& a, const Item& b) const {
    return compareTextIgnoringCase(a.row.columns[tag_], b.row.columns[tag_]) < 0;
}

void CameraList::addBatchAndOrder(std::vector<CameraListRow> rows) {
    if (tag_ != kColumnState) {
        Order(kColumnState);
    }
    restoreDrawingStates();
    std::vector<ItemPointer> fresh;
    fresh.reserve(rows.size());
    for (CameraListRow& row : rows) {
        if (!captions_.insert(row.caption()).second) {
            continue;
        }
        auto item = std::make_unique<Item>(Item{std::move(row), {}});
        item->entry = entryFromRow(item->row);
        fresh.push_back(std::move(item));
    }
    // A stable sort of the batch, then a merge that takes listed rows first among equal ones:
    // a new row lands after every listed row and every earlier new row that compares equal.
    std::stable_sort(fresh.begin(), fresh.end(),
                     [this](const ItemPointer& a, const ItemPointer& b) { return less(*a, *b); });
    std::vector<ItemPointer> merged;
    merged.reserve(items_.size() + fresh.size());
    auto listed = items_.begin();
    auto added = fresh.begin();
    while (listed != items_.end() || added != fresh.end()) {
        const bool takeAdded =
            listed == items_.end() || (added != fresh.end() && less(**added, **listed));
        ItemPointer& next = takeAdded ? *added++ : *listed++;
        if (next.get() == selected_) {
            selectedIndex_ = static_cast<int>(merged.size());
        }
        merged.push_back(std::move(next));
    }
    items_ = std::move(merged);
}

void CameraList::addAndOrder(CameraListRow row) {
    std::vector<CameraListRow> rows;
    rows.push_back(std::move(row));
    addBatchAndOrder(std::move(rows));
}

void CameraList::Order(int column) {
    tag_ = std::clamp(column, 0, kCameraListColumns - 1);
    std::stable_sort(items_.begin(), items_.end(),
                     [this](const ItemPointer& a, const ItemPointer& b) { return less(*a, *b); });
    const auto found = std::find_if(items_.begin(), items_.end(), [this](const ItemPointer& item) {
        return item.get() == selected_;
    });
    selectedIndex_ = found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

void CameraList::setEntryState(int index, int state) {
    Item& item = *items_.at(index);
    item.entry.state = state;
    if (std::find(drawingStates_.begin(), drawingStates_.end(), &item) == drawingStates_.end()) {
        drawingStates_.push_back(&item);
    }
}

void CameraList::restoreDrawingStates() {
    for (Item* item : drawingStates_) {
        item->entry = entryFromRow(item->row);
    }
    drawingStates_.clear();
}

void CameraList::removeAllRows() {
    items_.clear();
    captions_.clear();
    drawingStates_.clear();
    selected_ = nullptr;
    selectedIndex_ = -1;
}

void CameraList::select(int index) {
    const bool listed = index >= 0 && index < rowCount();
    selected_ = listed ? items_[index].get() : nullptr;
    selectedIndex_ = listed ? index : -1;
}

} // namespace vistrel
