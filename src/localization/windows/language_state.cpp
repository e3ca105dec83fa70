#include "localization/windows/language_state.h"

#include "localization/language_keys.h"
#include "localization/windows/localization.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <string_view>
#include <utility>
#include <vector>

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

// One text that a language change puts into a window: the key it is looked up by and where it
// goes. Applying a language and listing its keys walk the same list, so they cannot disagree.
struct Caption {
    QString key;
    std::function<void(const QString&)> put;
};
using Captions = std::vector<Caption>;

QString keyName(std::string_view key) {
    return QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size()));
}

void addControlCaption(Captions& captions, QWidget* control, bool buttonFace) {
    captions.push_back({control->objectName(), [control, buttonFace](const QString& text) {
                            setCaption(control, text);
                            if (buttonFace) {
                                setButtonFace(control);
                            }
                        }});
}

// The four column headers of the site-survey list: "<name>.Columns[n]".
void addColumnCaptions(Captions& captions, QWidget* view) {
    for (int column = 0; column < 4; ++column) {
        captions.push_back(
            {view->objectName() + QStringLiteral(".Columns[%1]").arg(column),
             [view, column](const QString& text) { setColumnCaption(view, column, text); }});
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
void addPageCaptions(Captions& captions, QWidget* control) {
    auto* tabs = qobject_cast<QTabWidget*>(control);
    if (!tabs) {
        return;
    }
    const QString sheets[] = {QStringLiteral("TntTabSheet_T12_LAN"),
                              QStringLiteral("TntTabSheet_T12_Name")};
    for (int page = 0; page < 2; ++page) {
        const QString sheet = sheets[page];
        captions.push_back({tabs->objectName() + QStringLiteral(".Pages[%1]").arg(page),
                            [tabs, sheet, page](const QString& text) {
                                tabs->setTabText(sheetIndex(tabs, sheet, page), text);
                            }});
    }
}

void addWizardControlCaptions(Captions& captions, QWidget* control) {
    if (isClass(control, kLabelClass)) {
        addControlCaption(captions, control, false);
    } else if (control->objectName() == QLatin1String("TntListView_T6")) {
        addColumnCaptions(captions, control);
    } else if (control->objectName() == QLatin1String("TntPageControl_T12")) {
        addPageCaptions(captions, control);
    } else if (isClass(control, kButtonClass)) {
        addControlCaption(captions, control, true);
    }
}

void addWizardCaptions(Captions& captions, QWidget* wizard) {
    if (wizard) {
        // findChildren lists the window's controls depth first, in creation order.
        for (QWidget* control : wizard->findChildren<QWidget*>()) {
            addWizardControlCaptions(captions, control);
        }
    }
}

void addWaitingCaption(Captions& captions, QWidget* waiting) {
    if (waiting) {
        if (auto* wait = waiting->findChild<QLabel*>(QStringLiteral("TntLabel_Wait"))) {
            captions.push_back({keyName(language_keys::kSearching),
                                [wait](const QString& text) { wait->setText(text); }});
        }
    }
}

struct Retexting {
    bool labels;
    bool buttons;
    bool buttonFace;
};

// A dialog's TTntLabel and TTntButton controls, by their names.
void addDialogCaptions(Captions& captions, QWidget* window, Retexting what) {
    if (!window) {
        return;
    }
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (what.labels && isClass(control, kLabelClass)) {
            addControlCaption(captions, control, false);
        } else if (what.buttons && isClass(control, kButtonClass)) {
            addControlCaption(captions, control, what.buttonFace);
        }
    }
}

void addDialogsCaptions(Captions& captions, const LanguageWindows& windows) {
    addDialogCaptions(captions, windows.login,
                      {.labels = true, .buttons = true, .buttonFace = true});
    addDialogCaptions(captions, windows.messageBox,
                      {.labels = false, .buttons = true, .buttonFace = false});
    addDialogCaptions(captions, windows.messageDialog,
                      {.labels = false, .buttons = true, .buttonFace = true});
}

void addHint(Captions& captions, QWidget* target, std::string_view key) {
    if (target) {
        captions.push_back(
            {keyName(key), [target](const QString& text) { target->setToolTip(text); }});
    }
}

// Of the main window's own texts only the two hints and the tray item follow the language;
// its other captions are fixed design texts, and the selector names each language in itself.
void addMainWindowCaptions(Captions& captions, const LanguageWindows& windows) {
    addHint(captions, windows.searchImage, language_keys::kSearchHint);
    addHint(captions, windows.setImage, language_keys::kConfigHint);
    if (QAction* close = windows.trayCloseItem) {
        // A language without the key keeps the design text: a blank item would hide the way
        // to quit from the tray.
        captions.push_back({keyName(language_keys::kTrayClose), [close](const QString& text) {
                                if (!text.isEmpty()) {
                                    close->setText(text);
                                }
                            }});
    }
}

void putTexts(const Captions& captions, const QString& section) {
    for (const Caption& caption : captions) {
        caption.put(LookupText(section, caption.key));
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
    Captions secondary;
    addWizardCaptions(secondary, windows_.wizard);
    addWaitingCaption(secondary, windows_.waiting);
    if (languageApplied_) {
        addDialogsCaptions(secondary, windows_);
    } else {
        languageApplied_ = true; // the first application keeps the dialogs' design texts
    }
    addMainWindowCaptions(secondary, windows_);
    putTexts(secondary, section);
}

QStringList LanguageState::captionKeys() const {
    Captions captions;
    addWizardCaptions(captions, windows_.wizard);
    addWaitingCaption(captions, windows_.waiting);
    addDialogsCaptions(captions, windows_);
    addMainWindowCaptions(captions, windows_);
    QStringList keys;
    for (const Caption& caption : captions) {
        keys.append(caption.key);
    }
    return keys;
}

} // namespace vistrel
