// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QUrl>

class UrlOpener;

// The pages of the maker's site behind the three link buttons.
enum class SitePage { GroupPictures, SignatureCollection, NicknameCollection };

// The page's address: the site's base ("http://" and host, no trailing
// slash), "/" and the page's path.
QUrl sitePageUrl(const QString &siteBase, SitePage page);

// Asks the desktop to open the page; the result is not awaited.
void openSitePage(SitePage page, const QString &siteBase, UrlOpener &opener);
