// The shipped Language.ini in the real windows: every caption the windows read has a text in
// every language, and every caption, column, tab, card label, wizard state text and message of
// every window, rendered in each of the 23 languages, fits the control that shows it.

#include "config/warning_keys.h"
#include "discovery/card_geometry.h"
#include "discovery/model_names.h"
#include "discovery/views/camera_card_list.h"
#include "localization/language_keys.h"
#include "localization/language_position.h"
#include "localization/windows/localization.h"
#include "protocol/factory_defaults.h"
#include "shell/message_windows/form_finish.h"
#include "shell/message_windows/message_box_wchar.h"
#include "shell/message_windows/message_dialog_wchar.h"
#include "support/main_window_fixture.h"
#include "text_ink.h"
#include "ui/tnt_widgets.h"
#include "wizard/form_wizard.h"

#include <QHeaderView>
#include <QPainter>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <memory>
#include <vector>

namespace vistrel {
namespace {

QString keyText(const QString& section, std::string_view key) {
    return LookupText(section, key);
}

// Where the wizard shows its state texts while it runs: the control, the key, and what the
// wizard appends ("Retry" becomes the question "Retry?").
struct StateText {
    const char* control;
    std::string_view key;
    const char* suffix = "";
};

const StateText kStateTexts[] = {
    {"TntLabel_T7_1", language_keys::kLinkDetected},
    {"TntLabel_T7_1", language_keys::kLinkNotDetected},
    {"TntLabel_T11_1", language_keys::kWpsConnected},
    {"TntLabel_T11_1", language_keys::kWpsFailed},
    {"TntLabel_T7_2", "TntButton_T10_Retry", "?"},
    {"TntLabel_T11_2", "TntButton_T10_Retry", "?"},
    {"TntButton_T7_Next", language_keys::kWait},
    {"TntButton_T9_Next", language_keys::kWait},
    {"TntButton_T11_Start", language_keys::kWait},
    {"TntButton_T7_Next", "TntButton_T10_Retry"},
    {"TntButton_T11_Start", "TntButton_T10_Retry"},
    {"TntButton_T7_Next", "TntButton_T3_Next"},
    {"TntButton_T9_Next", "TntButton_T3_Next"},
    {"TntButton_T11_Start", "TntButton_T3_Next"},
};

// Messages shown as one text: the callers join the two keys with a blank line.
const std::pair<std::string_view, std::string_view> kJoinedMessages[] = {
    {language_keys::kLoginCancelled1, language_keys::kLoginCancelled2},
    {language_keys::kConnectFailed1, language_keys::kConnectFailed2},
};

const QString kBlankLine = QStringLiteral("\r\n\r\n");

// The longest model name of the tables: the widest value a card's model line shows.
QString longestModelName() {
    std::string longest;
    for (int number = 1; number < kModelNumbers; ++number) {
        for (int vendor = 0; vendor < kVendorCodes; ++vendor) {
            for (const char* selector : {"0", "2"}) {
                const std::string& name = ModelNameOf(number, vendor, selector);
                longest = name.size() > longest.size() ? name : longest;
            }
        }
    }
    return QString::fromStdString(longest);
}

// Collects the texts that do not fit, each named by language, window and control.
class FitCheck {
public:
    explicit FitCheck(QString language) : language_(std::move(language)) {}

    const QStringList& misfits() const { return misfits_; }

    void check(const QString& where, const test::TextPlacement& placement) {
        const QString missing = test::charactersWithoutGlyphs(placement);
        if (!missing.isEmpty()) {
            misfits_.append(QStringLiteral("%1 %2: no installed font draws \"%3\" of \"%4\"")
                                .arg(language_, where, missing, placement.text));
        }
        const QRect ink = test::inkRect(placement);
        if (!ink.isNull() && !placement.room.contains(ink)) {
            misfits_.append(QStringLiteral("%1 %2: \"%3\" draws %4x%5 px at (%6,%7), the room "
                                           "is %8x%9 px at (%10,%11)")
                                .arg(language_, where, placement.text)
                                .arg(ink.width())
                                .arg(ink.height())
                                .arg(ink.x())
                                .arg(ink.y())
                                .arg(placement.room.width())
                                .arg(placement.room.height())
                                .arg(placement.room.x())
                                .arg(placement.room.y()));
        }
    }

