// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <pulse/sample.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

struct pa_context;
struct pa_operation;
struct pa_stream;

namespace tappon {

class PulseConnection;

// One sample on its way into the server's cache, sent block by block: a block goes only
// once the server has taken the one before, so that neither the program's memory nor
// libpulse's holds more than a block of it, however large it is. Used on a thread of its
// own with the connection's lock held, which every wait releases; `abandoned` is asked
// after each wait whether to give up, and may release the lock itself meanwhile.
class SampleUpload {
public:
    SampleUpload(PulseConnection& connection, const std::string& name, const pa_sample_spec& format, std::size_t bytes,
                 std::function<bool()> abandoned);
    // An upload that did not finish is dropped: the server forgets what it was sent.
    ~SampleUpload();
    SampleUpload(const SampleUpload&) = delete;
    SampleUpload& operator=(const SampleUpload&) = delete;

    // Sends the next samples (whole frames); false when the upload failed or was abandoned.
    bool write(std::span<const std::uint8_t> samples);
    // After the last write: true once the sample is in the cache. Given up, the server
    // may still add it.
    bool finish();

private:
    // Waits until the stream is ready and the server has taken the last block.
    bool awaitTurn();

    PulseConnection& connection_;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    pa_operation* roundTrip_ = nullptr;  // answered once the server has taken the last block
    std::function<bool()> abandoned_;
};

}  // namespace tappon
