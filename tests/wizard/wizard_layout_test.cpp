#include "wizard/form_wizard.h"
#include "wizard/wizard_test_names.h"
#include "wizard_fixture.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>
#include <cstdlib>
#include <memory>

namespace vistrel {
namespace {

using namespace wizard_test;

// Controls that keep their design texts whatever the language, with their classes.
QList<QPair<QString, QString>> plainControls() {
    QList<QPair<QString, QString>> controls;
    const auto add = [&controls](const QStringList& names, const char* className) {
        for (const QString& name : names) {
            controls.append({name, QString::fromLatin1(className)});
        }
    };
    add(addressNames("Label_T1_%1") + addressNames("Label_T3_%1Text") +
            addressNames("Label_T4_%1Text") + addressNames("Label_T10_%1Text") +
            strings({"Label_T1_Sec", "Label_T6_SSIDText", "Label_T7_Sec", "Label_T9_Sec",
                     "Label_T11_Sec", "Image_T7_Picture", "Image_T8_Picture", "Image_T11_Picture",
                     "Image_T12_1", "Image_T12_2"}),
        "QLabel");
    for (int n = 1; n <= 12; ++n) {
        add({QStringLiteral("Image_T%1").arg(n)}, "QLabel");
        add({QStringLiteral("TabSheet%1").arg(n)}, "QWidget");
    }
    add(addressNames("Edit_T2_%1") + addressNames("Edit_T9_%1") + addressNames("Edit_T12_%1") +
            strings({"Edit_T5_Name", "Edit_T5_Pwd", "Edit_T5_Confirm", "Edit_T6_Pwd",
                     "Edit_T12_Name", "Edit_T12_Pwd", "Edit_T12_Confirm"}),
        "QLineEdit");
    add(strings({"RadioButton_T2_DHCP", "RadioButton_T2_IP", "RadioButton_T9_DHCP",
                 "RadioButton_T9_IP", "RadioButton_T12_DHCP", "RadioButton_T12_IP"}),
        "QRadioButton");
    add(strings({"Button_T1_Next"}), "QPushButton");
    add(strings({"SpeedButton_T6"}), "QToolButton");
    add(strings({"TntListView_T6"}), "QTreeWidget");
    add(strings({"TntPageControl_T12"}), "QTabWidget");
    add(strings({"TntTabSheet_T12_LAN", "TntTabSheet_T12_Name"}), "QWidget");
    add(strings({"PageControl_Wizard"}), "QStackedWidget");
    return controls;
}

QStringList namesOfClass(const QWidget& window, const char* className) {
    QStringList names;
    for (const QWidget* child : window.findChildren<QWidget*>()) {
        if (qstrcmp(child->metaObject()->className(), className) == 0) {
            names << child->objectName();
        }
    }
    names.sort();
    return names;
}

// The number of the TabSheet<n> that holds the widget, 0 when none does.
int pageNumberOf(const QWidget* widget) {
    static const QRegularExpression sheet(QStringLiteral("^TabSheet(\\d+)$"));
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        const QRegularExpressionMatch match = sheet.match(w->objectName());
        if (match.hasMatch()) {
            return match.captured(1).toInt();
        }
    }
    return 0;
}

// The page number in a control name such as "Edit_T12_IP" or "TntListView_T6", 0 when none.
int pageNumberInName(const QString& name) {
    static const QRegularExpression page(QStringLiteral("_T(\\d+)(_|$)"));
    const QRegularExpressionMatch match = page.match(name);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

bool isBackground(const QWidget* widget) {
    static const QRegularExpression background(QStringLiteral("^Image_T\\d+(_[12])?$"));
    return background.match(widget->objectName()).hasMatch();
}

// The named controls directly on `parent`, backgrounds left out.
QList<QWidget*> namedControlsOn(QWidget* parent) {
    QList<QWidget*> controls;
    for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QString name = child->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && !isBackground(child)) {
            controls << child;
        }
    }
    return controls;
}

} // namespace

class WizardLayoutTest : public QObject, private wizard_test::WizardFixture {
    Q_OBJECT

private slots:
    void init() { createWizard(); }
    void cleanup() { destroyWizard(); }

