#pragma once
// Searches for cameras: empty the list and broadcast the discovery request. A search has no
// end: replies are accepted until the next search empties the list again. Also the busy rule
// (nothing may open a camera before the first timer tick) and the delayed search.

#include "discovery/camera_discovery.h"
#include "discovery/camera_list.h"
#include "protocol/datagram_sender.h"
#include "protocol/request_templates.h"

#include <functional>

namespace vistrel {

// What a search does to the windows.
struct SearchViewHooks {
    std::function<void()> listEmptied;     // the drawn list shows no card
    std::function<void()> focusCameraList; // the list takes the keyboard focus
};

class SearchCycle {
public:
    SearchCycle(CameraList& list, CameraDiscovery& discovery, DatagramSender& sender,
                const RequestTemplates& templates, SearchViewHooks hooks);

    // Empties the list and the new-camera names and broadcasts the discovery request.
    void Image_Search_CameraClick();
    // The first discovery at start-up: nothing to empty yet.
    void sendDiscovery();

    // Ticks of the one-second timer since start-up or the last reset; while it is 0 or less
    // the finder counts as busy searching.
    int TimerTicks = 0;
    bool SearchPending = false;
    bool busy() const { return TimerTicks <= 0; }

    // Asks for a search a few seconds ahead; the caller enables the timer.
    void requestDelayedSearch();
    // The search part of a timer tick, before TimerTicks is counted: true when the pending
    // search started now and the timer should stop.
    bool runPendingSearch();

    int highlightedRow() const { return highlightedRow_; }
    void setHighlightedRow(int row) { highlightedRow_ = row; }

private:
    CameraList& list_;
    CameraDiscovery& discovery_;
    DatagramSender& sender_;
    const RequestTemplates& templates_;
    SearchViewHooks hooks_;
    int highlightedRow_ = -1;
};

} // namespace vistrel
