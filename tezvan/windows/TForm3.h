#pragma once
// The help window: a caption bar to drag it by and close it, and the help text. Created
// once at start-up and afterwards only shown and hidden; not modal.

#include <QWidget>

class QLabel;
class QPlainTextEdit;

namespace tezvan {

class CaptionIcon;

class TForm3 final : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

public slots:
    void KaptClick();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* BaslikC_ = nullptr;
    CaptionIcon* bilgi_ = nullptr;
    CaptionIcon* Kapt_ = nullptr;
    QPlainTextEdit* Memo1_ = nullptr;
    bool shownOnce_ = false;
};

} // namespace tezvan
