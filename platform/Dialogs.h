#pragma once
// Message boxes and file dialogs, behind one seam so that tests can answer them.
// Texts arrive exactly as the programs word them; nothing here rewords or translates.

#include <QColor>
#include <QList>
#include <QString>
#include <optional>

class QWidget;

namespace platform {

class Dialogs {
public:
    enum class Icon { None, Information, Warning, Question, Stop };

    virtual ~Dialogs() = default;

    // A line break in text may be written CR, LF or CR LF; each shows as one break.

    // Yes/No question; true for Yes.
    virtual bool ask(QWidget* owner, const QString& title, const QString& text, Icon icon) = 0;

    // A notice with one OK button.
    virtual void tell(QWidget* owner, const QString& title, const QString& text, Icon icon) = 0;

    // File dialogs. filter is one entry written "Description|pattern" (for example
    // "Tezvan Nota Listesi (*.Tnl)|*.tnl"), or several in a row ("A|*.a|B|*.b"), the first
    // chosen at first; a name typed without an extension gets defaultSuffix, or the chosen
    // entry's extension once another is chosen. The name field starts empty; an empty
    // result means cancel.
    virtual QString openFileName(QWidget* owner, const QString& filter, const QString& defaultSuffix) = 0;
    virtual QString saveFileName(QWidget* owner, const QString& filter, const QString& defaultSuffix) = 0;

    // A one-line input box with OK and Cancel, its field holding preset at first: the
    // text as confirmed, or nothing for cancel.
    virtual std::optional<QString> inputText(QWidget* owner, const QString& title, const QString& prompt,
                                             const QString& preset) = 0;
    // The colour dialog, preset to preset. Its sixteen custom colours show row by row in
    // the order of customColours at the first opening of the run; afterwards they stay as
    // the user left them (a colour added stays for the run). The chosen colour; nothing
    // when cancelled.
    virtual std::optional<QColor> chooseColour(QWidget* owner, const QColor& preset,
                                               const QList<QColor>& customColours) = 0;
};

// "Description|pattern" as Qt's name filter, "Description (pattern)": Qt filters by the
// last parenthesised list, and the file dialogs hide that list, so the description shows
// exactly as written ("Tezvan Nota Listesi (*.Tnl)") and *.tnl filters. Several entries
// give Qt's filters one after another.
QStringList qtNameFilters(const QString& filter);

// The application's title: the text of the main window's taskbar entry and of the error
// box's title bar. Each message box shows its own title alone.
void setApplicationTitle(const QString& title);
QString applicationTitle();

// Real Qt message boxes and file dialogs.
Dialogs& systemDialogs();

// Qt's own texts in Turkish, whatever the locale: the buttons of every box ("Evet",
// "Hayır", "Tamam", "İptal"), the colour picker and the file dialogs, as all the programs'
// own texts are Turkish. Called after the application object exists (again, it does
// nothing more); false when Qt's Turkish translation is not installed: Qt's English stays.
bool loadQtTurkish();

// The program's error box: stop icon, OK, titled with the application's title, the
// message followed by a full stop unless it already ends in one.
void showError(Dialogs& dialogs, QWidget* owner, const QString& message);

} // namespace platform
