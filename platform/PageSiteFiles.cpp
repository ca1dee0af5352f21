// SPDX-License-Identifier: MIT
#include "platform/SiteFiles.h"

#include <emscripten.h>

namespace {

// The page lists the site's files by their place in the program's file
// system (Module.velmoraSiteFiles: place to address). A file that has not
// arrived is fetched at once, synchronously: the command that needs it runs
// on, as a click's command must finish before the next event. A failed
// fetch leaves the file missing, which its reader reports.
// clang-format off
EM_JS(void, velmoraEnsureSiteFile, (const char *place), {
    const path = UTF8ToString(place);
    const files = Module["velmoraSiteFiles"] || {};
    if (!(path in files) || FS.analyzePath(path).exists)
        return;
    const request = new XMLHttpRequest();
    request.open("GET", files[path], false);
    request.overrideMimeType("text/plain; charset=x-user-defined");
    try {
        request.send();
    } catch (error) {
        return;
    }
    if (request.status !== 200)
        return;
    const text = request.responseText;
    const bytes = new Uint8Array(text.length);
    for (let i = 0; i < text.length; ++i)
        bytes[i] = text.charCodeAt(i) & 0xff;
    FS.mkdirTree(path.slice(0, path.lastIndexOf("/")));
    FS.writeFile(path, bytes);
});
// clang-format on

} // namespace

void ensureSiteFile(const QString &path)
{
    velmoraEnsureSiteFile(path.toUtf8().constData());
}
