#pragma once
// A label that reports the mouse as the about window's link needs it: button down,
// button up, click and double click, each separately and in the order they happen.

#include <QLabel>

namespace tezvan2 {

class LinkLabel final : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent = nullptr);

signals:
    void mouseDown();
    void mouseUp();
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool clickArmed_ = false;
    bool buttonDown_ = false;
};

} // namespace tezvan2
