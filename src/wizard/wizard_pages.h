#pragma once
// The builders of the wizard's pages. Each fills an empty page widget (which already holds its
// background picture) with the page's controls at their design places and texts.

#include "wizard/wizard_controls.h"

class QWidget;

namespace vistrel {

// Pages about the cloud test: 1 (DHCP), 3 (Wire), 4 (Wireless), 10 (CloudFailed).
DhcpPage buildDhcpPage(QWidget* page);
WirePage buildWirePage(QWidget* page);
WirelessPage buildWirelessPage(QWidget* page);
CloudFailedPage buildCloudFailedPage(QWidget* page);

// Pages that take settings: 2 (Network), 5 (Name), 9 (ManualConfig), 12 (OldNetwork).
NetworkPage buildNetworkPage(QWidget* page);
NamePage buildNamePage(QWidget* page);
ManualConfigPage buildManualConfigPage(QWidget* page);
OldNetworkPage buildOldNetworkPage(QWidget* page);

// Wireless pages: 6 (WConfig), 7 (Test), 8 (RePlugIn), 11 (WPSsetup).
WConfigPage buildWConfigPage(QWidget* page);
TestPage buildTestPage(QWidget* page);
RePlugInPage buildRePlugInPage(QWidget* page);
WpsSetupPage buildWpsSetupPage(QWidget* page);

} // namespace vistrel
