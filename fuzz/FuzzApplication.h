#pragma once

#include <QByteArray>
#include <QCoreApplication>

// The application object a fuzz target needs before its code touches Qt
// (files, timers, translations). Made once, on the first input, and kept for
// the whole run. QCoreApplication keeps references to argc and argv, so they
// live beside it and are declared before it.
class FuzzApplication
{
public:
    explicit FuzzApplication(const char *name) : programName(name) {}

private:
    int argc = 1;
    QByteArray programName;
    char *argv[2] = {programName.data(), nullptr};
    QCoreApplication app{argc, argv};
};
