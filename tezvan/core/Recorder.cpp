#include "Recorder.h"

namespace tezvan {

QString Recorder::recordingText()
{
    return QString::fromUtf8("Kayıt yapılıyor... DUR");
}
QString Recorder::freeText()
{
    return QString::fromUtf8("Serbest...(Kayıt Yok)");
}
QString Recorder::completedText()
{
    return QString::fromUtf8("Kayıt İşlemi Tamamlandı");
}
QString Recorder::interruptedText()
{
    return QString::fromUtf8("İşlem Durduruldu...");
}
QString Recorder::playingText()
{
    return QString::fromUtf8("Notalar Çalınıyor...");
}

std::optional<qint32> Recorder::noteTriggered(bool boxTicked)
{
    // The mark goes before the caption changes: the new note is marked after both.
    emit markCleared();
    if (!boxTicked) {
        // A note played with the box cleared ends any recording and is not kept.
        end();
        emit statusChanged(freeText());
        return std::nullopt;
    }
    const qint64 now = clock_.nowUs();
    qint32 pause = 0;
    if (!recording_) {
        countedUs_ = now;
    } else {
        // Whole milliseconds; the part of one left over counts towards the next pause, so
        // the pauses of a take add up to its length and a replay keeps every note in place.
        const qint64 ms = qMax<qint64>(0, (now - countedUs_) / 1000);
        if (ms > kMaxPause) {
            pause = kMaxPause;
            countedUs_ = now;
        } else {
            pause = qint32(ms);
            countedUs_ += ms * 1000;
        }
    }
    recording_ = true;
    emit statusChanged(recordingText());
    return pause;
}

void Recorder::stopRequested(bool boxTicked)
{
    if (!boxTicked) {
        end();
        emit statusChanged(freeText());
        emit markCleared();
        return;
    }
    if (recording_) {
        end();
        emit statusChanged(completedText());
        emit markCleared();
    }
    // ticked and idle: caption and mark stay
}

void Recorder::boxChanged(bool ticked)
{
    // Clearing the box lets a running recording go on until the next note, which is then
    // played unrecorded and ends it; ticking it always starts afresh.
    if (ticked)
        end();
}

void Recorder::playbackStarted()
{
    end();
    emit statusChanged(playingText());
    emit markCleared();
}

void Recorder::focusLost()
{
    end();
    emit statusChanged(interruptedText()); // the mark stays
}

} // namespace tezvan
