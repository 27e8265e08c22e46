#pragma once

#include "DeviceReplies.h"
#include "LineExchange.h"

#include <QObject>
#include <QPointer>
#include <QSerialPort>
#include <QString>

#include <functional>
#include <memory>

// One action on the switch (identifying it, reading its plan, sending or
// storing one), driven by the line's reports and timers: it never waits, and
// it ends with one result, its kind and a message in the user's language. An
// operation runs once, on the line the runner gives it.
//
// While an operation only reads, cancel() stops it before its next line;
// once it has sent a command that changes the switch, it runs to its end, so a
// cancel never leaves half a plan.
class DeviceOperation : public QObject
{
    Q_OBJECT

public:
    enum class Kind
    {
        Running,
        Done,
        Cancelled,
        // The line went, or there was none.
        Lost,
        Failed
    };
    Q_ENUM(Kind)

    explicit DeviceOperation(QObject *parent = nullptr);
    ~DeviceOperation() override;

    // Begins on `line`; `unanswered` counts the replies the switch still owes
    // to earlier queries on it.
    void start(QSerialPort *line, int &unanswered);
    void cancel();
    bool cancellable() const { return kindNow == Kind::Running && onlyReading; }
    Kind kind() const { return kindNow; }
    QString message() const { return text; }
    // What the operation is doing, for the user ("Sending… 3 of 4"); empty
    // once it has ended.
    QString progress() const { return progressText; }

    static QString readErrorMessage();
    static QString writeErrorMessage();
    static QString connectionLostMessage();
    static QString cancelledMessage();

signals:
    // progress() or cancellable() changed.
    void progressChanged();
    void finished();

protected:
    virtual void begin() = 0;
    // The switch's answers to the four queries; a query that times out
    // starts the read again, three attempts in all. Calls `then` when all
    // came; any other end finishes the operation. `progress` is what the
    // user sees meanwhile; empty: the step of the read.
    void readReplies(std::function<void(const DeviceReplies &)> then, const QString &progress = QString());
    // A command and its pause; calls `then` once it went out.
    void send(const QString &command, int pauseMs, bool confirm, std::function<void()> then);
    // One query, asked once; calls `then` with its reply of the given form.
    // Any other end finishes the operation.
    void askOnce(const QString &query, ReplyForm::Query form, std::function<void(const QString &)> then);
    // From here on the switch changes: a cancel is no longer honoured.
    void beginChanging();
    void setProgress(const QString &text);
    void finish(Kind kind, const QString &message = QString());
    void fail(LineExchange::Outcome outcome);
    bool lineGone() const { return !exchange || exchange->lineGone(); }
    // The message of a read that failed, its reason given, while the line
    // is still there.
    virtual QString readFailure(const QString &reason) const { return reason; }
    // The message of a line that went, its reason given.
    virtual QString lostFailure(const QString &reason) const { return reason; }

    // Ends the operation when a cancel was asked and may be honoured.
    bool stopIfCancelled();

private:
    void ask(int query);
    void answered(int query);

    std::unique_ptr<LineExchange> exchange;
    std::function<void()> next;
    std::function<void(const DeviceReplies &)> repliesRead;
    DeviceReplies replies;
    QString readProgress;
    int failedAttempts = 0;
    bool reading = false;
    Kind kindNow = Kind::Running;
    bool onlyReading = true;
    bool cancelAsked = false;
    QString text;
    QString progressText;
};
