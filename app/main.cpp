// The program: Qt's application object, the real system services, and the first window.
#include "platform/application.h"
#include "platform/qt/path_registry.h"
#include "platform/qt/qt_app_info.h"
#include "platform/qt/qt_file_tester.h"
#include "platform/qt/qt_fonts.h"
#include "platform/qt/qt_message_box.h"
#include "platform/qt/qt_program_launcher.h"
#include "platform/qt/qt_shell.h"
#include "platform/qt/qt_timer_driver.h"
#include "platform/qt/qt_window_host.h"
#include "platform/services.h"
#include "platform/steady_clock.h"
#include "platform/system_random.h"
#include "windows/startup.h"
#ifdef _WIN32
#include "platform/win/windows_registry.h"
#endif

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>

#if __has_include("platform/qt/qt_sound_player.h")
#include "platform/qt/qt_sound_player.h"
#else
namespace tappon {
class QtSoundPlayer : public SoundPlayer {
public:
    void play(const std::string&) override {}
};
}  // namespace tappon
#endif

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
    if (!hasDisplay()) {
        std::fprintf(stderr, "tappon: cannot open a display (neither DISPLAY nor WAYLAND_DISPLAY is set)\n");
        return 1;
    }
    preferX11UnderWayland();

    QApplication qtApp(argc, argv);
    QApplication::setApplicationName("Tappon");
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setFont(tappon::resolveFont(tappon::FontSpec{"宋体", 9.0f, false, false}));

    // Qt's own dialog buttons in Chinese ("确定"), as the rest of the program speaks.
    QTranslator qtTranslation;
    if (qtTranslation.load("qtbase_zh_CN", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslation);

    tappon::QtAppInfo appInfo;
    tappon::QtMessageBox messageBox(appInfo);
    tappon::QtSoundPlayer sound;
    tappon::SystemRandom random;
    tappon::QtShell shell;
#ifdef _WIN32
    tappon::WindowsRegistry registry;
#else
    tappon::PathRegistry registry;
#endif
    tappon::QtProgramLauncher launcher;
    tappon::QtFileTester files;
    tappon::Services services{messageBox, sound, random, appInfo, shell, registry, launcher, files};

    tappon::SteadyClock clock;
    tappon::QtWindowHost host;
    tappon::Application app(services, clock, host);
    host.bind(app);
    tappon::QtTimerDriver timers(app.scheduler());

    tappon::startProgram(app);
    if (host.quitRequested())
        return host.exitCode();
    return QApplication::exec();
}
