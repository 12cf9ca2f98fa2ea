// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/pulse/sound_file.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace tappon {

namespace {

pa_sample_format_t serverFormat(int fileFormat)
{
    switch (fileFormat & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_32:
        return PA_SAMPLE_S32NE;
    case SF_FORMAT_FLOAT:
    case SF_FORMAT_DOUBLE:
        return PA_SAMPLE_FLOAT32NE;
    default:
        return PA_SAMPLE_S16NE;
    }
}

// libsndfile plays as much of a WAV file's samples as is there; a file that ends inside
// its data chunk is malformed all the same.
bool cutShort(SNDFILE* file, const SF_INFO& info)
{
    const int type = info.format & SF_FORMAT_TYPEMASK;
    if (type != SF_FORMAT_WAV && type != SF_FORMAT_WAVEX)
        return false;
    sf_count_t sampleBytes = 0;
    switch (info.format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_S8:
    case SF_FORMAT_PCM_U8:
        sampleBytes = 1;
        break;
    case SF_FORMAT_PCM_16:
        sampleBytes = 2;
        break;
    case SF_FORMAT_PCM_24:
        sampleBytes = 3;
        break;
    case SF_FORMAT_PCM_32:
    case SF_FORMAT_FLOAT:
        sampleBytes = 4;
        break;
    case SF_FORMAT_DOUBLE:
        sampleBytes = 8;
        break;
    default:
        return false;  // compressed: no fixed size of a frame
    }
    SF_CHUNK_INFO data{};
    std::memcpy(data.id, "data", 4);
    data.id_size = 4;
    const SF_CHUNK_ITERATOR* chunk = sf_get_chunk_iterator(file, &data);
    if (!chunk || sf_get_chunk_size(chunk, &data) != SF_ERR_NO_ERROR)
        return false;
    return info.frames < sf_count_t{data.datalen} / (sampleBytes * info.channels);
}

// The server passes on what lies beyond full scale, and what is no number at all.
void clampFloats(std::uint8_t* samples, std::size_t bytes)
{
    for (std::size_t at = 0; at < bytes; at += sizeof(float)) {
        float value = 0;
        std::memcpy(&value, samples + at, sizeof value);
        value = std::isfinite(value) ? std::clamp(value, -1.0f, 1.0f) : 0.0f;
        std::memcpy(samples + at, &value, sizeof value);
    }
}

}  // namespace

std::unique_ptr<SoundFile> SoundFile::open(const std::filesystem::path& path, int leadingSilenceMs)
{
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file)
        return nullptr;
    pa_sample_spec format{};
    format.format = serverFormat(info.format);
    if (info.channels >= 1 && info.channels <= static_cast<int>(PA_CHANNELS_MAX) && info.samplerate >= 1) {
        format.channels = static_cast<std::uint8_t>(info.channels);
        format.rate = static_cast<std::uint32_t>(info.samplerate);
    }
    const auto silenceFrames = static_cast<std::size_t>(std::int64_t{info.samplerate} * leadingSilenceMs / 1000);
    // A frame count beyond what memory could address is no effect either.
    const std::size_t maxFrames = std::numeric_limits<std::size_t>::max() / PA_CHANNELS_MAX / 4 - silenceFrames;
    if (!pa_sample_spec_valid(&format) || info.frames < 1 || static_cast<std::uint64_t>(info.frames) > maxFrames
        || cutShort(file, info)) {
        sf_close(file);
        return nullptr;
    }
    return std::unique_ptr<SoundFile>(
        new SoundFile(file, format, static_cast<std::size_t>(info.frames), silenceFrames));
}

SoundFile::SoundFile(SNDFILE* file, const pa_sample_spec& format, std::size_t frames, std::size_t silenceFrames)
    : file_(file), format_(format), frameBytes_(pa_frame_size(&format)), frames_(frames), silenceFrames_(silenceFrames)
{
}

SoundFile::~SoundFile()
{
    sf_close(file_);
}

bool SoundFile::next(std::size_t maxBytes, std::vector<std::uint8_t>& out)
{
    if (!silenceGiven_) {
        // Zero is silence in each of the formats.
        out.resize(out.size() + silenceFrames_ * frameBytes_, 0);
        silenceGiven_ = true;
    }
    const std::size_t frames = std::min(std::max<std::size_t>(maxBytes / frameBytes_, 1), frames_ - read_);
    if (frames == 0)
        return true;
    const std::size_t at = out.size();
    out.resize(at + frames * frameBytes_);
    // The buffer's start is aligned for any sample, and `at` is a multiple of a frame.
    void* const samples = out.data() + at;
    const auto wanted = static_cast<sf_count_t>(frames);
    sf_count_t got = 0;
    switch (format_.format) {
    case PA_SAMPLE_S32NE:
        got = sf_readf_int(file_, static_cast<int*>(samples), wanted);
        break;
    case PA_SAMPLE_FLOAT32NE:
        got = sf_readf_float(file_, static_cast<float*>(samples), wanted);
        clampFloats(out.data() + at, frames * frameBytes_);
        break;
    default:
        got = sf_readf_short(file_, static_cast<short*>(samples), wanted);
        break;
    }
    if (got != wanted) {
        out.resize(at);
        return false;
    }
    read_ += frames;
    return true;
}

}  // namespace tappon
