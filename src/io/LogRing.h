#pragma once

#include <QHash>
#include <QLoggingCategory>
#include <QMutex>
#include <QString>
#include <QStringList>

#include <deque>

// The recent log lines in memory, for the support report: "time category:
// text", oldest first, at most `capacity` of them. While it lives it is the
// message handler of the process (chained to the one before, which still
// prints); it restores that handler when it goes. Lines come from any thread.
//
// The "fenzo.*" categories are recorded whatever the filter rules say: the
// ring keeps every category of the program enabled and lets the previous
// handler print only what the rules (QT_LOGGING_RULES, setFilterRules(), the
// tool's "*.debug=false") allowed. Other categories are recorded as far as the
// rules enable them, so Qt's own debug output does not crowd the ring.
// One ring at a time: one made while another lives installs nothing and
// stays empty.
class LogRing
{
public:
    static constexpr int defaultCapacity = 400;

    explicit LogRing(int capacity = defaultCapacity);
    ~LogRing();
    LogRing(const LogRing &) = delete;
    LogRing &operator=(const LogRing &) = delete;

    QStringList lines() const;
    int capacity() const { return limit; }

private:
    // Message handlers and category filters are plain functions: they reach
    // the installed ring through this pointer (set and reset by the ring).
    static LogRing *installed;
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message);
    static void filter(QLoggingCategory *category);

    void record(const char *category, const QString &message);
    // Whether the rules let the previous handler print this message.
    bool printable(QtMsgType type, const char *category) const;

    const int limit;
    mutable QMutex mutex;
    std::deque<QString> recent;
    // Per "fenzo.*" category, the message types the rules turned off.
    QHash<QByteArray, unsigned> hidden;
    QtMessageHandler previousHandler = nullptr;
    QLoggingCategory::CategoryFilter previousFilter = nullptr;
    bool active = false;
};
