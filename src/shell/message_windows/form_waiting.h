#pragma once
// The waiting window: a frameless "Searching..." note that the wizard shows, not modally, while
// a camera looks for wireless networks. It has no operations of its own.

#include "ui/tnt_widgets.h"

#include <QWidget>

namespace vistrel {

class TForm_Waiting : public QWidget {
    Q_OBJECT

public:
    static constexpr QSize kClientSize{200, 100};
    static constexpr QPoint kScreenPosition{637, 491};

    explicit TForm_Waiting(QWidget* parent = nullptr);

private:
    TTntLabel* TntLabel_Wait;
};

} // namespace vistrel
