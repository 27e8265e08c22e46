#pragma once

#include <QStringList>

// fenzo_cli's arguments as given: the command, its options and file names.
struct ToolArguments
{
    QString command;
    QString port;
    bool each = false;
    bool help = false;
    bool reset = false;
    bool caGiven = false;
    QString ca;  // --ca FILE: empty for the system's store
    QString tls; // --require-tls or --allow-plain
    QStringList files;
    QString unknown;          // the first argument nobody understood
    bool portMissing = false; // --port without a path
    bool importGiven = false;
    QString import; // --import PATH: satellite data to import

    // The arguments without the program's name.
    static ToolArguments parse(const QStringList &list);

private:
    // The command first, then the file names (labels, texts).
    void addName(const QString &argument);
};
