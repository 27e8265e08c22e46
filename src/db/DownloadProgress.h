#pragma once

#include "DownloadStop.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <functional>
#include <memory>

// Told on the downloading thread when the server accepted the
// connection; `stop` ends the download from any thread.
struct DownloadProgress
{
    std::function<void()> opened;
    std::shared_ptr<DownloadStop> stop;
    // Told every row taken, as the server sent it: a row of "SHOW
    // TABLES", or a row of the table `table`.
    std::function<void(const QByteArray &table)> tableListed;
    std::function<void(const QString &table, const QVector<QByteArray> &row)> rowRead;
};
