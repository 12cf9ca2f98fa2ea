#pragma once

#include "platform/registry.h"

namespace tappon {

// A desktop without a system registry: every key is missing.
class NoRegistry : public Registry {
public:
    static constexpr long kFileNotFound = 2;

    long openKey(std::uint32_t, const std::string&, std::uint32_t, Handle& handle) override
    {
        handle = 0;
        return kFileNotFound;
    }
    long queryValue(Handle, const std::string&, std::size_t, Value&) override { return kFileNotFound; }
    long closeKey(Handle) override { return 0; }
    std::string narrowToText(const std::vector<std::uint8_t>& bytes) const override
    {
        return std::string(bytes.begin(), bytes.end());
    }
};

}  // namespace tappon
