#pragma once
// What the main window needs of the sample bank: start sample n (cutting off the one
// still sounding) and silence. The program passes the bank; window tests pass a fake.

namespace tezvan {

class NoteSound {
public:
    virtual ~NoteSound() = default;
    virtual void play(int index) = 0;
    virtual void stop() = 0;
};

} // namespace tezvan
