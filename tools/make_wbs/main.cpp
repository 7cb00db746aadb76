// Writes tezvan2's ".wbs" samples, the files its note table names, into a folder, and
// the list of their names into a file for the build to install them:
// make_wbs OUTPUT_FOLDER NAME_LIST_FILE
#include "WbsSamples.h"

#include "tezvan2/core/NoteTable.h"

#include <cstdio>
#include <exception>
#include <filesystem>

namespace {

const wbs::WbsSound* recipeFor(const std::string& fileName)
{
    for (const wbs::WbsSound& s : wbs::wbsSounds())
        if (s.fileName == fileName)
            return &s;
    return nullptr;
}

bool writeOrSay(const std::string& path, const saz::Bytes& bytes)
{
    if (saz::writeFileAtomically(path, bytes))
        return true;
    std::fprintf(stderr, "make_wbs: cannot write %s\n", path.c_str());
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_wbs OUTPUT_FOLDER NAME_LIST_FILE\n");
        return 2;
    }
    try {
        const std::filesystem::path folder(argv[1]);
        std::filesystem::create_directories(folder);
        const QStringList files = tezvan2::sampleFiles();
        if (std::size_t(files.size()) != wbs::wbsSounds().size()) {
            std::fprintf(stderr, "make_wbs: the note table names %d files, the recipes make %zu\n",
                         int(files.size()), wbs::wbsSounds().size());
            return 1;
        }
        std::string list;
        for (const QString& file : files) {
            const std::string name = file.toStdString();
            const wbs::WbsSound* recipe = recipeFor(name);
            if (!recipe) {
                std::fprintf(stderr, "make_wbs: no recipe for %s\n", name.c_str());
                return 1;
            }
            if (!writeOrSay((folder / name).string(), wbs::wbsImage(*recipe)))
                return 1;
            list += name + '\n';
        }
        if (!writeOrSay(argv[2], saz::Bytes(list.begin(), list.end())))
            return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_wbs: %s\n", e.what());
        return 1;
    }
    return 0;
}
