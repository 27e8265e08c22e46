#include "IdentifyOperation.h"

IdentifyOperation::IdentifyOperation(QObject *parent) : DeviceOperation(parent) {}

void IdentifyOperation::begin()
{
    askOnce(QStringLiteral("*IDN?"), ReplyForm::Query::Identification, [this](const QString &reply) {
        found = DeviceIdentity::fromReply(reply);
        finish(found ? Kind::Done : Kind::Failed);
    });
}
