// SPDX-License-Identifier: MIT
#include "platform/FontWarmUp.h"

#include "VelmoraConfig.h"

#include <QDir>
#include <QFontDatabase>

namespace {

// A browser lends a page none of the system's fonts: the page puts the
// program's own faces into its file system before the program starts, and
// they are registered here before any text is laid out.
class PageFonts final : public FontWarmUp
{
public:
    void wait() override
    {
        if (m_registered)
            return;
        m_registered = true;
        const QDir folder(QString::fromUtf8(VelmoraConfig::pageFontDir));
        for (const QString &name :
             folder.entryList({QStringLiteral("*.ttf")}, QDir::Files, QDir::Name))
            QFontDatabase::addApplicationFont(folder.filePath(name));
    }

private:
    bool m_registered = false;
};

} // namespace

std::unique_ptr<FontWarmUp> startFontWarmUp()
{
    return std::make_unique<PageFonts>();
}
