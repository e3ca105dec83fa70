#pragma once
// The set-up wizard window: twelve pages of which one shows at a time, switched only by code.
// It is created once and lives as long as the program; closing it only hides it.

#include "wizard/wizard_controls.h"
#include "wizard/wizard_state.h"

#include <QWidget>
#include <array>
#include <functional>
#include <string>

class QStackedWidget;

namespace vistrel {

class TForm_Wizard : public QWidget {
    Q_OBJECT

public:
    static constexpr int kPageCount = 12;

    explicit TForm_Wizard(QWidget* parent = nullptr);

    // Shows page n (1 … 12) alone and sets the caption "Admin"; any other n hides every page
    // and leaves the caption. Page 5 gets the selected camera's name and empty passwords,
    // page 12 the camera's name. The window itself is neither shown nor hidden.
    void ShowPage(int n);

    // The page the last ShowPage made visible, 0 when none; whether or not the window shows.
    int shownPage() const;

    // The page widget TabSheet<n>, n = 1 … 12.
    QWidget* page(int n) const;

    // Keeps the window above the others from now on; a shown window stays shown.
    void setStayOnTop();

    // Where ShowPage reads the selected camera's name (8-bit text).
    void setCameraNameSource(std::function<std::string()> source);

    WizardState& state() { return state_; }
    const WizardState& state() const { return state_; }
    WizardPages& pages() { return pages_; }
    const WizardPages& pages() const { return pages_; }

private:
    void buildPages();
    void loadBackgrounds();

    QStackedWidget* pageControl_ = nullptr;
    std::array<QWidget*, kPageCount> tabSheets_{};
    std::array<QLabel*, kPageCount> backgrounds_{};
    WizardPages pages_;
    WizardState state_;
    std::function<std::string()> cameraName_;
};

} // namespace vistrel
