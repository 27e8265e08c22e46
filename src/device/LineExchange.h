#pragma once

#include "ReplyForm.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QSerialPort>
#include <QString>
#include <QTimer>

// One exchange on the switch's line at a time, driven by the line's reports
// and timers only: a command goes out, the protocol's pause follows, and a
// query's reply is collected up to its line end. Nothing here waits: each
// exchange ends with done(), and outcome() says how.
//
// The switch answers in order, and a reply it owes comes within `quietMs`
// of the query's give-up or never. Replies owed to earlier queries that timed
// out are counted (`unanswered`, kept by the owner for as long as the line is
// open) and passed over when they come; so is a reply whose form cannot
// answer the query. Before a query is asked again, discardStale() waits for
// the line to be quiet that long, so that a late reply is never taken as the
// answer to another query.
class LineExchange : public QObject
{
    Q_OBJECT

public:
    enum class Outcome
    {
        Pending,
        Sent,     // a command went out and its pause passed
        Answered, // a query's reply came: reply()
        TimedOut, // a whole wait brought nothing: worth another attempt
        ReadFailed,
        WriteFailed,
        Lost, // there was no line to begin with, or it went before the command
        Quiet // discardStale() ended with the line quiet, or gone
    };
    Q_ENUM(Outcome)

    LineExchange(QSerialPort *line, int &unanswered, QObject *parent = nullptr);

    // A command line and its pause. With `confirm`, a line lost during the
    // pause fails the command (nothing later would notice).
    void command(const QString &text, int pauseMs, bool confirm = false);
    // A query, the 100 ms pause, then its reply of the given form, kept raw.
    void query(const QString &text, ReplyForm::Query form);
    // Drops what the switch sent unasked, such as the late answer to a query
    // that timed out: input goes until the line has been quiet for `quietMs`.
    // A line that does not fall quiet within `settleDeadlineMs` fails
    // (ReadFailed): nothing asked on it could be told from its chatter.
    void discardStale();

    Outcome outcome() const { return result; }
    QString reply() const { return answer; }
    bool lineGone() const { return !line || !line->isOpen(); }

    // Limits of the exchanges: each single wait on the port, and the whole of
    // one reply up to its line end.
    static constexpr int timeoutMs = 100;
    static constexpr int replyDeadlineMs = 500;
    // The longest a reply may come after its query was given up; replies
    // later than that are outside the switch's contract. A new attempt
    // begins only after the line has been quiet this long.
    static constexpr int quietMs = 1000;
    static constexpr int settleDeadlineMs = 3 * quietMs;
    // Lines a query passes over before its read fails.
    static constexpr int maxDroppedReplies = 4;
    // A reply longer than this is garbage (24 words take under 300 bytes).
    static constexpr int maxReplyBytes = 16384;
    static constexpr int baudRate = 9600;
    // How long a command line of `lineBytes` bytes may take to leave: one
    // wait plus twice its time on the line at 9600 baud (ten bits a byte).
    static int writeDeadlineMs(qint64 lineBytes);

signals:
    void done();

private:
    enum class Phase
    {
        Idle,
        Writing,
        Pausing,
        Reading,
        Discarding
    };

    void begin(const QString &text, int pauseMs);
    void finish(Outcome outcome);
    void written();
    void writeDeadlinePassed();
    void paused();
    void startReading();
    void awaitMore();
    void arrived();
    void waitEnded();
    void replyComplete();
    void discardArrived();
    void lineClosed();
    static bool lineFailed(const QSerialPort &port);

    QPointer<QSerialPort> line;
    int &unanswered;
    Phase phase = Phase::Idle;
    Outcome result = Outcome::Pending;
    QTimer timer;
    QElapsedTimer sinceStart;
    QElapsedTimer sinceLastInput;
    int pauseMs = 0;
    bool isQuery = false;
    bool confirm = false;
    ReplyForm::Query form = ReplyForm::Query::Option;
    bool fullWait = false;
    int dropped = 0;
    QByteArray text;
    QString answer;
};
