// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <stdexcept>
#include <string>

namespace tappon {

// A runtime error that a handler does not trap: overflow, an invalid argument, a failed
// control operation. The application reports it in a message box and ends.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int code, const std::string& description) : std::runtime_error(description), code_(code) {}
    int code() const { return code_; }

private:
    int code_ = 0;
};

// The error numbers of the classic runtime, so the report reads as players expect.
inline constexpr int kErrorInvalidArgument = 5;
inline constexpr int kErrorOverflow = 6;
inline constexpr int kErrorSubscriptOutOfRange = 9;
inline constexpr int kErrorTypeMismatch = 13;
inline constexpr int kErrorInternal = 51;

[[noreturn]] void throwOverflow();

}  // namespace tappon
