// SPDX-License-Identifier: MIT
#include "window/HotSpot.h"

HotSpot::HotSpot(const QString &accessibleCaption, const QKeySequence &key, QWidget *parent)
    : QAbstractButton(parent)
{
    // Focus stays in the text controls, as it does when the painted button is clicked.
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(accessibleCaption);
    setShortcut(key);
    setAccessibleDescription(QStringLiteral(u"快捷键 ") + key.toString(QKeySequence::PortableText));
}

void HotSpot::paintEvent(QPaintEvent *)
{
    // The button is painted on the window's background picture.
}