    void checkWindow(const QWidget& window) {
        for (const QLabel* label : window.findChildren<QLabel*>()) {
            check(nameOf(*label), test::placementOf(*label));
        }
        for (const QPushButton* button : window.findChildren<QPushButton*>()) {
            check(nameOf(*button), test::placementOf(*button));
        }
        for (const QTabWidget* tabs : window.findChildren<QTabWidget*>()) {
            checkTabs(*tabs);
        }
        for (const QTreeWidget* list : window.findChildren<QTreeWidget*>()) {
            checkColumns(*list);
        }
    }

    QString nameOf(const QWidget& control) const {
        return control.window()->objectName() + QLatin1Char('/') + control.objectName();
    }

private:
    // The tab row must fit the tab control, or it scrolls and cuts captions.
    void checkTabs(const QTabWidget& tabs) {
        const int needed = tabs.tabBar()->sizeHint().width();
        if (needed > tabs.width()) {
            misfits_.append(QStringLiteral("%1 %2: the tab captions need %3 px, the tabs have %4")
                                .arg(language_, nameOf(tabs))
                                .arg(needed)
                                .arg(tabs.width()));
        }
    }

    // A header caption within its column, less the style's margins. A column the design
    // keeps narrower than a line of text is not meant to be read and is skipped.
    void checkColumns(const QTreeWidget& list) {
        const QHeaderView& header = *list.header();
        const QFontMetrics metrics(header.font());
        const int margin = header.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header);
        for (int column = 0; column < list.columnCount(); ++column) {
            const int width = header.sectionSize(column);
            const QString caption = list.headerItem()->text(column);
            if (width >= metrics.height() &&
                metrics.horizontalAdvance(caption) > width - 2 * margin) {
                misfits_.append(QStringLiteral("%1 %2 column %3: \"%4\" needs %5 px, has %6")
                                    .arg(language_, nameOf(list))
                                    .arg(column)
                                    .arg(caption)
                                    .arg(metrics.horizontalAdvance(caption))
                                    .arg(width - 2 * margin));
            }
        }
    }

    QString language_;
    QStringList misfits_;
};

} // namespace

class CaptionFitTest : public QObject, private test::MainWindowFixture {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { stop(); }
    void everyCaptionHasATextInEveryLanguage();
    void everyTextFitsItsControl_data();
    void everyTextFitsItsControl();
    void measurementAgreesWithTheLabelsOwnPainting_data();
    void measurementAgreesWithTheLabelsOwnPainting();
    void captionsAlignToTheirOwnDirection();

private:
    void applyLanguage(int position);
    void checkStateTexts(FitCheck& fit, const QString& section);
    void checkCards(FitCheck& fit, const QString& section);
    void checkMessages(FitCheck& fit, const QString& section);
    QWidget* control(const char* name) const;
};

// The timers tick only when told, so that no tick applies the system's language meanwhile.
void CaptionFitTest::initTestCase() {
    start({.firstTick = false, .timersByTest = true});
    QVERIFY(QTest::qWaitForWindowExposed(form.get())); // lays out the list the cards fill
    QVERIFY(!LookupText(QStringLiteral("Language_List"), QStringLiteral("Section1")).isEmpty());
}

// A language applied the way the user picks it: the second pick also re-texts the dialogs.
void CaptionFitTest::applyLanguage(int position) {
    form->language().TntComboBox_LangChange(position);
    form->language().TntComboBox_LangChange(position);
}

QWidget* CaptionFitTest::control(const char* name) const {
    return form->wizard().findChild<QWidget*>(QLatin1String(name));
}

