// SPDX-License-Identifier: MIT
#include "app/StartupProbe.h"
#include "platform/FontWarmUp.h"
#include "platform/WindowState.h"
#include "VelmoraConfig.h"
#include "window/QtTranslations.h"
#include "window/SignatureWindow.h"
#include "window/SongFont.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[])
{
    // Connecting to the display and loading the font configuration overlap.
    const std::unique_ptr<FontWarmUp> fontWarmUp = startFontWarmUp();
    QApplication application(argc, argv);
    // Lets Wayland compositors match the window to its desktop entry and icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(VelmoraConfig::appId));
    installQtTranslations(QLocale::system());
    fontWarmUp->wait();
    // Text controls lay their text out once in the application's font before
    // taking the window's; in any other face that would load faces never shown.
    QApplication::setFont(windowFont(FontFallbacks::Deferred));
    SignatureWindow window(systemAdapters());
    QObject::connect(&window, &SignatureWindow::firstFrameShown,
                     [] { QApplication::setFont(windowFont(FontFallbacks::Allowed)); });
    window.setWindowState(initialWindowState());
    window.show();
    watchFirstPaint(&window);
    return application.exec();
}
