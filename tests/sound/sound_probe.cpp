// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// Plays sound files through the sound player on a timetable and reports when each play was
// asked for, so that a recording of the audio server's output can be checked against it.
//
// Usage: sound_probe PLAN
// Each line of PLAN is "<ms> play <path>" or "<ms> quit", <ms> counted from the start
// mark. Output, one line per event:
//   start <monotonic ns>
//   play <index> <ms since start> <ms spent in play()> <monotonic ns> <path>
//   done

#include "platform/pulse/pulse_sound_player.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <QTimer>

#include <chrono>
#include <cstdio>

namespace {

using Clock = std::chrono::steady_clock;

double msBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: sound_probe PLAN\n");
        return 2;
    }
    QFile planFile(QString::fromLocal8Bit(argv[1]));
    if (!planFile.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 2;
    }

    tappon::PulseSoundPlayer player;
    const Clock::time_point start = Clock::now();
    std::printf("start %lld\n", static_cast<long long>(start.time_since_epoch().count()));
    std::fflush(stdout);

    int index = 0;
    QTextStream plan(&planFile);
    while (!plan.atEnd()) {
        const QStringList fields = plan.readLine().split(QLatin1Char(' '));
        if (fields.size() < 2)
            continue;
        const auto due = start + std::chrono::milliseconds(fields[0].toInt());
        const auto delay = std::chrono::ceil<std::chrono::milliseconds>(due - Clock::now());
        if (fields[1] == QLatin1String("quit")) {
            QTimer::singleShot(delay, Qt::PreciseTimer, &app, [] {
                std::printf("done\n");
                std::fflush(stdout);
                QCoreApplication::quit();
            });
            continue;
        }
        const std::string path = fields.mid(2).join(QLatin1Char(' ')).toStdString();
        QTimer::singleShot(delay, Qt::PreciseTimer, &app, [&player, start, path, i = index++] {
            const Clock::time_point asked = Clock::now();
            player.play(path);
            const Clock::time_point returned = Clock::now();
            std::printf("play %d %.3f %.3f %lld %s\n", i, msBetween(start, asked), msBetween(asked, returned),
                        static_cast<long long>(asked.time_since_epoch().count()), path.c_str());
            std::fflush(stdout);
        });
    }
    return app.exec();
}
