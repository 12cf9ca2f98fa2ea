#include "platform/qt/qt_sound_player.h"

#include "platform/qt/trace.h"

#include "platform/qt/sound_sink_worker.h"

#include "platform/pcm_conversion.h"
#include "platform/wav_file.h"

#include <QAudioDevice>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QThread>

#include <optional>
#include <span>

namespace tappon {

namespace {

QAudioFormat::SampleFormat toQt(PcmSampleType type)
{
    switch (type) {
    case PcmSampleType::UInt8:
        return QAudioFormat::UInt8;
    case PcmSampleType::Int16:
        return QAudioFormat::Int16;
    case PcmSampleType::Int32:
        return QAudioFormat::Int32;
    case PcmSampleType::Float:
        return QAudioFormat::Float;
    }
    return QAudioFormat::Unknown;
}

std::optional<PcmSampleType> fromQt(QAudioFormat::SampleFormat format)
{
    switch (format) {
    case QAudioFormat::UInt8:
        return PcmSampleType::UInt8;
    case QAudioFormat::Int16:
        return PcmSampleType::Int16;
    case QAudioFormat::Int32:
        return PcmSampleType::Int32;
    case QAudioFormat::Float:
        return PcmSampleType::Float;
    default:
        return std::nullopt;
    }
}

QAudioFormat toQt(const PcmLayout& layout)
{
    QAudioFormat format;
    format.setSampleFormat(toQt(layout.type));
    format.setChannelCount(layout.channels);
    format.setSampleRate(layout.sampleRate);
    return format;
}

// The file's own layout if the device takes it, else 16-bit at the file's rate and
// channels, else whatever the device prefers.
std::optional<PcmLayout> chooseLayout(const WavFormat& file, const QAudioDevice& device)
{
    PcmLayout layout;
    if (matchingLayout(file, layout) && device.isFormatSupported(toQt(layout)))
        return layout;
    layout = {PcmSampleType::Int16, file.channels, file.sampleRate};
    if (device.isFormatSupported(toQt(layout)))
        return layout;
    const QAudioFormat preferred = device.preferredFormat();
    const auto type = fromQt(preferred.sampleFormat());
    if (!preferred.isValid() || !type || preferred.channelCount() < 1 || preferred.sampleRate() < 1)
        return std::nullopt;
    return PcmLayout{*type, preferred.channelCount(), preferred.sampleRate()};
}

}  // namespace

QtSoundPlayer::QtSoundPlayer(QObject* parent)
    : QObject(parent)
    , thread_(new QThread)
    , worker_(new SoundSinkWorker)
{
    thread_->setObjectName(QStringLiteral("sound"));
    worker_->moveToThread(thread_);
    connect(thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_->start();

    // The first stream of a process takes several times longer to open than later ones;
    // a moment of silence now keeps that cost away from the first effect.
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    const QAudioFormat format = device.preferredFormat();
    if (device.isNull() || !format.isValid())
        return;
    const char zero = format.sampleFormat() == QAudioFormat::UInt8 ? '\x80' : '\0';
    start(device, format, QByteArray(format.bytesForDuration(10'000), zero));
}

QtSoundPlayer::~QtSoundPlayer()
{
    thread_->quit();
    // A thread stuck in a dead server's stream set-up cannot be joined; it is left to the
    // end of the process rather than hanging it.
    if (thread_->wait(QDeadlineTimer(kStopTimeoutMs)))
        delete thread_;
}

void QtSoundPlayer::play(const std::string& path)
{
    trace::event("sound", path);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;
    const Prepared& prepared = prepare(QString::fromStdString(path), device);
    if (prepared.samples.isEmpty())
        return;
    start(device, prepared.format, prepared.samples);
}

void QtSoundPlayer::start(const QAudioDevice& device, const QAudioFormat& format, const QByteArray& samples)
{
    QMetaObject::invokeMethod(
        worker_, [worker = worker_, device, format, samples] { worker->play(device, format, samples); },
        Qt::QueuedConnection);
}

const QtSoundPlayer::Prepared& QtSoundPlayer::prepare(const QString& path, const QAudioDevice& device)
{
    const QFileInfo info(path);
    const qint64 size = info.isFile() ? info.size() : -1;
    const QDateTime modified = info.lastModified();
    Prepared& entry = cache_[path];
    if (entry.size == size && entry.modified == modified && entry.deviceId == device.id())
        return entry;

    entry = Prepared{size, modified, device.id(), {}, {}};
    if (size <= 0 || size > kMaxFileBytes)
        return entry;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return entry;
    const QByteArray bytes = file.readAll();
    const auto wav = parseWav(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                        static_cast<std::size_t>(bytes.size())));
    if (!wav || wav->data.empty())
        return entry;
    const auto layout = chooseLayout(wav->format, device);
    if (!layout)
        return entry;
    const std::vector<std::uint8_t> samples = convertPcm(*wav, *layout, kLeadingSilenceMs, kTrailingSilenceMs);
    entry.format = toQt(*layout);
    entry.samples = QByteArray(reinterpret_cast<const char*>(samples.data()), static_cast<qsizetype>(samples.size()));
    return entry;
}

}  // namespace tappon
