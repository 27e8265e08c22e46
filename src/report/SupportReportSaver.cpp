#include "SupportReportSaver.h"

#include <QUrl>

#include <utility>

SupportReportSaver::SupportReportSaver(Gatherer gather, QObject *parent)
    : QObject(parent), gather(std::move(gather))
{
}

bool SupportReportSaver::save(const QString &fileUrl)
{
    const QUrl url(fileUrl);
    const QString path = url.isLocalFile() ? url.toLocalFile() : fileUrl;
    QString reason;
    if (SupportReport::save(path, gather(), &reason))
        return true;
    emit errorOccured(SupportReport::saveFailure(path, reason));
    return false;
}
