#include "ToolArguments.h"

ToolArguments ToolArguments::parse(const QStringList &list)
{
    ToolArguments a;
    bool optionsEnded = false;
    for (int i = 0; i < list.size(); ++i) {
        const QString &argument = list.at(i);
        // After "--" everything is a name, a label or a text, "-" or not.
        if (!optionsEnded && argument == QLatin1String("--"))
            optionsEnded = true;
        else if (optionsEnded)
            a.addName(argument);
        else if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            a.help = true;
        else if (argument == QLatin1String("--each"))
            a.each = true;
        else if (argument == QLatin1String("--reset"))
            a.reset = true;
        else if (argument == QLatin1String("--ca") && i + 1 < list.size()) {
            a.caGiven = true;
            a.ca = list.at(++i);
        } else if (argument == QLatin1String("--require-tls") || argument == QLatin1String("--allow-plain"))
            a.tls = argument;
        else if (argument == QLatin1String("--import") && i + 1 < list.size()) {
            a.importGiven = true;
            a.import = list.at(++i);
        } else if (argument == QLatin1String("--port") && i + 1 < list.size())
            a.port = list.at(++i);
        else if (argument.startsWith(QLatin1String("--port="))) {
            a.port = argument.mid(7);
            a.portMissing = a.port.isEmpty();
        } else if (argument == QLatin1String("--port"))
            a.portMissing = true;
        else if (argument.startsWith(QLatin1Char('-')) && argument != QLatin1String("-") &&
                 a.unknown.isEmpty())
            a.unknown = argument;
        else
            a.addName(argument);
    }
    return a;
}

void ToolArguments::addName(const QString &argument)
{
    if (command.isEmpty())
        command = argument;
    else
        files << argument;
}
