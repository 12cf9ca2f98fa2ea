#pragma once

#include "platform/sound_player.h"

#include <QAudioFormat>
#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QString>

class QAudioDevice;
class QThread;

namespace tappon {

class SoundSinkWorker;

// Plays each WAV file through a fresh QAudioSink on the default output, pulled from a
// buffer of its decoded samples. The sinks live on a thread of their own
// (SoundSinkWorker); files are read and decoded here, on the caller's thread.
// QSoundEffect is not used: on Qt 6.4 it cuts the end off every effect and breaks when
// one effect is played repeatedly. Each buffer carries 250 ms of trailing silence, so
// that dropping the sink once it has drained never cuts the effect's last samples still
// queued in the audio server, and 10 ms of leading silence, because the first few
// milliseconds of a new PulseAudio stream were measured to go missing.
class QtSoundPlayer : public QObject, public SoundPlayer {
public:
    explicit QtSoundPlayer(QObject* parent = nullptr);
    ~QtSoundPlayer() override;

    void play(const std::string& path) override;

    static constexpr int kLeadingSilenceMs = 10;
    static constexpr int kTrailingSilenceMs = 250;
    // Larger files are not sound effects; they are not read.
    static constexpr qint64 kMaxFileBytes = 32 * 1024 * 1024;
    static constexpr int kStopTimeoutMs = 1000;

private:
    struct Prepared {
        qint64 size = -1;
        QDateTime modified;
        QByteArray deviceId;
        QAudioFormat format;
        QByteArray samples;  // empty when the file cannot be played
    };

    const Prepared& prepare(const QString& path, const QAudioDevice& device);
    void start(const QAudioDevice& device, const QAudioFormat& format, const QByteArray& samples);

    QHash<QString, Prepared> cache_;
    QThread* thread_ = nullptr;
    SoundSinkWorker* worker_ = nullptr;
};

}  // namespace tappon
