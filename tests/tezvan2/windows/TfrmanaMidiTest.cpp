// tezvan2's live MIDI ports end to end, seen by a second MIDI client as a keyboard and a
// synthesiser would see them: a note-on sent into the program's input sounds the note nearest
// in pitch, and every note the program sounds comes out of its output, one voice.
// On JACK where TEZVAN_MIDI=jack (the test command starts a private PipeWire), otherwise on
// the ALSA sequencer; skipped where there is neither.

#include "support/FakeDialogs.h"
#include "support/FakeShell.h"
#include "support/FakeVoice.h"
#include "support/Files.h"
#include "support/KeysAndClicks.h"
#include "support/WaveImage.h"

#include "platform/LiveMidiNotes.h"
#include "platform/MidiPorts.h"
#include "platform/VirtualClock.h"
#include "tezvan2/core/NoteGrid.h"
#include "tezvan2/core/NoteTable.h"
#include "tezvan2/windows/Tfrmana.h"

#include <RtMidi.h>

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <mutex>
#include <optional>

namespace {

using Bytes = std::vector<unsigned char>;

// The sample files the rows sound, told apart by their lengths.
const QString kSamples[] = {QStringLiteral("LA.wbs"), QStringLiteral("SIB5.wbs"), QStringLiteral("SI.wbs")};

// The second client: a keyboard into the program's input and a synthesiser on its output.
class SecondClient {
public:
    explicit SecondClient(RtMidi::Api api) : keyboard_(api, "keyboard"), synthesiser_(api, "synthesiser")
    {
        connectTo(keyboard_);
        connectTo(synthesiser_);
        synthesiser_.setCallback(
            [](double, Bytes* m, void* self) {
                auto* me = static_cast<SecondClient*>(self);
                const std::lock_guard lock(me->mutex_);
                me->heard_.push_back(*m);
            },
            this);
    }
    bool connected() const { return keyboard_.isPortOpen() && synthesiser_.isPortOpen(); }
    void send(Bytes m) { keyboard_.sendMessage(&m); }
    std::vector<Bytes> heard()
    {
        const std::lock_guard lock(mutex_);
        return heard_;
    }

private:
    static void connectTo(RtMidi& end)
    {
        for (unsigned int i = 0; i < end.getPortCount(); ++i)
            if (end.getPortName(i).find("Tezvan 2") != std::string::npos)
                return end.openPort(i, "probe");
    }
    RtMidiOut keyboard_;
    RtMidiIn synthesiser_;
    std::mutex mutex_;
    std::vector<Bytes> heard_;
};

TEST(TfrmanaMidi, KeyboardNotesPlayTheNearestNoteAndEveryNoteGoesOut)
{
    platform::MidiPorts ports(QStringLiteral("Tezvan 2"));
    if (!ports.isOpen() || !ports.inputOpen())
        GTEST_SKIP() << "no MIDI system: no JACK server (TEZVAN_MIDI=jack) and no ALSA sequencer";
    std::optional<platform::LiveMidiNotes> midi(std::in_place, ports);
    QObject::connect(&ports, &platform::MidiPorts::noteOnReceived, &*midi, &platform::LiveMidiNotes::keyReceived);

    QTemporaryDir folder;
    for (int i = 0; i < int(std::size(kSamples)); ++i)
        ASSERT_TRUE(
            testing_support::writeFile(folder.filePath(kSamples[i]), testing_support::waveImage(100 + i, 1000)));
    const QString previousDir = QDir::currentPath();
    QDir::setCurrent(folder.path());
    platform::VirtualClock clock;
    testing_support::FakeVoice voice(clock);
    testing_support::FakeDialogs dialogs;
    testing_support::FakeShell shell;
    tezvan2::Tfrmana window({voice, clock, dialogs, shell, {}, &*midi});
    window.show();

    SecondClient client(qgetenv("TEZVAN_MIDI") == "jack" ? RtMidi::UNIX_JACK : RtMidi::LINUX_ALSA);
    ASSERT_TRUE(client.connected());
    // What comes in, and the sample each plays (empty: nothing plays).
    const struct {
        const char* what;
        Bytes in;
        QString sample;
    } rows[] = {
        {"a key more than a semitone from every note", {0x90, 30, 100}, {}},
        {"a note-on of velocity 0, which is a note-off", {0x90, 59, 0}, {}},
        {"a note-off", {0x80, 59, 100}, {}},
        {"a controller", {0xB0, 1, 64}, {}},
        {"the key of a note's own pitch", {0x90, 57, 100}, kSamples[0]},
        {"a key between two koma notes: the nearer", {0x92, 58, 1}, kSamples[1]},
    };
    window.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(true); // recording
    std::vector<QString> expected;
    for (const auto& row : rows) {
        client.send(row.in);
        if (!row.sample.isEmpty())
            expected.push_back(row.sample);
    }
    // Messages arrive in order: once the last row has sounded, every row has had its turn.
    EXPECT_TRUE(QTest::qWaitFor([&] { return voice.started().size() >= expected.size(); }, 20000));
    // Then a key of the computer keyboard.
    testing_support::pressAndRelease(&window, {Qt::Key_W}, &window);
    expected.push_back(kSamples[2]);

    // One voice: each note's bend and note-on, after the note-off of the one it cuts off.
    std::vector<Bytes> expectedOut;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const platform::MidiPitch pitch = platform::midiPitchOf(*tezvan2::samplePitchHz(expected[i]));
        if (i > 0)
            expectedOut.push_back(Bytes{0x80, expectedOut.back()[1], 0});
        for (const platform::MidiMessage& m : platform::noteOnWithBend(pitch))
            expectedOut.emplace_back(m.data(), m.data() + m.size);
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return client.heard().size() >= expectedOut.size(); }, 20000));
    EXPECT_EQ(client.heard(), expectedOut);

    std::vector<QString> sounded;
    for (const platform::SoundPtr& s : voice.started())
        sounded.push_back(kSamples[s->frames().size() - 100]);
    EXPECT_EQ(sounded, expected);
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("Si"));
    EXPECT_EQ(window.grid().name(0), QStringLiteral("LA"));
    EXPECT_EQ(window.grid().name(1), QStringLiteral("SIB5"));

    // A program that ends leaves no note hanging in the synthesiser.
    midi.reset();
    expectedOut.push_back(Bytes{0x80, expectedOut.back()[1], 0});
    EXPECT_TRUE(QTest::qWaitFor([&] { return client.heard().size() >= expectedOut.size(); }, 20000));
    EXPECT_EQ(client.heard(), expectedOut);
    QDir::setCurrent(previousDir);
}

} // namespace
