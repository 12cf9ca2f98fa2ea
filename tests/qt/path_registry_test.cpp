// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The registry of desktops without one: it answers the system information tool's
// lookup with a tool found on the search path, and nothing else.
#include "game/frmtype.h"
#include "platform/qt/services/path_registry.h"
#include "platform/qt/services/qt_file_tester.h"
#include "platform/qt/services/qt_program_launcher.h"
#include "platform/qt/window/qt_window_host.h"
#include "platform/services/services.h"
#include "platform/window/application.h"
#include "tests/support/fakes.h"
#include "tests/support/virtual_clock.h"
#include "windows/frm_about.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <string>

using namespace tappon;
using namespace tappon::testing;

namespace {

const char* const kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr std::uint32_t kAccess = 0x2003F;

// A folder with a space in its name holding executable scripts: each one, when run,
// leaves a file "<its name>.ran" beside itself.
class ToolFolder {
public:
    ToolFolder() { QDir(base.path()).mkdir(QStringLiteral("system tools")); }
    QString path() const { return base.path() + QStringLiteral("/system tools"); }
    QString add(const QString& name, bool executable = true)
    {
        const QString file = path() + '/' + name;
        QFile script(file);
        if (!script.open(QIODevice::WriteOnly))
            return QString();
        script.write("#!/bin/sh\ntouch \"$0.ran\"\n");
        script.close();
        QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
        if (executable)
            permissions |= QFile::ExeOwner;
        script.setPermissions(permissions);
        return file;
    }

private:
    QTemporaryDir base;
};

std::string read(Registry& registry, const std::string& key, const std::string& name, long* result = nullptr)
{
    Registry::Handle handle = 0;
    long status = registry.openKey(Registry::kLocalMachine, key, kAccess, handle);
    Registry::Value value;
    if (status == 0)
        status = registry.queryValue(handle, name, 1024, value);
    registry.closeKey(handle);
    if (result)
        *result = status;
    if (status != 0)
        return "<failed>";
    return std::string(value.data.begin(), value.data.end());
}

}  // namespace

class PathRegistryTest : public QObject {
    Q_OBJECT

private slots:
    void theToolsPathIsTheFirstToolFoundWithItsTerminatingZero()
    {
        // REG_SZ, as the system stores it; the earlier tool in the list wins.
        ToolFolder folder;
        folder.add(QStringLiteral("lxtask"));
        const QString first = folder.add(QStringLiteral("hardinfo"));
        PathRegistry registry({QStringLiteral("hardinfo"), QStringLiteral("lxtask")}, {folder.path()});
        QCOMPARE(read(registry, kToolKey, "PATH"), first.toStdString() + std::string(1, '\0'));
    }

    void onlyAbsoluteFoldersOfTheSearchPathAreSearched_data()
    {
        // HERE is the current folder and holds a tool; so does its subfolder "bin" and
        // the absolute folder ELSEWHERE. Only ELSEWHERE may ever answer.
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("foundElsewhere");
        QTest::newRow("dot") << "." << false;
        QTest::newRow("dot slash") << "./" << false;
        QTest::newRow("empty entries") << "::" << false;
        QTest::newRow("relative folder") << "bin" << false;
        QTest::newRow("current folder by a relative name") << "bin/.." << false;
        QTest::newRow("dot before an absolute folder") << ".:ELSEWHERE" << true;
        QTest::newRow("relative folder before an absolute one") << "bin:ELSEWHERE" << true;
        QTest::newRow("empty entry before an absolute folder") << ":ELSEWHERE" << true;
        QTest::newRow("absolute folder with a trailing slash") << "ELSEWHERE/" << true;
    }

