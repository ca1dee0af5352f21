// SPDX-License-Identifier: MIT
#include "commands/SiteLinks.h"

#include "platform/UrlOpener.h"

namespace {

QString pagePath(SitePage page)
{
    switch (page) {
    case SitePage::GroupPictures:
        return QStringLiteral("fenzu/");
    case SitePage::SignatureCollection:
        return QStringLiteral("Article/fantizi/");
    case SitePage::NicknameCollection:
        return QStringLiteral("gexing/haoting/");
    }
    return {};
}

} // namespace

QUrl sitePageUrl(const QString &siteBase, SitePage page)
{
    return QUrl(siteBase + u'/' + pagePath(page), QUrl::StrictMode);
}

void openSitePage(SitePage page, const QString &siteBase, UrlOpener &opener)
{
    opener.open(sitePageUrl(siteBase, page));
}
