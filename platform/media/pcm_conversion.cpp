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

// The file's frames as floats in the target's channel count, at the file's rate.
std::vector<float> remapChannels(const WavFile& wav, int targetChannels)
{
    const WavFormat& format = wav.format;
    const std::size_t frames = wav.frameCount();
    const auto sourceChannels = static_cast<std::size_t>(format.channels);
    const auto channels = static_cast<std::size_t>(targetChannels);
    std::vector<float> out(frames * channels, 0.0f);
    for (std::size_t frame = 0; frame < frames; ++frame) {
        const std::uint8_t* in = wav.data.data() + frame * static_cast<std::size_t>(format.bytesPerFrame());
        float* to = out.data() + frame * channels;
        auto sample = [&](std::size_t c) { return readSample(in + c * static_cast<std::size_t>(format.bytesPerSample()), format); };
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
    return out;
}

std::vector<float> resample(const std::vector<float>& in, std::size_t channels, int fromRate, int toRate)
{
    if (fromRate == toRate || in.empty())
        return in;
    const std::size_t inFrames = in.size() / channels;
    const auto outFrames = static_cast<std::size_t>(static_cast<double>(inFrames) * toRate / fromRate);
    std::vector<float> out(outFrames * channels);
    const double step = static_cast<double>(fromRate) / toRate;
    for (std::size_t frame = 0; frame < outFrames; ++frame) {
        const double position = static_cast<double>(frame) * step;
        const auto left = std::min(static_cast<std::size_t>(position), inFrames - 1);
        const std::size_t right = std::min(left + 1, inFrames - 1);
        const auto weight = static_cast<float>(position - static_cast<double>(left));
        for (std::size_t c = 0; c < channels; ++c)
            out[frame * channels + c] = in[left * channels + c] * (1 - weight) + in[right * channels + c] * weight;
    }
    return out;
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

std::vector<std::uint8_t> convertPcm(const WavFile& wav, const PcmLayout& target, int leadingMs, int trailingMs)
{
    std::vector<std::uint8_t> out;
    const std::uint8_t silentByte = target.type == PcmSampleType::UInt8 ? 128 : 0;
    PcmLayout same;
    // Little-endian hosts only: the samples of a matching layout are copied as they are.
    if (matchingLayout(wav.format, same) && same == target) {
        out = wav.data;
    } else {
        const auto channels = static_cast<std::size_t>(target.channels);
        const std::vector<float> frames
            = resample(remapChannels(wav, target.channels), channels, wav.format.sampleRate, target.sampleRate);
        const auto width = static_cast<std::size_t>(bytesPerSample(target.type));
        out.resize(frames.size() * width);
        for (std::size_t i = 0; i < frames.size(); ++i)
            writeSample(out.data() + i * width, frames[i], target.type);
    }
    out.insert(out.begin(), silenceBytes(target, leadingMs), silentByte);
    out.resize(out.size() + silenceBytes(target, trailingMs), silentByte);
    return out;
}

}  // namespace tappon
