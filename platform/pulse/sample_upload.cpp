// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/pulse/sample_upload.h"

#include "platform/pulse/pulse_connection.h"

#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/operation.h>
#include <pulse/scache.h>
#include <pulse/stream.h>

#include <utility>

namespace tappon {

namespace {

void streamChanged(pa_stream*, void* connection)
{
    PulseConnection::signalCallback(connection);
}

void answered(pa_context*, const pa_stat_info*, void* connection)
{
    PulseConnection::signalCallback(connection);
}

}  // namespace

SampleUpload::SampleUpload(PulseConnection& connection, const std::string& name, const pa_sample_spec& format,
                           std::size_t bytes, std::function<bool()> abandoned)
    : connection_(connection), context_(connection.ready()), abandoned_(std::move(abandoned))
{
    if (!context_)
        return;
    stream_ = pa_stream_new(context_, name.c_str(), &format, nullptr);
    if (!stream_)
        return;
    pa_stream_set_state_callback(stream_, &streamChanged, &connection_);
    if (pa_stream_connect_upload(stream_, bytes) < 0) {
        pa_stream_set_state_callback(stream_, nullptr, nullptr);
        pa_stream_unref(stream_);
        stream_ = nullptr;
    }
}

SampleUpload::~SampleUpload()
{
    if (roundTrip_) {
        if (pa_operation_get_state(roundTrip_) == PA_OPERATION_RUNNING)
            pa_operation_cancel(roundTrip_);
        pa_operation_unref(roundTrip_);
    }
    if (!stream_)
        return;
    pa_stream_set_state_callback(stream_, nullptr, nullptr);
    const pa_stream_state_t state = pa_stream_get_state(stream_);
    if (state == PA_STREAM_CREATING || state == PA_STREAM_READY)
        pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
}

bool SampleUpload::awaitTurn()
{
    if (!stream_)
        return false;
    for (;;) {
        if (abandoned_())
            return false;
        const pa_stream_state_t state = pa_stream_get_state(stream_);
        if (state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED)
            return false;
        if (roundTrip_ && pa_operation_get_state(roundTrip_) != PA_OPERATION_RUNNING) {
            pa_operation_unref(roundTrip_);
            roundTrip_ = nullptr;
        }
        if (state == PA_STREAM_READY && !roundTrip_)
            return true;
        connection_.wait();
    }
}

bool SampleUpload::write(std::span<const std::uint8_t> samples)
{
    if (!awaitTurn())
        return false;
    // libpulse copies the samples into its memory shared with the server.
    if (pa_stream_write(stream_, samples.data(), samples.size(), nullptr, 0, PA_SEEK_RELATIVE) < 0)
        return false;
    // The server answers requests in order: its answer to this one comes once it has
    // copied the block into the sample and handed libpulse's memory back.
    roundTrip_ = pa_context_stat(context_, &answered, &connection_);
    return roundTrip_ != nullptr;
}

bool SampleUpload::finish()
{
    if (!awaitTurn() || pa_stream_finish_upload(stream_) < 0)
        return false;
    for (;;) {
        // Asked first: it may release the lock, and the state is read after it.
        const bool abandoned = abandoned_();
        const pa_stream_state_t state = pa_stream_get_state(stream_);
        if (state == PA_STREAM_TERMINATED)
            return true;
        if (state == PA_STREAM_FAILED || abandoned)
            return false;
        connection_.wait();
    }
}

}  // namespace tappon
