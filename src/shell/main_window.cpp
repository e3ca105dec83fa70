#include "shell/main_window.h"

#include "camhttp/windows/form_login.h"
#include "camhttp/windows/form_preview.h"
#include "config/key_filters.h"
#include "discovery/card_highlight.h"
#include "localization/language_keys.h"
#include "localization/windows/localization.h"
#include "net/reply_delivery.h"
#include "platform/camera_text.h"
#include "platform/data_paths.h"
#include "probe/system_check.h"
#include "shell/message_windows/form_finish.h"
#include "shell/message_windows/form_waiting.h"
#include "shell/message_windows/message_box_wchar.h"
#include "shell/message_windows/message_dialog_wchar.h"
#include "shell/message_windows/message_windows.h"
#include "ui/key_character.h"
#include "ui/skin_pictures.h"
#include "ui/window_shape.h"
#include "wizard/form_wizard.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

namespace vistrel {

const QString TMainForm::kCaption = QStringLiteral("Vistrel Finder v1.0.28");

namespace {

constexpr QSize kClientSize{524, 495};
constexpr qreal kWindowAlpha = 240 / 255.0;

} // namespace

TMainForm::TMainForm(DatagramSender* sender)
    : QWidget(nullptr,
              Qt::FramelessWindowHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint),
      usesEndpoint_(sender == nullptr), sender_(sender ? *sender : IdUDPServer_),
      search_(cameraList_, discovery_, sender_, config_.templates,
              {[this] {
                   ListBox_IPCAM_->setCount(0);
                   MoveListItem();
               },
               [this] { ListBox_IPCAM_->setFocus(); }}),
      openUrl_([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(kCaption);
    setFixedSize(kClientSize);
    setAutoFillBackground(true);
    setPalette(QPalette(Qt::white));
    buildControls();
    buildTray();
    createSecondaryWindows();
    startDrag_ = [this] { return windowHandle() && windowHandle()->startSystemMove(); };
    discovery_.setListChanged([this] { afterListChanged(); });
    IdUDPServer_.setBatchHandler([this](net::ReplyBatch batch) { takeReplies(std::move(batch)); });
    GetDhcp_Timer_.setInterval(1000);
    connect(&GetDhcp_Timer_, &QTimer::timeout, this, &TMainForm::GetDhcp_TimerTimer);
}

void TMainForm::buildControls() {
    Image_Bg_ = new QLabel(this);
    Image_Bg_->setObjectName(QStringLiteral("Image_Bg"));
    Image_Bg_->setGeometry(0, -4, 537, 508);
    Image_Bg_->setScaledContents(true);
    Image_Bg_->installEventFilter(this);

    const auto pictureButton = [this](const char* name, const QString& stem, QRect place) {
        auto* button = new PictureButton(stem, this);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(place);
        return button;
    };
    Image_Min_ = pictureButton("Image_Min", QStringLiteral("min"), {448, 13, 25, 21});
    Image_Min_->setToolTip(QStringLiteral("Minimum"));
    Image_Close_ = pictureButton("Image_Close", QStringLiteral("close"), {475, 13, 25, 21});
    Image_Close_->setToolTip(QStringLiteral("Close"));
    TntImage_Search_ =
        pictureButton("TntImage_Search", QStringLiteral("search"), {224, 460, 24, 24});
    TntImage_Set_ = pictureButton("TntImage_Set", QStringLiteral("setting"), {280, 460, 24, 24});
    nameButtonsForAssistiveTools();

    // A click on the search picture runs the search from the button hook and again from the
    // control's click handler: two discovery requests, one row per camera all the same.
    connect(TntImage_Search_, &PictureButton::hookReleased, this,
            &TMainForm::Image_Search_CameraClick);
    connect(TntImage_Search_, &PictureButton::clicked, this, &TMainForm::Image_Search_CameraClick);
    connect(TntImage_Set_, &PictureButton::hookReleased, this, [this] {
        const int selected = ListBox_IPCAM_->currentIndex();
        if (selected >= 0 && selected < cameraList_.rowCount()) {
            ListBox_IPCAM_->redraw();
        }
    });
    connect(TntImage_Set_, &PictureButton::clicked, this, &TMainForm::Image_SetClick);
    connect(Image_Min_, &PictureButton::hookReleased, this, &TMainForm::minimizeToTray);
    connect(Image_Close_, &PictureButton::hookReleased, this, &QWidget::close);

    ListBox_IPCAM_ = new CameraCardList(cameraList_, this);
    ListBox_IPCAM_->setGeometry(12, 42, 500, 400);
    ListBox_IPCAM_->installEventFilter(this);
    connect(ListBox_IPCAM_, &CameraCardList::clicked, this, &TMainForm::ListBox_IPCAMClick);
    connect(ListBox_IPCAM_, &CameraCardList::doubleClicked, this,
            &TMainForm::IPCAM_TntListViewDblClick);
    connect(ListBox_IPCAM_, &CameraCardList::cardBodyPressed, this, &TMainForm::onCardBodyPressed);
    connect(ListBox_IPCAM_, &CameraCardList::previewSquareReleased, this,
            &TMainForm::onPreviewSquareReleased);
    ListBox_IPCAM_->setLabelProvider([this] { return cardLabels(); });

    TntComboBox_Lang_ = new QComboBox(this);
    TntComboBox_Lang_->setObjectName(QStringLiteral("TntComboBox_Lang"));
    TntComboBox_Lang_->setGeometry(381, 461, 130, 21);
    TntComboBox_Lang_->addItems(languageSelectorEntries());
    TntComboBox_Lang_->installEventFilter(this);
    // Only a pick by the user counts as a change; the preselection at start-up does not.
    connect(TntComboBox_Lang_, &QComboBox::activated, this, &TMainForm::TntComboBox_LangChange);
}

// The picture buttons show no text, so screen readers name them by these English texts: those
// of the language file where it has one for the button's action.
void TMainForm::nameButtonsForAssistiveTools() {
    const auto english = [](const char* key, const char* withoutFile) {
        const QString text = LookupText(QStringLiteral("English"), QLatin1String(key));
        return text.isEmpty() ? QString::fromLatin1(withoutFile) : text;
    };
    TntImage_Search_->setAccessibleName(english("Image_Search_Camera_Hint", "Search for cameras"));
    TntImage_Set_->setAccessibleName(english("Image_Config_Hint", "Set up the selected camera"));
    Image_Close_->setAccessibleName(english("Main_TntPopupMenu_MenuItem0", "Close"));
    Image_Min_->setAccessibleName(QStringLiteral("Minimize"));
}

void TMainForm::createSecondaryWindows() {
    TForm_Login_ = std::make_unique<TForm_Login>();
    TMessage_Box_Wchar_ = std::make_unique<TMessage_Box_Wchar>(*this);
    TMessage_Dialog_Wchar_ = std::make_unique<TMessage_Dialog_Wchar>(*this);
    TForm_Wizard_ = std::make_unique<TForm_Wizard>();
    TForm_Preview_ = std::make_unique<TForm_Preview>();
    TForm_Waiting_ = std::make_unique<TForm_Waiting>();
    TForm_Finish_ = std::make_unique<TForm_Finish>(*this);
    messages_ = std::make_unique<MessageWindows>(*this, *TMessage_Box_Wchar_,
                                                 *TMessage_Dialog_Wchar_, *TForm_Finish_);
    TForm_Wizard_->setCameraNameSource([this] { return config_.camera.cameraName; });
    TForm_Wizard_->setHost(this);
    TForm_Wizard_->setSetupHost(this);
    TForm_Login_->setHost(this);
    connectPreviewWindow();
    language_.setWindows({TForm_Wizard_.get(), TForm_Waiting_.get(), TForm_Login_.get(),
                          TMessage_Box_Wchar_.get(), TMessage_Dialog_Wchar_.get(), TntImage_Search_,
                          TntImage_Set_,
                          Main_TntPopupMenu_->findChild<QAction*>(QStringLiteral("MenuItem0"))});
    language_.setCameraListRepaint([this] { ListBox_IPCAM_->redraw(); });
}

// The preview's stop serves events while its worker ends: the timers and the endpoint's
// deliveries stop first, while every window and object they touch still exists.
TMainForm::~TMainForm() {
    GetDhcp_Timer_.stop();
    TForm_Wizard_->Timer_Wizard().stop();
    IdUDPServer_.setBatchHandler({});
    TForm_Preview_->Stop_View();
}

std::vector<QWidget*> TMainForm::allWindows() {
    return {this,
            TForm_Login_.get(),
            TMessage_Box_Wchar_.get(),
            TMessage_Dialog_Wchar_.get(),
            TForm_Wizard_.get(),
            TForm_Preview_.get(),
            TForm_Waiting_.get(),
            TForm_Finish_.get()};
}

void TMainForm::TntComboBox_LangChange() {
    language_.TntComboBox_LangChange(TntComboBox_Lang_->currentIndex());
}

CardLabels TMainForm::cardLabels() const {
    CardLabels labels;
    for (int line = 0; line < 4; ++line) {
        labels[line] = LookupText(language_.languageSection(),
                                  language_keys::kCardLabels[static_cast<std::size_t>(line)]);
    }
    return labels;
}

void TMainForm::buildTray() {
    Main_TntPopupMenu_ = new QMenu(this);
    Main_TntPopupMenu_->setObjectName(QStringLiteral("Main_TntPopupMenu"));
    QAction* closeItem = Main_TntPopupMenu_->addAction(QStringLiteral("Closed"));
    closeItem->setObjectName(QStringLiteral("MenuItem0"));
    connect(closeItem, &QAction::triggered, this, &QWidget::close);

    TrayIcon_ = new QSystemTrayIcon(this);
    TrayIcon_->setObjectName(QStringLiteral("TrayIcon"));
    TrayIcon_->setToolTip(kCaption);
    TrayIcon_->setContextMenu(Main_TntPopupMenu_);
    connect(TrayIcon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) {
                    restoreFromTray();
                }
            });
}

