// SPDX-License-Identifier: MIT
#include "platform/DictionaryFolder.h"

#include "VelmoraConfig.h"

QString dictionaryFolder()
{
    return QString::fromUtf8(VelmoraConfig::openccDataDir);
}
