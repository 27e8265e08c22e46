#pragma once

#include <QString>

class CommandContext;
struct ToolArguments;

// "fenzo_cli satellites --import PATH": satellite data imported beside the offline
// data, then listed.
class ImportCommand
{
public:
    explicit ImportCommand(CommandContext &context);

    int run(const QString &path);

private:
    CommandContext &context;
};
