#include "links/SiteLinks.h"

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

QString siteBase()
{
    return QStringLiteral("http://" VELMORA_SITE_HOST);
}

QUrl sitePageUrl(SitePage page)
{
    return QUrl(siteBase() + u'/' + pagePath(page), QUrl::StrictMode);
}

void openSitePage(SitePage page, UrlOpener &opener)
{
    opener.open(sitePageUrl(page));
}
