#pragma once

#include <QtTest>

#include <stdexcept>
#include <string>

// The message of the std::runtime_error that f throws, or "(nothing thrown)".
template <typename F> std::string thrownMessage(F &&f)
{
    try {
        f();
    } catch (const std::runtime_error &e) {
        return e.what();
    }
    return "(nothing thrown)";
}

// Runs a test body whose exchanges must succeed: an exception is reported as
// a failure of the test function instead of ending the whole program.
template <typename F> void guarded(F &&body)
{
    try {
        body();
    } catch (const std::exception &e) {
        QTest::qFail((std::string("unexpected exception: ") + e.what()).c_str(), __FILE__, __LINE__);
    }
}
