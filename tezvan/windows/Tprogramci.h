#pragma once
// The programmer's window: who made tezvan, our web pages and how to reach us, a picture
// and our other programs. Created once at start-up, shown and hidden; not modal. F12 while
// it has the focus hides it (and only it).

#include <QUrl>
#include <QWidget>

class QLabel;

namespace platform {
class Shell;
}

namespace tezvan {

class CaptionIcon;

class Tprogramci final : public QWidget {
    Q_OBJECT
public:
    explicit Tprogramci(platform::Shell& shell, QWidget* parent = nullptr);
    ~Tprogramci() override;

    // The three web pages of "WEB Sitelerim", in order, and the contact card's address.
    static QList<QUrl> webPages();
    static QUrl mailAddress();

public slots:
    void KaptClick();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildBody();

    platform::Shell& shell_;
    QWidget* Panel2_ = nullptr;
    CaptionIcon* bilgi_ = nullptr;
    CaptionIcon* Kapt_ = nullptr;
    QLabel* Image1_ = nullptr;
    bool shownOnce_ = false;
};

} // namespace tezvan
