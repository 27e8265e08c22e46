#include "LocalPath.h"

#include <QUrl>

QString LocalPath::fromUrlText(const QString &text)
{
    // Dialogs decode blanks and letters but leave "#" and "%" encoded: only
    // the URL's own conversion gets every name right.
    const QUrl url(text);
    return url.isLocalFile() ? url.toLocalFile() : text;
}
