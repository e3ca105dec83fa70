#include "wizard/wizard_address_pages.h"

#include "config/wizard_page.h"

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
    WizardPage page;
    AddressPart part;
    unsigned lock;
};

constexpr AddressLock kDhcpLocks[] = {
    {WizardPage::Network, AddressPart::Edits, kDisable},
    {WizardPage::Wire, AddressPart::Captions, kHide},
    {WizardPage::Wire, AddressPart::Values, kHide},
    {WizardPage::Wireless, AddressPart::Captions, kHide},
    {WizardPage::Wireless, AddressPart::Values, kHide},
    {WizardPage::ManualConfig, AddressPart::Edits, kDisable | kHide},
    {WizardPage::ManualConfig, AddressPart::Captions, kHide},
    {WizardPage::CloudFailed, AddressPart::Captions, kHide},
    {WizardPage::CloudFailed, AddressPart::Values, kHide},
    {WizardPage::OldNetwork, AddressPart::Edits, kDisable},
};

template <typename T> std::array<QWidget*, 4> widgets(const std::array<T*, 4>& controls) {
    return {controls[0], controls[1], controls[2], controls[3]};
}

std::array<QWidget*, 4> captionsOf(WizardPages& p, WizardPage page) {
    switch (page) {
    case WizardPage::Wire:
        return widgets(p.wire.captions);
    case WizardPage::Wireless:
        return widgets(p.wireless.captions);
    case WizardPage::ManualConfig:
        return widgets(p.manualConfig.captions);
    case WizardPage::CloudFailed:
        return widgets(p.cloudFailed.captions);
    default:
        return {};
    }
}

std::array<QWidget*, 4> valuesOf(WizardPages& p, WizardPage page) {
    switch (page) {
    case WizardPage::Wire:
        return widgets(p.wire.values);
    case WizardPage::Wireless:
        return widgets(p.wireless.values);
    case WizardPage::CloudFailed:
        return widgets(p.cloudFailed.values);
    default:
        return {};
    }
}

std::array<QWidget*, 4> editsOf(WizardPages& p, WizardPage page) {
    switch (page) {
    case WizardPage::Network:
        return widgets(p.network.edits);
    case WizardPage::ManualConfig:
        return widgets(p.manualConfig.edits);
    case WizardPage::OldNetwork:
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
