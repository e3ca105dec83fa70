// Pages 6, 7, 8 and 11: the wireless network choice, WPS, and the test over the wireless link.

#include "shell/data_files.h"
#include "wizard/wizard_page_kit.h"
#include "wizard/wizard_pages.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QToolButton>
#include <QTreeWidget>

namespace vistrel {

using namespace wizard_kit;

namespace {

constexpr QRect kSurveyGeometry{120, 56, 481, 249};
constexpr QSize kWpsPicture{108, 47};
constexpr int kWpsButtonMargin = 2;

// Pages 7 and 8 show a 300 × 300 picture at the left, page 11 a 250 × 300 one; their texts
// are centred in the column beside it.
constexpr QRect kCablePicture{16, 50, 300, 300};
constexpr QRect kWpsStepsPicture{40, 50, 250, 300};
constexpr int kCableColumnX = 322;
constexpr int kCableColumnWidth = 403;
constexpr int kWpsColumnX = 310;
constexpr int kWpsColumnWidth = 400;
constexpr int kLinePitch = 24;

// The site-survey list: SSID, Signal, Encryption and the practically hidden channel.
QTreeWidget* addSurveyList(QWidget* page) {
    auto* list = new QTreeWidget(page);
    list->setObjectName(QStringLiteral("TntListView_T6"));
    list->setGeometry(kSurveyGeometry);
    list->setHeaderLabels({QStringLiteral("SSID"), QStringLiteral("Signal"),
                           QStringLiteral("Encryption"), QStringLiteral("channel")});
    // The channel column is 2 pixels wide: page 6 reads the channel from its row, the user
    // hardly sees it.
    list->header()->setMinimumSectionSize(0);
    list->header()->setStretchLastSection(false);
    const int widths[] = {300, 50, 125, 2};
    for (int column = 0; column < 4; ++column) {
        list->setColumnWidth(column, widths[column]);
    }
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return list;
}

QToolButton* addWpsButton(QWidget* page, QPoint at) {
    auto* button = new QToolButton(page);
    button->setObjectName(QStringLiteral("SpeedButton_T6"));
    button->setGeometry({at, kWpsPicture + QSize(2, 2) * kWpsButtonMargin});
    button->setAutoRaise(true);
    button->setIcon(QIcon(loadSkinPicture(QStringLiteral("wps-button.bmp"))));
    button->setIconSize(kWpsPicture);
    return button;
}

// Three instruction lines in a column, named <prefix>1 … <prefix>3.
std::array<TTntLabel*, 3> addColumnLines(QWidget* page, const QString& prefix,
                                         const std::array<QString, 3>& texts, int x, int width,
                                         int y) {
    std::array<TTntLabel*, 3> lines{};
    for (int i = 0; i < 3; ++i) {
        const auto at = static_cast<std::size_t>(i);
        lines[at] = addLine(page, prefix + QString::number(i + 1), texts[at], x, y + i * kLinePitch,
                            width, kCaptionText);
    }
    return lines;
}

} // namespace

WConfigPage buildWConfigPage(QWidget* page) {
    WConfigPage p;
    p.title =
        addFullWidthLine(page, QStringLiteral("TntLabel_T6_Title"),
                         QStringLiteral("Wireless network setup"), 16, kTitleText, Weight::Bold);
    p.title->hide();
    p.survey = addSurveyList(page);
    p.ssidCaption = addCaption(page, QStringLiteral("TntLabel_T6_SSID"), QStringLiteral("SSID :"),
                               {120, 314}, 105);
    p.ssidText = addText(page, QStringLiteral("Label_T6_SSIDText"), {230, 314, 250, 28});
    p.passwordCaption = addCaption(page, QStringLiteral("TntLabel_T6_Pwd"),
                                   QStringLiteral("Password :"), {120, 348}, 105);
    p.password = addEdit(page, QStringLiteral("Edit_T6_Pwd"), {230, 348, 220, 28});
    p.wps = addWpsButton(page, {489, 312});
    p.refresh = addButton(page, QStringLiteral("TntButton_T6_Refresh"), QStringLiteral("Refresh"),
                          {kSecondX, kButtonRowY});
    p.ok = addButton(page, QStringLiteral("TntButton_T6_OK"), QStringLiteral("OK"),
                     {kActionX, kButtonRowY});
    return p;
}

TestPage buildTestPage(QWidget* page) {
    TestPage p;
    p.picture = addPicture(page, QStringLiteral("Image_T7_Picture"),
                           QStringLiteral("wizard-unplug.bmp"), kCablePicture);
    p.headers = addColumnLines(page, QStringLiteral("TntLabel_T7_Header"),
                               {QStringLiteral("Unplug the Ethernet cable from the camera,"),
                                QStringLiteral("click “Next” and wait 90 seconds for"),
                                QStringLiteral("the wireless connection to be detected.")},
                               kCableColumnX, kCableColumnWidth, 70);
    p.seconds = addCountdown(page, QStringLiteral("Label_T7_Sec"), QStringLiteral("90"),
                             kCableColumnX, 160, kCableColumnWidth);
    p.results[0] =
        addLine(page, QStringLiteral("TntLabel_T7_1"), QStringLiteral("Connection detected"),
                kCableColumnX, 214, kCableColumnWidth, kResultText, Weight::Bold);
    p.results[1] = addLine(page, QStringLiteral("TntLabel_T7_2"),
                           QStringLiteral("Your camera is connected to the wireless network."),
                           kCableColumnX, 258, kCableColumnWidth, kCaptionText);
    p.results[2] = addLine(page, QStringLiteral("TntLabel_T7_3"),
                           QStringLiteral("Click Next to set its name and password."),
                           kCableColumnX, 282, kCableColumnWidth, kCaptionText);
    p.cancel = addButton(page, QStringLiteral("TntButton_T7_Cancel"), QStringLiteral("Cancel"),
                         {kSecondX, kButtonRowY});
    p.next = addButton(page, QStringLiteral("TntButton_T7_Next"), QStringLiteral("Next"),
                       {kActionX, kButtonRowY});
    p.next->setEnabled(false);
    return p;
}

RePlugInPage buildRePlugInPage(QWidget* page) {
    RePlugInPage p;
    p.picture = addPicture(page, QStringLiteral("Image_T8_Picture"),
                           QStringLiteral("wizard-replug.bmp"), kCablePicture);
    p.lines = addColumnLines(page, QStringLiteral("TntLabel_T8_"),
                             {QStringLiteral("No wireless connection was detected."),
                              QStringLiteral("Plug the Ethernet cable back into the camera"),
                              QStringLiteral("and configure the wireless connection again.")},
                             kCableColumnX, kCableColumnWidth, 164);
    p.ok = addButton(page, QStringLiteral("TntButton_T8_OK"), QStringLiteral("OK"),
                     {kActionX, kButtonRowY});
    return p;
}

WpsSetupPage buildWpsSetupPage(QWidget* page) {
    WpsSetupPage p;
    p.picture = addPicture(page, QStringLiteral("Image_T11_Picture"),
                           QStringLiteral("wizard-wps.bmp"), kWpsStepsPicture);
    p.headers = addColumnLines(page, QStringLiteral("TntLabel_T11_Header"),
                               {QStringLiteral("To set up WPS, click “Start”, then press"),
                                QStringLiteral("the WPS button on your router or access point"),
                                QStringLiteral("within 120 seconds.")},
                               kWpsColumnX, kWpsColumnWidth, 70);
    p.seconds = addCountdown(page, QStringLiteral("Label_T11_Sec"), QStringLiteral("120"),
                             kWpsColumnX, 160, kWpsColumnWidth);
    p.results[0] =
        addLine(page, QStringLiteral("TntLabel_T11_1"), QStringLiteral("Connection established."),
                kWpsColumnX, 214, kWpsColumnWidth, kResultText, Weight::Bold);
    p.results[1] =
        addLine(page, QStringLiteral("TntLabel_T11_2"), QStringLiteral("Click Next to continue."),
                kWpsColumnX, 258, kWpsColumnWidth, kCaptionText);
    p.cancel = addButton(page, QStringLiteral("TntButton_T11_Cancel"), QStringLiteral("Cancel"),
                         {kSecondX, kButtonRowY});
    p.start = addButton(page, QStringLiteral("TntButton_T11_Start"), QStringLiteral("Start"),
                        {kActionX, kButtonRowY});
    return p;
}

} // namespace vistrel
