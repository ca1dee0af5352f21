#include "app/Form1.h"
#include "platform/FontWarmUp.h"

#include <QApplication>

#ifdef VELMORA_BENCH_FIRST_PAINT
#include "app/FirstPaintProbe.h"
#endif

int main(int argc, char *argv[])
{
    // Connecting to the display and loading the font configuration overlap.
    const std::unique_ptr<FontWarmUp> fontWarmUp = startFontWarmUp();
    QApplication application(argc, argv);
    // Lets Wayland compositors match the window to its desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(VELMORA_APP_ID));
    fontWarmUp->wait();
    Form1 form(systemAdapters());
    form.show();
#ifdef VELMORA_BENCH_FIRST_PAINT
    new FirstPaintProbe(&form);
#endif
    return application.exec();
}
