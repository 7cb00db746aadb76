#include "TFRMTUS.h"

#include "CaptionBarDrag.h"
#include "CaptionIcon.h"
#include "FlatButton.h"
#include "KeyBox.h"
#include "WindowLook.h"

#include "platform/Dialogs.h"
#include "platform/RunCommand.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>

namespace tezvan {
namespace {

constexpr int kBarHeight = 21;
constexpr int kRowTop = 10; // first row, in the body
constexpr int kRowStep = 24;
constexpr int kRowsPerColumn = 7;
constexpr int kLowestUnrolled = 27; // a window this high or higher rolls up

// The row labels of slots 1..14.
constexpr const char* kRowLabels[kKeySlotCount] = {
    "DO-K", "RE", "Mİ", "FA", "SOL-K", "LA", "Sİ", "SOLID", "DO-İ", "RE-İ", "SOL-", "Mİ-2", "DO-1", "Bitiş",
};

using look::paintBackground;
using look::setTextColour;

QFrame* separator(QWidget* parent, int y)
{
    auto* line = new QFrame(parent);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    line->setGeometry(6, y, TFRMTUS::kClientWidth - 12, 2);
    return line;
}

} // namespace

TFRMTUS::TFRMTUS(NoteKeyTarget& main, platform::Dialogs& dialogs, KeyFilePlace place)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), main_(main),
      dialogs_(dialogs), place_(std::move(place))
{
    setObjectName(QStringLiteral("TFRMTUS"));
    setWindowTitle(QString::fromUtf8("Tuş Ayarlama"));
    setFont(look::sansSerif(11));
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(kClientWidth + 2 * kFrame, kClientHeight + 2 * kFrame);

    client_ = new QWidget(this);
    buildCaptionBar();
    buildBody();
    main_.onKeyAssignmentRequested(this, [this] { open(); });

    // The stored keys are in force before the main window first shows.
    loadAndApply();
}

void TFRMTUS::buildCaptionBar()
{
    BaslikC_ = new QLabel(QString::fromUtf8("TUŞ ATAMA"), client_);
    BaslikC_->setObjectName(QStringLiteral("BaslikC"));
    BaslikC_->setGeometry(0, 0, kClientWidth, kBarHeight);
    BaslikC_->setAlignment(Qt::AlignCenter);
    BaslikC_->setFont(look::sansSerif(11, true));
    paintBackground(BaslikC_, colourOfValue(look::kCaptionActive));
    setTextColour(BaslikC_, Qt::white);
    dragWindowByCaptionBar(BaslikC_);
    BaslikC_->installEventFilter(this);

    bilgi_ = new CaptionIcon(CaptionIcon::Kind::Info, BaslikC_);
    bilgi_->setObjectName(QStringLiteral("bilgi"));
    bilgi_->setGeometry(3, 3, 16, 16);
    bilgi_->setToolTip(QString::fromUtf8("YARDIM İÇİN TIKLAYIN..."));

    Kapt_ = new CaptionIcon(CaptionIcon::Kind::Close, BaslikC_);
    Kapt_->setObjectName(QStringLiteral("Kapt"));
    Kapt_->setGeometry(kClientWidth - 21, 2, 19, 17);
    Kapt_->setToolTip(QStringLiteral("Kapat"));
    connect(Kapt_, &QAbstractButton::clicked, this, &TFRMTUS::KaptClick);
}

