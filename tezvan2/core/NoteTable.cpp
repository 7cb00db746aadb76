#include "NoteTable.h"

#include <cmath>

namespace tezvan2 {
namespace {

// Equal-tempered, A4 = 440 Hz; the unmarked names lie in the octave LA3..SOL4, "-" an
// octave down, "+" an octave up, "++" two up, D a sharp, B2/B5 the SI lowered by two and
// five komas.
double tempered(int semitonesFromA4)
{
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}
double komaFlat(double hz, int komas)
{
    return hz * std::pow(2.0, -komas * kKomaCents / 1200.0);
}

QString u(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

NoteRow row(std::vector<quint16> keys, const char* picture, const char* hint, const char* gridName,
            const char* displayName, const char* keyLegend, const char* keySample, const char* pictureSample,
            double hz)
{
    return NoteRow{std::move(keys), u(picture),   u(hint),      u(gridName),      u(gridName), u(displayName),
                   u(displayName),  u(keyLegend), u(keySample), u(pictureSample), hz,          hz};
}

std::vector<NoteRow> buildTable()
{
    const double kLa = tempered(-12);
    const double kSi = tempered(-10);
    const double kDo = tempered(-9);
    const double kRe = tempered(-7);
    const double kMi = tempered(-5);
    const double kFa = tempered(-4);
    const double kSol = tempered(-2);
    std::vector<NoteRow> t;
    t.reserve(kNoteCount);
    t.push_back(row({192}, "Image3", "FA+", "FA+", "Fa+", "\"", "fa+.wbs", "fa+.wbs", 2.0 * kFa));
    t.push_back(row({49}, "Image4", "SOL+", "SOL+", "Sol+", "1", "sol+.wbs", "sol+.wbs", 2.0 * kSol));
    t.push_back(row({50}, "Image6", "SIB5", "SIB5", "SiB5", "2", "SIB5.wbs", "SIB5.wbs", komaFlat(kSi, 5)));
    t.push_back(row({51}, "Image5", "SIB2", "SIB2", "SiB2", "3", "SIB2.wbs", "SIB2.wbs", komaFlat(kSi, 2)));
    t.push_back(row({52}, "Image7", "DO#", "DOD", "Do#", "4", "DOD.wbs", "dod.wbs", tempered(-8)));
    t.push_back(row({53}, "Image8", "RE#", "RED", "Re#", "5", "RED.wbs", "red.wbs", tempered(-6)));
    t.push_back(row({55}, "Image17", "FA#", "FAD", "Fa#", "7", "fad.wbs", "fad.wbs", tempered(-3)));
    t.push_back(
        row({57}, "Image16", "SIB5-", "SIB5-", "SiB5-", "9", "SIB5-.wbs", "sib5-.wbs", komaFlat(kSi, 5) / 2.0));
    t.push_back(
        row({48}, "Image15", "SIB2-", "SIB2-", "SiB2-", "0", "SIB2-.wbs", "sib2-.wbs", komaFlat(kSi, 2) / 2.0));
    t.push_back(row({81}, "Image23", "LA", "LA", "La", "Q", "LA.wbs", "la.wbs", kLa));
    t.push_back(row({87}, "Image22", "SI", "SI", "Si", "W", "SI.wbs", "si.wbs", kSi));
    t.push_back(row({69}, "Image21", "DO", "DO", "Do", "E", "DO.wbs", "do.wbs", kDo));
    t.push_back(row({82}, "Image20", "RE", "RE", "Re", "R", "RE.wbs", "re.wbs", kRe));
    t.push_back(row({84}, "Image11", "MI", "MI", "Mi", "T", "MI.wbs", "mi.wbs", kMi));
    t.push_back(row({89}, "Image10", "FA", "FA", "Fa", "Y", "fa.wbs", "fa.wbs", kFa));
    t.push_back(row({85}, "Image9", "SOL", "SOL", "Sol", "U", "SOL.wbs", "sol.wbs", kSol));
    t.push_back(row({73, 222}, "Image19", "LA-", "LA-", "La-", "I", "LA-.wbs", "la-.wbs", kLa / 2.0));
    t.push_back(row({79}, "Image18", "SI-", "SI-", "Si-", "O", "SI-.wbs", "si-.wbs", kSi / 2.0));
    t.push_back(row({80}, "Image12", "DO-", "DO-", "Do-", "P", "DO-.wbs", "do-.wbs", kDo / 2.0));
    t.push_back(row({65}, "Image33", "SOL++", "SOL++", "Sol++", "A", "SOL++.wbs", "sol++.wbs", 4.0 * kSol));
    // The chord: the key and the picture write and sound different names.
    NoteRow chord = row({83}, "Image32", "LA AKOR", "LAAK", "La", "S", "LAAK.wbs", "laakor.wbs", kLa);
    chord.pictureGridName = u("LAAKOR");
    chord.faceName = u("La(Akor)");
    chord.pictureHz = kLa / 2.0; // the wide chord of the picture reaches down an octave
    t.push_back(std::move(chord));
    t.push_back(row({68}, "Image31", "BITIS", "BITIS", "Bitis", "D", "BITIS.wbs", "bitis.wbs", kLa));
    return t;
}

// Shift, Ctrl and Alt do not change what a key plays.
quint16 codeOf(quint16 keyWord)
{
    return keyWord & 0x00FF;
}

} // namespace

const std::vector<NoteRow>& noteTable()
{
    static const std::vector<NoteRow> table = buildTable();
    return table;
}

KeyCommand keyCommand(quint16 keyWord)
{
    const quint16 code = codeOf(keyWord);
    if (code == kAddColumnKey)
        return KeyCommand::AddColumn;
    if (code == kRemoveColumnKey)
        return KeyCommand::RemoveColumn;
    return noteForKey(keyWord) ? KeyCommand::Note : KeyCommand::None;
}

const NoteRow* noteForKey(quint16 keyWord)
{
    const quint16 code = codeOf(keyWord);
    if (code == 0)
        return nullptr;
    for (const NoteRow& r : noteTable())
        for (quint16 k : r.keyCodes)
            if (k == code)
                return &r;
    return nullptr;
}

const NoteRow* noteForPicture(const QString& objectName)
{
    for (const NoteRow& r : noteTable())
        if (r.picture == objectName)
            return &r;
    return nullptr;
}

QStringList sampleFiles()
{
    QStringList files;
    for (const NoteRow& r : noteTable())
        for (const QString& f : {r.keySample, r.pictureSample})
            if (!files.contains(f, Qt::CaseInsensitive))
                files << f;
    return files;
}

std::optional<double> samplePitchHz(const QString& sampleFile)
{
    for (const NoteRow& r : noteTable()) {
        if (r.keySample.compare(sampleFile, Qt::CaseInsensitive) == 0)
            return r.keyHz;
        if (r.pictureSample.compare(sampleFile, Qt::CaseInsensitive) == 0)
            return r.pictureHz;
    }
    return std::nullopt;
}

std::optional<NoteTrigger> keyTrigger(quint16 keyWord)
{
    if (const NoteRow* r = noteForKey(keyWord))
        return NoteTrigger{r->keySample, r->displayName, r->keyGridName};
    return std::nullopt;
}

QString pictureName(const PictureSpot& spot)
{
    return QStringLiteral("Image%1").arg(spot.number);
}

QString pictureHint(const PictureSpot& spot)
{
    if (spot.kind == PictureKind::Note) {
        const NoteRow* r = noteForPicture(pictureName(spot));
        return r ? r->hint : QString();
    }
    return QString::fromUtf8(spot.hint.data(), qsizetype(spot.hint.size()));
}

std::optional<NoteTrigger> pictureTrigger(const QString& objectName)
{
    if (const NoteRow* r = noteForPicture(objectName))
        return NoteTrigger{r->pictureSample, r->displayName, r->pictureGridName};
    return std::nullopt;
}

} // namespace tezvan2
