// SPDX-License-Identifier: MIT
#include "platform/SiteFiles.h"

// The program's files are installed with it.
void ensureSiteFile(const QString &) {}
