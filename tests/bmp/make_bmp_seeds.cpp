// Writes the encoding samples of the tests as files, one per encoding: the fuzzer's seeds.

#include <filesystem>
#include <fstream>
#include <iostream>

#include "bmp_samples.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make-bmp-seeds <folder>\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::filesystem::create_directories(dir);
    for (const auto& s : mogran::bmptest::EncodingSamples()) {
        const auto bytes = mogran::bmptest::Write(s.file);
        std::ofstream out(dir / (s.name + ".bmp"), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::cerr << "cannot write " << s.name << "\n";
            return 1;
        }
    }
    return 0;
}
