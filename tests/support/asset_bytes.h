// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// Reading the files in assets/ as bytes, for the tests of their formats.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tappon::testing {

// Named by the build: __FILE__ may be relative to the build folder (a compiler cache's base).
inline const std::filesystem::path kAssets = TAPPON_ASSETS_DIR;

using Bytes = std::vector<std::uint8_t>;

inline Bytes readAsset(const std::string& name)
{
    std::ifstream in(kAssets / name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline unsigned le16(const Bytes& b, std::size_t at)
{
    return b.at(at) | b.at(at + 1) << 8;
}
inline unsigned be16(const Bytes& b, std::size_t at)
{
    return b.at(at) << 8 | b.at(at + 1);
}
inline std::uint32_t le32(const Bytes& b, std::size_t at)
{
    return le16(b, at) | std::uint32_t{le16(b, at + 2)} << 16;
}
inline std::string text(const Bytes& b, std::size_t at, std::size_t length)
{
    return at + length <= b.size() ? std::string(b.begin() + at, b.begin() + at + length) : std::string{};
}

}  // namespace tappon::testing
