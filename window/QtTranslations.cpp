// SPDX-License-Identifier: MIT
#include "window/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

QTranslator *installQtTranslations(const QLocale &locale)
{
    const QStringList languages = locale.uiLanguages();
    const QLocale::Language first =
        languages.isEmpty() ? QLocale::C : QLocale(languages.first()).language();
    if (first == QLocale::C || first == QLocale::English)
        return nullptr;
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator.release();
}
