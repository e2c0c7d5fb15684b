// Replays fuzz inputs without libFuzzer: each file named on the command line,
// and each file in each folder named (in name order), goes once through the
// target's LLVMFuzzerTestOneInput. Linked with a target, it lets any compiler,
// sanitizer build, valgrind or Wine run the committed seeds as a plain test;
// a failed check aborts right after the name of the input that caused it.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::vector<fs::path> files;
    for (int i = 1; i < argc; ++i) {
        const fs::path arg(argv[i]);
        if (!fs::is_directory(arg)) {
            files.push_back(arg);
            continue;
        }
        std::vector<fs::path> inside;
        for (const fs::directory_entry& entry : fs::directory_iterator(arg))
            if (entry.is_regular_file())
                inside.push_back(entry.path());
        std::sort(inside.begin(), inside.end());
        files.insert(files.end(), inside.begin(), inside.end());
    }
    if (files.empty()) {
        std::cerr << "usage: " << argv[0] << " FILE_OR_FOLDER... (no input found)\n";
        return 2;
    }
    for (const fs::path& file : files) {
        std::ifstream stream(file, std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(stream),
                                      std::istreambuf_iterator<char>()};
        if (!stream.good() && !stream.eof()) {
            std::cerr << "cannot read " << file.string() << "\n";
            return 1;
        }
        std::cerr << "replaying " << file.string() << " (" << bytes.size() << " bytes)"
                  << std::endl;
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::cout << files.size() << " inputs replayed, no check failed\n";
    return 0;
}
