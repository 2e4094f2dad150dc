// SPDX-License-Identifier: GPL-3.0-or-later
// Fails unless the C library can switch to the locale that the suites run under (LC_ALL): without
// it every suite would quietly run in the C locale, with a decimal point, and hide the faults of
// a comma locale. The Czech locale is checked by default; "czechlocalecheck NAME SEPARATOR"
// checks another one, the Slovak (",") or the English (".") that the suites also run under.
#include <clocale>
#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    const char *wanted = argc > 2 ? argv[1] : "cs_CZ.UTF-8";
    const char *separator = argc > 2 ? argv[2] : ",";
    const char *name = std::setlocale(LC_ALL, "");
    const std::lconv *numbers = std::localeconv();
    if (name == nullptr || std::strcmp(name, "C") == 0 ||
        std::strcmp(numbers->decimal_point, separator) != 0) {
        std::fprintf(stderr,
                     "The locale %s is missing: run scripts/install-deps.sh as root "
                     "(it generates the locale), then run the tests again.\n",
                     wanted);
        return 1;
    }
    return 0;
}
