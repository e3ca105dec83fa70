#include "wizard/form_wizard.h"

#include "platform/camera_text.h"
#include "ui/skin_pictures.h"
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
    for (int n = 1; n <= kWizardPageCount; ++n) {
        auto* sheet = new QWidget;
        sheet->setObjectName(pageName("TabSheet", n));
        backgrounds_[static_cast<std::size_t>(n - 1)] =
            wizard_kit::addBackground(sheet, pageName("Image_T", n), kPageArea);
        pageControl_->addWidget(sheet);
        tabSheets_[static_cast<std::size_t>(n - 1)] = sheet;
    }
    pages_.dhcp = buildDhcpPage(page(WizardPage::Dhcp));
    pages_.network = buildNetworkPage(page(WizardPage::Network));
    pages_.wire = buildWirePage(page(WizardPage::Wire));
    pages_.wireless = buildWirelessPage(page(WizardPage::Wireless));
    pages_.name = buildNamePage(page(WizardPage::Name));
    pages_.wconfig = buildWConfigPage(page(WizardPage::WConfig));
    pages_.test = buildTestPage(page(WizardPage::Test));
    pages_.rePlugIn = buildRePlugInPage(page(WizardPage::RePlugIn));
    pages_.manualConfig = buildManualConfigPage(page(WizardPage::ManualConfig));
    pages_.cloudFailed = buildCloudFailedPage(page(WizardPage::CloudFailed));
    pages_.wpsSetup = buildWpsSetupPage(page(WizardPage::WpsSetup));
    pages_.oldNetwork = buildOldNetworkPage(page(WizardPage::OldNetwork));
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

QWidget* TForm_Wizard::page(WizardPage page) const {
    const int n = pageNumber(page);
    if (n < 1 || n > kWizardPageCount) {
        return nullptr;
    }
    return tabSheets_[static_cast<std::size_t>(n - 1)];
}

void TForm_Wizard::ShowPage(WizardPage page) {
    for (QWidget* sheet : tabSheets_) {
        sheet->hide();
    }
    const std::string cameraName = cameraName_ ? cameraName_() : std::string();
    if (page == WizardPage::Name) {
        showCameraText(*pages_.name.account.name, cameraName);
        pages_.name.account.password->clear();
        pages_.name.account.confirm->clear();
    } else if (page == WizardPage::OldNetwork) {
        showCameraText(*pages_.oldNetwork.account.name, cameraName);
    }
    QWidget* sheet = this->page(page);
    if (sheet == nullptr) {
        return;
    }
    pageControl_->setCurrentWidget(sheet);
    sheet->show();
    setWindowTitle(QStringLiteral("Admin"));
}

WizardPage TForm_Wizard::shownPage() const {
    for (int n = 1; n <= kWizardPageCount; ++n) {
        if (!tabSheets_[static_cast<std::size_t>(n - 1)]->isHidden()) {
            return static_cast<WizardPage>(n);
        }
    }
    return WizardPage::None;
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
