#include "ToolOutput.h"

#include "io/PrintableText.h"

#include <exception>

ToolOutput::ToolOutput(QTextStream &out, QTextStream &err) : out(out), err(err) {}

void ToolOutput::line(const QString &text)
{
    out << PrintableText::escaped(text) << Qt::endl;
}

void ToolOutput::fields(const QStringList &columns)
{
    QStringList printable;
    printable.reserve(columns.size());
    for (const QString &column : columns)
        printable << PrintableText::escaped(column);
    out << printable.join(QLatin1Char('\t')) << Qt::endl;
}

void ToolOutput::text(const QString &ownText)
{
    out << ownText << Qt::flush;
}

void ToolOutput::note(const QString &message)
{
    // Notes and failures carry outside text (names, paths, the switch's and
    // the server's words): one line each, whatever they hold.
    err << PrintableText::escaped(message) << Qt::endl;
}

void ToolOutput::notes(const QStringList &messages)
{
    for (const QString &message : messages)
        note(message);
}

void ToolOutput::progress(const QString &step)
{
    err << '\r' << QStringLiteral("\x1b[K") << PrintableText::escaped(step) << Qt::flush;
}

bool ToolOutput::attempt(const std::function<void()> &step)
{
    try {
        step();
        return true;
    } catch (const std::exception &e) {
        note(QString::fromUtf8(e.what()));
        return false;
    }
}
