// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tappon {

// The system registry's narrow-text calls, reduced to what a lookup needs. Results are
// the system's error codes (0 is success). Paths and names are UTF-8 here; an
// implementation converts to the system's narrow code page and back.
class Registry {
public:
    using Handle = std::uint64_t;
    static constexpr std::uint32_t kLocalMachine = 0x80000002u;
    static constexpr std::uint32_t kTypeString = 1;  // REG_SZ
    static constexpr std::uint32_t kTypeDword = 4;   // REG_DWORD

    struct Value {
        std::uint32_t type = 0;
        std::vector<std::uint8_t> data;  // the first `byte count` bytes the call returned
    };

    virtual ~Registry() = default;
    virtual long openKey(std::uint32_t root, const std::string& path, std::uint32_t access, Handle& handle) = 0;
    // Reads into a buffer of `capacity` bytes.
    virtual long queryValue(Handle handle, const std::string& name, std::size_t capacity, Value& value) = 0;
    virtual long closeKey(Handle handle) = 0;
    // Narrow bytes (the system code page) back to UTF-8 text.
    virtual std::string narrowToText(const std::vector<std::uint8_t>& bytes) const = 0;
};

}  // namespace tappon
