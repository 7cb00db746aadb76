#pragma once
// A picture of a window, decoded from the program's JPEG resources, that reports a
// click (press and release of the left button over it; a double-click is one click).
// It never takes the keyboard focus, so pictures work whatever control is being edited.

#include <QLabel>

namespace tezvan2 {

class Picture final : public QLabel {
    Q_OBJECT
public:
    explicit Picture(QWidget* parent = nullptr);

    // Shows the JPEG resource (":/tezvan2/ImageN.jpg"); false, and an empty picture,
    // when it is missing or damaged.
    bool loadJpeg(const QString& resourcePath);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace tezvan2