void TMainForm::Form_OnCreate() {
    Image_Bg_->setPixmap(loadSkinPicture(QStringLiteral("bg.bmp")));
    if (Image_Bg_->pixmap().isNull()) {
        qWarning("vistrel-finder: the background picture %s is missing or unreadable",
                 qUtf8Printable(skinDirectory() + QStringLiteral("/bg.bmp")));
    }
    applyShapeAndTransparency();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    // The system's own message box, not the finder's: the warning comes before any language.
    Check_Windows_Version(queryOsVersion(),
                          [](const std::string& text, const std::string& caption) {
                              QMessageBox::warning(nullptr, QString::fromStdString(caption),
                                                   QString::fromStdString(text));
                          });
    ListBox_IPCAM_->setPictures(CardPictures::fromSkin());
    TrayIcon_->setIcon(QIcon(dataFilePath(QStringLiteral("icons/vistrel-finder-64.png"))));
    TrayIcon_->show();
    GetDhcp_Timer_.start();
    // Sends are silent about failures, so a port that cannot be had is said once, here.
    if (usesEndpoint_ && !IdUDPServer_.bind()) {
        const QString problem = QStringLiteral("Vistrel Finder cannot use UDP port 13364, so it "
                                               "finds no cameras: %1")
                                    .arg(IdUDPServer_.errorString());
        qWarning("vistrel-finder: %s", qUtf8Printable(problem));
        messages_->ShowMessageBoxModeless(problem, QStringLiteral("Warning"));
    }
    config_.panel.returnToListMode(false);
    // The first discovery; nothing is listed yet, so nothing is emptied.
    search_.sendDiscovery();
    // Selecting the system's language here does not apply it: the first timer tick does.
    TntComboBox_Lang_->setCurrentIndex(systemLanguagePosition());
    // No language section exists yet, so these hints start empty until the first tick.
    TntImage_Search_->setToolTip(LookupText({}, language_keys::kSearchHint));
    TntImage_Set_->setToolTip(LookupText({}, language_keys::kConfigHint));
    Image_Browser_Hint_ = LookupText({}, language_keys::kBrowserHint);
}

