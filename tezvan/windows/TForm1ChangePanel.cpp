// The change panel: built once, hidden; opened by Değiştir to give the selected entry
// another note and by Araya Ekle to put a new note in. Its two listen buttons sound a
// note without recording it.
#include "FlatButton.h"
#include "NoteSound.h"
#include "TForm1.h"
#include "WindowLook.h"

#include "tezvan/core/NoteEdits.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListView>

namespace tezvan {
namespace {

// The panel's texts in each of its modes. Each mnemonic is the panel's alone: "&EKLE" would
// share Alt+E with "Dinl&e", and a shared mnemonic presses neither button.
struct PanelTexts {
    const char* title;
    const char* lineLabel; // beside the line shown in Label4
    const char* apply;     // SpeedButton2
};
constexpr PanelTexts kChanging{"NOTA DEĞİŞTİR", "Değişecek Nota:", "&DEĞİŞTİR"};
// Label4 shows the line the new note goes before.
constexpr PanelTexts kInserting{"NOTA EKLE", "Sonraki Nota:", "E&KLE"};

} // namespace

void TForm1::buildChangePanel()
{
    Panel1_ = new QFrame(client_);
    Panel1_->setObjectName(QStringLiteral("Panel1"));
    Panel1_->setGeometry(86, 209, 265, 122);
    Panel1_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1_->setFont(look::arial(11));
    QPalette face = Panel1_->palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    Panel1_->setPalette(face);
    Panel1_->setAutoFillBackground(true);
    Panel1_->hide();

    auto label = [this](const char* name, const QString& text, QRect place, bool bold = false) {
        auto* l = new QLabel(text, Panel1_);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(place);
        l->setFont(look::arial(11, bold));
        return l;
    };
    auto line = [this](const char* name, QRect place) {
        auto* f = new QFrame(Panel1_);
        f->setObjectName(QString::fromLatin1(name));
        f->setFrameStyle(QFrame::HLine | QFrame::Sunken);
        f->setGeometry(place);
    };
    auto button = [this](const char* name, const QString& caption, QRect place, void (TForm1::*click)()) {
        auto* b = new FlatButton(caption, Panel1_);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(place);
        b->setColour(palette().color(QPalette::Button));
        b->setFontColour(palette().color(QPalette::ButtonText));
        b->setFont(look::arial(11));
        // Speed buttons take no focus: the drop-down list keeps it.
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QAbstractButton::clicked, this, click);
        return b;
    };

    panelTitle_ = label("Label1", QString::fromUtf8(kChanging.title), {8, 5, 249, 15}, true);
    panelTitle_->setAlignment(Qt::AlignCenter);
    line("Bevel3", {92, 21, 81, 2});

    Label2_ = label("Label2", QString::fromUtf8(kChanging.lineLabel), {10, 32, 88, 15});
    Label4_ = label("Label4", QStringLiteral("?????????"), {100, 32, 92, 15}, true);
    SpeedButton4_ = button("SpeedButton4", QStringLiteral("Di&nle"), {196, 28, 59, 22}, &TForm1::SpeedButton4Click);

    label("Label3", QStringLiteral("Yeni Nota"), {10, 59, 88, 15});
    ComboBox1_ = new QComboBox(Panel1_);
    ComboBox1_->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1_->setGeometry(100, 55, 92, 22);
    ComboBox1_->setEditable(false);
    ComboBox1_->setFont(look::arial(11));
    for (const Note& n : noteCatalogue())
        ComboBox1_->addItem(n.displayName());
    ComboBox1_->setMaxVisibleItems(kNoteCount);
    SpeedButton1_ = button("SpeedButton1", QStringLiteral("Dinl&e"), {196, 55, 59, 22}, &TForm1::SpeedButton1Click);

    line("Bevel4", {8, 84, 249, 2});
    SpeedButton2_ = button("SpeedButton2", QString::fromUtf8(kChanging.apply), {38, 92, 90, 24}, &TForm1::SpeedButton2Click);
    SpeedButton3_ = button("SpeedButton3", QString::fromUtf8("&VAZGEÇ"), {137, 92, 90, 24}, &TForm1::SpeedButton3Click);
}

void TForm1::openChangePanel(int row, bool inserting)
{
    panelRow_ = row;
    panelInserts_ = inserting;
    const PanelTexts& texts = inserting ? kInserting : kChanging;
    panelTitle_->setText(QString::fromUtf8(texts.title));
    Label2_->setText(QString::fromUtf8(texts.lineLabel));
    SpeedButton2_->setText(QString::fromUtf8(texts.apply));
    // Changing: the line changed. Inserting: the line the new note goes before, none at the end.
    Label4_->setText(row >= 0 ? lists_.line(row) : QString());
    lists_.setCurrentIndex(row);
    ComboBox1_->setCurrentIndex(0);
    panelOpen_ = true;
    for (QAction* a : listChangers_)
        a->setEnabled(false);
    Kontroller_->setEnabled(false);
    Panel1_->show();
    Panel1_->raise();
    ComboBox1_->setFocus();
}

void TForm1::closeChangePanel()
{
    Kontroller_->setEnabled(true);
    Panel1_->hide();
    panelOpen_ = false;
    for (QAction* a : listChangers_)
        a->setEnabled(true);
    ListBox1_->setFocus();
}

void TForm1::SpeedButton1Click()
{
    if (const int n = ComboBox1_->currentIndex(); n >= 0)
        sound_.play(n);
}

void TForm1::SpeedButton2Click()
{
    const QString item = ComboBox1_->currentText();
    const QString code = codeOfLine(item);
    if (panelInserts_)
        lists_.insertAt(panelRow_ >= 0 ? panelRow_ : lists_.count(), insertedEntry(code), item);
    else
        lists_.setAt(panelRow_, entryWithCode(lists_.entry(panelRow_), code), item);
    closeChangePanel();
}

void TForm1::SpeedButton3Click()
{
    closeChangePanel();
}

void TForm1::SpeedButton4Click()
{
    if (const std::optional<int> n = noteOfLine(Label4_->text()))
        sound_.play(*n);
}

} // namespace tezvan
