// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/window/window.h"

#include "platform/window/application.h"

namespace tappon {

Window::Window(Application& app, const FormDesign& design) : app_(app), form_(app, design)
{
}

}  // namespace tappon
