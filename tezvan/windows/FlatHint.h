#pragma once
// The program's hint window (`FlatHint1`): every control's hint shows in it, flat and white
// with a black border and an arrow mark on a yellow field, at most 200 pixels wide with the
// text wrapped. It times itself on the program's clock: a hint shows after the mouse rests
// on a hinted control for 500 ms, 25 ms when it moves on from a showing hint, and hides
// after 5000 ms. Qt's own tool tips never show.

#include "platform/Clock.h"

#include <QPointer>
#include <QWidget>

namespace tezvan {

class FlatHint final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kFirstDelayMs = 500;
    static constexpr int kNextDelayMs = 25;
    static constexpr int kHideDelayMs = 5000;
    static constexpr int kMaxWidth = 200;
    static constexpr int kFieldWidth = 12;

    FlatHint(platform::Clock& clock, QWidget* owner);
    ~FlatHint() override;

    QString text() const { return text_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void aimAt(QWidget* w);
    void schedule(qint64 delayMs, void (FlatHint::*step)());
    void showHint();
    void hideHint();
    void settle();
    void cancel();

    platform::Clock& clock_;
    QPointer<QWidget> target_; // the widget under the mouse, as far as Enter and Leave tell
    platform::Clock::TimerId timer_ = 0;
    QString text_;
};

} // namespace tezvan
