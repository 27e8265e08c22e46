#include "DeviceOperation.h"

#include <utility>

namespace {
constexpr int readAttempts = 3;
constexpr int queries = 4;

struct Query
{
    const char *line;
    ReplyForm::Query form;
};
constexpr Query readQueries[queries] = {{":CONF:LTEFILT?", ReplyForm::Query::Option},
                                        {":CONF:STBY?", ReplyForm::Query::Option},
                                        {":CONF:TERRAMP?", ReplyForm::Query::Option},
                                        {":CONF:ALL?", ReplyForm::Query::Configuration}};
} // namespace

DeviceOperation::DeviceOperation(QObject *parent) : QObject(parent) {}

DeviceOperation::~DeviceOperation() = default;

QString DeviceOperation::readErrorMessage()
{
    return tr("Error occured while reading data, please try again");
}

QString DeviceOperation::writeErrorMessage()
{
    return tr("Error occured while writing data, please try again");
}

QString DeviceOperation::connectionLostMessage()
{
    return tr("Lost connection to device. Please connect again");
}

QString DeviceOperation::cancelledMessage()
{
    return tr("Cancelled. Nothing was changed on the switch.");
}

void DeviceOperation::start(QSerialPort *line, int &unanswered)
{
    exchange = std::make_unique<LineExchange>(line, unanswered);
    connect(exchange.get(), &LineExchange::done, this, [this] {
        if (kindNow != Kind::Running || !next)
            return;
        std::exchange(next, {})();
    });
    begin();
}

void DeviceOperation::cancel()
{
    cancelAsked = true;
}

bool DeviceOperation::stopIfCancelled()
{
    if (!cancelAsked || !cancellable())
        return false;
    finish(Kind::Cancelled, cancelledMessage());
    return true;
}

void DeviceOperation::beginChanging()
{
    if (!onlyReading)
        return;
    onlyReading = false;
    emit progressChanged();
}

void DeviceOperation::setProgress(const QString &progress)
{
    if (progressText == progress)
        return;
    progressText = progress;
    emit progressChanged();
}

void DeviceOperation::finish(Kind kind, const QString &message)
{
    if (kindNow != Kind::Running)
        return;
    kindNow = kind;
    text = message;
    next = {};
    progressText.clear();
    emit progressChanged();
    emit finished();
}

void DeviceOperation::fail(LineExchange::Outcome outcome)
{
    if (outcome == LineExchange::Outcome::Lost) {
        finish(Kind::Lost, lostFailure(connectionLostMessage()));
        return;
    }
    const QString reason =
        outcome == LineExchange::Outcome::WriteFailed ? writeErrorMessage() : readErrorMessage();
    // A switch that is gone needs no more words than that.
    if (lineGone())
        finish(Kind::Lost, lostFailure(reason));
    else
        finish(Kind::Failed, reading ? readFailure(reason) : reason);
}

void DeviceOperation::send(const QString &command, int pauseMs, bool confirm, std::function<void()> then)
{
    next = [this, then = std::move(then)] {
        if (exchange->outcome() != LineExchange::Outcome::Sent) {
            fail(exchange->outcome());
            return;
        }
        then();
    };
    exchange->command(command, pauseMs, confirm);
}

void DeviceOperation::askOnce(const QString &query, ReplyForm::Query form,
                              std::function<void(const QString &)> then)
{
    next = [this, then = std::move(then)] {
        if (exchange->outcome() != LineExchange::Outcome::Answered) {
            fail(exchange->outcome());
            return;
        }
        then(exchange->reply());
    };
    exchange->query(query, form);
}

void DeviceOperation::readReplies(std::function<void(const DeviceReplies &)> then, const QString &progress)
{
    repliesRead = std::move(then);
    readProgress = progress;
    failedAttempts = 0;
    reading = true;
    ask(0);
}

void DeviceOperation::ask(int query)
{
    if (stopIfCancelled())
        return;
    setProgress(readProgress.isEmpty() ? tr("Reading the switch's plan… %1 of %2").arg(query + 1).arg(queries)
                                       : readProgress);
    next = [this, query] { answered(query); };
    exchange->query(QString::fromLatin1(readQueries[query].line), readQueries[query].form);
}

void DeviceOperation::answered(int query)
{
    const LineExchange::Outcome outcome = exchange->outcome();
    if (outcome == LineExchange::Outcome::Answered) {
        QString *const fields[queries] = {&replies.lteFilter, &replies.standBy, &replies.terrestrialPath,
                                          &replies.configuration};
        *fields[query] = exchange->reply();
        if (query + 1 < queries)
            ask(query + 1);
        else {
            reading = false;
            repliesRead(replies);
        }
        return;
    }
    // A query given up fails its attempt. Only a timed-out exchange is worth
    // another one, once the line has been quiet long enough that its answer
    // can no longer come and be taken for another query's.
    if (outcome != LineExchange::Outcome::TimedOut || ++failedAttempts >= readAttempts) {
        fail(outcome);
        return;
    }
    if (stopIfCancelled())
        return;
    next = [this] {
        if (exchange->outcome() != LineExchange::Outcome::Quiet)
            fail(exchange->outcome());
        else
            ask(0);
    };
    exchange->discardStale();
}
