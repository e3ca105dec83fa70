#include "wizard/wizard_address_pages.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <array>

namespace vistrel {

namespace {

// Which four controls of a page a row of the table acts on.
enum class AddressPart { Captions, Values, Edits };

// What DHCP does to them; a fixed address undoes it.
enum Lock : unsigned { kDisable = 1, kHide = 2 };

struct AddressLock {
    int page;
    AddressPart part;
    unsigned lock;
};

constexpr AddressLock kDhcpLocks[] = {
    {2, AddressPart::Edits, kDisable}, {3, AddressPart::Captions, kHide},
    {3, AddressPart::Values, kHide},   {4, AddressPart::Captions, kHide},
    {4, AddressPart::Values, kHide},   {9, AddressPart::Edits, kDisable | kHide},
    {9, AddressPart::Captions, kHide}, {10, AddressPart::Captions, kHide},
    {10, AddressPart::Values, kHide},  {12, AddressPart::Edits, kDisable},
};

template <typename T> std::array<QWidget*, 4> widgets(const std::array<T*, 4>& controls) {
    return {controls[0], controls[1], controls[2], controls[3]};
}

std::array<QWidget*, 4> captionsOf(WizardPages& p, int page) {
    switch (page) {
    case 3:
        return widgets(p.wire.captions);
    case 4:
        return widgets(p.wireless.captions);
    case 9:
        return widgets(p.manualConfig.captions);
    case 10:
        return widgets(p.cloudFailed.captions);
    default:
        return {};
    }
}

std::array<QWidget*, 4> valuesOf(WizardPages& p, int page) {
    switch (page) {
    case 3:
        return widgets(p.wire.values);
    case 4:
        return widgets(p.wireless.values);
    case 10:
        return widgets(p.cloudFailed.values);
    default:
        return {};
    }
}

std::array<QWidget*, 4> editsOf(WizardPages& p, int page) {
    switch (page) {
    case 2:
        return widgets(p.network.edits);
    case 9:
        return widgets(p.manualConfig.edits);
    case 12:
        return widgets(p.oldNetwork.edits);
    default:
        return {};
    }
}

std::array<QWidget*, 4> controlsOf(WizardPages& p, const AddressLock& row) {
    switch (row.part) {
    case AddressPart::Captions:
        return captionsOf(p, row.page);
    case AddressPart::Values:
        return valuesOf(p, row.page);
    case AddressPart::Edits:
        return editsOf(p, row.page);
    }
    return {};
}

std::array<RadioPair*, 3> radioPairsOf(WizardPages& p) {
    return {&p.network.radios, &p.manualConfig.radios, &p.oldNetwork.radios};
}

} // namespace

// Set without signals: the choice that checks them has already run.
void WizardAddressPages::checkAddressRadios(AddressMode mode) {
    for (RadioPair* pair : radioPairsOf(pages_)) {
        const QSignalBlocker dhcp(pair->dhcp);
        const QSignalBlocker staticIp(pair->staticIp);
        (mode == AddressMode::Dhcp ? pair->dhcp : pair->staticIp)->setChecked(true);
    }
}

void WizardAddressPages::followAddressMode(AddressMode mode) {
    const bool locked = mode == AddressMode::Dhcp;
    for (const AddressLock& row : kDhcpLocks) {
        for (QWidget* control : controlsOf(pages_, row)) {
            if (row.lock & kDisable) {
                control->setEnabled(!locked);
            }
            if (row.lock & kHide) {
                control->setVisible(!locked);
            }
        }
    }
    if (!locked) {
        pages_.manualConfig.radios.dhcp->setEnabled(true);
        pages_.manualConfig.radios.staticIp->setEnabled(true);
    }
}

void WizardAddressPages::enableFixedAddressPage(bool addressEdits) {
    pages_.manualConfig.radios.dhcp->setEnabled(true);
    pages_.manualConfig.radios.staticIp->setEnabled(true);
    if (addressEdits) {
        for (QLineEdit* edit : pages_.manualConfig.edits) {
            edit->setEnabled(true);
        }
    }
}

} // namespace vistrel
