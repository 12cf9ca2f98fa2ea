#pragma once

#include <QAudioDevice>
#include <QAudioFormat>
#include <QByteArray>
#include <QObject>
#include <QPointer>

class QAudioSink;

namespace tappon {

// Owns the audio sinks of QtSoundPlayer on a thread of its own. Qt 6.4's PulseAudio sink
// waits in start() for its stream to become ready and never stops waiting if the server
// dies meanwhile; on this thread that stalls only the sound, never the windows.
class SoundSinkWorker : public QObject {
public:
    using QObject::QObject;
    ~SoundSinkWorker() override;

    // Stops the sound playing, if any, and plays these samples: one fresh sink, pulled
    // from a buffer; dropped once drained or on an error.
    void play(const QAudioDevice& device, const QAudioFormat& format, const QByteArray& samples);

private:
    void dropSink(QAudioSink* sink);

    QPointer<QAudioSink> current_;
};

}  // namespace tappon
