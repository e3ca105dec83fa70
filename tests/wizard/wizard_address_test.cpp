// The wizard's address controls: the DHCP / Static IP radios of pages 2, 9 and 12 kept in step
// with each other and with the settings panel, what the choice locks on each page, and the key
// rule of the twelve address edits.

#include "wizard/form_wizard.h"
#include "wizard/wizard_host.h"
#include "wizard_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

namespace vistrel {

namespace {

// A main window that holds the configuration and nothing else: the tests here never reach a
// message, a search or the web page.
class ConfigurationOnlyHost : public WizardHost {
public:
    CameraConfiguration config;

    CameraConfiguration& configuration() override { return config; }
    std::string loginPassword() const override { return {}; }
    bool cameraRowSelected() const override { return true; }
    void finishConfirm(const ConfirmResult&) override { QFAIL("no confirm expected"); }
    void RestartSearch() override { QFAIL("no search expected"); }
    void Image_BrowserClick() override { QFAIL("no web page expected"); }
    void showWarning(const Warning&) override { QFAIL("no warning expected"); }
    std::uint8_t AskOkCancel(const QString&, const QString&) override { return 1; }
    QString wizardText(std::string_view key) override {
        return QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size()));
    }
};

enum class Effect { Disabled, Hidden, DisabledAndHidden };

} // namespace

class WizardAddressTest : public QObject, private wizard_test::WizardFixture {
    Q_OBJECT

private:
    ConfigurationOnlyHost host;

    QRadioButton* radio(int page, bool dhcp) {
        return control<QRadioButton>(
            QStringLiteral("RadioButton_T%1_%2")
                .arg(page)
                .arg(dhcp ? QStringLiteral("DHCP") : QStringLiteral("IP")));
    }

    QStringList addressEditNames() {
        QStringList names;
        for (const int page : {2, 9, 12}) {
            for (const char* field : {"IP", "Subnet", "Gateway", "DNS"}) {
                names << QStringLiteral("Edit_T%1_%2").arg(page).arg(QLatin1String(field));
            }
        }
        return names;
    }

private slots:
    void init() {
        createWizard();
        wizard->setHost(&host);
        wizard->show();
        wizard->ShowPage(WizardPage::Network);
    }
    void cleanup() {
        destroyWizard();
        host.config.addressChoice.RadioButton_T2_IPClick(); // the next test starts on Static IP
    }

    void aClickOnAnyPairSetsAllThreeAndThePanel_data() {
        QTest::addColumn<int>("page");
        for (const int page : {2, 9, 12}) {
            QTest::addRow("page %d", page) << page;
        }
    }

    void aClickOnAnyPairSetsAllThreeAndThePanel() {
        QFETCH(int, page);
        for (const bool dhcp : {true, false}) {
            wizard->ShowPage(static_cast<WizardPage>(page)); // the T<page> of its controls
            if (page == 12) {
                wizard->pages().oldNetwork.tabs->setCurrentIndex(0);
            }
            QTest::mouseClick(radio(page, dhcp), Qt::LeftButton, {}, QPoint(4, 8));
            for (const int other : {2, 9, 12}) {
                QCOMPARE(radio(other, dhcp)->isChecked(), true);
                QCOMPARE(radio(other, !dhcp)->isChecked(), false);
            }
            const SettingsPanel& panel = host.config.panel;
            QCOMPARE(panel.RadioButton_DHCP.checked, dhcp);
            QCOMPARE(panel.RadioButton_Manual_IP.checked, !dhcp);
            QCOMPARE(panel.MEMO_SETTING_IP1_EDIT.enabled, !dhcp);
            QCOMPARE(host.config.addressChoice.wizardChoosesDhcp(), dhcp);
        }
    }

    // A screen reader's toggle action and the keyboard choose as a click does: the other pairs,
    // the panel and the address edits all follow.
    void everyWayOfCheckingARadioChooses_data() {
        QTest::addColumn<QString>("way");
        QTest::newRow("mouse") << QStringLiteral("mouse");
        QTest::newRow("space key") << QStringLiteral("space");
        QTest::newRow("accessibility toggle") << QStringLiteral("toggle");
    }

