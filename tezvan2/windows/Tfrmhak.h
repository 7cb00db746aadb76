#pragma once
// The about window: the program's name, a user guide, the link to our web site and the
// duration multiplier field that the recorder reads at every duration. Created once,
// hidden, and shown modally from the main window; not a settings store (nothing persists).

#include <QDialog>
#include <QUrl>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace platform {
class Shell;
}

namespace tezvan2 {

class LinkLabel;

class Tfrmhak final : public QDialog {
    Q_OBJECT
public:
    static QUrl siteAddress();

    explicit Tfrmhak(platform::Shell& shell, QWidget* parent = nullptr);

    // The multiplier as typed, unchecked: the recorder reads and judges it.
    QString multiplierText() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Label2MouseDown();
    void Label2MouseUp();
    void Label2Click();
    void setLinkColour(const QColor& colour);

    platform::Shell& shell_;
    QLabel* Label1;
    QPlainTextEdit* Memo1;
    LinkLabel* Label2;
    QLabel* Label3;
    QLineEdit* Edit1;
    QPushButton* Button1;
};

} // namespace tezvan2
