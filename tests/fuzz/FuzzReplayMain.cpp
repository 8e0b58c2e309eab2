// The plain-program side of every fuzz target: without libFuzzer, main()
// hands each file named on the command line (or each file of a folder so
// named, in name order) to LLVMFuzzerTestOneInput once. A property the
// target checks ends the run through abort(), as under the fuzzer, so CTest
// replays a target's corpus with any compiler.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

namespace fs = std::filesystem;

bool Replay(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", file.string().c_str());
        return false;
    }
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // A copy of exactly the input's size, so that a read past its end is one
    // past an allocation, as under the fuzzer.
    std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
    std::fprintf(stderr, "replay %s (%zu bytes)\n", file.string().c_str(), data.size());
    LLVMFuzzerTestOneInput(data.empty() ? nullptr : data.data(), data.size());
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE|FOLDER...\n", argv[0]);
        return 2;
    }
    std::size_t replayed = 0;
    bool ok = true;
    for (int i = 1; i < argc; ++i) {
        const fs::path arg = argv[i];
        std::error_code error;
        if (fs::is_directory(arg, error)) {
            std::vector<fs::path> files;
            for (const auto& entry : fs::directory_iterator(arg, error))
                if (entry.is_regular_file())
                    files.push_back(entry.path());
            std::sort(files.begin(), files.end());
            for (const fs::path& file : files) {
                ok = Replay(file) && ok;
                ++replayed;
            }
        } else {
            ok = Replay(arg) && ok;
            ++replayed;
        }
    }
    // An empty corpus would pass without testing anything.
    if (replayed == 0) {
        std::fprintf(stderr, "no inputs found\n");
        return 1;
    }
    std::printf("%zu inputs replayed\n", replayed);
    return ok ? 0 : 1;
}
