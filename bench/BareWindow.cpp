// SPDX-License-Identifier: MIT
// The yardstick for start-up: a bare Qt program showing one empty window
// of Velmora's size, timed by the same first-paint probe.
#include "app/FirstPaintProbe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(541, 398);
    window.show();
    new FirstPaintProbe(&window);
    return application.exec();
}
