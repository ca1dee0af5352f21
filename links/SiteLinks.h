#pragma once

#include <QString>
#include <QUrl>

class UrlOpener;

// The pages of the maker's site behind the three link buttons.
enum class SitePage { GroupPictures, SignatureCollection, NicknameCollection };

// "http://" and the site's host, without a trailing slash.
QString siteBase();

QUrl sitePageUrl(SitePage page);

// Asks the desktop to open the page; the result is not awaited.
void openSitePage(SitePage page, UrlOpener &opener);