    void everyWayOfCheckingARadioChooses() {
        QFETCH(QString, way);
        wizard->ShowPage(WizardPage::ManualConfig);
        for (const bool dhcp : {true, false}) {
            QRadioButton* chosen = radio(9, dhcp);
            if (way == QLatin1String("mouse")) {
                QTest::mouseClick(chosen, Qt::LeftButton, {}, QPoint(4, 8));
            } else if (way == QLatin1String("space")) {
                chosen->setFocus();
                QTest::keyClick(chosen, Qt::Key_Space);
            } else {
                QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(chosen);
                QVERIFY(accessible && accessible->actionInterface());
                QVERIFY(accessible->actionInterface()->actionNames().contains(
                    QAccessibleActionInterface::toggleAction()));
                accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
            }
            QVERIFY(chosen->isChecked());
            QCOMPARE(radio(2, dhcp)->isChecked(), true);
            QCOMPARE(host.config.panel.RadioButton_DHCP.checked, dhcp);
            QCOMPARE(control(QStringLiteral("Edit_T9_IP"))->isEnabled(), !dhcp);
            QCOMPARE(control(QStringLiteral("Edit_T12_IP"))->isEnabled(), !dhcp);
        }
    }

    // DHCP locks the address controls of six pages; Static IP gives them back.
    void theChoiceLocksEachPageAsItsTableSays_data() {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<int>("effect");
        const auto row = [](const char* prefix, const char* suffix, Effect effect) {
            QTest::newRow(prefix) << QString::fromLatin1(prefix) << QString::fromLatin1(suffix)
                                  << int(effect);
        };
        row("Edit_T2_", "", Effect::Disabled);
        row("TntLabel_T3_", "", Effect::Hidden);
        row("Label_T3_", "Text", Effect::Hidden);
        row("TntLabel_T4_", "", Effect::Hidden);
        row("Label_T4_", "Text", Effect::Hidden);
        row("Edit_T9_", "", Effect::DisabledAndHidden);
        row("TntLabel_T9_", "", Effect::Hidden);
        row("TntLabel_T10_", "", Effect::Hidden);
        row("Label_T10_", "Text", Effect::Hidden);
        row("Edit_T12_", "", Effect::Disabled);
    }

    void theChoiceLocksEachPageAsItsTableSays() {
        QFETCH(QString, prefix);
        QFETCH(QString, suffix);
        QFETCH(int, effect);
        const bool disables = effect != int(Effect::Hidden);
        const bool hides = effect != int(Effect::Disabled);
        for (const bool dhcp : {true, false}) {
            QTest::mouseClick(radio(2, dhcp), Qt::LeftButton, {}, QPoint(4, 8));
            for (const char* field : {"IP", "Subnet", "Gateway", "DNS"}) {
                const QString name = prefix + QLatin1String(field) + suffix;
                const QWidget* widget = control(name);
                QVERIFY2(widget, qPrintable(name));
                QCOMPARE(widget->isEnabled(), !(dhcp && disables));
                QCOMPARE(widget->isHidden(), dhcp && hides);
            }
        }
        // Page 9's radios are usable again once the address is fixed.
        QVERIFY(radio(9, true)->isEnabled() && radio(9, false)->isEnabled());
    }

    // Typed digits, dots and Backspace reach the edit; letters, blanks and commas do not.
    void addressEditsTakeDigitsAndDotsAlone() {
        for (const QString& name : addressEditNames()) {
            auto* edit = control<QLineEdit>(name);
            QVERIFY2(edit, qPrintable(name));
            edit->setEnabled(true);
            edit->show();
            edit->clear();
            QTest::keyClicks(edit, QStringLiteral("19a2. ,1x6"));
            QCOMPARE(edit->text(), QStringLiteral("192.16"));
            QTest::keyClick(edit, Qt::Key_Backspace);
            QCOMPARE(edit->text(), QStringLiteral("192.1"));
        }
    }

    void pastedTextObeysTheSameRule() {
        auto* edit = control<QLineEdit>(QStringLiteral("Edit_T2_IP"));
        edit->setEnabled(true);
        edit->clear();
        QApplication::clipboard()->setText(QStringLiteral("10.0.0.1 "));
        edit->paste();
        QCOMPARE(edit->text(), QString());
        QApplication::clipboard()->setText(QStringLiteral("10.0.0.1"));
        edit->paste();
        QCOMPARE(edit->text(), QStringLiteral("10.0.0.1"));
    }

    // Text that code put there stays editable, blanks and all.
    void filledTextStaysEditable() {
        auto* edit = control<QLineEdit>(QStringLiteral("Edit_T12_DNS"));
        edit->setEnabled(true);
        edit->setText(QStringLiteral("192.168.  2."));
        edit->end(false);
        QTest::keyClicks(edit, QStringLiteral("4b"));
        QCOMPARE(edit->text(), QStringLiteral("192.168.  2.4"));
    }
};

} // namespace vistrel

QTEST_MAIN(vistrel::WizardAddressTest)
#include "wizard_address_test.moc"
