#pragma once

#include <QString>

class CommandContext;
struct ToolArguments;

// "fenzo_cli test" and "fenzo_cli store": a plan sent to the switch and its working plan
// read back; "store" backs up the switch's plan first and stores the new one.
class TransferCommand
{
public:
    explicit TransferCommand(CommandContext &context);

    int run(const ToolArguments &arguments, bool store);

private:
    CommandContext &context;
};
