// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/services/app_info.h"
#include "platform/services/message_box.h"
#include "platform/services/program_launcher.h"
#include "platform/services/random_source.h"
#include "platform/services/registry.h"
#include "platform/services/services.h"
#include "platform/services/shell.h"
#include "platform/services/sound_player.h"
#include "platform/window/runtime_error.h"

#include <deque>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

// Test doubles of the system services: they record what the program asked for and
// answer from a script.
namespace tappon::testing {

struct ShownMessage {
    std::string prompt;
    std::string title;
    MessageIcon icon = MessageIcon::None;
};

class FakeMessageBox : public MessageBoxService {
public:
    void show(const std::string& prompt, const std::string& title, MessageIcon icon) override
    {
        shown.push_back({prompt, title, icon});
        ++open;
        if (whileOpen)
            whileOpen(shown.back());
        --open;
    }
    std::vector<ShownMessage> shown;
    // Runs while the box is "open", e.g. to let time pass before the player closes it.
    std::function<void(const ShownMessage&)> whileOpen;
    int open = 0;
};

class FakeSoundPlayer : public SoundPlayer {
public:
    void play(const std::string& path) override
    {
        played.push_back(path);
        if (onPlay)
            onPlay(path);
    }
    std::vector<std::string> played;
    // Told of every effect as it starts, e.g. to note what the window showed then.
    std::function<void(const std::string&)> onPlay;
};

// A generator with a fixed seed; values queued by a test come out first.
class TestRandom : public RandomSource {
public:
    void seedFromClock() override { ++seedings; }
    float next() override
    {
        ++draws;
        if (!queued.empty()) {
            const float value = queued.front();
            queued.pop_front();
            return value;
        }
        return static_cast<float>(engine() >> 8) * (1.0f / 16777216.0f);
    }
    void queue(std::initializer_list<float> values) { queued.insert(queued.end(), values); }

    std::deque<float> queued;
    std::mt19937 engine{20261207u};
    int seedings = 0;
    int draws = 0;
};

class FakeAppInfo : public AppInfo {
public:
    std::string folder() const override { return folderPath; }
    std::string title() const override { return "Tappon"; }
    std::string folderPath = "/opt/tappon";
};

class FakeShell : public Shell {
public:
    void execute(const ShellRequest& request) override { requests.push_back(request); }
    std::vector<ShellRequest> requests;
};

// A registry of keys (path -> values); every key can be made unopenable.
class FakeRegistry : public Registry {
public:
    long openKey(std::uint32_t root, const std::string& path, std::uint32_t access, Handle& handle) override
    {
        opens.push_back({root, path, access});
        const auto it = keys.find(path);
        if (it == keys.end() || denied.count(path)) {
            handle = 0;
            return 2;  // ERROR_FILE_NOT_FOUND / ERROR_ACCESS_DENIED alike to the caller
        }
        handle = nextHandle++;
        openHandles[handle] = path;
        return 0;
    }
    long queryValue(Handle handle, const std::string& name, std::size_t capacity, Value& value) override
    {
        const auto key = openHandles.find(handle);
        if (key == openHandles.end())
            return 6;  // ERROR_INVALID_HANDLE
        const auto& values = keys[key->second];
        const auto it = values.find(name);
        if (it == values.end())
            return 2;
        if (it->second.data.size() > capacity)
            return 234;  // ERROR_MORE_DATA
        value = it->second;
        return 0;
    }
    long closeKey(Handle handle) override
    {
        closes.push_back(handle);
        openHandles.erase(handle);
        return 0;
    }
    std::string narrowToText(const std::vector<std::uint8_t>& bytes) const override
    {
        return std::string(bytes.begin(), bytes.end());
    }

    struct Open {
        std::uint32_t root;
        std::string path;
        std::uint32_t access;
    };
    std::map<std::string, std::map<std::string, Value>> keys;
    std::set<std::string> denied;
    std::vector<Open> opens;
    std::vector<Handle> closes;
    std::map<Handle, std::string> openHandles;
    Handle nextHandle = 100;
};

class FakeLauncher : public ProgramLauncher {
public:
    void launch(const std::string& path, ShowCommand show) override
    {
        attempts.push_back({path, show});
        if (!launchable.count(path))
            throw RuntimeError(53, "File not found");
    }
    struct Attempt {
        std::string path;
        ShowCommand show;
    };
    std::vector<Attempt> attempts;
    std::set<std::string> launchable;
};

class FakeFiles : public FileTester {
public:
    bool fileExists(const std::string& path) const override
    {
        tested.push_back(path);
        return existing.count(path) > 0;
    }
    std::set<std::string> existing;
    mutable std::vector<std::string> tested;
};

class FakeScreenReader : public ScreenReader {
public:
    void announce(const std::string& text) override
    {
        announced.push_back(text);
        if (onAnnounce)
            onAnnounce(text);
    }
    std::vector<std::string> announced;
    std::function<void(const std::string&)> onAnnounce;
};

// Every fake service, bundled as the program's services.
struct FakeServices {
    FakeMessageBox messageBox;
    FakeSoundPlayer sound;
    TestRandom random;
    FakeAppInfo appInfo;
    FakeShell shell;
    FakeRegistry registry;
    FakeLauncher launcher;
    FakeFiles files;
    FakeScreenReader screenReader;
    Services services{messageBox, sound, random, appInfo, shell, registry, launcher, files, screenReader};
};

}  // namespace tappon::testing
