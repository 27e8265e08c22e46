#pragma once

#include <QCoreApplication>
#include <QString>

class CommandContext;
struct ToolArguments;

// "fenzo_cli list": one line per switch found, port and serial number.
class ListCommand
{
    // The rows stay those of the tool's catalogue context.
    Q_DECLARE_TR_FUNCTIONS(CommandLineTool)

public:
    explicit ListCommand(CommandContext &context);

    int run();

private:
    CommandContext &context;
};
