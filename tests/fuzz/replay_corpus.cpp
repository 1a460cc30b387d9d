// SPDX-License-Identifier: GPL-3.0-or-later
// Replays every file of the fuzz corpus through the same property checks as the fuzzer, so
// that the inputs it once found stay fixed in an ordinary build. Usage: replay_corpus DIR...
#include "SpinnerInputProperties.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

int main(int argc, char *argv[])
{
    int files = 0;
    int broken = 0;
    for (int i = 1; i < argc; ++i) {
        for (const auto &entry : std::filesystem::directory_iterator(argv[i])) {
            if (!entry.is_regular_file())
                continue;
            std::ifstream in(entry.path(), std::ios::binary);
            const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            ++files;
            const auto failures
                = spinnerInputFailures(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
            for (const std::string &failure : failures)
                std::printf("%s: %s\n", entry.path().filename().c_str(), failure.c_str());
            broken += failures.empty() ? 0 : 1;
        }
    }
    std::printf("%d corpus files replayed, %d broke a property\n", files, broken);
    return files > 0 && broken == 0 ? 0 : 1;
}
