#pragma once
// The main window's sound, heard by the test: which sample started, and when.

#include "tezvan/windows/NoteSound.h"

#include "platform/Clock.h"

#include <functional>
#include <vector>

namespace testing_support {

class FakeNoteSound final : public tezvan::NoteSound {
public:
    explicit FakeNoteSound(const platform::Clock& clock) : clock_(clock) {}
    void play(int index) override
    {
        played.push_back({index, clock_.nowUs()});
        if (onPlay)
            onPlay(index);
    }
    void stop() override { ++stops; }

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
    };
    std::vector<Played> played;
    std::function<void(int)> onPlay; // runs inside play(), for a look at the window then
    int stops = 0;

private:
    const platform::Clock& clock_;
};

} // namespace testing_support
