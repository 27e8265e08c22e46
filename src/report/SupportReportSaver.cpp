#include "SupportReportSaver.h"

#include "io/LocalPath.h"

#include <utility>

SupportReportSaver::SupportReportSaver(Gatherer gather, QObject *parent)
    : QObject(parent), gather(std::move(gather))
{
}

bool SupportReportSaver::save(const QString &fileUrl)
{
    const QString path = LocalPath::fromUrlText(fileUrl);
    QString reason;
    if (SupportReport::save(path, gather(), &reason))
        return true;
    emit errorOccured(SupportReport::saveFailure(path, reason));
    return false;
}
