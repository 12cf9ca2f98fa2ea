// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The program: Qt's application object, the real system services, and the first window.
#include "app/after_first_expose.h"
#include "app/deferred_sound_player.h"
#include "app/plain_image_transfers.h"
#include "game/startup.h"
#include "platform/qt/accessibility/qt_screen_reader.h"
#include "platform/qt/appearance/qt_fonts.h"
#include "platform/qt/program/chinese_font_check.h"
#include "platform/qt/program/platform_start_guard.h"
#include "platform/qt/program/qt_timer_driver.h"
#include "platform/qt/program/trace.h"
#include "platform/qt/services/path_registry.h"
#include "platform/qt/services/qt_app_info.h"
#include "platform/qt/services/qt_file_tester.h"
#include "platform/qt/services/qt_message_box.h"
#include "platform/qt/services/qt_program_launcher.h"
#include "platform/qt/services/qt_shell.h"
#include "platform/qt/window/qt_window_host.h"
#include "platform/services/services.h"
#include "platform/services/system_random.h"
#include "platform/time/steady_clock.h"
#include "platform/window/application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>

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

}  // namespace

int main(int argc, char* argv[])
{
    tappon::trace::openFromEnvironment();
    if (!hasDisplay()) {
        std::fprintf(stderr, "tappon: cannot open a display (neither DISPLAY nor WAYLAND_DISPLAY is set)\n");
        return 1;
    }
    preferX11UnderWayland();
    tappon::PlainImageTransfers plainImageTransfers;

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
    tappon::DeferredSoundPlayer sound;
    tappon::SystemRandom random;
    tappon::QtShell shell;
    tappon::PathRegistry registry;
    tappon::QtProgramLauncher launcher;
    tappon::QtFileTester files;
    tappon::QtScreenReader screenReader;
    tappon::Services services{messageBox, sound, random, appInfo, shell, registry, launcher, files, screenReader};

    tappon::SteadyClock clock;
    tappon::QtWindowHost host;
    tappon::Application app(services, clock, host);
    host.bind(app);
    tappon::QtTimerDriver timers(app.scheduler());

    const tappon::AfterFirstExpose afterSplash(qtApp, [&] {
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
