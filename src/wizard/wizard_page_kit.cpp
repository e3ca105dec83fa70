#include "wizard/wizard_page_kit.h"

#include "ui/skin_pictures.h"

#include <QFont>
#include <QLineEdit>
#include <QPalette>
#include <QRadioButton>

namespace vistrel::wizard_kit {
namespace {

constexpr int kEditWidth = 145;
constexpr int kEditHeight = 28;
constexpr int kValueWidth = 220;
constexpr int kAccountEditWidth = 220;
constexpr int kAdvancedWidth = 105;
constexpr int kRadioSize = 20;
constexpr int kRadioCaptionGap = 2;
constexpr int kRadioCaptionWidth = 110;

const std::array<QString, 4> kAddressKeys = {QStringLiteral("IP"), QStringLiteral("Subnet"),
                                             QStringLiteral("Gateway"), QStringLiteral("DNS")};
const std::array<QString, 4> kAddressCaptions = {QStringLiteral("IP Address"),
                                                 QStringLiteral("Subnet Mask"),
                                                 QStringLiteral("Gateway"), QStringLiteral("DNS")};

// Line heights leave room for descenders under each text size.
int lineHeight(int pixelSize) {
    return pixelSize + pixelSize / 2;
}

void styleText(QLabel* label, int pixelSize, Weight weight, Qt::Alignment alignment) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setBold(weight == Weight::Bold);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    label->setAlignment(alignment);
}

// Labels show their text as it stands: camera names, addresses and network names come from
// anyone on the LAN, and markup in them must not be rendered.
template <typename Label>
Label* makeText(QWidget* parent, const QString& name, const QString& text, QRect geometry) {
    auto* label = new Label(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    return label;
}

TTntButton* makeButton(QWidget* parent, const QString& name, const QString& text, QRect geometry) {
    auto* button = new TTntButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

QString addressName(const QString& prefix, int row, const QString& suffix) {
    return prefix + kAddressKeys[static_cast<std::size_t>(row)] + suffix;
}

QPoint row(QPoint first, int index, int pitch) {
    return first + QPoint(0, index * pitch);
}

} // namespace

void fillWithWindowGrey(QWidget* widget) {
    QPalette grey = widget->palette();
    grey.setColor(QPalette::Window, QColor(132, 132, 132));
    widget->setPalette(grey);
    widget->setAutoFillBackground(true);
}

TTntLabel* addLine(QWidget* parent, const QString& name, const QString& text, int x, int y,
                   int width, int pixelSize, Weight weight) {
    auto* label = makeText<TTntLabel>(parent, name, text, {x, y, width, lineHeight(pixelSize)});
    styleText(label, pixelSize, weight, Qt::AlignCenter);
    return label;
}

TTntLabel* addFullWidthLine(QWidget* parent, const QString& name, const QString& text, int y,
                            int pixelSize, Weight weight) {
    return addLine(parent, name, text, 0, y, kPageWidth, pixelSize, weight);
}

QLabel* addCountdown(QWidget* parent, const QString& name, const QString& text, int x, int y,
                     int width) {
    auto* label = makeText<QLabel>(parent, name, text, {x, y, width, lineHeight(kResultText)});
    styleText(label, kResultText, Weight::Normal, Qt::AlignCenter);
    return label;
}

TTntLabel* addCaption(QWidget* parent, const QString& name, const QString& text, QPoint at,
                      int width) {
    auto* label = makeText<TTntLabel>(parent, name, text, {at, QSize(width, kEditHeight)});
    styleText(label, kCaptionText, Weight::Normal, Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QLabel* addText(QWidget* parent, const QString& name, QRect geometry) {
    auto* label = makeText<QLabel>(parent, name, QString(), geometry);
    styleText(label, kCaptionText, Weight::Normal, Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QLineEdit* addEdit(QWidget* parent, const QString& name, QRect geometry) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    return edit;
}

TTntButton* addButton(QWidget* parent, const QString& name, const QString& text, QPoint at) {
    return makeButton(parent, name, text, {at, QSize(kButtonWidth, kButtonHeight)});
}

TTntButton* addAdvancedButton(QWidget* parent, const QString& name, QPoint at) {
    return makeButton(parent, name, QStringLiteral("Advanced"),
                      {at, QSize(kAdvancedWidth, kButtonHeight)});
}

QLabel* addPicture(QWidget* parent, const QString& name, const QString& fileName, QRect geometry) {
    auto* picture = makeText<QLabel>(parent, name, QString(), geometry);
    picture->setPixmap(loadSkinPicture(fileName));
    return picture;
}

QLabel* addBackground(QWidget* parent, const QString& name, QRect geometry) {
    auto* background = makeText<QLabel>(parent, name, QString(), geometry);
    background->setScaledContents(true);
    return background;
}

AddressCaptions addAddressCaptions(QWidget* parent, const QString& page, QPoint firstRow,
                                   int pitch) {
    AddressCaptions captions{};
    const QString prefix = QStringLiteral("TntLabel_%1_").arg(page);
    for (int i = 0; i < 4; ++i) {
        captions[static_cast<std::size_t>(i)] =
            addCaption(parent, addressName(prefix, i, {}),
                       kAddressCaptions[static_cast<std::size_t>(i)], row(firstRow, i, pitch));
    }
    return captions;
}

AddressEdits addAddressEdits(QWidget* parent, const QString& page, QPoint firstRow, int pitch) {
    AddressEdits edits{};
    const QString prefix = QStringLiteral("Edit_%1_").arg(page);
    for (int i = 0; i < 4; ++i) {
        edits[static_cast<std::size_t>(i)] =
            addEdit(parent, addressName(prefix, i, {}),
                    {row(firstRow, i, pitch), QSize(kEditWidth, kEditHeight)});
    }
    return edits;
}

AddressValues addAddressValues(QWidget* parent, const QString& prefix, const QString& suffix,
                               QPoint firstRow, int pitch) {
    AddressValues values{};
    for (int i = 0; i < 4; ++i) {
        QLabel* value = addText(parent, addressName(prefix, i, suffix),
                                {row(firstRow, i, pitch), QSize(kValueWidth, kEditHeight)});
        value->hide();
        values[static_cast<std::size_t>(i)] = value;
    }
    return values;
}

RadioPair addRadioPair(QWidget* parent, const QString& page, QPoint dhcpAt, QPoint staticAt) {
    const auto radio = [parent](const QString& name, QPoint at) {
        auto* button = new QRadioButton(parent);
        button->setObjectName(name);
        button->setGeometry({at, QSize(kRadioSize, kEditHeight)});
        return button;
    };
    const auto caption = [parent](const QString& name, const QString& text, QPoint at) {
        return addCaption(parent, name, text, at + QPoint(kRadioSize + kRadioCaptionGap, 0),
                          kRadioCaptionWidth);
    };
    RadioPair pair;
    pair.dhcp = radio(QStringLiteral("RadioButton_%1_DHCP").arg(page), dhcpAt);
    pair.staticIp = radio(QStringLiteral("RadioButton_%1_IP").arg(page), staticAt);
    pair.dhcpCaption =
        caption(QStringLiteral("TntLabel_%1_1").arg(page), QStringLiteral("DHCP"), dhcpAt);
    pair.staticCaption =
        caption(QStringLiteral("TntLabel_%1_2").arg(page), QStringLiteral("Static IP"), staticAt);
    pair.staticIp->setChecked(true);
    return pair;
}

AccountRows addAccountRows(QWidget* parent, const QString& page, QPoint firstRow, int pitch) {
    const auto edit = [&](const QString& key, int index) {
        auto* line = addEdit(parent, QStringLiteral("Edit_%1_%2").arg(page, key),
                             {row(firstRow, index, pitch) + QPoint(kEditX - kCaptionX, 0),
                              QSize(kAccountEditWidth, kEditHeight)});
        line->setMaxLength(64);
        return line;
    };
    const auto caption = [&](const QString& key, const QString& text, int index) {
        return addCaption(parent, QStringLiteral("TntLabel_%1_%2").arg(page, key), text,
                          row(firstRow, index, pitch));
    };
    AccountRows rows;
    rows.nameCaption = caption(QStringLiteral("Name"), QStringLiteral("Camera Name"), 0);
    rows.passwordCaption = caption(QStringLiteral("Pwd"), QStringLiteral("Password"), 1);
    rows.confirmCaption = caption(QStringLiteral("Confirm"), QStringLiteral("Confirm"), 2);
    rows.name = edit(QStringLiteral("Name"), 0);
    rows.password = edit(QStringLiteral("Pwd"), 1);
    rows.confirm = edit(QStringLiteral("Confirm"), 2);
    rows.password->setEchoMode(QLineEdit::Password);
    rows.confirm->setEchoMode(QLineEdit::Password);
    return rows;
}

} // namespace vistrel::wizard_kit
