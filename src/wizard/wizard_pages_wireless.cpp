// Pages 6, 7, 8 and 11: the wireless network choice, WPS, and the test over the wireless link.

#include "ui/skin_pictures.h"
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

// A text column beside a picture (pages 7 and 11): instructions, a countdown, result lines.
struct WaitingColumn {
    int x;
    int width;
};
constexpr WaitingColumn kCableColumn{kCableColumnX, kCableColumnWidth};
constexpr WaitingColumn kWpsColumn{kWpsColumnX, kWpsColumnWidth};
constexpr int kCountdownY = 160;
constexpr int kResultLineY[] = {214, 258, 282};

QLabel* addColumnCountdown(QWidget* page, const QString& name, const QString& seconds,
                           WaitingColumn column) {
    return addCountdown(page, name, seconds, column.x, kCountdownY, column.width);
}

// Result line n: the first one is the bold outcome, the others explain it.
TTntLabel* addResultLine(QWidget* page, const QString& name, const QString& text,
                         WaitingColumn column, int n) {
    if (n == 0) {
        return addLine(page, name, text, column.x, kResultLineY[0], column.width, kResultText,
                       Weight::Bold);
    }
    return addLine(page, name, text, column.x, kResultLineY[n], column.width, kCaptionText);
}

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
    // The button shows only its picture; screen readers say this.
    button->setAccessibleName(QStringLiteral("Set up with WPS"));
    button->setGeometry({at, kWpsPicture + QSize(2, 2) * kWpsButtonMargin});
    button->setAutoRaise(true);
    button->setIcon(loadSkinIcon(QStringLiteral("wps-button.bmp")));
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
    p.seconds = addColumnCountdown(page, QStringLiteral("Label_T7_Sec"), QStringLiteral("90"),
                                   kCableColumn);
    p.results[0] = addResultLine(page, QStringLiteral("TntLabel_T7_1"),
                                 QStringLiteral("Connection detected"), kCableColumn, 0);
    p.results[1] = addResultLine(
        page, QStringLiteral("TntLabel_T7_2"),
        QStringLiteral("Your camera is connected to the wireless network."), kCableColumn, 1);
    p.results[2] =
        addResultLine(page, QStringLiteral("TntLabel_T7_3"),
                      QStringLiteral("Click Next to set its name and password."), kCableColumn, 2);
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
    p.seconds = addColumnCountdown(page, QStringLiteral("Label_T11_Sec"), QStringLiteral("120"),
                                   kWpsColumn);
    p.results[0] = addResultLine(page, QStringLiteral("TntLabel_T11_1"),
                                 QStringLiteral("Connection established."), kWpsColumn, 0);
    p.results[1] = addResultLine(page, QStringLiteral("TntLabel_T11_2"),
                                 QStringLiteral("Click Next to continue."), kWpsColumn, 1);
    p.cancel = addButton(page, QStringLiteral("TntButton_T11_Cancel"), QStringLiteral("Cancel"),
                         {kSecondX, kButtonRowY});
    p.start = addButton(page, QStringLiteral("TntButton_T11_Start"), QStringLiteral("Start"),
                        {kActionX, kButtonRowY});
    return p;
}

} // namespace vistrel
