#include "weblink.h"

#include <QDesktopServices>
#include <QStandardPaths>
#include <QUrl>

WebLinkResult openWebLink(const QUrl &url)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Qt hands web addresses to xdg-open here; without it nothing can open them.
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty())
        return WebLinkResult::NoBrowser;
#endif
    return QDesktopServices::openUrl(url) ? WebLinkResult::Opened : WebLinkResult::Failed;
}
