#pragma once

#include <QString>

// Which replies can answer which query. The switch answers in order, so a
// reply that comes after its query timed out belongs to that query: by its
// form alone it is often plain that it cannot answer the next one (the
// identification after a plan query, a plan after an option query).
class ReplyForm
{
public:
    enum class Query
    {
        Option,        // ":CONF:LTEFILT?", ":CONF:STBY?", ":CONF:TERRAMP?"
        Configuration, // ":CONF:ALL?"
        Identification, // "*IDN?": any line; DeviceIdentity judges it
    };

    // "ON" or "OFF" (a CR before the line end allowed). The three option
    // queries all answer so: form alone cannot tell them apart.
    static bool answersOption(const QString &reply);
    // Code words: decimal numbers separated by commas, empty fields allowed,
    // at least one number. How many is the plan's business, not the form's.
    static bool answersConfiguration(const QString &reply);
    static bool answers(Query query, const QString &reply);
};
