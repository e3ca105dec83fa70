#pragma once
// The command line's conversation with one camera over the finder's UDP endpoint: search until
// the camera with a given MAC answers, select it as a click in the camera list does, and wait
// for its settings reply. It runs on the caller's event loop and needs no window.

#include "config/camera_configuration.h"
#include "discovery/camera_discovery.h"
#include "discovery/camera_list.h"
#include "discovery/search_cycle.h"
#include "net/admin_endpoint.h"
#include "net/received_reply.h"
#include "protocol/reply_dispatcher.h"

#include <QDeadlineTimer>
#include <string>
#include <string_view>
#include <vector>

namespace vistrel {

// One reading of the cameras: the camera list a search fills, and the configuration state that
// selecting a camera and its settings reply fill. Every reading starts empty, so that what a
// camera reports after a change is never mixed with what it reported before.
class CameraReading : public ReplyHandler {
public:
    explicit CameraReading(DatagramSender& sender);

    // Image_Search_CameraClick: the list is emptied and the discovery request broadcast.
    void search();
    // Selects the camera's row and runs the selection, which sends the three queries;
    // false while the camera has not answered the search.
    bool select(std::string_view macText);

    // The selected camera's settings reply has told its settings: an XML document, or a fixed
    // layout that carried its password credential (one without it tells the name alone).
    bool settingsArrived() const;
    const CameraListRow& selectedRow() const { return list.row(list.selectedIndex()); }

    // A batch of replies from the endpoint, in arrival order.
    void takeReplies(net::ReplyBatch batch);
    void onDiscoveryReply(const DiscoveryReply& reply) override;
    void onSettingsReply(Bytes datagram) override;

    CameraConfiguration config;
    CameraList list;

private:
    DatagramSender& sender_;
    CameraDiscovery discovery_;
    SearchCycle search_;
    bool settingsReplied_ = false;
};

enum class ReadingOutcome {
    Settings,   // the camera answered and its settings reply arrived
    NoSettings, // the camera answered the search, but no settings reply came
    NotFound,   // no camera with this MAC answered
};

class CameraSession {
public:
    // --interface: the searches go out of these interfaces only. Empty: every suitable one.
    explicit CameraSession(std::vector<std::string> interfaceNames = {});

    // Binds UDP port 13364; false when the port cannot be had, with the reason in errorString.
    bool open();
    QString errorString() const { return endpoint_.errorString(); }

    DatagramSender& sender() { return endpoint_; }

    // Searches once a second until the camera answers, then selects it and waits for its
    // settings reply. Replies travel by broadcast and may be lost, so the three queries go out
    // again after one and after two seconds without a reply. Returns at the deadline at the
    // latest.
    ReadingOutcome read(CameraReading& reading, std::string_view macText,
                        const QDeadlineTimer& deadline);

    // Lets time pass until the deadline without reading anything.
    void pause(const QDeadlineTimer& until);

    // How often a search or the queries are repeated, and how many times the queries are.
    static constexpr int kRepeatMilliseconds = 1000;
    static constexpr int kQueryRepeats = 2;

private:
    AdminEndpoint endpoint_;
};

} // namespace vistrel
