#include "LineExchange.h"

#include "io/LogCategories.h"

#include <QDebug>

#include <limits>

LineExchange::LineExchange(QSerialPort *line, int &unanswered, QObject *parent)
    : QObject(parent), line(line), unanswered(unanswered)
{
    timer.setSingleShot(true);
    // The protocol's pauses are minimums: a coarse timer may end them early.
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, this, [this] {
        switch (phase) {
        case Phase::Writing:
            writeDeadlinePassed();
            break;
        case Phase::Pausing:
            paused();
            break;
        case Phase::Reading:
            waitEnded();
            break;
        case Phase::Discarding:
            discardArrived();
            break;
        case Phase::Idle:
            break;
        }
    });
    if (!line)
        return;
    connect(line, &QIODevice::readyRead, this, [this] {
        if (phase == Phase::Reading)
            arrived();
        else if (phase == Phase::Discarding)
            discardArrived();
    });
    connect(line, &QIODevice::bytesWritten, this, &LineExchange::written);
    connect(line, &QIODevice::aboutToClose, this, &LineExchange::lineClosed);
    connect(line, &QObject::destroyed, this, &LineExchange::lineClosed);
    connect(line, &QSerialPort::errorOccurred, this, [this] {
        if (this->line && lineFailed(*this->line))
            lineClosed();
    });
}

int LineExchange::writeDeadlineMs(qint64 lineBytes)
{
    const qint64 lineMs = (lineBytes * 10 * 1000 + baudRate - 1) / baudRate;
    return int(qMin<qint64>(timeoutMs + 2 * lineMs, std::numeric_limits<int>::max()));
}

bool LineExchange::lineFailed(const QSerialPort &port)
{
    return port.error() != QSerialPort::NoError && port.error() != QSerialPort::TimeoutError;
}

void LineExchange::command(const QString &line, int pause, bool confirmed)
{
    isQuery = false;
    confirm = confirmed;
    begin(line, pause);
}

void LineExchange::query(const QString &line, ReplyForm::Query replyForm)
{
    isQuery = true;
    confirm = false;
    form = replyForm;
    begin(line, timeoutMs);
}

void LineExchange::begin(const QString &command, int pause)
{
    result = Outcome::Pending;
    answer.clear();
    dropped = 0;
    pauseMs = pause;
    if (lineGone() || lineFailed(*line)) {
        finish(Outcome::Lost);
        return;
    }
    qCDebug(transferLog).noquote() << QStringLiteral("Writing ") + command;
    const QByteArray bytes = command.toLocal8Bit() + '\n';
    phase = Phase::Writing;
    timer.start(writeDeadlineMs(bytes.size()));
    // write() can report a lost line at once; the report ends the exchange.
    if (line->write(bytes) != bytes.size()) {
        finish(Outcome::WriteFailed);
        return;
    }
    if (phase == Phase::Writing && line && line->bytesToWrite() == 0)
        written();
}

void LineExchange::writeDeadlinePassed()
{
    // An event loop held up elsewhere (a window drawing) may not have let the
    // line write yet: what it can write now, without waiting, counts.
    if (!lineGone() && !lineFailed(*line)) {
        line->flush();
        if (phase == Phase::Writing && !lineGone() && line->bytesToWrite() == 0) {
            written();
            return;
        }
    }
    if (phase != Phase::Writing)
        return;
    // The rest must not be glued to the front of the next command.
    if (!lineGone())
        line->clear(QSerialPort::Output);
    finish(Outcome::WriteFailed);
}

void LineExchange::written()
{
    if (phase != Phase::Writing || lineGone() || line->bytesToWrite() > 0)
        return;
    phase = Phase::Pausing;
    timer.start(pauseMs);
}

void LineExchange::paused()
{
    if (isQuery) {
        startReading();
        return;
    }
    // The plan and the store end their sequences: no later command would
    // notice that the switch went while it took them.
    if (confirm && (lineGone() || lineFailed(*line))) {
        finish(Outcome::WriteFailed);
        return;
    }
    finish(Outcome::Sent);
}

void LineExchange::startReading()
{
    phase = Phase::Reading;
    text.clear();
    sinceStart.start();
    if (lineGone()) {
        finish(Outcome::ReadFailed);
        return;
    }
    // What came in during the pause is the reply's first chunk.
    if (line->bytesAvailable() > 0)
        arrived();
    else
        awaitMore();
}

