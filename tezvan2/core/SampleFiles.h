#pragma once
// Sounds ".wbs" sample files by bare name from a folder (by default the working
// directory at the moment of the note), matching names without regard to letter case; a
// name not found there is looked up in a second folder, where an installation keeps them.
// A file is any wave a player drops in (see platform::prepareSound), converted when it
// is read. Silent, and false, when the file is missing, unreadable or cannot be played.
// Not a sample bank: it keeps only a small cache that a changed file invalidates.

#include "platform/PreparedSound.h"
#include "platform/Voice.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>

namespace tezvan2 {

class SampleFiles {
public:
    // folder empty: the working directory, looked at afresh for every note. installedFolder
    // (when given) is asked for a name the first folder does not have.
    explicit SampleFiles(platform::Voice& voice, QString folder = {}, QString installedFolder = {});

    // Starts the file on the voice, cutting off what still sounds; false when there is
    // nothing to play, and then the sound still playing stops all the same.
    bool play(const QString& bareName);

    // The file's prepared sound; null when missing, unreadable or not a playable wave.
    // whyNot (when given) then says why a file that is there gives nothing ("it is
    // compressed (format tag 2)..."), and is emptied when there is no such file.
    platform::SoundPtr load(const QString& bareName, QString* whyNot = nullptr);

    // Why the bare name's file, which is there, cannot be played; empty when there is no
    // such file or it plays.
    QString whyUnplayable(const QString& bareName);

    // Reads and prepares the files now (those that exist), so that the first note of
    // each later costs a look-up only. A file changed afterwards is read again.
    void preload(const QStringList& bareNames);

    // The path of the file the bare name means here: the exact name first, then the
    // first name equal to it without regard to letter case, in the first folder and then
    // in the installed one; empty when none.
    QString resolve(const QString& bareName);

    QString folder() const;

    // Told of each sound play() starts (with the bare name asked) and of each silence it
    // makes (with an empty name), so the live MIDI output follows the voice. Empty: nobody.
    void setSoundListener(std::function<void(const QString& bareName)> listener);

private:
    // What tells that a file or folder changed: its size and modification time.
    struct Stamp {
        bool exists = false;
        qint64 size = -1;
        qint64 modifiedNs = 0;
        bool operator==(const Stamp&) const = default;
    };
    static Stamp stampOf(const QString& path);

    struct Cached {
        Stamp stamp;
        platform::SoundPtr sound;
        QString whyNot; // when sound is null
    };

    // A folder's file names, kept while the folder's own time stamp stays the same
    // (adding, removing or renaming a file changes it), so a note costs no listing.
    struct Listing {
        Stamp stamp;
        QHash<QString, QString> exact;  // name -> name
        QHash<QString, QString> folded; // case-folded name -> first such name
    };
    const Listing& listing(const QString& folder, bool fresh);
    QString resolveIn(const QString& folder, const QString& bareName);

    platform::Voice& voice_;
    QString folder_;
    QString installedFolder_;
    QHash<QString, Cached> cache_;     // by path
    QHash<QString, Listing> listings_; // by folder
    std::function<void(const QString&)> listener_;
};

} // namespace tezvan2
