// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The properties that must hold for any input to the spinner game's number reader and percent
// format, checked on one input of arbitrary bytes. Shared by the libFuzzer target and by the
// corpus replay that CTest runs. Each broken property gives one line of explanation.
std::vector<std::string> spinnerInputFailures(const std::uint8_t *data, std::size_t size);
