// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/media/pcm_conversion.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tappon {

namespace {

float readSample(const std::uint8_t* p, const WavFormat& format)
{
    if (format.sampleType == WavSampleType::Float) {
        float value = 0;
        const std::uint32_t bits = static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8)
            | (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
        std::memcpy(&value, &bits, sizeof value);
        return std::isfinite(value) ? std::clamp(value, -1.0f, 1.0f) : 0.0f;
    }
    switch (format.bitsPerSample) {
    case 8:
        return (static_cast<int>(p[0]) - 128) / 128.0f;
    case 16:
        return static_cast<std::int16_t>(p[0] | (p[1] << 8)) / 32768.0f;
    case 24: {
        const std::int32_t value = static_cast<std::int32_t>(
            (static_cast<std::uint32_t>(p[0]) << 8) | (static_cast<std::uint32_t>(p[1]) << 16)
            | (static_cast<std::uint32_t>(p[2]) << 24));
        return static_cast<float>(value / 2147483648.0);
    }
    default: {
        const std::int32_t value = static_cast<std::int32_t>(static_cast<std::uint32_t>(p[0])
            | (static_cast<std::uint32_t>(p[1]) << 8) | (static_cast<std::uint32_t>(p[2]) << 16)
            | (static_cast<std::uint32_t>(p[3]) << 24));
        return static_cast<float>(value / 2147483648.0);
    }
    }
}

void writeSample(std::uint8_t* out, float value, PcmSampleType type)
{
    value = std::clamp(value, -1.0f, 1.0f);
    switch (type) {
    case PcmSampleType::UInt8: {
        const auto sample = static_cast<std::uint8_t>(std::clamp(std::lround(value * 128.0f) + 128, 0L, 255L));
        std::memcpy(out, &sample, 1);
        break;
    }
    case PcmSampleType::Int16: {
        const auto sample = static_cast<std::int16_t>(std::clamp(std::lround(value * 32768.0f), -32768L, 32767L));
        std::memcpy(out, &sample, sizeof sample);
        break;
    }
    case PcmSampleType::Int32: {
        const auto sample = static_cast<std::int32_t>(
            std::clamp<double>(std::round(value * 2147483648.0), -2147483648.0, 2147483647.0));
        std::memcpy(out, &sample, sizeof sample);
        break;
    }
    case PcmSampleType::Float:
        std::memcpy(out, &value, sizeof value);
        break;
    }
}

// One source frame as floats in the target's channel count: channels are mixed down to
// mono, mono is spread, other counts map channel by channel.
void remapFrame(const std::uint8_t* in, const WavFormat& format, std::size_t channels, float* to)
{
    const auto sourceChannels = static_cast<std::size_t>(format.channels);
    auto sample = [&](std::size_t c) { return readSample(in + c * static_cast<std::size_t>(format.bytesPerSample()), format); };
    std::fill(to, to + channels, 0.0f);
    if (channels == 1 && sourceChannels > 1) {
        float sum = 0;
        for (std::size_t c = 0; c < sourceChannels; ++c)
            sum += sample(c);
        to[0] = sum / static_cast<float>(sourceChannels);
    } else if (sourceChannels == 1) {
        std::fill(to, to + channels, sample(0));
    } else {
        for (std::size_t c = 0; c < std::min(channels, sourceChannels); ++c)
            to[c] = sample(c);
    }
}

std::size_t silenceBytes(const PcmLayout& layout, int silenceMs)
{
    const auto frames = static_cast<std::size_t>(static_cast<long long>(layout.sampleRate) * silenceMs / 1000);
    return frames * static_cast<std::size_t>(layout.channels * bytesPerSample(layout.type));
}

}  // namespace

int bytesPerSample(PcmSampleType type)
{
    switch (type) {
    case PcmSampleType::UInt8:
        return 1;
    case PcmSampleType::Int16:
        return 2;
    case PcmSampleType::Int32:
    case PcmSampleType::Float:
        return 4;
    }
    return 0;
}

bool matchingLayout(const WavFormat& format, PcmLayout& layout)
{
    layout.channels = format.channels;
    layout.sampleRate = format.sampleRate;
    if (format.sampleType == WavSampleType::Float)
        layout.type = PcmSampleType::Float;
    else if (format.bitsPerSample == 8)
        layout.type = PcmSampleType::UInt8;
    else if (format.bitsPerSample == 16)
        layout.type = PcmSampleType::Int16;
    else if (format.bitsPerSample == 32)
        layout.type = PcmSampleType::Int32;
    else
        return false;
    return true;
}

PcmConverter::PcmConverter(const WavFormat& source, std::size_t frames, const PcmLayout& target)
    : source_(source), target_(target), sourceFrames_(frames)
{
    PcmLayout same;
    // Little-endian hosts only: the samples of a matching layout are copied as they are.
    copies_ = matchingLayout(source, same) && same == target;
    outFrames_ = source.sampleRate == target.sampleRate
        ? frames
        : static_cast<std::size_t>(static_cast<double>(frames) * target.sampleRate / source.sampleRate);
}