void LineExchange::awaitMore()
{
    // A device that keeps sending without ever ending its line must not keep
    // us: the whole reply has one deadline besides each single wait.
    const qint64 left = replyDeadlineMs - sinceStart.elapsed();
    const int wait = int(qMin<qint64>(left, timeoutMs));
    if (wait <= 0) {
        finish(Outcome::ReadFailed);
        return;
    }
    fullWait = wait >= timeoutMs;
    timer.start(wait);
}

void LineExchange::arrived()
{
    const QByteArray chunk = line->readAll();
    text += chunk;
    if (text.size() > maxReplyBytes) {
        finish(Outcome::ReadFailed);
        return;
    }
    // Only the last chunk is tested: the switch ends a reply with LF in one
    // piece with its final bytes.
    if (chunk.endsWith('\n'))
        replyComplete();
    else
        awaitMore();
}

void LineExchange::waitEnded()
{
    // A whole wait without data is a time-out, worth another attempt, and
    // its reply may still come; the deadline ending a trickle is not.
    if (!fullWait) {
        finish(Outcome::ReadFailed);
        return;
    }
    ++unanswered;
    finish(Outcome::TimedOut);
}

void LineExchange::replyComplete()
{
    text.chop(1);
    if (text.isEmpty()) {
        finish(Outcome::ReadFailed);
        return;
    }
    QString reply = QString::fromUtf8(text);
    // Lines that came in together: all but the last answer earlier queries.
    const qsizetype lastLine = reply.lastIndexOf(QLatin1Char('\n'));
    if (lastLine >= 0) {
        unanswered = qMax(0, unanswered - int(reply.left(lastLine + 1).count(QLatin1Char('\n'))));
        reply = reply.mid(lastLine + 1);
    }
    if (unanswered == 0 && ReplyForm::answers(form, reply)) {
        qCDebug(transferLog).noquote() << QStringLiteral("Reading ") + reply;
        answer = reply;
        finish(Outcome::Answered);
        return;
    }
    unanswered = qMax(0, unanswered - 1);
    qCDebug(transferLog).noquote() << QStringLiteral("Dropped as no answer: ") + reply;
    if (++dropped >= maxDroppedReplies) {
        finish(Outcome::ReadFailed);
        return;
    }
    startReading();
}

void LineExchange::discardStale()
{
    result = Outcome::Pending;
    phase = Phase::Discarding;
    sinceStart.start();
    sinceLastInput.start();
    discardArrived();
}

void LineExchange::discardArrived()
{
    if (!lineGone()) {
        line->clear(QSerialPort::Input);
        const QByteArray stale = line->readAll();
        if (!stale.isEmpty()) {
            qCDebug(transferLog).noquote() << QStringLiteral("Dropped as late: %1 bytes").arg(stale.size());
            unanswered = qMax(0, unanswered - int(stale.count('\n')));
            sinceLastInput.start();
        }
    }
    if (lineGone()) {
        finish(Outcome::Quiet);
        return;
    }
    const qint64 quietLeft = quietMs - sinceLastInput.elapsed();
    if (quietLeft <= 0) {
        // Whatever was owed came (and went with the input) or is past the
        // time it could come in.
        unanswered = 0;
        finish(Outcome::Quiet);
        return;
    }
    const qint64 left = settleDeadlineMs - sinceStart.elapsed();
    if (left <= 0) {
        finish(Outcome::ReadFailed);
        return;
    }
    timer.start(int(qMin(quietLeft, left)));
}

void LineExchange::lineClosed()
{
    switch (phase) {
    case Phase::Writing:
        finish(Outcome::WriteFailed);
        break;
    case Phase::Pausing:
        // A line lost during a query's pause failed its reply; one lost after
        // an option is found by the next command.
        if (isQuery)
            finish(Outcome::ReadFailed);
        else if (confirm)
            finish(Outcome::WriteFailed);
        break;
    case Phase::Reading:
        finish(Outcome::ReadFailed);
        break;
    case Phase::Discarding:
        finish(Outcome::Quiet);
        break;
    case Phase::Idle:
        break;
    }
}

void LineExchange::finish(Outcome outcome)
{
    if (result != Outcome::Pending)
        return;
    phase = Phase::Idle;
    timer.stop();
    result = outcome;
    // Whoever started the exchange hears of its end from the event loop, never
    // from inside its own call.
    QMetaObject::invokeMethod(this, &LineExchange::done, Qt::QueuedConnection);
}
