#include "TransferCancelled.h"

TransferCancelled::TransferCancelled() : std::runtime_error(message().toStdString()) {}

QString TransferCancelled::message()
{
    return tr("Cancelled. Nothing was changed on the switch.");
}
