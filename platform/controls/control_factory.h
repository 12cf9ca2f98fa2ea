// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/controls/control.h"
#include "platform/design/design.h"

#include <memory>

namespace tappon {

class Form;
class Scheduler;

// Builds one control of a form as its design describes it: the control of the design's
// kind with its kind's properties, then its geometry, tab index, visibility and enabled
// state, in that order (a timer enabled in its design starts ticking here). Linking it to
// its container is left to the form, which has all its controls by then.
std::unique_ptr<Control> createControl(Form& form, const ControlDesign& design, Scheduler& scheduler);

}  // namespace tappon
