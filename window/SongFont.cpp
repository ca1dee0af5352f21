// SPDX-License-Identifier: MIT
#include "window/SongFont.h"

#include "layout/WindowLayout.h"

#include <QGuiApplication>

QFont windowFont(FontFallbacks fallbacks)
{
    return songFont(WindowLayout::stripFontPixels, fallbacks);
}

QFont songFont(int pixels, FontFallbacks fallbacks)
{
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral(u"宋体"),
                      QStringLiteral("WenQuanYi Zen Hei Sharp"), QStringLiteral("AR PL UMing CN")});
    font.setPixelSize(pixels);
    // Crisp bitmap-like strokes at 1x; on HiDPI screens smoothing looks better.
    QFont::StyleStrategy strategy =
        qGuiApp->devicePixelRatio() <= 1.0 ? QFont::NoAntialias : QFont::PreferDefault;
    if (fallbacks == FontFallbacks::Deferred)
        strategy = QFont::StyleStrategy(strategy | QFont::NoFontMerging);
    font.setStyleStrategy(strategy);
    return font;
}
