// SPDX-License-Identifier: MIT
// A second yardstick for start-up: the bare window with one label of Chinese
// text in the default font, the least any window showing Chinese pays for
// fonts (fontconfig's configuration, a font list, a fallback face).
#include "app/FirstPaintProbe.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(541, 398);
    auto *label = new QLabel(QStringLiteral(u"签名将显示在这里，请点击获取签名"), &window);
    label->move(36, 68);
    window.show();
    new FirstPaintProbe(&window);
    return application.exec();
}
