// Writes tezvan's built-in sample bank: make_tezvan_bank OUTPUT_FILE
#include "TezvanBank.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_tezvan_bank OUTPUT_FILE\n");
        return 2;
    }
    try {
        const saz::Bytes bank = tezvan_bank::bankContainer(tezvan_bank::bankSounds());
        if (!saz::writeFileAtomically(argv[1], bank)) {
            std::fprintf(stderr, "make_tezvan_bank: cannot write %s\n", argv[1]);
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_tezvan_bank: %s\n", e.what());
        return 1;
    }
    return 0;
}
