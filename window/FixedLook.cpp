// SPDX-License-Identifier: MIT
#include "window/FixedLook.h"

#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <array>

namespace {

struct PaletteRow
{
    QPalette::ColorRole role;
    QRgb enabled; // active and inactive alike
    QRgb disabled;
};

constexpr std::array<PaletteRow, 20> paletteRows{{
    {QPalette::WindowText, 0xFF000000, 0xFFBEBEBE},
    {QPalette::Button, 0xFFEFEFEF, 0xFFEFEFEF},
    {QPalette::Light, 0xFFFFFFFF, 0xFFFFFFFF},
    {QPalette::Midlight, 0xFFCACACA, 0xFFCACACA},
    {QPalette::Dark, 0xFF9F9F9F, 0xFFBEBEBE},
    {QPalette::Mid, 0xFFB8B8B8, 0xFFB8B8B8},
    {QPalette::Text, 0xFF000000, 0xFFBEBEBE},
    {QPalette::BrightText, 0xFFFFFFFF, 0xFFFFFFFF},
    {QPalette::ButtonText, 0xFF000000, 0xFFBEBEBE},
    {QPalette::Base, 0xFFFFFFFF, 0xFFEFEFEF},
    {QPalette::Window, 0xFFEFEFEF, 0xFFEFEFEF},
    {QPalette::Shadow, 0xFF767676, 0xFFB1B1B1},
    {QPalette::Highlight, 0xFF308CC6, 0xFF919191},
    {QPalette::HighlightedText, 0xFFFFFFFF, 0xFFFFFFFF},
    {QPalette::Link, 0xFF0000FF, 0xFF0000FF},
    {QPalette::LinkVisited, 0xFFFF00FF, 0xFFFF00FF},
    {QPalette::AlternateBase, 0xFFF7F7F7, 0xFFF7F7F7},
    {QPalette::ToolTipBase, 0xFFFFFFDC, 0xFFFFFFDC},
    {QPalette::ToolTipText, 0xFF000000, 0xFF000000},
    {QPalette::PlaceholderText, 0x80000000, 0x80000000},
}};

} // namespace

namespace FixedLook {

QPalette palette()
{
    QPalette palette;
    for (const PaletteRow &row : paletteRows) {
        const QColor enabled = QColor::fromRgba(row.enabled);
        palette.setColor(QPalette::Active, row.role, enabled);
        palette.setColor(QPalette::Inactive, row.role, enabled);
        palette.setColor(QPalette::Disabled, row.role, QColor::fromRgba(row.disabled));
    }
    return palette;
}

void giveOwnStyle(QWidget *window)
{
    // Fusion is built into Qt Widgets and draws the same on every platform.
    QStyle *style = QStyleFactory::create(QStringLiteral("Fusion"));
    if (!style)
        return;
    // Made after the controls, the style is deleted after them too.
    style->setParent(window);
    window->setStyle(style);
    for (QWidget *widget : window->findChildren<QWidget *>())
        widget->setStyle(style);
}

} // namespace FixedLook
