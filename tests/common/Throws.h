#pragma once

// Whether a call throws an exception of the type E (another exception, or
// none, is false). Works alike under Qt 5 and Qt 6.
template <typename E, typename F> bool throwsType(F &&call)
{
    try {
        call();
    } catch (const E &) {
        return true;
    } catch (...) {
    }
    return false;
}
