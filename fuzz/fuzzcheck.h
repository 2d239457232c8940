#pragma once

#include <cstdio>
#include <cstdlib>

// A violated property names its line, then aborts.
#define check(property)                                                                                      \
    do {                                                                                                     \
        if (!(property)) {                                                                                   \
            fprintf(stderr, "property violated at line %d: %s\n", __LINE__, #property);                      \
            abort();                                                                                         \
        }                                                                                                    \
    } while (false)
