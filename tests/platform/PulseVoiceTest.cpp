// The real voice where no sound server answers: silent, never failing, never waiting.
#include "platform/PulseVoice.h"
#include "platform/Clock.h"

#include <gtest/gtest.h>

using platform::PreparedSound;
using platform::PulseVoice;

TEST(PulseVoice, WithoutAServerStaysSilentAndAnswersAtOnce)
{
    platform::Clock& clock = platform::steadyClock();
    const qint64 before = clock.nowUs();
    // A deadline far longer than any stall of a busy machine, so that waiting it out shows.
    PulseVoice voice({.server = "unix:/nonexistent/tezvan-test/native", .connectTimeoutMs = 60'000});
    EXPECT_LT(clock.nowUs() - before, 30'000'000) << "construction waited out its deadline";
    EXPECT_FALSE(voice.connected());

    const auto sound = std::make_shared<const PreparedSound>(std::vector<qint16>(4410, 1000));
    for (int i = 0; i < 50; ++i) // every start tries the server again in the background
        EXPECT_FALSE(voice.start(sound));
    voice.stop();
    EXPECT_FALSE(voice.start(nullptr));
    EXPECT_EQ(voice.counters().soundsWritten, 0u);
}
