// SPDX-License-Identifier: MIT
#include "window/HotSpot.h"

HotSpot::HotSpot(const QString &accessibleCaption, QWidget *parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(accessibleCaption);
}

void HotSpot::paintEvent(QPaintEvent *)
{
    // The button is painted on the window's background picture.
}
