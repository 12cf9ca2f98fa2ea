// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/window/qt_window_host.h"

#include "platform/qt/appearance/picture_cache.h"
#include "platform/qt/window/form_view.h"
#include "platform/window/application.h"
#include "platform/window/form_pictures.h"

#include <QCoreApplication>
#include <QWindow>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace tappon {

namespace {

// Hands the heap's free pages back to the system: a closed window leaves hundreds of
// kilobytes of them (its decoded pictures, its widgets) that the program keeps
// otherwise for as long as it runs.
void returnFreedHeap()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

}  // namespace

QtWindowHost::~QtWindowHost()
{
    for (auto& [form, view] : views_)
        delete view.data();
    for (const QPointer<FormView>& view : retired_)
        delete view.data();
}

void QtWindowHost::attach(Form& form)
{
    auto* view = new FormView(form, [this](Form& closing) {
        if (!app_)
            return;
        if (Window* window = app_->windowOf(closing))
            app_->closeRequested(*window);
    });
    views_[&form] = view;
}

void QtWindowHost::show(Form& form, ShowMode mode, Form* owner)
{
    if (FormView* view = viewOf(form)) {
        std::erase(shown_, QPointer<FormView>(view));
        shown_.emplace_back(view);
        // The window manager keeps a modal window above its owner, raises it with the
        // owner and minimises the two together.
        FormView* ownerView = owner ? viewOf(*owner) : nullptr;
        if (mode == ShowMode::Modal && ownerView && !view->bypassesWindowManager()) {
            view->winId();
            view->windowHandle()->setTransientParent(ownerView->windowHandle());
        }
        view->showWindow(mode, owner);
    }
}

void QtWindowHost::detach(Form& form)
{
    const auto it = views_.find(&form);
    if (it == views_.end())
        return;
    FormView* view = it->second;
    views_.erase(it);
    if (!view)
        return;
    view->detach();
    const bool unmanaged = view->bypassesWindowManager();
    view->hide();
    std::erase(shown_, QPointer<FormView>(view));
    std::erase(shown_, QPointer<FormView>());
    for (auto it = shown_.rbegin(); it != shown_.rend(); ++it) {
        if ((*it)->isVisible()) {
            (*it)->takeKeyboardBack(unmanaged);
            break;
        }
    }
    // The view may be inside its own event handler right now: it goes when control
    // is back in the event loop.
    view->deleteLater();
    retired_.push_back(view);
    releasePicturesOfClosedWindows();
    QObject::connect(view, &QObject::destroyed, [] { returnFreedHeap(); });
}

void QtWindowHost::releasePicturesOfClosedWindows()
{
    std::vector<Picture> inUse;
    for (const auto& [form, view] : views_) {
        const std::vector<Picture> pictures = picturesOf(*form);
        inUse.insert(inUse.end(), pictures.begin(), pictures.end());
    }
    PictureCache::instance().keepOnly(inUse);
}

void QtWindowHost::quit(int exitCode)
{
    quitRequested_ = true;
    exitCode_ = exitCode;
    for (auto& [form, view] : views_)
        if (view)
            view->closeForQuit();
    // Leaves every running event loop, the nested one of an open message box too.
    QCoreApplication::exit(exitCode);
}

FormView* QtWindowHost::viewOf(const Form& form) const
{
    const auto it = views_.find(&form);
    return it == views_.end() ? nullptr : it->second.data();
}

}  // namespace tappon
