#pragma once

#include "device/LineExchange.h"
#include "device/SerialPortHandler.h"

#include <QSignalSpy>
#include <QString>

#include <functional>

// Runs single exchanges on a handler's line, each to its end with the
// test's event loop, and keeps the count of replies the switch still owes
// across them, as the operations' runner does for a connection.
class LineProbe
{
public:
    using Outcome = LineExchange::Outcome;

    explicit LineProbe(SerialPortHandler &handler) : handler(handler) {}

    Outcome command(const QString &text, int pauseMs = 100, bool confirm = false)
    {
        return run([&](LineExchange &exchange) { exchange.command(text, pauseMs, confirm); });
    }
    Outcome query(const QString &text, ReplyForm::Query form = ReplyForm::Query::Option)
    {
        return run([&](LineExchange &exchange) { exchange.query(text, form); });
    }
    Outcome discardStale()
    {
        return run([](LineExchange &exchange) { exchange.discardStale(); });
    }
    // The reply of the last exchange when it was answered, else empty.
    QString reply() const { return answer; }
    // The reply of an option query, empty when none answered it.
    QString ask(const QString &text)
    {
        return query(text) == Outcome::Answered ? answer : QString();
    }
    int owed() const { return unanswered; }

    // Far beyond any exchange's own bounds: Pending means it never ended.
    static constexpr int exchangeLimitMs = 5000;

private:
    Outcome run(const std::function<void(LineExchange &)> &begin)
    {
        answer.clear();
        LineExchange exchange(handler.line(), unanswered);
        QSignalSpy done(&exchange, &LineExchange::done);
        begin(exchange);
        // The end is reported from the event loop, never inside begin().
        if (!done.wait(exchangeLimitMs))
            return Outcome::Pending;
        answer = exchange.reply();
        return exchange.outcome();
    }

    SerialPortHandler &handler;
    int unanswered = 0;
    QString answer;
};
