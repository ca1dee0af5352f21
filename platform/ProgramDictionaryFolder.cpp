// SPDX-License-Identifier: MIT
#include "platform/DictionaryFolder.h"

#include "VelmoraConfig.h"

#include <QDir>

#include <string>

#include <windows.h>

QString dictionaryFolder()
{
    // The program's own file, asked of the system: no application object is
    // needed, and the working folder plays no part.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const QString program = QDir::fromNativeSeparators(QString::fromStdWString(path));
    return program.left(program.lastIndexOf(u'/') + 1) +
           QString::fromUtf8(VelmoraConfig::openccDataDir);
}
