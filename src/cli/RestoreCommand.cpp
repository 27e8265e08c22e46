#include "RestoreCommand.h"

#include "CommandContext.h"
#include "CommandLineTool.h"
#include "ToolArguments.h"
#include "TransferCommand.h"
#include "device/DeviceReplies.h"
#include "device/SerialPortHandler.h"
#include "io/WholeFile.h"

#include <QDir>
#include <QFile>

RestoreCommand::RestoreCommand(CommandContext &context) : context(context) {}

int RestoreCommand::run(const ToolArguments &a)
{
    const QString path = a.files.at(0);
    if (!path.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        return TransferCommand(context).run(a, true);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        context.output.note(WholeFile::readFailure(path, file.errorString()));
        return CommandLineTool::Failure;
    }
    DeviceReplies replies;
    QString reason;
    if (!DeviceReplies::fromText(file.readAll(), replies, &reason)) {
        context.output.note(
            tr("The file %1 holds no replies of a switch: %2").arg(QDir::toNativeSeparators(path), reason));
        return CommandLineTool::Failure;
    }
    if (!context.loadData())
        return CommandLineTool::Failure;
    const auto connected = context.theSwitch(a.port);
    if (!connected)
        return CommandLineTool::Failure;
    // LNBs without static UBs get the satellites the window would preset.
    const QStringList names = context.data.startPair();
    DeviceTransfers::Result restored;
    if (!context.output.attempt([&] {
            restored = SwitchAccess::await(*connected, [&] {
                connected->transfers->restore(replies, names.value(0), names.value(1),
                                              context.data.catalogue());
            });
        }))
        return CommandLineTool::Failure;
    if (context.statusOf(restored) != CommandLineTool::Success)
        return CommandLineTool::Failure;
    context.reportSent(restored.outcome, true);
    return CommandLineTool::Success;
}
