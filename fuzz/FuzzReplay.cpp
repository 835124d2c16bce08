// SPDX-License-Identifier: MIT
// Replays corpus folders through a fuzz target without libFuzzer, so the
// normal build and its sanitizer build keep every saved input passing.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

std::vector<std::filesystem::path> InputsIn(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> inputs;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.is_regular_file()) inputs.push_back(entry.path());
    // A fixed order, so a failure repeats the same way.
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: " << argv[0] << " <corpus folder>...\n";
        return 2;
    }
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path folder(argv[i]);
        std::error_code error;
        if (!std::filesystem::is_directory(folder, error)) {
            std::cerr << folder.string() << ": no such folder\n";
            return 1;
        }
        const auto inputs = InputsIn(folder);
        // An empty corpus would pass without testing anything.
        if (inputs.empty()) {
            std::cerr << folder.string() << ": no inputs\n";
            return 1;
        }
        for (const auto& path : inputs) {
            std::ifstream file(path, std::ios::binary);
            if (!file) {
                std::cerr << path.string() << ": cannot read\n";
                return 1;
            }
            const std::vector<char> bytes{std::istreambuf_iterator<char>(file),
                                          std::istreambuf_iterator<char>()};
            // Named before the run, so a crash shows which input caused it.
            std::cout << "running " << path.filename().string() << " (" << bytes.size()
                      << " bytes)\n"
                      << std::flush;
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
        }
        std::cout << "ran " << inputs.size() << " inputs from " << folder.string() << "\n";
    }
    return 0;
}
