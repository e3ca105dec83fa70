#include "net/system_interfaces.h"

#include "net/subnet_rule.h"

#include <QNetworkInterface>

namespace vistrel::net {

namespace {

NetworkInterface fromSystem(const QNetworkInterface& system) {
    NetworkInterface interface;
    interface.name = system.name().toLocal8Bit().toStdString();
    interface.index = system.index();
    const QNetworkInterface::InterfaceFlags flags = system.flags();
    interface.up = flags.testFlag(QNetworkInterface::IsUp);
    interface.canBroadcast = flags.testFlag(QNetworkInterface::CanBroadcast);
    interface.loopback = flags.testFlag(QNetworkInterface::IsLoopBack);
    for (const QNetworkAddressEntry& entry : system.addressEntries()) {
        if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol) {
            interface.addresses.push_back(
                {fromHostOrder(entry.ip().toIPv4Address()), entry.prefixLength()});
        }
    }
    return interface;
}

} // namespace

std::vector<NetworkInterface> readNetworkInterfaces() {
    std::vector<NetworkInterface> interfaces;
    for (const QNetworkInterface& system : QNetworkInterface::allInterfaces()) {
        interfaces.push_back(fromSystem(system));
    }
    return interfaces;
}

} // namespace vistrel::net