void TMainForm::applyShapeAndTransparency() {
    setMask(roundedWindowRegion(size()));
    setWindowOpacity(kWindowAlpha);
}

void TMainForm::takeReplies(net::ReplyBatch batch) {
    net::deliverReplies(std::move(batch), discovery_, config_.camera.macText, *this);
}

void TMainForm::decodeDatagram(Bytes datagram) {
    decodeReply(datagram, config_.camera.macText, *this);
}

void TMainForm::onDiscoveryReply(const DiscoveryReply& reply) {
    discovery_.addDiscoveredCamera(reply);
}

void TMainForm::afterListChanged() {
    ListBox_IPCAM_->setCount(cameraList_.rowCount());
    // The selected camera keeps its card selected while others are sorted in around it.
    ListBox_IPCAM_->setCurrentIndex(cameraList_.selectedIndex(), false);
}

void TMainForm::Image_Search_CameraClick() {
    search_.Image_Search_CameraClick();
}

bool TMainForm::Quick_press(int key, Qt::KeyboardModifiers modifiers) {
    if (!(modifiers & Qt::AltModifier)) {
        return false;
    }
    if (key == Qt::Key_C) {
        Image_Search_CameraClick();
        return true;
    }
    if (key == Qt::Key_S) {
        Image_ConfigClick();
        return true;
    }
    return false;
}

