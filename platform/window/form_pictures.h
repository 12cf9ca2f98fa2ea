// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/design/picture.h"

#include <vector>

namespace tappon {

class Form;

// The pictures a window can show as it stands: its icon, its back picture, and each
// control's picture and mouse pointer, hidden controls included.
std::vector<Picture> picturesOf(const Form& form);

}  // namespace tappon
