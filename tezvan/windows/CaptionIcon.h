#pragma once
// The small pictures of the caption bar (`bilgi`, `Simg`, `Kapt`), drawn with QPainter:
// a flat button showing an info mark, a minimise bar or a close cross.

#include <QAbstractButton>

namespace tezvan {

class CaptionIcon final : public QAbstractButton {
    Q_OBJECT
public:
    enum class Kind { Info, Minimise, Close };
    CaptionIcon(Kind kind, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override { update(); }
    void leaveEvent(QEvent*) override { update(); }

private:
    Kind kind_;
};

} // namespace tezvan
