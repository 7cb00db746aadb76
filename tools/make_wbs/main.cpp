// Writes tezvan2's 23 ".wbs" samples into a folder: make_wbs OUTPUT_FOLDER
#include "WbsSamples.h"

#include <cstdio>
#include <exception>
#include <filesystem>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_wbs OUTPUT_FOLDER\n");
        return 2;
    }
    try {
        const std::filesystem::path folder(argv[1]);
        std::filesystem::create_directories(folder);
        for (const wbs::WbsSound& s : wbs::wbsSounds()) {
            const std::string path = (folder / s.fileName).string();
            if (!saz::writeFileAtomically(path, wbs::wbsImage(s))) {
                std::fprintf(stderr, "make_wbs: cannot write %s\n", path.c_str());
                return 1;
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_wbs: %s\n", e.what());
        return 1;
    }
    return 0;
}