void TMainForm::ListBox_IPCAMClick() {
    const int index = ListBox_IPCAM_->currentIndex();
    if (search_.busy() || index < 0) {
        return;
    }
    cameraList_.select(index);
    IPCAM_ListViewClick();
}

void TMainForm::onCardBodyPressed(int index) {
    TntComboBox_LangChange();
    int highlighted = search_.highlightedRow();
    if (pressOnCardBody(cameraList_, highlighted, index)) {
        ListBox_IPCAM_->redraw();
    }
    search_.setHighlightedRow(highlighted);
}

void TMainForm::onPreviewSquareReleased(int index) {
    ListBox_IPCAMClick();
    const int row = cameraList_.selectedIndex();
    if (row < 0 || row != index || cameraList_.entry(row).view != 2) {
        return;
    }
    TntComboBox_LangChange();
    const std::string& name = cameraList_.row(row).columns[kColumnName];
    TForm_Login_->PrepareOpening(fromCameraText(name),
                                 /*previewMode=*/true);
    TForm_Login_->exec();
}

void TMainForm::Image_SetClick() {
    ListBox_IPCAMClick();
    IPCAM_TntListViewDblClick();
}

void TMainForm::GetDhcp_TimerTimer() {
    runDhcpWait();
    // The search after a hand-over to the preview may come while a new camera's DHCP wait
    // runs, which needs the timer until it ends.
    if (search_.runPendingSearch() && !dhcpWait_.active()) {
        GetDhcp_Timer_.stop();
    }
    if (search_.TimerTicks == 0) {
        TntComboBox_LangChange();
    }
    ++search_.TimerTicks;
}

void TMainForm::Image_BgMouseDown(Qt::MouseButton button, int y) {
    if (button != Qt::LeftButton || !Image_BgDragBand(y)) {
        return;
    }
    startDrag_();
    // Repaint the list after the move.
    ListBox_IPCAM_->hide();
    ListBox_IPCAM_->show();
}

void TMainForm::minimizeToTray() {
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        hide();
    } else {
        showMinimized(); // without a tray the window must stay reachable from the task bar
    }
}

void TMainForm::restoreFromTray() {
    showNormal();
    raise();
    activateWindow();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Image_Bg_ && event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        Image_BgMouseDown(press->button(), press->position().toPoint().y());
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (watched == ListBox_IPCAM_) {
            return handleCameraListKey(key);
        }
        // Check_Exit: Escape in the language selector closes the main window.
        if (watched == TntComboBox_Lang_ && Check_Exit(typedCharacter(key)).closeWindow) {
            close();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool TMainForm::handleCameraListKey(const QKeyEvent& key) {
    if (Quick_press(key.key(), key.modifiers())) {
        return true;
    }
    // Judge_Enter: Enter opens the selected camera's web page, Escape closes the main window.
    const KeyPressDecision decision = Judge_Enter(typedCharacter(key));
    if (decision.openWebPage) {
        Image_BrowserClick();
    } else if (decision.closeWindow) {
        close();
    }
    return decision.openWebPage || decision.closeWindow;
}

void TMainForm::changeEvent(QEvent* event) {
    // The system's minimise command also goes to the tray.
    if (event->type() == QEvent::WindowStateChange && isMinimized() &&
        QSystemTrayIcon::isSystemTrayAvailable()) {
        QTimer::singleShot(0, this, &QWidget::hide);
    }
    QWidget::changeEvent(event);
}

void TMainForm::giveWizardStayOnTop() {
    TForm_Wizard_->setStayOnTop();
}

void TMainForm::showWizard() {
    TForm_Wizard_->show();
}

bool& TMainForm::SetupCompleted() {
    return TForm_Wizard_->state().SetupCompleted;
}

void TMainForm::StartPreviewAfterSetup(bool withReachabilityCheck,
                                       const std::function<void()>& closeWindow) {
    // The timer's next tick applies the language again and its sixth searches, so the list
    // shows the camera at the address it now has.
    search_.requestDelayedSearch();
    GetDhcp_Timer_.start();
    handOverToPreview(withReachabilityCheck, closeWindow);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    TrayIcon_->hide();
    QWidget::closeEvent(event);
    QCoreApplication::quit();
}

} // namespace vistrel
