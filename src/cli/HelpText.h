#pragma once

#include <QCoreApplication>
#include <QString>

// "fenzo_cli --help": every command with its options, then the own
// transponders' commands.
class HelpText
{
    // The rows stay those of the tool's catalogue context.
    Q_DECLARE_TR_FUNCTIONS(CommandLineTool)

public:
    static QString text();
};
