// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The folder the traditional-character dictionaries are installed in, as an
// absolute path: fixed when the program is built, or beside the program
// where it is installed as a folder of its own. Never the working folder,
// where a planted file would be read in their place.
QString dictionaryFolder();
