// SPDX-License-Identifier: MIT
#pragma once

class QLocale;
class QTranslator;

// Installs Qt's own strings (the text controls' context menus, for one) in
// the locale's UI languages; call before the window is built. Returns the
// translator, which the application owns, or null when the first UI language
// is English, in which Qt is written, or no translation is installed.
QTranslator *installQtTranslations(const QLocale &locale);
