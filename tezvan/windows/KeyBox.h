#pragma once
// A box that captures one key with optional Shift, Ctrl and Alt and holds its key word
// (platform/VirtualKey.h) from the physical key pressed; it shows the word as a person reads
// it ("Ctrl+A"), by the keyboard layout in use each time it shows. Backspace or Delete alone
// clears it to 0, no key; Tab moves on as usual.

#include <QLineEdit>

namespace tezvan {

class KeyBox final : public QLineEdit {
    Q_OBJECT
public:
    explicit KeyBox(QWidget* parent = nullptr);

    quint16 word() const { return word_; }
    void setWord(quint16 word);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    quint16 word_ = 0;
};

} // namespace tezvan
