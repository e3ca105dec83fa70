#pragma once
// The current language and the re-texting of the windows when the user picks one.

#include <QAction>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

namespace vistrel {

// Section names longer than this are cut to it (the current-language state holds no more).
inline constexpr qsizetype kMaxSectionNameLength = 127;

// The typeface the language file's texts were designed with; every re-texted TTntButton of
// the wizard, the login dialog and the message dialog gets it. Systems without it fall back.
QString buttonFaceName();

// The windows and controls that a language change re-texts. Any of them may be missing.
struct LanguageWindows {
    QPointer<QWidget> wizard;        // TForm_Wizard
    QPointer<QWidget> waiting;       // TForm_Waiting
    QPointer<QWidget> login;         // TForm_Login
    QPointer<QWidget> messageBox;    // TMessage_Box_Wchar
    QPointer<QWidget> messageDialog; // TMessage_Dialog_Wchar
    QPointer<QWidget> searchImage;   // TntImage_Search of the main window: its tool tip
    QPointer<QWidget> setImage;      // TntImage_Set of the main window: its tool tip
    QPointer<QAction> trayCloseItem; // the tray menu's close item
};

// Process-wide language state, owned by the main window. GUI thread only.
class LanguageState {
public:
    explicit LanguageState(LanguageWindows windows = {});

    void setWindows(const LanguageWindows& windows);

    // Runs after every language change so that the camera list draws its labels anew.
    void setCameraListRepaint(std::function<void()> repaint);

    // The current language's section: null until a language is applied.
    const QString& languageSection() const { return languageSection_; }

    // The wizard's section: "English" until the first language change.
    const QString& wizardLanguageSection() const { return wizardLanguageSection_; }

    // Whether a language has been applied; the first application leaves the login dialog and
    // the message windows with their design texts.
    bool languageApplied() const { return languageApplied_; }

    // The selector's change handler: applies the language at selector position `position`.
    void TntComboBox_LangChange(int position);

    // Re-texts the windows from `section`. A missing key blanks its caption.
    void ApplyLanguage(const QString& section);

    // The key of every caption, column, tab and hint that ApplyLanguage sets in the windows,
    // the dialogs included, in the order it sets them.
    QStringList captionKeys() const;

private:
    LanguageWindows windows_;
    std::function<void()> repaintCameraList_;
    QString languageSection_;
    QString wizardLanguageSection_ = QStringLiteral("English");
    bool languageApplied_ = false;
};

} // namespace vistrel
