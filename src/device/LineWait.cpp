#include "LineWait.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>

bool LineWait::until(QIODevice *line, int ms, const std::function<bool()> &done)
{
    if (done())
        return true;
    const QPointer<QIODevice> watched(line);
    if (!watched || !watched->isOpen() || ms <= 0)
        return false;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    const auto check = [&loop, &done] {
        if (done())
            loop.quit();
    };
    QObject::connect(line, &QIODevice::readyRead, &loop, check);
    QObject::connect(line, &QIODevice::bytesWritten, &loop, check);
    // A lost line is closed by its error report, and may be deleted inside
    // this loop: both end the wait.
    QObject::connect(line, &QIODevice::aboutToClose, &loop, &QEventLoop::quit);
    QObject::connect(line, &QObject::destroyed, &loop, &QEventLoop::quit);
    deadline.start(ms);
    loop.exec();
    return done();
}

void LineWait::pause(int ms)
{
    if (ms <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void LineWait::settle()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}
