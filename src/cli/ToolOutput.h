#pragma once

#include <QStringList>
#include <QTextStream>

#include <functional>

// Every line fenzo_cli writes goes through here: results on `out`, notes
// and failures on `err`. Outside text (names, paths, the switch's and the
// server's words) is made printable, so that it can neither break a line nor
// steer the terminal; the tool's own texts are written as they are.
class ToolOutput
{
public:
    ToolOutput(QTextStream &out, QTextStream &err);

    // A result line.
    void line(const QString &text);
    // A result line of columns: each is made printable, the tabs between
    // them stay.
    void fields(const QStringList &columns);
    // The tool's own text of several lines (the help), as it is.
    void text(const QString &ownText);
    // A note or a failure as one line on `err`.
    void note(const QString &message);
    void notes(const QStringList &messages);
    // The step a transfer is at, on one terminal line that each step
    // rewrites.
    void progress(const QString &step);
    // Runs `step`; an exception fails the command with its message. Says
    // whether the step ran through.
    bool attempt(const std::function<void()> &step);

private:
    QTextStream &out;
    QTextStream &err;
};
