// What screen readers and other assistive tools find in the windows: the controls that show
// only a picture are buttons with names and a press action that does what a click does, and
// the camera list's cards are list items with their preview square as a button.

#include "discovery/card_geometry.h"
#include "support/datagram_fixtures.h"
#include "support/main_window_fixture.h"
#include "support/modal_answers.h"

#include <QAccessible>
#include <string_view>

namespace vistrel {
namespace {

QAccessibleInterface* accessibleOf(QObject* object) {
    return object ? QAccessible::queryAccessibleInterface(object) : nullptr;
}

void press(QAccessibleInterface* control) {
    QVERIFY(control && control->actionInterface());
    QVERIFY(control->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
    control->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

} // namespace

class AccessibilityTest : public QObject, private test::MainWindowFixture {
    Q_OBJECT

private:
    QAccessibleInterface* accessibleNamed(const char* objectName) {
        return accessibleOf(form->findChild<QWidget*>(QLatin1String(objectName)));
    }

    void addCamera(std::uint8_t lastMacByte, std::uint8_t setupFlagA, std::string_view name) {
        test::DiscoveryReplyFields fields;
        fields.mac[5] = lastMacByte;
        fields.ip[3] = lastMacByte;
        fields.setupFlagA = setupFlagA;
        fields.name = name;
        form->decodeDatagram(test::discoveryReply(fields));
    }

    // The card of the camera named `name`, with its index among the list's children.
    std::pair<QAccessibleInterface*, int> cardNamed(const QString& name) {
        QAccessibleInterface* list = accessibleNamed("ListBox_IPCAM");
        for (int i = 0; list && i < list->childCount(); ++i) {
            if (list->child(i)->text(QAccessible::Name) == name) {
                return {list->child(i), i};
            }
        }
        return {nullptr, -1};
    }

private slots:
    void init() { start({.firstTick = false}); }
    void cleanup() { stop(); }

    void pictureButtonsAreNamedButtons_data() {
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<QString>("name");
        const auto english = [](const char* key) {
            return LookupText(QStringLiteral("English"), QLatin1String(key));
        };
        QTest::newRow("search") << "TntImage_Search" << english("Image_Search_Camera_Hint");
        QTest::newRow("settings") << "TntImage_Set" << english("Image_Config_Hint");
        QTest::newRow("close") << "Image_Close" << english("Main_TntPopupMenu_MenuItem0");
        QTest::newRow("minimise") << "Image_Min"
                                  << "Minimize";
    }

    void pictureButtonsAreNamedButtons() {
        QFETCH(QString, objectName);
        QFETCH(QString, name);
        QAccessibleInterface* button = accessibleNamed(qPrintable(objectName));
        QVERIFY(button);
        QCOMPARE(button->role(), QAccessible::Button);
        QVERIFY(!name.isEmpty());
        QCOMPARE(button->text(QAccessible::Name), name);
        QVERIFY(button->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
    }

    void pressingAPictureButtonDoesWhatAClickDoes() {
        ++form->searchCycle().TimerTicks; // past the busy first second
        const std::size_t before = requests.sent.size();
        press(accessibleNamed("TntImage_Search"));
        QCOMPARE(requests.sent.size() - before, 2u); // the hook's search and the click handler's
        press(accessibleNamed("Image_Close"));
        QVERIFY(!form->isVisible());
    }

    void theWpsButtonIsNamed() {
        QAccessibleInterface* wps =
            accessibleOf(form->wizard().findChild<QWidget*>(QStringLiteral("SpeedButton_T6")));
        QVERIFY(wps);
        QCOMPARE(wps->role(), QAccessible::Button);
        QCOMPARE(wps->text(QAccessible::Name), QStringLiteral("Set up with WPS"));
    }

    void cardsAreListItemsWithTheirPreviewSquare() {
        addCamera(1, 0, "Front door"); // new: no live picture yet
        addCamera(2, 1, "Garden");     // set up
        QAccessibleInterface* list = accessibleNamed("ListBox_IPCAM");
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(list->childCount(), 2);

        const auto [newCard, newIndex] = cardNamed(QStringLiteral("Front door"));
        const auto [setUpCard, setUpIndex] = cardNamed(QStringLiteral("Garden"));
        QVERIFY(newCard && setUpCard);
        QCOMPARE(list->indexOfChild(setUpCard), setUpIndex);
        QCOMPARE(setUpCard->role(), QAccessible::ListItem);
        QCOMPARE(setUpCard->parent(), list);
        QVERIFY2(setUpCard->text(QAccessible::Description).contains(QStringLiteral("192.168.2.2")),
                 qPrintable(setUpCard->text(QAccessible::Description)));

        const auto& cards = form->ListBox_IPCAM();
        const QRect itemRect = cards.itemRect(setUpIndex);
        const CardRect square = previewSquare(
            {itemRect.left(), itemRect.top(), itemRect.right() + 1, itemRect.bottom() + 1});
        QAccessibleInterface* preview = setUpCard->child(0);
        QCOMPARE(setUpCard->childCount(), 1);
        QCOMPARE(preview->role(), QAccessible::Button);
        QCOMPARE(preview->text(QAccessible::Name), QStringLiteral("Live picture"));
        QCOMPARE(preview->parent(), setUpCard);
        QCOMPARE(preview->rect(),
                 QRect(cards.viewport()->mapToGlobal(QPoint(square.left, square.top)),
                       QSize(square.width(), square.height())));
        QVERIFY(!preview->state().disabled);
        QCOMPARE(setUpCard->childAt(preview->rect().center().x(), preview->rect().center().y()),
                 preview);
        QCOMPARE(list->childAt(setUpCard->rect().center().x(), setUpCard->rect().center().y()),
                 setUpCard);

        QAccessibleInterface* unavailable = newCard->child(0);
        QVERIFY(unavailable->state().disabled);
        QVERIFY(unavailable->actionInterface()->actionNames().isEmpty());
    }

    void pressingAPreviewSquareAsksForThePassword() {
        addCamera(2, 1, "Garden");
        form->GetDhcp_TimerTimer(); // past the busy first second
        const auto [card, index] = cardNamed(QStringLiteral("Garden"));
        QVERIFY(card);
        auto& login = form->loginDialog();
        auto& box = form->messageBox();
        const auto click = [](QWidget& window, const char* button) {
            QTest::mouseClick(window.findChild<QWidget*>(QLatin1String(button)), Qt::LeftButton);
        };
        QVERIFY(test::ModalAnswers()
                    .then(login, [&] { click(login, "Button_Login_Cancel"); })
                    .then(box, [&] { click(box, "Button_Message_Box_OK"); })
                    .run([&] { press(card->child(0)); }));
        QCOMPARE(form->ListBox_IPCAM().currentIndex(), index);
        QVERIFY(card->state().selected);
    }
};

} // namespace vistrel

QTEST_MAIN(vistrel::AccessibilityTest)
#include "accessibility_test.moc"
