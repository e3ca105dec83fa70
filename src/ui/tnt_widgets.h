#pragma once
// The two control classes whose captions come from the language file: a label and a push
// button. Re-texting finds them by class name, so plain QLabel and QPushButton controls keep
// their design texts.

#include <QLabel>
#include <QPushButton>

namespace vistrel {

class TTntLabel : public QLabel {
    Q_OBJECT

public:
    explicit TTntLabel(const QString& designText = {}, QWidget* parent = nullptr)
        : QLabel(designText, parent) {}
};

class TTntButton : public QPushButton {
    Q_OBJECT

public:
    explicit TTntButton(const QString& designText = {}, QWidget* parent = nullptr)
        : QPushButton(designText, parent) {}
};

} // namespace vistrel
