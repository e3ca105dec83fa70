// Re-texting the windows from the language file when a language is picked.

#include "localization/language_position.h"
#include "localization/windows/language_state.h"
#include "localization/windows/localization.h"
#include "ui/tnt_widgets.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <memory>

namespace vistrel {
namespace {

const QString kLongSection(127, QLatin1Char('L'));

QByteArray testLanguageFile() {
    const QString text = QStringLiteral("[Language_List]\n"
                                        "Section1=Deutsch\n"
                                        "Section2=%1\n"
                                        "Section3=%1LLL\n"
                                        "Section23=Svenska\n"
                                        "[Deutsch]\n"
                                        "TntLabel_T1_Title=DHCP-Adresse erhalten\n"
                                        "TntLabel_T1_1=not for a plain label\n"
                                        "TntButton_T3_Next=Weiter\n"
                                        "TntButton_T2_OK=not for a plain button\n"
                                        "TntListView_T6.Columns[0]=SSID\n"
                                        "TntListView_T6.Columns[1]=Signal\n"
                                        "TntListView_T6.Columns[2]=Verschlüsselung\n"
                                        "TntListView_T6.Columns[3]=Kanal\n"
                                        "TntPageControl_T12.Pages[0]=Netzwerk\n"
                                        "TntPageControl_T12.Pages[1]=Name und Kennwort\n"
                                        "TntLabel_T12_Name=Kameraname\n"
                                        "Search=Suche läuft...\n"
                                        "Label_Login_Name=Kameraname\n"
                                        "Button_Login_OK=Anmelden\n"
                                        "Button_Message_Box_OK=Gut\n"
                                        "Button_Message_Dialog_OK=Ja\n"
                                        "Image_Search_Camera_Hint=Kameras suchen\n"
                                        "Image_Config_Hint=Kamera einrichten\n"
                                        "Main_TntPopupMenu_MenuItem0=Beenden\n"
                                        "[Svenska]\n"
                                        "TntLabel_T1_Title=DHCP-adress erhållen\n"
                                        "[%1]\n"
                                        "TntLabel_T1_Title=long section name\n")
                             .arg(kLongSection);
    return text.toUtf8();
}

template <typename Control>
Control* addControl(QWidget* parent, const QString& name, const QString& designText) {
    auto* control = new Control(designText, parent);
    control->setObjectName(name);
    return control;
}

QWidget* addSheet(QTabWidget* tabs, const QString& name, const QString& caption) {
    auto* sheet = new QWidget;
    sheet->setObjectName(name);
    tabs->addTab(sheet, caption);
    return sheet;
}

// Small stand-ins for the windows, with the controls the re-texting distinguishes.
struct FakeWindows {
    FakeWindows() {
        wizardTitle = addControl<TTntLabel>(&wizard, QStringLiteral("TntLabel_T1_Title"),
                                            QStringLiteral("DHCP address obtained"));
        plainLabel = addControl<QLabel>(&wizard, QStringLiteral("TntLabel_T1_1"),
                                        QStringLiteral("Testing cloud connection"));
        nextButton = addControl<TTntButton>(&wizard, QStringLiteral("TntButton_T3_Next"),
                                            QStringLiteral("Next"));
        keylessButton = addControl<TTntButton>(&wizard, QStringLiteral("TntButton_T6_OK"),
                                               QStringLiteral("OK"));
        plainButton = addControl<QPushButton>(&wizard, QStringLiteral("TntButton_T2_OK"),
                                              QStringLiteral("OK"));
        surveyList = new QTreeWidget(&wizard);
        surveyList->setObjectName(QStringLiteral("TntListView_T6"));
        surveyList->setHeaderLabels(
            {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")});
        pages = new QTabWidget(&wizard);
        pages->setObjectName(QStringLiteral("TntPageControl_T12"));
        addSheet(pages, QStringLiteral("TntTabSheet_T12_LAN"), QStringLiteral("LAN"));
        QWidget* nameSheet =
            addSheet(pages, QStringLiteral("TntTabSheet_T12_Name"), QStringLiteral("Name"));
        nestedLabel = addControl<TTntLabel>(nameSheet, QStringLiteral("TntLabel_T12_Name"),
                                            QStringLiteral("Camera Name"));
        waitLabel = addControl<TTntLabel>(&waiting, QStringLiteral("TntLabel_Wait"),
                                          QStringLiteral("Searching..."));
        loginName = addControl<TTntLabel>(&login, QStringLiteral("Label_Login_Name"),
                                          QStringLiteral("Camera Name"));
        loginOk =
            addControl<TTntButton>(&login, QStringLiteral("Button_Login_OK"), QStringLiteral("OK"));
        boxOk = addControl<TTntButton>(&messageBox, QStringLiteral("Button_Message_Box_OK"),
                                       QStringLiteral("OK"));
        boxOk->setFont(QFont(QStringLiteral("Liberation Sans")));
        dialogOk = addControl<TTntButton>(
            &messageDialog, QStringLiteral("Button_Message_Dialog_OK"), QStringLiteral("OK"));
    }

    LanguageWindows windows() {
        return {&wizard,        &waiting,     &login,    &messageBox,
                &messageDialog, &searchImage, &setImage, &trayClose};
    }

    QWidget wizard, waiting, login, messageBox, messageDialog, searchImage, setImage;
    QAction trayClose{QStringLiteral("Closed")};
    TTntLabel* wizardTitle;
    QLabel* plainLabel;
    TTntButton* nextButton;
    TTntButton* keylessButton;
    QPushButton* plainButton;
    QTreeWidget* surveyList;
    QTabWidget* pages;
    TTntLabel* nestedLabel;
    TTntLabel* waitLabel;
    TTntLabel* loginName;
    TTntButton* loginOk;
    TTntButton* boxOk;
    TTntButton* dialogOk;
};

} // namespace

class ApplyLanguageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void firstApplicationRetextsWizardWaitingWindowAndHints();
    void firstApplicationKeepsTheDialogsDesignTexts();
    void laterApplicationsRetextTheDialogs();
    void surveyListMayBeATable();
    void trayItemKeepsItsTextWhenTheLanguageHasNone();
    void selectorPositionPicksItsSection_data();
    void selectorPositionPicksItsSection();
    void wizardSectionIsEnglishUntilTheFirstChange();
    void shippedFileIsFoundInTheDataDirectory();
    void selectorHasOneEntryPerLanguage();
    void localeGivesItsLanguageIdentifier_data();
    void localeGivesItsLanguageIdentifier();

private:
    QString originalDirectory_;
    QTemporaryDir withFile_;
    QTemporaryDir withoutFile_;
};

void ApplyLanguageTest::initTestCase() {
    originalDirectory_ = QDir::currentPath();
    QVERIFY(withFile_.isValid() && withoutFile_.isValid());
    QFile file(withFile_.filePath(QStringLiteral("Language.ini")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(testLanguageFile());
}

void ApplyLanguageTest::cleanupTestCase() {
    QDir::setCurrent(originalDirectory_);
}

void ApplyLanguageTest::init() {
    QVERIFY(QDir::setCurrent(withFile_.path()));
}

void ApplyLanguageTest::firstApplicationRetextsWizardWaitingWindowAndHints() {
    FakeWindows fake;
    LanguageState state(fake.windows());
    state.ApplyLanguage(QStringLiteral("deutsch"));

    QCOMPARE(fake.wizardTitle->text(), QStringLiteral("DHCP-Adresse erhalten"));
    QCOMPARE(fake.nestedLabel->text(), QStringLiteral("Kameraname"));
    QCOMPARE(fake.nextButton->text(), QStringLiteral("Weiter"));
    QCOMPARE(fake.keylessButton->text(), QString()); // no key: blank, not the design text
    QCOMPARE(fake.nextButton->font().family(), buttonFaceName());
    QCOMPARE(fake.keylessButton->font().family(), buttonFaceName());
    QCOMPARE(fake.plainLabel->text(), QStringLiteral("Testing cloud connection"));
    QCOMPARE(fake.plainButton->text(), QStringLiteral("OK"));
    QVERIFY(fake.plainButton->font().family() != buttonFaceName());

    const QTreeWidgetItem* header = fake.surveyList->headerItem();
    QCOMPARE(header->text(0), QStringLiteral("SSID"));
    QCOMPARE(header->text(1), QStringLiteral("Signal"));
    QCOMPARE(header->text(2), QStringLiteral("Verschlüsselung"));
    QCOMPARE(header->text(3), QStringLiteral("Kanal"));
    QCOMPARE(fake.pages->tabText(0), QStringLiteral("Netzwerk"));
    QCOMPARE(fake.pages->tabText(1), QStringLiteral("Name und Kennwort"));

    QCOMPARE(fake.waitLabel->text(), QStringLiteral("Suche läuft..."));
    QCOMPARE(fake.searchImage.toolTip(), QStringLiteral("Kameras suchen"));
    QCOMPARE(fake.setImage.toolTip(), QStringLiteral("Kamera einrichten"));
    QCOMPARE(fake.trayClose.text(), QStringLiteral("Beenden"));
}

void ApplyLanguageTest::firstApplicationKeepsTheDialogsDesignTexts() {
    FakeWindows fake;
    LanguageState state(fake.windows());
    QVERIFY(!state.languageApplied());
    state.ApplyLanguage(QStringLiteral("Deutsch"));

    QVERIFY(state.languageApplied());
    QCOMPARE(fake.loginName->text(), QStringLiteral("Camera Name"));
    QCOMPARE(fake.loginOk->text(), QStringLiteral("OK"));
    QVERIFY(fake.loginOk->font().family() != buttonFaceName());
    QCOMPARE(fake.boxOk->text(), QStringLiteral("OK"));
    QCOMPARE(fake.dialogOk->text(), QStringLiteral("OK"));
}

void ApplyLanguageTest::laterApplicationsRetextTheDialogs() {
    FakeWindows fake;
    LanguageState state(fake.windows());
    state.ApplyLanguage(QStringLiteral("Deutsch"));
    state.ApplyLanguage(QStringLiteral("Deutsch"));

    QCOMPARE(fake.loginName->text(), QStringLiteral("Kameraname"));
    QCOMPARE(fake.loginOk->text(), QStringLiteral("Anmelden"));
    QCOMPARE(fake.loginOk->font().family(), buttonFaceName());
    QCOMPARE(fake.boxOk->text(), QStringLiteral("Gut"));
    QCOMPARE(fake.boxOk->font().family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(fake.dialogOk->text(), QStringLiteral("Ja"));
    QCOMPARE(fake.dialogOk->font().family(), buttonFaceName());

    state.ApplyLanguage(QStringLiteral("Svenska")); // keys missing there blank the dialogs too
    QCOMPARE(fake.loginName->text(), QString());
    QCOMPARE(fake.boxOk->text(), QString());
}

void ApplyLanguageTest::surveyListMayBeATable() {
    QWidget wizard;
    auto* table = new QTableWidget(0, 4, &wizard);
    table->setObjectName(QStringLiteral("TntListView_T6"));
    LanguageWindows windows;
    windows.wizard = &wizard;
    LanguageState state(windows);
    state.ApplyLanguage(QStringLiteral("Deutsch"));
    QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("SSID"));
    QCOMPARE(table->horizontalHeaderItem(3)->text(), QStringLiteral("Kanal"));
}

void ApplyLanguageTest::trayItemKeepsItsTextWhenTheLanguageHasNone() {
    FakeWindows fake;
    LanguageState state(fake.windows());
    state.ApplyLanguage(QStringLiteral("Svenska"));
    QCOMPARE(fake.trayClose.text(), QStringLiteral("Closed"));
    QCOMPARE(fake.searchImage.toolTip(), QString());
}

void ApplyLanguageTest::selectorPositionPicksItsSection_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("title");
    QTest::newRow("first entry, Section1")
        << 0 << QStringLiteral("Deutsch") << QStringLiteral("DHCP-Adresse erhalten");
    QTest::newRow("last entry, Section23")
        << 22 << QStringLiteral("Svenska") << QStringLiteral("DHCP-adress erhållen");
    QTest::newRow("name of 127 characters")
        << 1 << kLongSection << QStringLiteral("long section name");
    QTest::newRow("longer name cut to 127")
        << 2 << kLongSection << QStringLiteral("long section name");
    QTest::newRow("no Section key: everything blank") << 3 << QString() << QString();
}

void ApplyLanguageTest::selectorPositionPicksItsSection() {
    QFETCH(int, position);
    QFETCH(QString, section);
    QFETCH(QString, title);
    FakeWindows fake;
    LanguageState state(fake.windows());
    int repaints = 0;
    state.setCameraListRepaint([&repaints] { ++repaints; });

    state.TntComboBox_LangChange(position);

    QCOMPARE(state.languageSection(), section);
    QCOMPARE(state.wizardLanguageSection(), section);
    QCOMPARE(fake.wizardTitle->text(), title);
    QCOMPARE(repaints, 1);
}

void ApplyLanguageTest::wizardSectionIsEnglishUntilTheFirstChange() {
    LanguageState state;
    QCOMPARE(state.wizardLanguageSection(), QStringLiteral("English"));
    QVERIFY(state.languageSection().isNull());
    state.ApplyLanguage(QStringLiteral("Deutsch")); // applying alone does not change sections
    QCOMPARE(state.wizardLanguageSection(), QStringLiteral("English"));
}

void ApplyLanguageTest::shippedFileIsFoundInTheDataDirectory() {
    QVERIFY(QDir::setCurrent(withoutFile_.path()));
    QCOMPARE(LookupText(QStringLiteral("English"), QStringLiteral("Search")),
             QStringLiteral("Searching..."));
    QCOMPARE(LookupText(QStringLiteral("english"), QStringLiteral("TNTBUTTON_T3_NEXT")),
             QStringLiteral("Next"));
    QCOMPARE(LookupText(QStringLiteral("English"), QStringLiteral("No_Such_Key")), QString());

    QVERIFY(QDir::setCurrent(withFile_.path())); // the working directory's file comes first
    QCOMPARE(LookupText(QStringLiteral("English"), QStringLiteral("Search")), QString());
    QCOMPARE(LookupText(QStringLiteral("Deutsch"), QStringLiteral("Search")),
             QStringLiteral("Suche läuft..."));
}

void ApplyLanguageTest::selectorHasOneEntryPerLanguage() {
    const QStringList entries = languageSelectorEntries();
    QCOMPARE(entries.size(), kLanguageCount);
    QCOMPARE(QSet<QString>(entries.begin(), entries.end()).size(), kLanguageCount);
    const int preselected = systemLanguagePosition();
    QVERIFY(preselected >= 0 && preselected < kLanguageCount);
}

void ApplyLanguageTest::localeGivesItsLanguageIdentifier_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("languageId");
    QTest::newRow("de_CH") << QLocale(QLocale::German, QLocale::Switzerland) << 2055;
    QTest::newRow("zh_TW") << QLocale(QLocale::Chinese, QLocale::Taiwan) << 1028;
    QTest::newRow("zh_HK") << QLocale(QLocale::Chinese, QLocale::HongKong) << 3076;
    QTest::newRow("zh_SG") << QLocale(QLocale::Chinese, QLocale::Singapore) << 4100;
    QTest::newRow("zh_CN") << QLocale(QLocale::Chinese, QLocale::China) << 2052;
    QTest::newRow("es_419") << QLocale(QLocale::Spanish, QLocale::LatinAmerica) << 22538;
    QTest::newRow("ar_QA") << QLocale(QLocale::Arabic, QLocale::Qatar) << 16385;
    QTest::newRow("pt_PT") << QLocale(QLocale::Portuguese, QLocale::Portugal) << 2070;
    QTest::newRow("C") << QLocale::c() << 0;
}

void ApplyLanguageTest::localeGivesItsLanguageIdentifier() {
    QFETCH(QLocale, locale);
    QFETCH(int, languageId);
    QCOMPARE(windowsLanguageIdOf(locale), languageId);
}

} // namespace vistrel

QTEST_MAIN(vistrel::ApplyLanguageTest)
#include "apply_language_test.moc"
