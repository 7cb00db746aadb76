#include "CaptionBarDrag.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace tezvan {
namespace {

class CaptionBarDrag final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::MouseButtonPress
            || static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            return false;
        QWindow* handle = static_cast<QWidget*>(watched)->window()->windowHandle();
        return handle && handle->startSystemMove();
    }
};

} // namespace

void dragWindowByCaptionBar(QWidget* bar)
{
    bar->installEventFilter(new CaptionBarDrag(bar));
}

} // namespace tezvan
