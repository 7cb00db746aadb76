#include "CommandTable.h"

#include "NoteCatalogue.h"
#include "NoteEdits.h"

#include <cstring>

namespace tezvan {
namespace {

constexpr quint16 kCtrl = 0x4000;
constexpr quint16 ctrl(char letter)
{
    return quint16(kCtrl | quint16(letter));
}
constexpr quint16 kF1 = 0x70;
constexpr quint16 fKey(int n)
{
    return quint16(kF1 + n - 1);
}

ActionRow row(const char* name, const char* category, const char* caption, bool hinted = true, quint16 shortcut = 0)
{
    return {name, category, QString::fromUtf8(caption), hinted, shortcut};
}

std::vector<ActionRow> buildActionList()
{
    // The time commands carry the fixed step in their captions: the default one until set.
    const std::array<QString, 4> step = stepCaptions(kDefaultStep);
    std::vector<ActionRow> rows;
    rows.push_back(row("mnbk", "Goruntu", "Form B/K"));
    for (const Note& note : noteCatalogue())
        rows.push_back({note.action, "", note.captionText(), false, note.factoryKey, true});
    for (ActionRow r : {
             row("mnklavye", "Menuler", "Klavye Tuş Ayarlaması..."),
             row("mnyenisurum", "Menuler", "Yeni Sürüm Kontrolü Yap..."),
             row("mnben", "Menuler", "Programcı..."),
             row("mnyardim", "Menuler", "Yardım..."),
             row("mncikis", "Menuler", "Çıkış"),
             row("mnliste", "Nota_islemleri", "Liste Gizle / Göster"),
             row("mndegistir", "Nota_islemleri", "Değiştir"),
             row("mnarayaekle", "Nota_islemleri", "Araya Ekle"),
             row("mnsil", "Nota_islemleri", "Seçili Nota Sil"),
             row("mnnotadonustur", "Nota_islemleri", "Nota Dönüştür"),
             ActionRow{"mn1", "Nota_Zamani", step[0], true, 0},
             ActionRow{"mn2", "Nota_Zamani", step[1], true, 0},
             ActionRow{"mnt1", "Nota_Zamani", step[2], true, 0},
             ActionRow{"mnt2", "Nota_Zamani", step[3], true, 0},
             row("mntumsifirla", "Nota_Zamani", "Tüm Zamanları Sıfırla"),
             row("mnayarlar", "Nota_Zamani", "Ayarlar"),
             row("mnkenar", "Renk_Ayarlari", "Kenar Çizgileri"),
             row("mkileti", "Renk_Ayarlari", "İleti Renkleri"),
             row("mnzemin", "Renk_Ayarlari", "Zemin Rengi"),
             row("mnbuton_y", "Renk_Ayarlari", "Buton Yazı Rengi"),
             row("mnbuton_z", "Renk_Ayarlari", "Buton Zemin Rengi"),
             row("mnlisterengi", "Renk_Ayarlari", "Liste Zemin Rengi"),
             row("mnliste_yazi", "Renk_Ayarlari", "Liste Yazı Rengi"),
             row("mnvarsayilan", "Renk_Ayarlari", "Varsayılan Renk Ayarları"),
             row("mn80", "Goruntu", "%80"),
             row("mn90", "Goruntu", "%90"),
             row("mn100", "Goruntu", "%100"),
             row("mn125", "Goruntu", "%125", false),
             row("mn150", "Goruntu", "%150", false),
             row("mn200", "Goruntu", "%200", false),
             row("mn110", "Goruntu", "%110", false),
             row("MNsimgeles", "", "MNsimgeles", false, fKey(12)),
             row("mndosyaac", "", "mndosyaac", false),
             row("mndurdur", "", "mndurdur", false),
         })
        rows.push_back(r);
    return rows;
}

// An entry bound to an action; an entry with a click of its own; a submenu; a separator.
constexpr MenuEntry bound(const char* name, const char* action, int icon = -1, quint16 shortcut = 0)
{
    return {name, action, nullptr, icon, shortcut, {}};
}
constexpr MenuEntry own(const char* name, const char* caption, int icon, quint16 shortcut = 0)
{
    return {name, nullptr, caption, icon, shortcut, {}};
}
constexpr MenuEntry sub(const char* name, const char* caption, int icon, std::span<const MenuEntry> entries)
{
    return {name, nullptr, caption, icon, 0, entries};
}
constexpr MenuEntry kSeparator{};

constexpr MenuEntry kRun[] = {
    own("al1", "Notaları Çal", 16, kCtrl + fKey(9)),
    own("Durdur1", "Çalma İşlemini Bitir", 17, kCtrl + fKey(10)),
    kSeparator,
    own("KaytDurdur1", "Kayıt İşlemini Durdur", 19, kCtrl + fKey(11)),
};

constexpr MenuEntry kFile[] = {
    own("Yeni1", "Yeni", 13, ctrl('N')),
    own("A1", "Aç...", 14, ctrl('O')),
    own("Kaydet1", "Kaydet...", 15, ctrl('S')),
    {"NotaDntr2", "mnnotadonustur", "Nota Göründüğü Gibi Kaydet", 10, 0, {}},
};

constexpr MenuEntry kNoteWork[] = {
    bound("Deitir1", "mndegistir", 8),
    bound("ArayaEkle2", "mnarayaekle"),
    bound("SeiliNotaSil1", "mnsil", 11),
};

constexpr MenuEntry kNoteTimes[] = {
    bound("Zaman13", "mn1"),
    bound("Zaman14", "mn2"),
    kSeparator,
    bound("TmNota13", "mnt1"),
    bound("TmNota14", "mnt2"),
    kSeparator,
    bound("TmZamanlarSfrla1", "mntumsifirla"),
    kSeparator,
    bound("Ayarlar1", "mnayarlar"),
};

constexpr MenuEntry kColours[] = {
    bound("enarizgileri1", "mnkenar"),
    bound("letiRenkleri1", "mkileti"),
    bound("ZeminRengi1", "mnzemin"),
    kSeparator,
    bound("ButonYazRengi1", "mnbuton_y"),
    bound("ButonZeminRengi1", "mnbuton_z"),
    kSeparator,
    bound("ListeZeminRengi1", "mnlisterengi"),
    bound("ListeYazRengi1", "mnliste_yazi"),
    kSeparator,
    bound("VarsaylanRenkAyarlar1", "mnvarsayilan"),
};

constexpr MenuEntry kFormLook[] = {
    bound("FormBK1", "mnbk"), kSeparator,
    bound("N501", "mn80"),    bound("N751", "mn90"),
    bound("N1001", "mn100"),  bound("mn1101", "mn110"),
    bound("N1251", "mn125"),  bound("N1501", "mn150"),
    bound("N2001", "mn200"),
};

constexpr MenuEntry kMenu[] = {
    bound("YeniSrmKontrolYap1", "mnyenisurum", 0),
    own("DosyaTrTanmla1", "Dosya Türü Tanıt (*.tnl)", 20),
    kSeparator,
    bound("KlavyeTuAyarlamas2", "mnklavye", 1, ctrl('K')),
    kSeparator,
    sub("Yrt1", "Yürüt", 18, kRun),
    kSeparator,
    sub("Dosya1", "Dosya", -1, kFile),
    kSeparator,
    bound("ListeGizleGster1", "mnliste", 6, ctrl('L')),
    sub("Notailemleri1", "Nota İşlemleri", 7, kNoteWork),
    sub("NotaZamanlemleri1", "Nota Zaman İşlemleri", 9, kNoteTimes),
    kSeparator,
    sub("RenkAyarlar2", "Renk Ayarları", 2, kColours),
    kSeparator,
    sub("FormGrnm1", "Form Görünümü", -1, kFormLook),
    kSeparator,
    bound("Programc1", "mnben", 4),
    bound("Yardm1", "mnyardim", 3, fKey(1)),
    kSeparator,
    bound("k1", "mncikis", 5),
};

// The commands outside the stored action list and the menu, heard by the window's keys alone.
struct KeyedCommand {
    const char* name;
    const char* caption;
    quint16 shortcuts[2];
};
constexpr quint16 kShift = 0x2000;
constexpr KeyedCommand kKeyedOnly[] = {
    {"mngerial", "Geri Al", {ctrl('Z'), 0}},
    {"mnyinele", "Yinele", {ctrl('Y'), quint16(kShift | ctrl('Z'))}},
};

// The entry that runs the command of that name: its own entry, or one bound to it.
const MenuEntry* entryOf(std::span<const MenuEntry> entries, const char* name)
{
    for (const MenuEntry& e : entries) {
        if (e.isSeparator())
            continue;
        if (e.isSubmenu()) {
            if (const MenuEntry* found = entryOf(e.submenu, name))
                return found;
        } else if (std::strcmp(e.action ? e.action : e.name, name) == 0) {
            return &e;
        }
    }
    return nullptr;
}

} // namespace

CommandText commandText(const char* name)
{
    CommandText text;
    for (const KeyedCommand& k : kKeyedOnly) {
        if (std::strcmp(k.name, name) != 0)
            continue;
        text.caption = QString::fromUtf8(k.caption);
        for (quint16 word : k.shortcuts)
            if (word)
                text.shortcuts.push_back(word);
        return text;
    }
    const MenuEntry* entry = entryOf(kMenu, name);
    if (const ActionRow* row = actionRow(name)) {
        text.caption = row->caption;
        text.hinted = row->hinted;
        if (row->shortcut)
            text.shortcuts.push_back(row->shortcut);
    } else if (entry && !entry->action && entry->caption) {
        text.caption = QString::fromUtf8(entry->caption);
    }
    if (text.shortcuts.empty() && entry && entry->shortcut)
        text.shortcuts.push_back(entry->shortcut);
    return text;
}

const std::vector<ActionRow>& actionList()
{
    static const std::vector<ActionRow> rows = buildActionList();
    return rows;
}

const ActionRow* actionRow(const char* name)
{
    for (const ActionRow& r : actionList())
        if (std::strcmp(r.name, name) == 0)
            return &r;
    return nullptr;
}

std::span<const MenuEntry> contextMenu()
{
    return kMenu;
}

} // namespace tezvan
