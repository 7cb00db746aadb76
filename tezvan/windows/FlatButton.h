#pragma once
// A flat-framed push button of the main window: its own colour and font colour, a caption
// drawn in the normal or the raised style (the raised style is the last-note mark), and
// enter/leave signals for the hover handlers. Also used frameless as a flat speed button.
// Not bound to any rule: the window decides what a click or a hover does.

#include <QAbstractButton>
#include <QColor>

namespace tezvan {

class FlatButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit FlatButton(const QString& text, QWidget* parent = nullptr);

    QColor colour() const { return colour_; }
    void setColour(const QColor& c);
    QColor fontColour() const { return fontColour_; }
    void setFontColour(const QColor& c);

    bool raised() const { return raised_; }
    void setRaised(bool raised);

    // A speed button draws no frame and no face of its own: its parent shows through.
    void setSpeedButton(bool on);

    QSize sizeHint() const override { return size(); }

signals:
    void mouseEntered();
    void mouseLeft();

protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;

private:
    QColor colour_;
    QColor fontColour_ = Qt::black;
    bool raised_ = false;
    bool speed_ = false;
};

// A colour value of the program (red in bits 0-7, green 8-15, blue 16-23) as a QColor; a
// system colour (2147483648 + n) is the platform palette's colour for that element.
QColor colourOfValue(quint32 value);
// The RGB colour value of a QColor.
quint32 valueOfColour(const QColor& colour);

} // namespace tezvan
