#pragma once
// Sounds ".wbs" sample files by bare name from a folder (by default the working
// directory at the moment of the note), matching names without regard to letter case.
// Silent, and false, when the file is missing, unreadable or not a wave. Not a sample
// bank: it keeps only a small cache that a changed file invalidates.

#include "platform/PreparedSound.h"
#include "platform/Voice.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>

namespace tezvan2 {

class SampleFiles {
public:
    // folder empty: the working directory, looked at afresh for every note.
    explicit SampleFiles(platform::Voice& voice, QString folder = {});

    // Starts the file on the voice, cutting off what still sounds; false and silence
    // when there is nothing to play (the voice then keeps sounding what it sounds).
    bool play(const QString& bareName);

    // The file's prepared sound; null when missing, unreadable or not a wave.
    platform::SoundPtr load(const QString& bareName);

    // Reads and prepares the files now (those that exist), so that the first note of
    // each later costs a look-up only. A file changed afterwards is read again.
    void preload(const QStringList& bareNames);

    // The path of the file the bare name means here: the exact name first, then the
    // first name equal to it without regard to letter case; empty when none.
    QString resolve(const QString& bareName) const;

    QString folder() const;

private:
    struct Cached {
        QString path;
        qint64 size = -1;
        QDateTime modified;
        platform::SoundPtr sound;
    };

    platform::Voice& voice_;
    QString folder_;
    QHash<QString, Cached> cache_; // by path
};

} // namespace tezvan2
