#include "platform/qt/sound_sink_worker.h"

#include <QAudioSink>
#include <QBuffer>

namespace tappon {

SoundSinkWorker::~SoundSinkWorker()
{
    if (current_)
        dropSink(current_);
}

void SoundSinkWorker::play(const QAudioDevice& device, const QAudioFormat& format, const QByteArray& samples)
{
    if (current_)
        dropSink(current_);
    auto* sink = new QAudioSink(device, format, this);
    auto* buffer = new QBuffer(sink);
    buffer->setData(samples);
    buffer->open(QIODevice::ReadOnly);
    connect(sink, &QAudioSink::stateChanged, this, [this, sink, buffer](QAudio::State state) {
        // Idle with data left is an underrun (a busy machine); the sink goes on by itself.
        // Idle at the end: the silence behind the effect is already in the server.
        const bool drained = state == QAudio::IdleState && buffer->atEnd();
        if (drained || (state == QAudio::StoppedState && sink->error() != QAudio::NoError))
            dropSink(sink);
    });
    current_ = sink;
    sink->start(buffer);
    if (current_ == sink && sink->state() == QAudio::StoppedState)
        dropSink(sink);
}

void SoundSinkWorker::dropSink(QAudioSink* sink)
{
    // May run inside the sink's own signal: disconnect now, delete later.
    disconnect(sink, nullptr, this, nullptr);
    sink->stop();
    sink->deleteLater();
    if (current_ == sink)
        current_ = nullptr;
}

}  // namespace tappon
