#include "Recorder.h"

namespace tezvan {

QString Recorder::recordingText() { return QString::fromUtf8("Kayıt yapılıyor... DUR"); }
QString Recorder::freeText() { return QString::fromUtf8("Serbest...(Kayıt Yok)"); }
QString Recorder::completedText() { return QString::fromUtf8("Kayıt İşlemi Tamamlandı"); }
QString Recorder::interruptedText() { return QString::fromUtf8("İşlem Durduruldu..."); }
QString Recorder::playingText() { return QString::fromUtf8("Notalar Çalınıyor..."); }

Recorder::Note Recorder::noteTriggered(bool boxTicked)
{
    if (!boxTicked) {
        // A note played with the box cleared ends any recording and is not kept.
        end();
        return {{freeText(), true}, std::nullopt};
    }
    const qint64 now = clock_.nowUs();
    qint32 pause = 0;
    if (recording_) {
        const qint64 ms = qMax<qint64>(0, (now - lastNoteUs_) / 1000);
        pause = qint32(qMin<qint64>(ms, kMaxPause));
    }
    recording_ = true;
    lastNoteUs_ = now;
    return {{recordingText(), true}, pause};
}

Recorder::Effect Recorder::stopButton(bool boxTicked)
{
    if (!boxTicked) {
        end();
        return {freeText(), true};
    }
    if (recording_) {
        end();
        return {completedText(), true};
    }
    return {}; // ticked and idle: caption and mark stay
}

void Recorder::boxChanged(bool ticked)
{
    // Clearing the box lets a running recording go on until the next note, which is then
    // played unrecorded and ends it; ticking it always starts afresh.
    if (ticked)
        end();
}

Recorder::Effect Recorder::playbackStarted()
{
    end();
    return {playingText(), true};
}

Recorder::Effect Recorder::focusLost()
{
    end();
    return {interruptedText(), false};
}

} // namespace tezvan
