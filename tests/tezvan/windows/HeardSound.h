#pragma once
// The main window's sound as a test hears it: the built-in sample bank on a FakeVoice,
// logging which sample the window started and when, and checking that the voice really
// started that sample.

#include "support/FakeVoice.h"
#include "tezvan/core/SampleBank.h"
#include "tezvan/windows/SampleBankSound.h"

#include "platform/Clock.h"

#include <functional>
#include <vector>

namespace testing_support {

class HeardSound final : public tezvan::NoteSound {
public:
    explicit HeardSound(const platform::Clock& clock) : clock_(clock), voice_(clock), bank_(voice_), sound_(bank_)
    {
        bank_.loadBuiltIn();
    }

    void play(int index) override
    {
        const std::size_t before = voice_.started().size();
        sound_.play(index);
        const auto started = voice_.started();
        const bool sounded = started.size() == before + 1 && started.back() == bank_.item(index).sound;
        played.push_back({index, clock_.nowUs(), sounded});
        if (onPlay)
            onPlay(index);
    }
    void stop() override { sound_.stop(); }

    std::vector<int> indexes() const
    {
        std::vector<int> out;
        for (const auto& p : played)
            out.push_back(p.index);
        return out;
    }

    struct Played {
        int index;
        qint64 atUs;
        bool sounded; // the voice started exactly this sample
    };
    std::vector<Played> played;
    std::function<void(int)> onPlay; // runs inside play(), for a look at the window then

private:
    const platform::Clock& clock_;
    FakeVoice voice_;
    tezvan::SampleBank bank_;
    tezvan::SampleBankSound sound_;
};

} // namespace testing_support
