// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <string>

namespace tappon {

// A picture, icon or cursor built into the program, named by its resource path
// (for example ":/pictures/field.jpg"). Copying a picture from one control to another
// copies this handle; the toolkit layer loads and caches the image behind it.
struct Picture {
    std::string resource;

    bool empty() const { return resource.empty(); }
    friend bool operator==(const Picture&, const Picture&) = default;
};

}  // namespace tappon
