// Replays every file of the given folders (or the given files) through a libFuzzer harness, so
// that each seed corpus runs as a regression test in builds without libFuzzer.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    std::size_t count = 0;
    const auto replay = [&count](const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
        ++count;
    };
    for (int i = 1; i < argc; ++i) {
        if (!std::filesystem::is_directory(argv[i]))
            replay(argv[i]);
        else
            for (const auto& entry : std::filesystem::recursive_directory_iterator(argv[i]))
                if (entry.is_regular_file())
                    replay(entry.path());
    }
    std::cout << "replayed " << count << " inputs\n";
    // A corpus that is missing or empty would make the regression test pass without running.
    return count > 0 ? 0 : 1;
}
