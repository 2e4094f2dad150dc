// SPDX-License-Identifier: GPL-3.0-or-later
// Fails unless the C library can switch to the Czech locale that the suites run under: without
// it every suite would quietly run with a decimal point and hide the faults of a comma locale.
#include <clocale>
#include <cstdio>
#include <cstring>

int main()
{
    const char *name = std::setlocale(LC_ALL, "");
    const std::lconv *numbers = std::localeconv();
    if (name == nullptr || std::strcmp(numbers->decimal_point, ",") != 0) {
        std::fputs("The locale cs_CZ.UTF-8 is missing: run scripts/install-deps.sh as root "
                   "(it generates the locale), then run the tests again.\n",
                   stderr);
        return 1;
    }
    return 0;
}
