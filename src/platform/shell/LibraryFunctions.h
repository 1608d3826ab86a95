#pragma once

#include <QLibrary>

// One function of a library loaded when it is first needed: false when the library
// lacks it (its errorString() says why).
template <typename F> bool Resolve(QLibrary &library, const char *name, F *function)
{
    *function = reinterpret_cast<F>(library.resolve(name));
    return *function != nullptr;
}
