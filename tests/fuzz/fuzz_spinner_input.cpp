// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry for the spinner game's number reader and percent format: any broken property
// aborts, so that the fuzzer keeps the input. Built by scripts/fuzz.sh.
#include "SpinnerInputProperties.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::vector<std::string> failures = spinnerInputFailures(data, size);
    for (const std::string &failure : failures)
        std::fprintf(stderr, "property broken: %s\n", failure.c_str());
    if (!failures.empty())
        std::abort();
    return 0;
}
