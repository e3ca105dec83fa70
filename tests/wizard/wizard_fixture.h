#pragma once
// A fresh wizard window for each test, and its controls found by component name.

#include "wizard/form_wizard.h"

#include <QString>
#include <memory>

namespace vistrel::wizard_test {

struct WizardFixture {
    std::unique_ptr<TForm_Wizard> wizard;

    void createWizard() { wizard = std::make_unique<TForm_Wizard>(); }
    void destroyWizard() { wizard.reset(); }

    template <typename T = QWidget> T* control(const QString& name) const {
        return wizard->findChild<T*>(name);
    }
};

} // namespace vistrel::wizard_test
