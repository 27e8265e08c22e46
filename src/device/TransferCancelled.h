#pragma once

#include <QCoreApplication>
#include <QString>

#include <stdexcept>

// A transfer stopped at the user's request while it only read from the
// switch: no setting had gone out, so the switch is as it was.
class TransferCancelled : public std::runtime_error
{
    Q_DECLARE_TR_FUNCTIONS(TransferCancelled)

public:
    TransferCancelled();

    // What the user is told, in the user's language.
    static QString message();
};
