// The floor of the finder's start-up and memory: a bare Qt program that shows a window of the
// main window's size, sends one discovery request to the admin port as the finder does, and
// then idles. startup_bench runs it beside the finder.

#include "protocol/admin_datagram.h"
#include "protocol/request_templates.h"

#include <QApplication>
#include <QUdpSocket>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(524, 495);
    window.show();
    QUdpSocket socket;
    socket.bind(QHostAddress::AnyIPv4, vistrel::kAdminPort,
                QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint);
    const vistrel::RequestTemplates templates;
    socket.writeDatagram(reinterpret_cast<const char*>(templates.DiscoveryRequest.data()),
                         static_cast<qint64>(templates.DiscoveryRequest.size()),
                         QHostAddress::Broadcast, vistrel::kAdminPort);
    return app.exec();
}
