#include "localization/windows/language_state.h"

#include "localization/windows/localization.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <utility>

namespace vistrel {
namespace {

const char* const kLabelClass = "vistrel::TTntLabel";
const char* const kButtonClass = "vistrel::TTntButton";

// Controls are selected by their exact class, so subclasses and plain labels keep their texts.
bool isClass(const QObject* object, const char* className) {
    return qstrcmp(object->metaObject()->className(), className) == 0;
}

// A section name longer than the state holds is cut, like any text the platform reader returns
// into a short buffer; a surrogate pair is never split.
QString cutSectionName(const QString& name) {
    if (name.size() <= kMaxSectionNameLength) {
        return name;
    }
    const bool splitsPair = name.at(kMaxSectionNameLength - 1).isHighSurrogate();
    return name.left(splitsPair ? kMaxSectionNameLength - 1 : kMaxSectionNameLength);
}

void setCaption(QWidget* control, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
    }
}

void setButtonFace(QWidget* button) {
    QFont font = button->font();
    font.setFamily(buttonFaceName());
    button->setFont(font);
}

void setColumnCaption(QWidget* view, int column, const QString& text) {
    if (auto* tree = qobject_cast<QTreeWidget*>(view)) {
        tree->headerItem()->setText(column, text);
    } else if (auto* table = qobject_cast<QTableWidget*>(view)) {
        if (!table->horizontalHeaderItem(column)) {
            table->setHorizontalHeaderItem(column, new QTableWidgetItem);
        }
        if (QTableWidgetItem* header = table->horizontalHeaderItem(column)) {
            header->setText(text);
        }
    }
}

// The four column headers of the site-survey list: "<name>.Columns[n]".
void retextColumns(QWidget* view, const QString& section) {
    for (int column = 0; column < 4; ++column) {
        const QString key = view->objectName() + QStringLiteral(".Columns[%1]").arg(column);
        setColumnCaption(view, column, LookupText(section, key));
    }
}

int sheetIndex(const QTabWidget* tabs, const QString& sheetName, int designIndex) {
    for (int index = 0; index < tabs->count(); ++index) {
        if (tabs->widget(index)->objectName() == sheetName) {
            return index;
        }
    }
    return designIndex;
}

// The two tabs of page 12: "<name>.Pages[0]" (LAN) and "<name>.Pages[1]" (name).
void retextPages(QWidget* control, const QString& section) {
    auto* tabs = qobject_cast<QTabWidget*>(control);
    if (!tabs) {
        return;
    }
    const QString sheets[] = {QStringLiteral("TntTabSheet_T12_LAN"),
                              QStringLiteral("TntTabSheet_T12_Name")};
    for (int page = 0; page < 2; ++page) {
        const QString key = tabs->objectName() + QStringLiteral(".Pages[%1]").arg(page);
        tabs->setTabText(sheetIndex(tabs, sheets[page], page), LookupText(section, key));
    }
}

void retextWizardControl(QWidget* control, const QString& section) {
    if (isClass(control, kLabelClass)) {
        setCaption(control, LookupText(section, control->objectName()));
    } else if (control->objectName() == QLatin1String("TntListView_T6")) {
        retextColumns(control, section);
    } else if (control->objectName() == QLatin1String("TntPageControl_T12")) {
        retextPages(control, section);
    } else if (isClass(control, kButtonClass)) {
        setCaption(control, LookupText(section, control->objectName()));
        setButtonFace(control);
    }
}

struct Retexting {
    bool labels;
    bool buttons;
    bool buttonFace;
};

// Re-texts a window's TTntLabel and TTntButton controls by their names.
void retextWindow(QWidget* window, const QString& section, Retexting what) {
    if (!window) {
        return;
    }
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (what.labels && isClass(control, kLabelClass)) {
            setCaption(control, LookupText(section, control->objectName()));
        } else if (what.buttons && isClass(control, kButtonClass)) {
            setCaption(control, LookupText(section, control->objectName()));
            if (what.buttonFace) {
                setButtonFace(control);
            }
        }
    }
}

void retextWizard(QWidget* wizard, const QString& section) {
    if (wizard) {
        // findChildren lists the window's controls depth first, in creation order.
        for (QWidget* control : wizard->findChildren<QWidget*>()) {
            retextWizardControl(control, section);
        }
    }
}

void retextWaiting(QWidget* waiting, const QString& section) {
    if (waiting) {
        if (auto* wait = waiting->findChild<QLabel*>(QStringLiteral("TntLabel_Wait"))) {
            wait->setText(LookupText(section, QStringLiteral("Search")));
        }
    }
}

void setHint(QWidget* target, const QString& section, const QString& key) {
    if (target) {
        target->setToolTip(LookupText(section, key));
    }
}

// Of the main window's own texts only the two hints and the tray item follow the language;
// its other captions are fixed design texts, and the selector names each language in itself.
void retextMainWindow(const LanguageWindows& windows, const QString& section) {
    setHint(windows.searchImage, section, QStringLiteral("Image_Search_Camera_Hint"));
    setHint(windows.setImage, section, QStringLiteral("Image_Config_Hint"));
    if (windows.trayCloseItem) {
        // A language without the key keeps the design text: a blank item would hide the way
        // to quit from the tray.
        const QString close = LookupText(section, QStringLiteral("Main_TntPopupMenu_MenuItem0"));
        if (!close.isEmpty()) {
            windows.trayCloseItem->setText(close);
        }
    }
}

} // namespace

QString buttonFaceName() {
    return QStringLiteral("新細明體");
}

LanguageState::LanguageState(LanguageWindows windows) : windows_(std::move(windows)) {}

void LanguageState::setWindows(const LanguageWindows& windows) {
    windows_ = windows;
}

void LanguageState::setCameraListRepaint(std::function<void()> repaint) {
    repaintCameraList_ = std::move(repaint);
}

void LanguageState::TntComboBox_LangChange(int position) {
    const QString key = QStringLiteral("Section%1").arg(position + 1);
    languageSection_ = cutSectionName(LookupText(QStringLiteral("Language_List"), key));
    wizardLanguageSection_ = languageSection_;
    ApplyLanguage(languageSection_);
    if (repaintCameraList_) {
        repaintCameraList_();
    }
}

void LanguageState::ApplyLanguage(const QString& section) {
    retextWizard(windows_.wizard, section);
    retextWaiting(windows_.waiting, section);
    if (languageApplied_) {
        retextWindow(windows_.login, section,
                     {.labels = true, .buttons = true, .buttonFace = true});
        retextWindow(windows_.messageBox, section,
                     {.labels = false, .buttons = true, .buttonFace = false});
        retextWindow(windows_.messageDialog, section,
                     {.labels = false, .buttons = true, .buttonFace = true});
    } else {
        languageApplied_ = true; // the first application keeps these windows' design texts
    }
    retextMainWindow(windows_, section);
}

} // namespace vistrel