std::size_t PcmConverter::outputBytes() const
{
    if (copies_)
        return sourceFrames_ * static_cast<std::size_t>(source_.bytesPerFrame());
    return outFrames_ * static_cast<std::size_t>(target_.channels * bytesPerSample(target_.type));
}

void PcmConverter::convert(std::span<const std::uint8_t> in, std::vector<std::uint8_t>& out)
{
    const auto frameBytes = static_cast<std::size_t>(source_.bytesPerFrame());
    const auto channels = static_cast<std::size_t>(target_.channels);
    auto take = [&](const std::uint8_t* frames, std::size_t count) {
        count = std::min(count, sourceFrames_ - framesIn_);
        if (copies_) {
            out.insert(out.end(), frames, frames + count * frameBytes);
        } else {
            const std::size_t at = window_.size();
            window_.resize(at + count * channels);
            for (std::size_t i = 0; i < count; ++i)
                remapFrame(frames + i * frameBytes, source_, channels, window_.data() + at + i * channels);
        }
        framesIn_ += count;
    };
    // The start of a frame split between calls waits in a buffer of one frame's size.
    partial_.resize(frameBytes);
    if (partialBytes_ > 0) {
        const std::size_t missing = std::min(frameBytes - partialBytes_, in.size());
        std::copy_n(in.data(), missing, partial_.data() + partialBytes_);
        partialBytes_ += missing;
        in = in.subspan(missing);
        if (partialBytes_ < frameBytes)
            return;
        take(partial_.data(), 1);
        partialBytes_ = 0;
    }
    const std::size_t whole = in.size() / frameBytes;
    take(in.data(), whole);
    partialBytes_ = in.size() - whole * frameBytes;
    std::copy_n(in.data() + whole * frameBytes, partialBytes_, partial_.data());
    if (!copies_)
        emitFrames(out);
}

void PcmConverter::emitFrames(std::vector<std::uint8_t>& out)
{
    const auto channels = static_cast<std::size_t>(target_.channels);
    const auto width = static_cast<std::size_t>(bytesPerSample(target_.type));
    auto write = [&](const float* frame) {
        const std::size_t at = out.size();
        out.resize(at + channels * width);
        for (std::size_t c = 0; c < channels; ++c)
            writeSample(out.data() + at + c * width, frame[c], target_.type);
        ++framesOut_;
    };
    if (source_.sampleRate == target_.sampleRate) {
        for (std::size_t i = 0; i < window_.size(); i += channels)
            write(window_.data() + i);
        window_.clear();
        windowStart_ = framesIn_;
        return;
    }
    // Linear interpolation between the two source frames around each target frame.
    const double step = static_cast<double>(source_.sampleRate) / target_.sampleRate;
    auto leftOf = [&](std::size_t frame) {
        return std::min(static_cast<std::size_t>(static_cast<double>(frame) * step), sourceFrames_ - 1);
    };
    std::vector<float> frame(channels);
    while (framesOut_ < outFrames_) {
        const double position = static_cast<double>(framesOut_) * step;
        const std::size_t left = leftOf(framesOut_);
        const std::size_t right = std::min(left + 1, sourceFrames_ - 1);
        if (right >= framesIn_)
            break;
        const auto weight = static_cast<float>(position - static_cast<double>(left));
        const float* l = window_.data() + (left - windowStart_) * channels;
        const float* r = window_.data() + (right - windowStart_) * channels;
        for (std::size_t c = 0; c < channels; ++c)
            frame[c] = l[c] * (1 - weight) + r[c] * weight;
        write(frame.data());
    }
    // Keeps the frames the next target frame still needs.
    const std::size_t keepFrom = framesOut_ < outFrames_ ? std::min(leftOf(framesOut_), framesIn_) : framesIn_;
    window_.erase(window_.begin(), window_.begin() + static_cast<std::ptrdiff_t>((keepFrom - windowStart_) * channels));
    windowStart_ = keepFrom;
}

std::vector<std::uint8_t> pcmSilence(const PcmLayout& layout, int ms)
{
    return std::vector<std::uint8_t>(silenceBytes(layout, ms), layout.type == PcmSampleType::UInt8 ? 128 : 0);
}

std::vector<std::uint8_t> convertPcm(const WavFile& wav, const PcmLayout& target, int leadingMs, int trailingMs)
{
    std::vector<std::uint8_t> out = pcmSilence(target, leadingMs);
    PcmConverter converter(wav.format, wav.frameCount(), target);
    out.reserve(out.size() + converter.outputBytes() + silenceBytes(target, trailingMs));
    converter.convert(wav.data, out);
    const auto trailing = pcmSilence(target, trailingMs);
    out.insert(out.end(), trailing.begin(), trailing.end());
    return out;
}

}  // namespace tappon
