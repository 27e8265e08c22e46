#pragma once

#include <stdexcept>

// Thrown where satellite data are needed and there are none at all (no
// server, no offline cache, no built-in data). Callers tell it apart by its
// type and say so in the user's words; the text is only what a catch-all
// shows.
class NoSatelliteData : public std::runtime_error
{
public:
    NoSatelliteData() : std::runtime_error("Not connected") {}
};
