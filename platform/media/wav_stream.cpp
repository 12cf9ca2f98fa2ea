// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/media/wav_stream.h"

#include <algorithm>
#include <utility>

namespace tappon {

namespace {

bool readAt(std::ifstream& file, std::size_t offset, std::span<std::uint8_t> out)
{
    file.clear();
    file.seekg(static_cast<std::streamoff>(offset));
    file.read(reinterpret_cast<char*>(out.data()), static_cast<std::streamsize>(out.size()));
    return file.gcount() == static_cast<std::streamsize>(out.size());
}

}  // namespace

std::unique_ptr<WavStream> WavStream::open(const std::filesystem::path& path, int leadingSilenceMs)
{
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file)
        return nullptr;
    const std::streamoff size = file.tellg();
    if (size <= 0)
        return nullptr;
    const auto wav = locateWav(static_cast<std::size_t>(size), [&file](std::size_t offset, std::span<std::uint8_t> out) {
        return readAt(file, offset, out);
    });
    if (!wav || wav->dataBytes == 0)
        return nullptr;
    PcmLayout layout;
    if (!matchingLayout(wav->format, layout))
        layout = {PcmSampleType::Int16, wav->format.channels, wav->format.sampleRate};
    return std::unique_ptr<WavStream>(new WavStream(std::move(file), *wav, layout, leadingSilenceMs));
}

WavStream::WavStream(std::ifstream file, const WavLayout& wav, const PcmLayout& layout, int leadingSilenceMs)
    : file_(std::move(file)), wav_(wav), layout_(layout), converter_(wav.format, wav.frameCount(), layout),
      silence_(pcmSilence(layout, leadingSilenceMs))
{
}

bool WavStream::next(std::size_t fileBytes, std::vector<std::uint8_t>& out)
{
    if (!silenceGiven_) {
        out.insert(out.end(), silence_.begin(), silence_.end());
        silenceGiven_ = true;
    }
    block_.resize(std::min(fileBytes, wav_.dataBytes - read_));
    if (block_.empty())
        return true;
    if (!readAt(file_, wav_.dataOffset + read_, block_))
        return false;
    read_ += block_.size();
    converter_.convert(block_, out);
    return true;
}

}  // namespace tappon
