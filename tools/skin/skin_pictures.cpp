#include "skin_pictures.h"

#include "button_pictures.h"
#include "card_pictures.h"
#include "illustrations.h"
#include "logo_mark.h"
#include "window_pictures.h"

namespace vistrel::skin {
namespace {

void addButton(std::vector<NamedPicture>& pictures, const QString& name,
               const ButtonPictures& button) {
    pictures.push_back({name + QStringLiteral("-1.bmp"), button.hover});
    pictures.push_back({name + QStringLiteral("-2.bmp"), button.normal});
}

void addWindowPictures(std::vector<NamedPicture>& pictures, const QImage& background,
                       const QImage& wizard, int scale) {
    pictures.push_back({QStringLiteral("bg.bmp"), background});
    addButton(pictures, QStringLiteral("search"), searchButton(background));
    addButton(pictures, QStringLiteral("setting"), settingsButton(background));
    addButton(pictures, QStringLiteral("min"), minimizeButton(background));
    addButton(pictures, QStringLiteral("close"), closeButton(background));
    pictures.push_back({QStringLiteral("729-x-429.bmp"), wizard});
    pictures.push_back({QStringLiteral("message-bg.bmp"), messageBackground(scale)});
    pictures.push_back({QStringLiteral("waiting-bg.bmp"), waitingBackground(scale)});
    pictures.push_back({QStringLiteral("login-bg.bmp"), loginBackground(scale)});
}

void addCardPictures(std::vector<NamedPicture>& pictures, int scale) {
    const QImage card = cardBackground(scale);
    pictures.push_back({QStringLiteral("bk.bmp"), card});
    for (int state = 1; state <= 5; ++state) {
        pictures.push_back({QStringLiteral("state-%1.bmp").arg(state), statePicture(state, card)});
    }
    for (int view = 1; view <= 2; ++view) {
        pictures.push_back({QStringLiteral("view-%1.bmp").arg(view), viewPicture(view, card)});
    }
}

void addWizardPictures(std::vector<NamedPicture>& pictures, const QImage& wizard, int scale) {
    pictures.push_back({QStringLiteral("wizard-unplug.bmp"), unplugPicture(scale)});
    pictures.push_back({QStringLiteral("wizard-replug.bmp"), replugPicture(scale)});
    pictures.push_back({QStringLiteral("wizard-wps.bmp"), wpsPicture(scale)});
    pictures.push_back({QStringLiteral("wps-button.bmp"), wpsButton(wizard)});
}

// "bg.bmp" becomes "bg@2x.bmp" at scale 2.
void nameForScale(std::vector<NamedPicture>& pictures, int scale) {
    if (scale == 1) {
        return;
    }
    for (NamedPicture& picture : pictures) {
        const qsizetype dot = picture.fileName.lastIndexOf(QLatin1Char('.'));
        picture.fileName.insert(dot, QStringLiteral("@%1x").arg(scale));
    }
}

} // namespace

std::vector<NamedPicture> skinPictures(int scale) {
    std::vector<NamedPicture> pictures;
    const QImage wizard = wizardBackground(scale);
    addWindowPictures(pictures, mainBackground(scale), wizard, scale);
    addCardPictures(pictures, scale);
    addWizardPictures(pictures, wizard, scale);
    nameForScale(pictures, scale);
    return pictures;
}

std::vector<NamedPicture> iconPictures() {
    std::vector<NamedPicture> icons;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        icons.push_back({QStringLiteral("vistrel-finder-%1.png").arg(size), logoIcon(size)});
    }
    return icons;
}

QImage findPicture(const std::vector<NamedPicture>& pictures, const QString& fileName) {
    for (const NamedPicture& picture : pictures) {
        if (picture.fileName == fileName) {
            return picture.image;
        }
    }
    return {};
}

} // namespace vistrel::skin
