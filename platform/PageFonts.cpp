// SPDX-License-Identifier: MIT
#include "platform/FontWarmUp.h"

#include "VelmoraConfig.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHash>

#include <emscripten/bind.h>

namespace {

// A browser lends a page none of the system's fonts: the page puts the
// program's own faces into its file system, some before the program starts,
// fuller ones once the window shows, removing those they replace. Each file
// is registered once and given up when it is gone. A fuller face comes under
// a name of its own: the font engine keeps faces by their file's name.
void registerPageFonts()
{
    static QHash<QString, int> registered;
    for (auto it = registered.begin(); it != registered.end();) {
        if (QFileInfo::exists(it.key())) {
            ++it;
            continue;
        }
        QFontDatabase::removeApplicationFont(it.value());
        it = registered.erase(it);
    }
    const QDir folder(QString::fromUtf8(VelmoraConfig::pageFontDir));
    const QStringList names = folder.entryList({QStringLiteral("*.ttf")}, QDir::Files, QDir::Name);
    for (const QString &name : names) {
        const QString path = folder.filePath(name);
        if (!registered.contains(path))
            registered.insert(path, QFontDatabase::addApplicationFont(path));
    }
}

class PageFonts final : public FontWarmUp
{
public:
    void wait() override { registerPageFonts(); }
};

} // namespace

// The page tells the program when it has handed over fuller faces.
EMSCRIPTEN_BINDINGS(velmora_page_fonts)
{
    emscripten::function("velmoraFontsChanged", &registerPageFonts);
}

std::unique_ptr<FontWarmUp> startFontWarmUp()
{
    return std::make_unique<PageFonts>();
}
