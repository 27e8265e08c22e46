#include "RestoreCommand.h"

#include "CommandContext.h"
#include "CommandLineTool.h"
#include "ToolArguments.h"
#include "TransferCommand.h"
#include "device/DeviceReplies.h"
#include "io/WholeFile.h"

#include <QDir>
#include <QFile>

RestoreCommand::RestoreCommand(CommandContext &context) : context(context) {}

int RestoreCommand::run(const ToolArguments &a)
{
    const QString path = a.files.at(0);
    if (!path.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        return TransferCommand(context).run(a, true);
    DeviceReplies replies;
    if (!readReplies(path, replies))
        return CommandLineTool::Failure;
    // LNBs without static UBs get the satellites the window would preset.
    const auto restored = context.onTheSwitch(a.port, nullptr, [this, &replies](SwitchTransfers &transfers) {
        const QStringList names = context.data.startPair();
        transfers.restore(replies, names.value(0), names.value(1), context.data.catalogue());
    });
    if (!restored)
        return CommandLineTool::Failure;
    context.reportSent(*restored, true);
    return CommandLineTool::Success;
}

bool RestoreCommand::readReplies(const QString &path, DeviceReplies &replies)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        context.output.note(WholeFile::readFailure(path, file.errorString()));
        return false;
    }
    // One byte more than allowed tells a file that is too large.
    const QByteArray text = file.read(DeviceReplies::maxTextBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        context.output.note(WholeFile::readFailure(path, file.errorString()));
        return false;
    }
    if (text.size() > DeviceReplies::maxTextBytes) {
        context.output.note(tooLargeMessage(path));
        return false;
    }
    QString reason;
    if (DeviceReplies::fromText(text, replies, &reason))
        return true;
    context.output.note(
        tr("The file %1 holds no replies of a switch: %2").arg(QDir::toNativeSeparators(path), reason));
    return false;
}

QString RestoreCommand::tooLargeMessage(const QString &path)
{
    return tr("The file %1 is larger than %n bytes: it holds no replies of a switch.", nullptr,
              int(DeviceReplies::maxTextBytes))
        .arg(QDir::toNativeSeparators(path));
}
