#pragma once

#include <QCoreApplication>
#include <QString>

class CommandContext;
struct ToolArguments;

// "fenzo_cli server": shows or sets the satellite data's server and its TLS.
class ServerCommand
{
    // The rows stay those of the tool's catalogue context.
    Q_DECLARE_TR_FUNCTIONS(CommandLineTool)

public:
    explicit ServerCommand(CommandContext &context);

    int run(const ToolArguments &arguments);

private:
    CommandContext &context;
};
