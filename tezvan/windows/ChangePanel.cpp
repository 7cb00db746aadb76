#include "ChangePanel.h"

#include "FlatButton.h"
#include "NoteSound.h"
#include "WindowLook.h"

#include "tezvan/core/NoteCatalogue.h"
#include "tezvan/core/NoteEdits.h"
#include "tezvan/core/NoteLists.h"

#include <QComboBox>
#include <QLabel>

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

ChangePanel::ChangePanel(NoteLists& lists, NoteSound& sound, QWidget* parent)
    : QFrame(parent), lists_(lists), sound_(sound)
{
    setObjectName(QStringLiteral("Panel1"));
    setGeometry(86, 209, 265, 122);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setFont(look::arial(11));
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);
    hide();

    auto label = [this](const char* name, const QString& text, QRect place, bool bold = false) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(place);
        l->setFont(look::arial(11, bold));
        return l;
    };
    auto line = [this](const char* name, QRect place) {
        auto* f = new QFrame(this);
        f->setObjectName(QString::fromLatin1(name));
        f->setFrameStyle(QFrame::HLine | QFrame::Sunken);
        f->setGeometry(place);
    };

    panelTitle_ = label("Label1", QString::fromUtf8(kChanging.title), {8, 5, 249, 15}, true);
    panelTitle_->setAlignment(Qt::AlignCenter);
    line("Bevel3", {92, 21, 81, 2});

    Label2_ = label("Label2", QString::fromUtf8(kChanging.lineLabel), {10, 32, 88, 15});
    Label4_ = label("Label4", QStringLiteral("?????????"), {100, 32, 92, 15}, true);
    button("SpeedButton4", QStringLiteral("Di&nle"), {196, 28, 59, 22}, &ChangePanel::SpeedButton4Click);

    label("Label3", QStringLiteral("Yeni Nota"), {10, 59, 88, 15});
    ComboBox1_ = new QComboBox(this);
    ComboBox1_->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1_->setGeometry(100, 55, 92, 22);
    ComboBox1_->setEditable(false);
    ComboBox1_->setFont(look::arial(11));
    for (const Note& n : noteCatalogue())
        ComboBox1_->addItem(n.displayName());
    ComboBox1_->setMaxVisibleItems(kNoteCount);
    button("SpeedButton1", QStringLiteral("Dinl&e"), {196, 55, 59, 22}, &ChangePanel::SpeedButton1Click);

    line("Bevel4", {8, 84, 249, 2});
    SpeedButton2_ = button("SpeedButton2", QString::fromUtf8(kChanging.apply), {38, 92, 90, 24},
                           &ChangePanel::SpeedButton2Click);
    button("SpeedButton3", QString::fromUtf8("&VAZGEÇ"), {137, 92, 90, 24}, &ChangePanel::SpeedButton3Click);
}

FlatButton* ChangePanel::button(const char* name, const QString& caption, QRect place, void (ChangePanel::*click)())
{
    auto* b = new FlatButton(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(place);
    b->setColour(window()->palette().color(QPalette::Button));
    b->setFontColour(window()->palette().color(QPalette::ButtonText));
    b->setFont(look::arial(11));
    // Speed buttons take no focus: the drop-down list keeps it.
    b->setFocusPolicy(Qt::NoFocus);
    connect(b, &QAbstractButton::clicked, this, click);
    return b;
}

void ChangePanel::prepare(int row, bool inserting)
{
    row_ = row;
    inserting_ = inserting;
    const PanelTexts& texts = inserting ? kInserting : kChanging;
    panelTitle_->setText(QString::fromUtf8(texts.title));
    Label2_->setText(QString::fromUtf8(texts.lineLabel));
    SpeedButton2_->setText(QString::fromUtf8(texts.apply));
    // Changing: the line changed. Inserting: the line the new note goes before, none at the end.
    Label4_->setText(row >= 0 ? lists_.line(row) : QString());
    lists_.setCurrentIndex(row);
    ComboBox1_->setCurrentIndex(0);
}

void ChangePanel::listenTo(const QString& line)
{
    Label4_->setText(line);
    SpeedButton4Click();
}

void ChangePanel::present()
{
    show();
    raise();
    ComboBox1_->setFocus();
}

void ChangePanel::SpeedButton1Click()
{
    if (const int n = ComboBox1_->currentIndex(); n >= 0)
        sound_.play(n);
}

void ChangePanel::SpeedButton2Click()
{
    const QString item = ComboBox1_->currentText();
    const QString code = codeOfLine(item);
    if (inserting_)
        lists_.insertAt(row_ >= 0 ? row_ : lists_.count(), insertedEntry(code), item);
    else
        lists_.setAt(row_, entryWithCode(lists_.entry(row_), code), item);
    emit done();
}

void ChangePanel::SpeedButton3Click()
{
    emit done();
}

void ChangePanel::SpeedButton4Click()
{
    if (const std::optional<int> n = noteOfLine(Label4_->text()))
        sound_.play(*n);
}

} // namespace tezvan
