// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/window/runtime_error.h"

#include <map>
#include <string>

namespace tappon {

// Controls sharing one name, told apart by index; index sets need not start at 0 or
// be contiguous. An index that is not a member is a runtime error.
template <typename T>
class ControlArray {
public:
    ControlArray() = default;
    explicit ControlArray(std::map<int, T*> members) : members_(std::move(members)) {}

    T& operator[](int index) const
    {
        const auto it = members_.find(index);
        if (it == members_.end())
            throw RuntimeError(kErrorSubscriptOutOfRange,
                               "Control array element '" + std::to_string(index) + "' doesn't exist");
        return *it->second;
    }
    bool contains(int index) const { return members_.count(index) > 0; }
    std::size_t size() const { return members_.size(); }
    auto begin() const { return members_.begin(); }
    auto end() const { return members_.end(); }

private:
    std::map<int, T*> members_;
};

}  // namespace tappon