void CaptionFitTest::everyCaptionHasATextInEveryLanguage() {
    const QStringList keys = form->language().captionKeys();
    QVERIFY(keys.contains(QStringLiteral("TntLabel_T1_Title")));
    QVERIFY(keys.contains(QStringLiteral("Button_Message_Dialog_Cancel")));
    QVERIFY(keys.contains(QStringLiteral("TntPageControl_T12.Pages[1]")));
    QStringList missing;
    for (int position = 1; position <= kLanguageCount; ++position) {
        const QString section =
            LookupText(QStringLiteral("Language_List"), QStringLiteral("Section%1").arg(position));
        for (const QString& key : keys) {
            if (LookupText(section, key).isEmpty()) {
                missing.append(section + QLatin1Char('/') + key);
            }
        }
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
}

void CaptionFitTest::everyTextFitsItsControl_data() {
    QTest::addColumn<int>("position");
    for (int position = 0; position < kLanguageCount; ++position) {
        const QString section = LookupText(QStringLiteral("Language_List"),
                                           QStringLiteral("Section%1").arg(position + 1));
        QTest::newRow(qPrintable(section)) << position;
    }
}

void CaptionFitTest::everyTextFitsItsControl() {
    QFETCH(int, position);
    applyLanguage(position);
    const QString section = form->language().languageSection();
    FitCheck fit(section);
    for (const QWidget* window : form->allWindows()) {
        fit.checkWindow(*window);
    }
    checkStateTexts(fit, section);
    checkCards(fit, section);
    checkMessages(fit, section);
    QVERIFY2(fit.misfits().isEmpty(), qPrintable(fit.misfits().join(QLatin1Char('\n'))));
}

void CaptionFitTest::checkStateTexts(FitCheck& fit, const QString& section) {
    for (const StateText& state : kStateTexts) {
        QWidget* target = control(state.control);
        QVERIFY2(target, state.control);
        const QString text = keyText(section, state.key) + QLatin1String(state.suffix);
        const QString where = fit.nameOf(*target) + QStringLiteral(" showing ") +
                              QLatin1String(state.key.data(), qsizetype(state.key.size()));
        if (auto* label = qobject_cast<QLabel*>(target)) {
            const QString design = label->text();
            label->setText(text);
            fit.check(where, test::placementOf(*label));
            label->setText(design);
        } else if (auto* button = qobject_cast<QPushButton*>(target)) {
            const QString design = button->text();
            button->setText(text);
            fit.check(where, test::placementOf(*button));
            button->setText(design);
        }
    }
}

// Each card line draws "<label> : <value>" in its line box; the label must leave room for the
// widest value of its line.
void CaptionFitTest::checkCards(FitCheck& fit, const QString& section) {
    const CameraCardList& list = form->ListBox_IPCAM();
    const QFontMetrics metrics(list.font());
    const auto boxes =
        textLineBoxes(list.itemRect(0).width(), CameraCardList::kItemHeight, metrics.height());
    const QString widestValues[] = {QStringLiteral("Front door camera"), longestModelName(),
                                    QStringLiteral("255.255.255.255"),
                                    QStringLiteral("ff:ff:ff:ff:ff:ff")};
    for (std::size_t line = 0; line < boxes.size(); ++line) {
        const CardRect& box = boxes[line];
        const QString text = keyText(section, language_keys::kCardLabels[line]) +
                             QStringLiteral(" : ") + widestValues[line];
        fit.check(QStringLiteral("MainForm/ListBox_IPCAM line %1").arg(line + 1),
                  {QRect(box.left, box.top, box.width(), box.height()),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, list.font(), text});
    }
}

void CaptionFitTest::checkMessages(FitCheck& fit, const QString& section) {
    TMessage_Box_Wchar& box = form->messageBox();
    auto* boxLabel = box.findChild<QLabel*>(QStringLiteral("Label_Message"));
    const auto showInBox = [&](const QString& text, std::string_view key) {
        box.SetMessage(text, QStringLiteral("Warning"));
        fit.check(fit.nameOf(*boxLabel) + QStringLiteral(" showing ") +
                      QLatin1String(key.data(), qsizetype(key.size())),
                  test::placementOf(*boxLabel));
    };
    for (const std::string_view key : language_keys::kMessageBoxMessages) {
        showInBox(keyText(section, key), key);
    }
    for (const std::string_view key : warning_keys::kAll) {
        showInBox(keyText(section, key), key);
    }
    for (const auto& [first, second] : kJoinedMessages) {
        showInBox(keyText(section, first) + kBlankLine + keyText(section, second), first);
    }

    TMessage_Dialog_Wchar& dialog = form->messageDialog();
    dialog.SetMessage(keyText(section, language_keys::kWantToLeave), QStringLiteral("Admin"));
    fit.check(QStringLiteral("Message_Dialog_Wchar/Label_Message showing Want_To_Leave"),
              test::placementOf(*dialog.findChild<QLabel*>(QStringLiteral("Label_Message"))));

    // The completion: camera name, blank line, both texts, blank line; the dynamic-DNS link.
    TForm_Finish* finish = nullptr;
    for (QWidget* window : form->allWindows()) {
        finish = finish ? finish : qobject_cast<TForm_Finish*>(window);
    }
    QVERIFY(finish);
    finish->SetFinish(
        QStringLiteral("Front door camera") + kBlankLine +
            keyText(section, language_keys::kSetupComplete1) + QStringLiteral("\r\n") +
            keyText(section, language_keys::kSetupComplete2) + kBlankLine,
        QStringLiteral("http://00a1b2c3d4e5.") +
            QLatin1String(kDynamicDnsDomain.data(), qsizetype(kDynamicDnsDomain.size())));
    for (const QLabel* label : finish->findChildren<QLabel*>()) {
        fit.check(fit.nameOf(*label) + QStringLiteral(" showing the completion"),
                  test::placementOf(*label));
    }
}

void CaptionFitTest::measurementAgreesWithTheLabelsOwnPainting_data() {
    QTest::addColumn<int>("alignment");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fits");
    const QString message = QStringLiteral("Die Kamera hat ihre Einstellungen noch nicht "
                                           "gesendet.\r\n\r\nBitte erneut.");
    const auto left = int(Qt::AlignLeft | Qt::AlignVCenter);
    QTest::newRow("left") << left << false << QStringLiteral("IP-Adresse") << true;
    QTest::newRow("too wide") << left << false << QStringLiteral("Adresse des DNS-Servers")
                              << false;
    QTest::newRow("centred, wrapped") << int(Qt::AlignCenter) << true << message << true;
    QTest::newRow("too tall") << int(Qt::AlignCenter) << true << message + kBlankLine + message
                              << false;
    QTest::newRow("right to left") << left << false << QStringLiteral("عنوان IP") << true;
    QTest::newRow("Chinese") << left << false << QStringLiteral("攝影機名稱") << true;
}

// The fit check draws a label's text itself; it must land where the label draws it, and the
// label cuts off what falls outside its room.
void CaptionFitTest::measurementAgreesWithTheLabelsOwnPainting() {
    QFETCH(int, alignment);
    QFETCH(bool, wrap);
    QFETCH(QString, text);
    QFETCH(bool, fits);
    QLabel label(text);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(16);
    label.setFont(font);
    label.setGeometry(0, 0, 180, 100);
    label.setAlignment(Qt::Alignment(alignment));
    label.setWordWrap(wrap);
    QImage painted(label.size(), QImage::Format_ARGB32_Premultiplied);
    painted.fill(Qt::transparent);
    label.render(&painted, QPoint(), QRegion(), QWidget::DrawChildren);

    const test::TextPlacement placement = test::placementOf(label);
    const QRect ink = test::inkRect(placement);
    QCOMPARE(placement.room.contains(ink), fits);
    if (fits) {
        QCOMPARE(ink, test::inkOf(painted));
    } else {
        QVERIFY(placement.room.contains(test::inkOf(painted)));
    }
}

// A left-aligned caption starts at the side its own text starts from.
void CaptionFitTest::captionsAlignToTheirOwnDirection() {
    applyLanguage(0);
    auto* caption = qobject_cast<QLabel*>(control("TntLabel_T2_IP"));
    QVERIFY(caption);
    const QRect room = test::placementOf(*caption).room;
    const QRect english = test::inkRect(test::placementOf(*caption));
    caption->setText(QStringLiteral("عنوان IP"));
    const QRect arabic = test::inkRect(test::placementOf(*caption));
    QImage painted(caption->size(), QImage::Format_ARGB32_Premultiplied);
    painted.fill(Qt::transparent);
    caption->render(&painted, QPoint(), QRegion(), QWidget::DrawChildren);
    applyLanguage(0);

    QVERIFY(english.left() - room.left() < 3);
    QVERIFY(room.right() - arabic.right() < 3);
    QVERIFY(arabic.left() - room.left() > 20);
    QCOMPARE(test::inkOf(painted), arabic);
}

} // namespace vistrel

QTEST_MAIN(vistrel::CaptionFitTest)
#include "caption_fit_test.moc"
