#include "cli/headless_listing.h"

#include "cli/camera_listing_format.h"
#include "cli/command_messages.h"
#include "cli/exit_codes.h"
#include "discovery/camera_discovery.h"
#include "net/admin_endpoint.h"
#include "net/reply_delivery.h"
#include "protocol/admin_datagram.h"
#include "protocol/reply_dispatcher.h"
#include "protocol/request_templates.h"

#include <QEventLoop>
#include <QTimer>

namespace vistrel {

int runHeadlessListing(const ListingOptions& options, QTextStream& out, QTextStream& err) {
    TDeviceItem selectedCamera; // the listing selects no camera
    CameraList list;
    CameraDiscovery discovery(list, selectedCamera);

    AdminEndpoint endpoint;
    endpoint.restrictToInterfaces(options.interfaceNames);
    endpoint.setBatchHandler([&](net::ReplyBatch batch) {
        net::deliverReplies(std::move(batch), discovery, selectedCamera.macText, discovery);
    });
    if (!endpoint.bind()) {
        return reportPortUnavailable(endpoint.errorString(), err);
    }
    endpoint.SendDatagram(RequestTemplates().DiscoveryRequest);

    QEventLoop loop;
    QTimer::singleShot(options.waitMilliseconds, &loop, &QEventLoop::quit);
    loop.exec();

    if (options.json) {
        out << formatCameraJson(list);
    } else {
        out << formatCameraTable(list);
    }
    out.flush();
    return kExitDone;
}

} // namespace vistrel