void TFRMTUS::buildBody()
{
    body_ = new QWidget(client_);
    body_->setObjectName(QStringLiteral("Panel1"));
    body_->setGeometry(0, kBarHeight, kClientWidth, kClientHeight - kBarHeight);
    paintBackground(body_, colourOfValue(look::kControls));

    for (int slot = 1; slot <= kKeySlotCount; ++slot) {
        const int column = (slot - 1) / kRowsPerColumn;
        const int y = kRowTop + kRowStep * ((slot - 1) % kRowsPerColumn);
        auto* label = new QLabel(QString::fromUtf8(kRowLabels[slot - 1]), body_);
        label->setObjectName(QStringLiteral("Label%1").arg(slot));
        label->setGeometry(column == 0 ? 8 : 112, y, column == 0 ? 40 : 36, 21);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

        auto* box = new KeyBox(body_);
        box->setObjectName(QStringLiteral("HotKey%1").arg(slot));
        box->setGeometry(column == 0 ? 48 : 148, y, 49, 21);
        HotKey_[std::size_t(slot - 1)] = box;
        if (slot > 1)
            setTabOrder(HotKey_[std::size_t(slot - 2)], box);
    }

    const int rowsEnd = kRowTop + kRowStep * (kRowsPerColumn - 1) + 21;
    separator(body_, rowsEnd + 8)->setObjectName(QStringLiteral("Bevel1"));

    const int buttonsTop = rowsEnd + 15;
    auto button = [this, buttonsTop](const char* name, const char* caption, int x) {
        auto* b = new FlatButton(QString::fromUtf8(caption), body_);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(x, buttonsTop, 61, 25);
        b->setColour(colourOfValue(look::kControls));
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    connect(button("RzButton2", "&Kaydet", 7), &QAbstractButton::clicked, this, &TFRMTUS::RzButton2Click);
    connect(button("RzButton1", "&Varsayılan", 71), &QAbstractButton::clicked, this, &TFRMTUS::RzButton1Click);
    connect(button("RzButton3", "Çı&kış", 135), &QAbstractButton::clicked, this, &TFRMTUS::RzButton3Click);

    separator(body_, buttonsTop + 25 + 7)->setObjectName(QStringLiteral("Bevel2"));

    auto* note = new QLabel(QString::fromUtf8("Not: F1, F2, F3....... Tuş Sıralamasına\n"
                                              "atama yapmayınız. Bu kısımlar\n"
                                              "kullanılmaktadır."),
                            body_);
    note->setObjectName(QStringLiteral("Label15"));
    note->setAlignment(Qt::AlignCenter);
    note->setGeometry(0, buttonsTop + 25 + 14, kClientWidth, 42);
    setTextColour(note, QColor(0, 0, 128));
}

void TFRMTUS::open()
{
    if (!shownOnce_) {
        shownOnce_ = true;
        look::centreOnScreen(this);
    }
    // Shown, not run: the event loop goes on, and the modality keeps the main window waiting.
    show();
    raise();
    activateWindow();
}

void TFRMTUS::loadAndApply()
{
    const QString path = place_.pathToRead();
    const KeyFileReading r = readKeyFile(path);
    switch (r.outcome) {
    case KeyFileReading::Outcome::Factory: RzButton1Click(); return;
    case KeyFileReading::Outcome::Keys:
        // Every box is filled before the first action changes.
        for (int i = 0; i < kKeySlotCount; ++i)
            HotKey_[std::size_t(i)]->setWord(r.values.at(i));
        apply();
        return;
    case KeyFileReading::Outcome::Error:
        // The boxes before the bad line show the file, the others the keys in force, which
        // stay: no box is left empty that the user did not clear, so "&Kaydet" pressed
        // untouched takes no note's key away.
        showWords(main_.noteKeys());
        for (qsizetype i = 0; i < r.values.size(); ++i)
            HotKey_[std::size_t(i)]->setWord(r.values.at(i));
        // At start-up the window is not shown yet: the box stands on its own.
        platform::showError(dialogs_, isVisible() ? this : nullptr, keyFileErrorText(path, r));
        return;
    }
}

void TFRMTUS::showWords(const KeyWords& words)
{
    for (int slot = 1; slot <= kKeySlotCount; ++slot)
        HotKey_[std::size_t(slot - 1)]->setWord(words[std::size_t(noteOfSlot(slot))]);
}

KeyWords TFRMTUS::shownWords() const
{
    KeyWords words{};
    for (int slot = 1; slot <= kKeySlotCount; ++slot)
        words[std::size_t(noteOfSlot(slot))] = HotKey_[std::size_t(slot - 1)]->word();
    return words;
}

void TFRMTUS::apply()
{
    main_.setNoteKeys(shownWords());
}

void TFRMTUS::RzButton2Click()
{
    const KeyWords words = shownWords();
    // A failed save keeps the earlier file and the keys in force.
    if (platform::runCommand(dialogs_, this, [&] { writeKeyFile(place_.path, words); }))
        loadAndApply();
}

void TFRMTUS::RzButton1Click()
{
    showWords(factoryKeyWords());
    apply();
}

void TFRMTUS::RzButton3Click()
{
    close();
}

void TFRMTUS::KaptClick()
{
    close();
}

void TFRMTUS::closeEvent(QCloseEvent* event)
{
    // Closing only hides: the boxes keep what was typed for the next opening.
    event->accept();
    main_.keyAssignmentClosed();
}

void TFRMTUS::BaslikCDblClick()
{
    if (height() >= kLowestUnrolled) {
        rolledDownHeight_ = height();
        setFixedHeight(kBarHeight + 2 * kFrame);
    } else {
        setFixedHeight(rolledDownHeight_);
    }
}

bool TFRMTUS::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == BaslikC_ && event->type() == QEvent::MouseButtonDblClick) {
        BaslikCDblClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TFRMTUS::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    client_->setGeometry(rect().adjusted(kFrame, kFrame, -kFrame, -kFrame));
}

void TFRMTUS::paintEvent(QPaintEvent*)
{
    // The 2-px frame is the window's own colour around the client area.
    QPainter p(this);
    p.fillRect(rect(), colourOfValue(look::kFrame));
}

} // namespace tezvan