    void keyedControlsAreTheReTextedClasses_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        for (const QString& name : kKeyedLabels) {
            QTest::addRow("%s", qPrintable(name)) << name << QStringLiteral("vistrel::TTntLabel");
        }
        for (const QString& name : kKeyedButtons) {
            QTest::addRow("%s", qPrintable(name)) << name << QStringLiteral("vistrel::TTntButton");
        }
    }

    void keyedControlsAreTheReTextedClasses() {
        QFETCH(QString, name);
        QFETCH(QString, className);
        const QList<QWidget*> found = wizard->findChildren<QWidget*>(name);
        QCOMPARE(found.size(), 1);
        QCOMPARE(QString::fromLatin1(found.front()->metaObject()->className()), className);
        QCOMPARE(pageNumberOf(found.front()), pageNumberInName(name));
    }

    // Re-texting blanks every control of these classes that the language file has no key for.
    void onlyKeyedControlsAreReTexted() {
        QStringList labels = kKeyedLabels;
        QStringList buttons = kKeyedButtons;
        labels.sort();
        buttons.sort();
        QCOMPARE(namesOfClass(*wizard, "vistrel::TTntLabel"), labels);
        QCOMPARE(namesOfClass(*wizard, "vistrel::TTntButton"), buttons);
    }

    void plainControlsHaveTheirClassAndPage_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        for (const auto& [name, className] : plainControls()) {
            QTest::addRow("%s", qPrintable(name)) << name << className;
        }
    }

    void plainControlsHaveTheirClassAndPage() {
        QFETCH(QString, name);
        QFETCH(QString, className);
        const QList<QWidget*> found = wizard->findChildren<QWidget*>(name);
        QCOMPARE(found.size(), 1);
        QCOMPARE(QString::fromLatin1(found.front()->metaObject()->className()), className);
        if (!name.startsWith(QLatin1String("TabSheet"))) {
            QCOMPARE(pageNumberOf(found.front()), pageNumberInName(name));
        }
    }

    void pageTwelveTabsHoldTheirControls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("tab");
        const QStringList lan =
            addressNames("Edit_T12_%1") + addressNames("TntLabel_T12_%1") +
            strings({"RadioButton_T12_DHCP", "RadioButton_T12_IP", "TntLabel_T12_1",
                     "TntLabel_T12_2", "Image_T12_1", "TntButton_T12_Cancel", "TntButton_T12_OK",
                     "TntButton_T12_Ad"});
        const QStringList name =
            strings({"Edit_T12_Name", "Edit_T12_Pwd", "Edit_T12_Confirm", "TntLabel_T12_Name",
                     "TntLabel_T12_Pwd", "Image_T12_2", "TntLabel_T12_Confirm", "TntButton_T12_OK2",
                     "TntButton_T12_Cancel2"});
        for (const QString& control : lan) {
            QTest::addRow("%s", qPrintable(control))
                << control << QStringLiteral("TntTabSheet_T12_LAN");
        }
        for (const QString& control : name) {
            QTest::addRow("%s", qPrintable(control))
                << control << QStringLiteral("TntTabSheet_T12_Name");
        }
    }

    void pageTwelveTabsHoldTheirControls() {
        QFETCH(QString, name);
        QFETCH(QString, tab);
        QWidget* found = control(name);
        QVERIFY(found != nullptr);
        QCOMPARE(found->parentWidget()->objectName(), tab);
    }

    void pageTwelveHasTwoNamedTabs() {
        auto* tabs = control<QTabWidget>(QStringLiteral("TntPageControl_T12"));
        QVERIFY(tabs != nullptr);
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->widget(0)->objectName(), QStringLiteral("TntTabSheet_T12_LAN"));
        QCOMPARE(tabs->widget(1)->objectName(), QStringLiteral("TntTabSheet_T12_Name"));
        QCOMPARE(tabs->tabText(0), QStringLiteral("LAN"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Name and Password"));
    }

    void surveyListIsAReadOnlyReportView() {
        auto* list = control<QTreeWidget>(QStringLiteral("TntListView_T6"));
        QVERIFY(list != nullptr);
        QCOMPARE(list->geometry(), QRect(120, 56, 481, 249));
        QCOMPARE(list->columnCount(), 4);
        const QStringList headers = strings({"SSID", "Signal", "Encryption", "channel"});
        for (int column = 0; column < 4; ++column) {
            QCOMPARE(list->headerItem()->text(column), headers[column]);
        }
        QCOMPARE(list->columnWidth(0), 300);
        QCOMPARE(list->columnWidth(2), 125);
        QCOMPARE(list->columnWidth(3), 2);
        QVERIFY(!list->header()->stretchLastSection());
        QVERIFY(!list->rootIsDecorated());
        QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(list->editTriggers(), QAbstractItemView::NoEditTriggers);
    }

    void designStates_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("hidden");
        QTest::addColumn<bool>("enabled");
        const QStringList hidden =
            addressNames("Label_T1_%1") + addressNames("Label_T3_%1Text") +
            addressNames("Label_T4_%1Text") + addressNames("Label_T10_%1Text") +
            strings({"Label_T1_Sec", "Label_T9_Sec", "Button_T1_Next", "TntLabel_T6_Title"});
        for (const QString& name : hidden) {
            QTest::addRow("%s", qPrintable(name)) << name << true << true;
        }
        for (const char* name : {"TntButton_T7_Next", "TntButton_T9_Next"}) {
            QTest::addRow("%s", name) << QString::fromLatin1(name) << false << false;
        }
        for (const char* name : {"TntButton_T3_Next", "TntButton_T7_Cancel", "TntButton_T11_Start",
                                 "TntLabel_T7_1", "Label_T6_SSIDText", "Edit_T6_Pwd"}) {
            QTest::addRow("%s", name) << QString::fromLatin1(name) << false << true;
        }
    }

    void designStates() {
        QFETCH(QString, name);
        QFETCH(bool, hidden);
        QFETCH(bool, enabled);
        QWidget* found = control(name);
        QVERIFY(found != nullptr);
        QCOMPARE(found->isHidden(), hidden);
        QCOMPARE(found->isEnabled(), enabled);
    }

    void radioPairsStartOnStaticIpAndExcludeEachOther_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("page");
        QTest::newRow("page 2") << 2 << QStringLiteral("T2");
        QTest::newRow("page 9") << 9 << QStringLiteral("T9");
        QTest::newRow("page 12") << 12 << QStringLiteral("T12");
    }

    void radioPairsStartOnStaticIpAndExcludeEachOther() {
        QFETCH(int, n);
        QFETCH(QString, page);
        auto* dhcp = control<QRadioButton>(QStringLiteral("RadioButton_%1_DHCP").arg(page));
        auto* staticIp = control<QRadioButton>(QStringLiteral("RadioButton_%1_IP").arg(page));
        QVERIFY(dhcp != nullptr && staticIp != nullptr);
        QVERIFY(!dhcp->isChecked());
        QVERIFY(staticIp->isChecked());
        wizard->show();
        wizard->ShowPage(static_cast<WizardPage>(n));
        QTest::mouseClick(dhcp, Qt::LeftButton);
        QVERIFY(dhcp->isChecked());
        QVERIFY(!staticIp->isChecked());
    }

    void editLimits_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<bool>("masked");
        for (const char* page : {"T5", "T12"}) {
            const auto row = [page](const char* key, bool masked) {
                const QString name =
                    QStringLiteral("Edit_%1_%2").arg(QLatin1String(page), QLatin1String(key));
                QTest::addRow("%s", qPrintable(name)) << name << 64 << masked;
            };
            row("Name", false);
            row("Pwd", true);
            row("Confirm", true);
        }
        QTest::newRow("Edit_T6_Pwd") << QStringLiteral("Edit_T6_Pwd") << 32767 << false;
    }

    void editLimits() {
        QFETCH(QString, name);
        QFETCH(int, maxLength);
        QFETCH(bool, masked);
        auto* edit = control<QLineEdit>(name);
        QVERIFY(edit != nullptr);
        QCOMPARE(edit->maxLength(), maxLength);
        QCOMPARE(edit->echoMode() == QLineEdit::Password, masked);
    }

    void addressRowsAndButtonsFollowTheGrid() {
        for (const char* page : {"T2", "T9"}) {
            for (const QString& key : kAddressKeys) {
                const QString at = QStringLiteral("%1_%2").arg(QLatin1String(page), key);
                const QWidget* edit = control(QStringLiteral("Edit_") + at);
                const QWidget* caption = control(QStringLiteral("TntLabel_") + at);
                QVERIFY2(edit && caption, qPrintable(at));
                QCOMPARE(edit->geometry().topLeft().x(), 328);
                QCOMPARE(edit->size(), QSize(145, 28));
                QCOMPARE(caption->x(), 187);
                QCOMPARE(caption->y(), edit->y());
            }
        }
        for (const QString& name : kKeyedButtons) {
            const QSize expected =
                name.endsWith(QLatin1String("_Ad")) ? QSize(105, 25) : QSize(81, 25);
            QVERIFY2(control(name)->size() == expected, qPrintable(name));
        }
    }

    // On page 12 the tab frame moves the controls; they still line up with page 2's.
    void pageTwelveLinesUpWithPageTwo() {
        wizard->show();
        QVERIFY(QTest::qWaitForWindowExposed(wizard.get()));
        wizard->ShowPage(WizardPage::OldNetwork);
        for (const QString& key : kAddressKeys) {
            const QPoint lan =
                control(QStringLiteral("Edit_T12_") + key)->mapTo(wizard.get(), QPoint());
            QCOMPARE(lan.x(), 328);
        }
        wizard->pages().oldNetwork.tabs->setCurrentIndex(1);
        const QPoint name = control(QStringLiteral("Edit_T12_Name"))->mapTo(wizard.get(), QPoint());
        const QPoint pageFive = control(QStringLiteral("Edit_T5_Name"))->pos();
        QCOMPARE(name.x(), pageFive.x());
        // The tab row's height follows the font.
        QVERIFY2(std::abs(name.y() - pageFive.y()) <= 4, qPrintable(QString::number(name.y())));
    }

    void controlsStayInsideTheirPageAndApart_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("tab");
        for (int n = 1; n <= 11; ++n) {
            QTest::addRow("page %d", n) << n << -1;
        }
        QTest::newRow("page 12 LAN") << 12 << 0;
        QTest::newRow("page 12 name") << 12 << 1;
    }

    void controlsStayInsideTheirPageAndApart() {
        QFETCH(int, n);
        QFETCH(int, tab);
        wizard->show();
        QVERIFY(QTest::qWaitForWindowExposed(wizard.get()));
        wizard->ShowPage(static_cast<WizardPage>(n));
        QWidget* surface = wizard->page(static_cast<WizardPage>(n));
        if (tab >= 0) {
            auto* tabs = wizard->pages().oldNetwork.tabs;
            tabs->setCurrentIndex(tab);
            surface = tabs->widget(tab);
        }
        const QList<QWidget*> controls = namedControlsOn(surface);
        QVERIFY(!controls.isEmpty());
        const QRect client(QPoint(), wizard->size());
        for (qsizetype i = 0; i < controls.size(); ++i) {
            const QWidget* a = controls[i];
            const QRect inWindow(a->mapTo(wizard.get(), QPoint()), a->size());
            QVERIFY2(client.contains(inWindow), qPrintable(a->objectName()));
            QVERIFY2(surface->rect().contains(a->geometry()), qPrintable(a->objectName()));
            for (qsizetype j = i + 1; j < controls.size(); ++j) {
                const QWidget* b = controls[j];
                QVERIFY2(!a->geometry().intersects(b->geometry()),
                         qPrintable(a->objectName() + QStringLiteral(" / ") + b->objectName()));
            }
        }
    }

    void designTextsFitTheirLabels() {
        for (const QLabel* label : wizard->findChildren<QLabel*>()) {
            if (label->text().isEmpty()) {
                continue;
            }
            const QFontMetrics metrics(label->font());
            QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->objectName()));
            QVERIFY2(metrics.height() <= label->height(), qPrintable(label->objectName()));
        }
    }
};

} // namespace vistrel

QTEST_MAIN(vistrel::WizardLayoutTest)
#include "wizard_layout_test.moc"
