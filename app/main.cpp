// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The program: Qt's application object, the real system services, and the first window.
#include "platform/application.h"
#include "platform/qt/chinese_font_check.h"
#include "platform/qt/path_registry.h"
#include "platform/qt/platform_start_guard.h"
#include "platform/qt/qt_app_info.h"
#include "platform/qt/qt_file_tester.h"
#include "platform/qt/qt_screen_reader.h"
#include "platform/qt/qt_fonts.h"
#include "platform/qt/qt_message_box.h"
#include "platform/qt/qt_program_launcher.h"
#include "platform/qt/qt_shell.h"
#include "platform/qt/qt_timer_driver.h"
#include "platform/qt/qt_window_host.h"
#include "platform/qt/trace.h"
#include "platform/services.h"
#include "platform/steady_clock.h"
#include "game/startup.h"
#include "platform/system_random.h"
#ifdef _WIN32
#include "platform/win/windows_registry.h"
#endif

#include <QApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <functional>
#include <memory>

#include "platform/pulse/pulse_sound_player.h"

namespace {

// Without any display Qt would abort with a long message; say it in one line instead.
bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
           || qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

// Windows are placed by absolute screen positions, which Wayland does not allow; under
// a Wayland session the X server beside it (XWayland) does.
void preferX11UnderWayland()
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

// The letters repaint a few small rectangles twenty times a second. Through shared
// memory each repaint must wait for the X server to finish reading the last one (a round
// trip); sent over the connection, small rectangles cost less and never wait. Qt reads
// the setting as it connects; it is taken back then, so programs started from here
// (the browser, the system information) do not inherit it.
class PlainImageTransfers {
public:
    PlainImageTransfers() : set_(!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
    {
        if (set_)
            qputenv("QT_XCB_NO_MITSHM", "1");
    }
    void connected()
    {
        if (set_)
            qunsetenv("QT_XCB_NO_MITSHM");
        set_ = false;
    }

private:
    bool set_ = false;
};

// The sound player starts a thread and connects to the sound server; the splash window
// must not wait for that. The real player is made once the first window is on screen,
// or at its first use if that comes earlier.
class DeferredSoundPlayer : public tappon::SoundPlayer {
public:
    void create()
    {
        if (!player_)
            player_ = std::make_unique<tappon::PulseSoundPlayer>();
    }
    void play(const std::string& path) override
    {
        tappon::trace::event("sound", path);
        create();
        player_->play(path);
    }

private:
    std::unique_ptr<tappon::PulseSoundPlayer> player_;
};

// Runs a job once, from the event loop, after the first window has been exposed.
class AfterFirstExpose : public QObject {
public:
    AfterFirstExpose(QObject& application, std::function<void()> job) : QObject(&application), job_(std::move(job))
    {
        application.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (job_ && event->type() == QEvent::Expose && watched->isWindowType()) {
            parent()->removeEventFilter(this);
            QTimer::singleShot(0, this, [job = std::move(job_)] { job(); });
            job_ = nullptr;
        }
        return false;
    }

private:
    std::function<void()> job_;
};

}  // namespace

int main(int argc, char* argv[])
{
    tappon::trace::openFromEnvironment();
    if (!hasDisplay()) {
        std::fprintf(stderr, "tappon: cannot open a display (neither DISPLAY nor WAYLAND_DISPLAY is set)\n");
        return 1;
    }
    preferX11UnderWayland();
    PlainImageTransfers plainImageTransfers;

    tappon::PlatformStartGuard startGuard("tappon");
    QApplication qtApp(argc, argv);
    plainImageTransfers.connected();
    startGuard.release();
    QApplication::setApplicationName("Tappon");
    tappon::trace::watchWindows(qtApp);
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setFont(tappon::resolveFont(tappon::Font{"宋体", 9.0f, false, false}));
    tappon::reportMissingChineseFont();

    QTranslator qtTranslation;

    tappon::QtAppInfo appInfo;
    tappon::QtMessageBox messageBox(appInfo);
    DeferredSoundPlayer sound;
    tappon::SystemRandom random;
    tappon::QtShell shell;
#ifdef _WIN32
    tappon::WindowsRegistry registry;
#else
    tappon::PathRegistry registry;
#endif
    tappon::QtProgramLauncher launcher;
    tappon::QtFileTester files;
    tappon::QtScreenReader screenReader;
    tappon::Services services{messageBox, sound, random, appInfo, shell, registry, launcher, files, screenReader};

    tappon::SteadyClock clock;
    tappon::QtWindowHost host;
    tappon::Application app(services, clock, host);
    host.bind(app);
    tappon::QtTimerDriver timers(app.scheduler());

    const AfterFirstExpose afterSplash(qtApp, [&] {
        // Qt's own dialog buttons in Chinese ("确定"), as the rest of the program speaks.
        if (qtTranslation.load("qtbase_zh_CN", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QApplication::installTranslator(&qtTranslation);
        sound.create();
        tappon::QtMessageBox::warmUp();
    });
    tappon::startProgram(app);
    if (host.quitRequested())
        return host.exitCode();
    return QApplication::exec();
}