    void onlyAbsoluteFoldersOfTheSearchPathAreSearched()
    {
        QFETCH(QString, path);
        QFETCH(bool, foundElsewhere);
        ToolFolder here;
        ToolFolder elsewhere;
        here.add(QStringLiteral("hardinfo"));
        QDir(here.path()).mkdir(QStringLiteral("bin"));
        QFile::copy(here.path() + QStringLiteral("/hardinfo"), here.path() + QStringLiteral("/bin/hardinfo"));
        const QString tool = elsewhere.add(QStringLiteral("hardinfo"));
        const QString savedFolder = QDir::currentPath();
        const QByteArray savedPath = qgetenv("PATH");
        QVERIFY(QDir::setCurrent(here.path()));
        qputenv("PATH", path.replace(QStringLiteral("ELSEWHERE"), elsewhere.path()).toLocal8Bit());
        const QString found = PathRegistry({QStringLiteral("hardinfo")}).findTool();
        qputenv("PATH", savedPath);
        QDir::setCurrent(savedFolder);
        QCOMPARE(found, foundElsewhere ? tool : QString());
    }

    void aNonExecutableFileIsNoTool()
    {
        ToolFolder folder;
        folder.add(QStringLiteral("hardinfo"), false);
        const QString tool = folder.add(QStringLiteral("lxtask"));
        PathRegistry registry({QStringLiteral("hardinfo"), QStringLiteral("lxtask")}, {folder.path()});
        QCOMPARE(read(registry, kToolKey, "PATH"), tool.toStdString() + std::string(1, '\0'));
    }

    void withoutAnyToolTheValueIsMissingAndSoIsEveryOtherKeyAndValue()
    {
        // Including the tool folder's key, which has no meaning here.
        ToolFolder folder;
        PathRegistry empty({QStringLiteral("hardinfo")}, {folder.path()});
        long result = 0;
        read(empty, kToolKey, "PATH", &result);
        QCOMPARE(result, 2L);
        folder.add(QStringLiteral("hardinfo"));
        PathRegistry registry({QStringLiteral("hardinfo")}, {folder.path()});
        Registry::Handle handle = 99;
        QCOMPARE(
            registry.openKey(Registry::kLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location", kAccess, handle),
            2L);
        QCOMPARE(handle, Registry::Handle{0});
        QCOMPARE(registry.openKey(0x80000001u, kToolKey, kAccess, handle), 2L);
        read(registry, kToolKey, "MSINFO", &result);
        QCOMPARE(result, 2L);
    }

    void theSystemInformationButtonStartsTheToolFound()
    {
        // The whole way: the registry's answer is launched directly, spaces in the path and all.
        ToolFolder folder;
        const QString tool = folder.add(QStringLiteral("hardinfo"));
        PathRegistry registry({QStringLiteral("hardinfo")}, {folder.path()});
        QtProgramLauncher launcher;
        QtFileTester files;
        Program program(registry, launcher, files);
        program.about().form().click(program.about().cmdSysInfo);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(tool + QStringLiteral(".ran")), 10000);
        QVERIFY(program.messageBox.shown.empty());
    }

    void withoutAToolTheButtonSaysSo()
    {
        ToolFolder folder;
        PathRegistry registry({QStringLiteral("hardinfo")}, {folder.path()});
        QtProgramLauncher launcher;
        QtFileTester files;
        Program program(registry, launcher, files);
        program.about().form().click(program.about().cmdSysInfo);
        QCOMPARE(program.messageBox.shown.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(program.messageBox.shown[0].prompt), QStringLiteral("此时系统信息不可用！"));
    }

private:
    // The program with the real registry stand-in, launcher and file test.
    struct Program : FakeServices {
        Program(Registry& registry, ProgramLauncher& launcher, FileTester& files)
            : real{messageBox, sound, random, appInfo, shell, registry, launcher, files, screenReader}
        {
            host.bind(app);
            main = &app.load<frmtype>();
            app.show(*main, ShowMode::Modeless);
            main->form().click(main->guanyu);
        }
        frmAbout& about() const { return *app.find<frmAbout>(); }

        Services real;
        VirtualClock clock;
        QtWindowHost host;
        Application app{real, clock, host};
        frmtype* main = nullptr;
    };
};

QTEST_MAIN(PathRegistryTest)
#include "path_registry_test.moc"
