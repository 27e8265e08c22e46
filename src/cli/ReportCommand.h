#pragma once

#include <QString>

class CommandContext;
struct ToolArguments;

// "fenzo_cli report": a support report of whatever can be gathered.
class ReportCommand
{
public:
    explicit ReportCommand(CommandContext &context);

    int run(const ToolArguments &arguments);

private:
    CommandContext &context;
};
