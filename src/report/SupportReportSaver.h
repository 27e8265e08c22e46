#pragma once

#include "SupportReport.h"

#include <QObject>

#include <functional>

// "Save a support report…" of the window: gathers the facts when asked (the
// program's main() knows where they are) and writes the report.
class SupportReportSaver : public QObject
{
    Q_OBJECT

public:
    using Gatherer = std::function<SupportReport::Facts()>;

    explicit SupportReportSaver(Gatherer gather, QObject *parent = nullptr);

    // `fileUrl` as a file dialog yields it; errorOccured says why not.
    Q_INVOKABLE bool save(const QString &fileUrl);

signals:
    void errorOccured(QString error);

private:
    Gatherer gather;
};
