#include "LogRing.h"

#include <QDateTime>
#include <QMutexLocker>

#include <algorithm>

LogRing *LogRing::installed = nullptr;

namespace {
constexpr QtMsgType types[] = {QtDebugMsg, QtInfoMsg, QtWarningMsg, QtCriticalMsg};

unsigned bit(QtMsgType type)
{
    return 1u << unsigned(type);
}

bool isProgramCategory(const char *name)
{
    return name && qstrncmp(name, "fenzo.", 6) == 0;
}
} // namespace

LogRing::LogRing(int capacity) : limit(std::max(1, capacity))
{
    if (installed)
        return;
    active = true;
    installed = this;
    previousHandler = qInstallMessageHandler(&LogRing::handle);
    // Runs the filter over every category at once, and later over each new one.
    previousFilter = QLoggingCategory::installFilter(&LogRing::filter);
}

LogRing::~LogRing()
{
    if (!active)
        return;
    // The rules alone decide again, then the earlier handler takes over.
    QLoggingCategory::installFilter(previousFilter);
    qInstallMessageHandler(previousHandler);
    installed = nullptr;
}

QStringList LogRing::lines() const
{
    const QMutexLocker lock(&mutex);
    return QStringList(recent.begin(), recent.end());
}

void LogRing::filter(QLoggingCategory *category)
{
    LogRing *ring = installed;
    if (!ring)
        return;
    if (ring->previousFilter)
        ring->previousFilter(category);
    if (!isProgramCategory(category->categoryName()))
        return;
    unsigned off = 0;
    for (QtMsgType type : types) {
        if (!category->isEnabled(type))
            off |= bit(type);
        category->setEnabled(type, true);
    }
    const QMutexLocker lock(&ring->mutex);
    ring->hidden.insert(QByteArray(category->categoryName()), off);
}

void LogRing::handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    LogRing *ring = installed;
    if (!ring)
        return;
    ring->record(context.category, message);
    if (ring->previousHandler && ring->printable(type, context.category))
        ring->previousHandler(type, context, message);
}

void LogRing::record(const char *category, const QString &message)
{
    const QString line = QDateTime::currentDateTime().toString(Qt::ISODateWithMs) + QLatin1Char(' ') +
                         QString::fromLatin1(category ? category : "default") + QStringLiteral(": ") +
                         message;
    const QMutexLocker lock(&mutex);
    recent.push_back(line);
    while (int(recent.size()) > limit)
        recent.pop_front();
}

bool LogRing::printable(QtMsgType type, const char *category) const
{
    if (!isProgramCategory(category))
        return true;
    const QMutexLocker lock(&mutex);
    return !(hidden.value(QByteArray(category)) & bit(type));
}
