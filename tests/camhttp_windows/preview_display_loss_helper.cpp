// Shows the live preview of an endless scripted picture stream on the display that DISPLAY
// names, prints "showing" once the first picture is on the screen, and runs until the display
// goes away. preview_display_loss_test kills the display under it.

#include "camhttp/windows/form_preview.h"
#include "support/jpeg_fixtures.h"
#include "support/scripted_picture_source.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    using namespace vistrel;
    QApplication app(argc, argv);
    auto script = std::make_shared<test::PictureSourceScript>();
    script->addPicture(test::encodeJpeg(test::noisyScene(640, 480, 1)));
    script->then = test::PictureSourceScript::Then::SamePictureAgain;
    TForm_Preview preview;
    preview.setPictureSourceFactory(
        [script] { return std::make_unique<test::ScriptedPictureSource>(script); });
    preview.setStreamTargetSource([] { return StreamTarget{"127.0.0.2", 80, {}}; });
    bool announced = false;
    QObject::connect(&preview, &TForm_Preview::pictureShown, &preview, [&announced] {
        if (!announced) {
            announced = true;
            std::puts("showing");
            std::fflush(stdout);
        }
    });
    preview.show();
    preview.Start_View();
    return app.exec();
}
