// Pages 2, 5, 9 and 12: the address, name and password the user enters.

#include "wizard/wizard_page_kit.h"
#include "wizard/wizard_pages.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace vistrel {

using namespace wizard_kit;

namespace {

constexpr int kAccountPitch = 44;

// Page 12's controls sit on the tabs of its inner tab control. Their places are given in page
// coordinates, so they line up with the same controls on the other pages, and moved by the
// origin of the tabs' client area, which lies below the tab row and inside the frame.
constexpr QRect kTabsGeometry{24, 16, 681, 396};
// Where the tabs' client area starts on the page with the default style and fonts; the tab row
// follows the font, so the alignment with the other pages holds to a few pixels.
constexpr QPoint kTabClientOrigin{26, 42};
constexpr int kTabButtonRowY = 372; // clear of the tab frame's lower edge

// A place given in page coordinates, on a tab whose client area starts at origin.
QPoint onTab(QPoint origin, int x, int y) {
    return QPoint(x, y) - origin;
}

RadioPair addRadioRow(QWidget* parent, const QString& key, QPoint origin) {
    return addRadioPair(parent, key, origin + QPoint(kCaptionX, 0), origin + QPoint(kEditX, 0));
}

// The radio pair above the four address rows.
void addAddressBlock(QWidget* parent, const QString& key, QPoint origin, int radioY, int rowsY,
                     RadioPair& radios, AddressCaptions& captions, AddressEdits& edits) {
    radios = addRadioRow(parent, key, origin + QPoint(0, radioY));
    captions = addAddressCaptions(parent, key, origin + QPoint(kCaptionX, rowsY));
    edits = addAddressEdits(parent, key, origin + QPoint(kEditX, rowsY));
}

// A tab in the window's grey, so that its white texts read also without the background picture.
QWidget* addTab(QTabWidget* tabs, const QString& name, const QString& caption) {
    auto* tab = new QWidget;
    tab->setObjectName(name);
    fillWithWindowGrey(tab);
    tabs->addTab(tab, caption);
    return tab;
}

// A background picture that follows the size of its tab.
QLabel* addTabBackground(QWidget* tab, const QString& name) {
    auto* fill = new QVBoxLayout(tab);
    fill->setContentsMargins(0, 0, 0, 0);
    QLabel* background = addBackground(tab, name, {});
    fill->addWidget(background);
    return background;
}

void buildLanTab(OldNetworkPage& p) {
    QWidget* tab = p.lanTab;
    const QPoint origin = kTabClientOrigin;
    addAddressBlock(tab, QStringLiteral("T12"), onTab(origin, 0, 0), 88, 136, p.radios, p.captions,
                    p.edits);
    p.advanced = addAdvancedButton(tab, QStringLiteral("TntButton_T12_Ad"),
                                   onTab(origin, kAdvancedX, kTabButtonRowY));
    p.cancel = addButton(tab, QStringLiteral("TntButton_T12_Cancel"), QStringLiteral("Cancel"),
                         onTab(origin, kSecondX, kTabButtonRowY));
    p.ok = addButton(tab, QStringLiteral("TntButton_T12_OK"), QStringLiteral("OK"),
                     onTab(origin, kActionX, kTabButtonRowY));
}

void buildNameTab(OldNetworkPage& p) {
    QWidget* tab = p.nameTab;
    const QPoint origin = kTabClientOrigin;
    p.account =
        addAccountRows(tab, QStringLiteral("T12"), onTab(origin, kCaptionX, 140), kAccountPitch);
    p.cancel2 = addButton(tab, QStringLiteral("TntButton_T12_Cancel2"), QStringLiteral("Cancel"),
                          onTab(origin, kSecondX, kTabButtonRowY));
    p.ok2 = addButton(tab, QStringLiteral("TntButton_T12_OK2"), QStringLiteral("OK"),
                      onTab(origin, kActionX, kTabButtonRowY));
}

} // namespace

NetworkPage buildNetworkPage(QWidget* page) {
    NetworkPage p;
    addAddressBlock(page, QStringLiteral("T2"), {}, 96, 144, p.radios, p.captions, p.edits);
    p.advanced = addAdvancedButton(page, QStringLiteral("TntButton_T2_Ad"));
    p.cancel = addButton(page, QStringLiteral("TntButton_T2_Cancel"), QStringLiteral("Cancel"),
                         {kSecondX, kButtonRowY});
    p.ok = addButton(page, QStringLiteral("TntButton_T2_OK"), QStringLiteral("OK"),
                     {kActionX, kButtonRowY});
    return p;
}

NamePage buildNamePage(QWidget* page) {
    NamePage p;
    p.account = addAccountRows(page, QStringLiteral("T5"), {kCaptionX, 140}, kAccountPitch);
    p.ok = addButton(page, QStringLiteral("TntButton_T5_OK"), QStringLiteral("OK"),
                     {kActionX, kButtonRowY});
    return p;
}

ManualConfigPage buildManualConfigPage(QWidget* page) {
    ManualConfigPage p;
    addAddressBlock(page, QStringLiteral("T9"), {}, 36, 84, p.radios, p.captions, p.edits);
    p.lines[0] = addFullWidthLine(page, QStringLiteral("TntLabel_T9_3"),
                                  QStringLiteral("Click Next to test the cloud connection"), 256,
                                  kCaptionText);
    p.lines[1] =
        addFullWidthLine(page, QStringLiteral("TntLabel_T9_4"),
                         QStringLiteral("and detect the network camera type."), 280, kCaptionText);
    p.seconds = addCountdown(page, QStringLiteral("Label_T9_Sec"), QStringLiteral("30"), 0, 316,
                             kPageWidth);
    p.seconds->hide();
    p.next = addButton(page, QStringLiteral("TntButton_T9_Next"), QStringLiteral("Next"),
                       {kActionX, kButtonRowY});
    p.next->setEnabled(false);
    return p;
}

OldNetworkPage buildOldNetworkPage(QWidget* page) {
    OldNetworkPage p;
    p.tabs = new QTabWidget(page);
    p.tabs->setObjectName(QStringLiteral("TntPageControl_T12"));
    p.tabs->setGeometry(kTabsGeometry);
    p.lanTab = addTab(p.tabs, QStringLiteral("TntTabSheet_T12_LAN"), QStringLiteral("LAN"));
    p.nameTab =
        addTab(p.tabs, QStringLiteral("TntTabSheet_T12_Name"), QStringLiteral("Name and Password"));
    p.lanBackground = addTabBackground(p.lanTab, QStringLiteral("Image_T12_1"));
    p.nameBackground = addTabBackground(p.nameTab, QStringLiteral("Image_T12_2"));
    buildLanTab(p);
    buildNameTab(p);
    return p;
}

} // namespace vistrel
