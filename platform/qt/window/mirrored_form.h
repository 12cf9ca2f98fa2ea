// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/window/form.h"

namespace tappon {

// The form that a window mirrors, as the window's parts (its input, its menus, the
// views of its controls) see it: there until the window stops mirroring it, which a
// handler may cause midway through any delivery.
class MirroredForm {
public:
    explicit MirroredForm(Form& form) : form_(form) {}
    MirroredForm(const MirroredForm&) = delete;
    MirroredForm& operator=(const MirroredForm&) = delete;

    Form& form() const { return form_; }
    // The form while the window mirrors it; nullptr once it is being torn down.
    Form* live() const { return detached_ ? nullptr : &form_; }
    // For good: the form is going away.
    void detach() { detached_ = true; }

    // While the window mirrors a change of the model, focus moves that the toolkit makes
    // on its own are not reported back: the model decides where the focus goes.
    class Change {
    public:
        explicit Change(MirroredForm& mirrored) : mirrored_(mirrored) { ++mirrored_.changes_; }
        ~Change() { --mirrored_.changes_; }
        Change(const Change&) = delete;
        Change& operator=(const Change&) = delete;

    private:
        MirroredForm& mirrored_;
    };

    // The toolkit moved the focus to the control's widget.
    void focusReported(Control& control)
    {
        if (detached_ || changes_ > 0)
            return;
        form_.focusChangedByPlatform(&control);
    }

private:
    Form& form_;
    bool detached_ = false;
    int changes_ = 0;
};

}  // namespace tappon
