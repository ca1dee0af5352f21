// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>
#include <QKeySequence>

// A transparent, caption-less click area laid over a painted button.
// It is a button to the accessibility tree, named after its painted caption.
class HotSpot final : public QAbstractButton
{
    Q_OBJECT

public:
    // A hot-spot whose accessible name is the caption painted under it; the
    // key clicks it from anywhere in the window.
    HotSpot(const QString &accessibleCaption, const QKeySequence &key, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};
