// Pages 1, 3, 4 and 10: the cloud test after the camera got its address, and its outcomes.

#include "wizard/wizard_page_kit.h"
#include "wizard/wizard_pages.h"

namespace vistrel {

using namespace wizard_kit;

namespace {

// Pages 3, 4 and 10 list the camera's addresses in a compact block of rows.
constexpr int kSummaryPitch = 32;

AddressCaptions addSummaryCaptions(QWidget* page, const QString& key, int y) {
    return addAddressCaptions(page, key, {kCaptionX, y}, kSummaryPitch);
}

AddressValues addSummaryValues(QWidget* page, const QString& key, int y) {
    return addAddressValues(page, QStringLiteral("Label_%1_").arg(key), QStringLiteral("Text"),
                            {kEditX, y}, kSummaryPitch);
}

TTntLabel* addTitle(QWidget* page, const QString& name, const QString& text, int y) {
    return addFullWidthLine(page, name, text, y, kTitleText, Weight::Bold);
}

TTntLabel* addInstruction(QWidget* page, const QString& name, const QString& text, int y) {
    return addFullWidthLine(page, name, text, y, kCaptionText);
}

} // namespace

DhcpPage buildDhcpPage(QWidget* page) {
    DhcpPage p;
    p.title = addTitle(page, QStringLiteral("TntLabel_T1_Title"),
                       QStringLiteral("DHCP address obtained"), 136);
    p.lines[0] = addInstruction(page, QStringLiteral("TntLabel_T1_1"),
                                QStringLiteral("Testing cloud connection"), 186);
    p.lines[1] = addInstruction(page, QStringLiteral("TntLabel_T1_2"),
                                QStringLiteral("and detect network camera type."), 210);
    p.seconds = addCountdown(page, QStringLiteral("Label_T1_Sec"), QStringLiteral("10"), 0, 252,
                             kPageWidth);
    p.seconds->hide();
    p.addresses = addAddressValues(page, QStringLiteral("Label_T1_"), {}, {kCaptionX, 296}, 28);
    p.next = new QPushButton(QStringLiteral("Next"), page);
    p.next->setObjectName(QStringLiteral("Button_T1_Next"));
    p.next->setGeometry(kActionX, kButtonRowY, kButtonWidth, kButtonHeight);
    p.next->hide();
    return p;
}

WirePage buildWirePage(QWidget* page) {
    WirePage p;
    p.title = addTitle(page, QStringLiteral("TntLabel_T3_Title"),
                       QStringLiteral("Connection test passed"), 36);
    p.captions = addSummaryCaptions(page, QStringLiteral("T3"), 84);
    p.values = addSummaryValues(page, QStringLiteral("T3"), 84);
    p.lines[0] = addInstruction(page, QStringLiteral("TntLabel_T3_1"),
                                QStringLiteral("Your camera is connected to the cloud."), 228);
    p.lines[1] = addInstruction(page, QStringLiteral("TntLabel_T3_2"),
                                QStringLiteral("This is a wire network camera."), 252);
    p.lines[2] = addInstruction(page, QStringLiteral("TntLabel_T3_3"),
                                QStringLiteral("Click Next to set the name and password"), 292);
    p.lines[3] = addInstruction(page, QStringLiteral("TntLabel_T3_4"),
                                QStringLiteral("of your network camera."), 316);
    p.next = addButton(page, QStringLiteral("TntButton_T3_Next"), QStringLiteral("Next"),
                       {kActionX, kButtonRowY});
    return p;
}

WirelessPage buildWirelessPage(QWidget* page) {
    WirelessPage p;
    p.title = addTitle(page, QStringLiteral("TntLabel_T4_Title"),
                       QStringLiteral("Connection test passed"), 36);
    p.captions = addSummaryCaptions(page, QStringLiteral("T4"), 84);
    p.values = addSummaryValues(page, QStringLiteral("T4"), 84);
    p.lines[0] = addInstruction(page, QStringLiteral("TntLabel_T4_1"),
                                QStringLiteral("Your camera is connected to the cloud."), 228);
    p.lines[1] = addInstruction(page, QStringLiteral("TntLabel_T4_2"),
                                QStringLiteral("This is a wireless network camera."), 252);
    p.lines[2] = addFullWidthLine(page, QStringLiteral("TntLabel_T4_3"),
                                  QStringLiteral("Do you want to set up a wireless connection?"),
                                  292, kTitleText);
    p.no = addButton(page, QStringLiteral("TntButton_T4_No"), QStringLiteral("No"),
                     {kSecondX, kButtonRowY});
    p.yes = addButton(page, QStringLiteral("TntButton_T4_Yes"), QStringLiteral("Yes"),
                      {kActionX, kButtonRowY});
    return p;
}

CloudFailedPage buildCloudFailedPage(QWidget* page) {
    CloudFailedPage p;
    p.failed =
        addFullWidthLine(page, QStringLiteral("TntLabel_T10_1"),
                         QStringLiteral("Cloud connection failed."), 36, kResultText, Weight::Bold);
    p.captions = addSummaryCaptions(page, QStringLiteral("T10"), 100);
    p.values = addSummaryValues(page, QStringLiteral("T10"), 100);
    p.retryQuestion = addFullWidthLine(page, QStringLiteral("TntLabel_T10_2"),
                                       QStringLiteral("Retry?"), 260, kTitleText);
    p.cancel = addButton(page, QStringLiteral("TntButton_T10_Cancel"), QStringLiteral("Cancel"),
                         {kSecondX, kButtonRowY});
    p.retry = addButton(page, QStringLiteral("TntButton_T10_Retry"), QStringLiteral("Retry"),
                        {kActionX, kButtonRowY});
    return p;
}

} // namespace vistrel
