#pragma once
// The main window's sound on the sample bank: note n plays item n.

#include "NoteSound.h"

#include "tezvan/core/SampleBank.h"

namespace tezvan {

class SampleBankSound final : public NoteSound {
public:
    explicit SampleBankSound(SampleBank& bank) : bank_(bank) {}
    void play(int index) override { bank_.play(index); }
    void stop() override { bank_.stop(); }

private:
    SampleBank& bank_;
};

} // namespace tezvan
