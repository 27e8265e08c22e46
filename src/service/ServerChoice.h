#pragma once

#include "db/SatelliteSource.h"

#include <QString>

#include <optional>

// The server setting as a person fills it in: each field as typed, and the
// TLS choice open where it was not offered (the host's default then holds).
// The window's form and the stored connection meet here, so that the rules
// of reading the fields are written once.
struct ServerChoice
{
    QString host;
    QString port; // empty: the driver's default
    QString database;
    QString user;
    QString password;
    QString caFile;
    std::optional<bool> requireTls;

    // The fields that show `connection`.
    static ServerChoice of(const SatelliteSource::Connection &connection);
    // `base` with the fields filled in: names trimmed, the password as
    // typed, a port that is no number made 0 (which the port's rule then
    // refuses, naming it).
    SatelliteSource::Connection appliedTo(SatelliteSource::Connection base) const;
};
