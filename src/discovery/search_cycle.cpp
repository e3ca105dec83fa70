#include "discovery/search_cycle.h"

namespace vistrel {

namespace {

void run(const std::function<void()>& hook) {
    if (hook) {
        hook();
    }
}

} // namespace

SearchCycle::SearchCycle(CameraList& list, CameraDiscovery& discovery, DatagramSender& sender,
                         const RequestTemplates& templates, SearchViewHooks hooks)
    : list_(list), discovery_(discovery), sender_(sender), templates_(templates),
      hooks_(std::move(hooks)) {}

void SearchCycle::Image_Search_CameraClick() {
    list_.removeAllRows();
    run(hooks_.listEmptied);
    discovery_.clearNewCameraNames();
    // The highlighted index would otherwise point at whichever camera takes that row next.
    highlightedRow_ = -1;
    run(hooks_.focusCameraList);
    sendDiscovery();
}

void SearchCycle::sendDiscovery() {
    sender_.SendDatagram(templates_.DiscoveryRequest);
}

void SearchCycle::requestDelayedSearch() {
    TimerTicks = 0;
    SearchPending = true;
}

bool SearchCycle::runPendingSearch() {
    if (!SearchPending || TimerTicks <= 4) {
        return false;
    }
    SearchPending = false;
    Image_Search_CameraClick();
    return true;
}

} // namespace vistrel
