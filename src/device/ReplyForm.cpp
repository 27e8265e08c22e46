#include "ReplyForm.h"

#include <QStringList>

bool ReplyForm::answersOption(const QString &reply)
{
    const QString text = reply.trimmed();
    return text == QLatin1String("ON") || text == QLatin1String("OFF");
}

bool ReplyForm::answersConfiguration(const QString &reply)
{
    bool anyNumber = false;
    const QStringList fields = reply.split(QLatin1Char(','));
    for (const QString &field : fields) {
        const QString text = field.trimmed();
        for (const QChar c : text) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
        }
        anyNumber = anyNumber || !text.isEmpty();
    }
    return anyNumber;
}

bool ReplyForm::answers(Query query, const QString &reply)
{
    switch (query) {
    case Query::Option:
        return answersOption(reply);
    case Query::Configuration:
        return answersConfiguration(reply);
    case Query::Identification:
        return true;
    }
    return false;
}
