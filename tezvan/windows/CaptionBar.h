#pragma once
// The main window's caption bar (`BaslikC`): the credit, the info, minimise and close icons,
// dragging the window and its colour for the application's focus. It says what was pressed;
// what that does is the window's.

#include "CaptionIcon.h"

#include <QLabel>

namespace tezvan {

class CaptionBar final : public QLabel {
    Q_OBJECT
public:
    CaptionBar(const QColor& colour, QWidget* parent);

    void showCredit(); // the product, then who made it and where to reach them
    void setActive(bool active);

signals:
    void infoClicked();
    void minimiseClicked();
    void closeClicked();
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    CaptionIcon* icon(CaptionIcon::Kind kind, const char* name, QRect place, const QString& tip);
};

} // namespace tezvan
