#include "wizard/form_wizard.h"

#include "ui/camera_text.h"
#include "ui/data_files.h"
#include "wizard/wizard_host.h"
#include "wizard/wizard_page_kit.h"
#include "wizard/wizard_pages.h"

#include <QLineEdit>
#include <QStackedWidget>

namespace vistrel {
namespace {

constexpr QPoint kDesignPosition(390, 329);

// The pages are as wide as the window and a few pixels taller; the window cuts them off.
constexpr QRect kPageArea(0, 0, wizard_kit::kPageWidth, wizard_kit::kBackgroundHeight);

constexpr Qt::WindowFlags kFrame = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

QString pageName(const char* prefix, int n) {
    return QString::fromLatin1(prefix) + QString::number(n);
}

} // namespace

TForm_Wizard::TForm_Wizard(QWidget* parent) : QWidget(parent, kFrame) {
    setObjectName(QStringLiteral("Form_Wizard"));
    setWindowTitle(QStringLiteral("Admin"));
    setFixedSize(wizard_kit::kPageWidth, wizard_kit::kPageHeight);
    move(kDesignPosition);
    // A hidden secondary window: closing it must neither destroy it nor end the program.
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAttribute(Qt::WA_QuitOnClose, false);
    wizard_kit::fillWithWindowGrey(this);
    buildPages();
    loadBackgrounds();
    connectSettingsPages();
    connectProgressPages();
    connectWirelessPages();
    Timer_Wizard_.setInterval(1000);
}

TForm_Wizard::~TForm_Wizard() {
    setHost(nullptr);
}

void TForm_Wizard::setHost(WizardHost* host) {
    if (host_) {
        host_->configuration().addressChoice.setWizardView(nullptr);
    }
    host_ = host;
    if (host_) {
        host_->configuration().addressChoice.setWizardView(&addressPages_);
    }
}

void TForm_Wizard::buildPages() {
    pageControl_ = new QStackedWidget(this);
    pageControl_->setObjectName(QStringLiteral("PageControl_Wizard"));
    pageControl_->setGeometry(kPageArea);
    for (int n = 1; n <= kPageCount; ++n) {
        auto* sheet = new QWidget;
        sheet->setObjectName(pageName("TabSheet", n));
        backgrounds_[static_cast<std::size_t>(n - 1)] =
            wizard_kit::addBackground(sheet, pageName("Image_T", n), kPageArea);
        pageControl_->addWidget(sheet);
        tabSheets_[static_cast<std::size_t>(n - 1)] = sheet;
    }
    pages_.dhcp = buildDhcpPage(page(1));
    pages_.network = buildNetworkPage(page(2));
    pages_.wire = buildWirePage(page(3));
    pages_.wireless = buildWirelessPage(page(4));
    pages_.name = buildNamePage(page(5));
    pages_.wconfig = buildWConfigPage(page(6));
    pages_.test = buildTestPage(page(7));
    pages_.rePlugIn = buildRePlugInPage(page(8));
    pages_.manualConfig = buildManualConfigPage(page(9));
    pages_.cloudFailed = buildCloudFailedPage(page(10));
    pages_.wpsSetup = buildWpsSetupPage(page(11));
    pages_.oldNetwork = buildOldNetworkPage(page(12));
}

// Every page and both tabs of page 12 share one background; without the file they stay empty.
void TForm_Wizard::loadBackgrounds() {
    const QPixmap background = loadSkinPicture(QStringLiteral("729-x-429.bmp"));
    if (background.isNull()) {
        return;
    }
    for (QLabel* label : backgrounds_) {
        label->setPixmap(background);
    }
    pages_.oldNetwork.lanBackground->setPixmap(background);
    pages_.oldNetwork.nameBackground->setPixmap(background);
}

QWidget* TForm_Wizard::page(int n) const {
    if (n < 1 || n > kPageCount) {
        return nullptr;
    }
    return tabSheets_[static_cast<std::size_t>(n - 1)];
}

void TForm_Wizard::ShowPage(int n) {
    for (QWidget* sheet : tabSheets_) {
        sheet->hide();
    }
    const std::string cameraName = cameraName_ ? cameraName_() : std::string();
    if (n == 5) {
        showCameraText(*pages_.name.account.name, cameraName);
        pages_.name.account.password->clear();
        pages_.name.account.confirm->clear();
    } else if (n == 12) {
        showCameraText(*pages_.oldNetwork.account.name, cameraName);
    }
    QWidget* sheet = page(n);
    if (sheet == nullptr) {
        return;
    }
    pageControl_->setCurrentWidget(sheet);
    sheet->show();
    setWindowTitle(QStringLiteral("Admin"));
}

int TForm_Wizard::shownPage() const {
    for (int n = 1; n <= kPageCount; ++n) {
        if (!page(n)->isHidden()) {
            return n;
        }
    }
    return 0;
}

void TForm_Wizard::setStayOnTop() {
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (shown) {
        show();
    }
}

void TForm_Wizard::setCameraNameSource(std::function<std::string()> source) {
    cameraName_ = std::move(source);
}

} // namespace vistrel
