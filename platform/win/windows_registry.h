// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/registry.h"

namespace tappon {

// The Windows registry through its narrow-text (ANSI) calls. Text crosses between the
// model's UTF-8 and the system's ANSI code page on the way in and out.
class WindowsRegistry : public Registry {
public:
    long openKey(std::uint32_t root, const std::string& path, std::uint32_t access, Handle& handle) override;
    long queryValue(Handle handle, const std::string& name, std::size_t capacity, Value& value) override;
    long closeKey(Handle handle) override;
    std::string narrowToText(const std::vector<std::uint8_t>& bytes) const override;
};

}  // namespace tappon
