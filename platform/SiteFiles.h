// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// On the web the files the program reads (dictionaries, pictures) come from
// the site: the page puts those needed at start into the program's file
// system before it starts and the others soon after the window shows. One
// asked for before it has arrived is fetched there and then, so that the
// command asking for it works at once. Elsewhere the files are installed
// with the program and this returns at once. Opening the file tells whether
// it is there.
void ensureSiteFile(const QString &path);
