// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/services/path_registry.h"

#include <QStandardPaths>

#include <unistd.h>

#include <utility>

namespace tappon {

namespace {

// The system's error codes for a key or value that is not there, a handle that is not
// open and data larger than the caller's buffer.
inline constexpr long kErrorSuccess = 0;
inline constexpr long kErrorFileNotFound = 2;
inline constexpr long kErrorInvalidHandle = 6;
inline constexpr long kErrorMoreData = 234;

inline constexpr Registry::Handle kToolKeyHandle = 1;

// Key and value names are case-insensitive, as in the system registry.
bool sameName(const std::string& a, const char* b)
{
    return QString::fromStdString(a).compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

// The folders to search: those of the search path that are absolute. ".", an empty
// entry or any other relative folder means the current folder, wherever the program
// was started from, and a file lying there must never be taken for the desktop's tool.
QStringList absoluteFolders(const QStringList& folders)
{
    QStringList absolute;
    for (const QString& folder : folders)
        if (folder.startsWith(u'/'))
            absolute.push_back(folder);
    return absolute;
}

// The search path's folders, in order; without a PATH, the system's default one.
QStringList searchPath()
{
    if (qEnvironmentVariableIsSet("PATH"))
        return qEnvironmentVariable("PATH").split(u':');
    const std::size_t length = confstr(_CS_PATH, nullptr, 0);
    if (length == 0)
        return {};
    QByteArray fallback(static_cast<qsizetype>(length), '\0');
    confstr(_CS_PATH, fallback.data(), length);
    fallback.chop(1);
    return QString::fromLocal8Bit(fallback).split(u':');
}

}  // namespace

const QStringList& PathRegistry::defaultTools()
{
    static const QStringList tools{
        QStringLiteral("hardinfo"),
        QStringLiteral("gnome-system-monitor"),
        QStringLiteral("plasma-systemmonitor"),
        QStringLiteral("ksysguard"),
        QStringLiteral("xfce4-taskmanager"),
        QStringLiteral("lxtask"),
        QStringLiteral("mate-system-monitor"),
    };
    return tools;
}

PathRegistry::PathRegistry(QStringList tools, QStringList searchPaths)
    : tools_(std::move(tools)), searchPaths_(std::move(searchPaths))
{
}

QString PathRegistry::findTool() const
{
    // An empty list would make the lookup fall back to the whole PATH again.
    const QStringList folders = absoluteFolders(searchPaths_.isEmpty() ? searchPath() : searchPaths_);
    if (folders.isEmpty())
        return QString();
    for (const QString& tool : tools_) {
        const QString path = QStandardPaths::findExecutable(tool, folders);
        if (!path.isEmpty())
            return path;
    }
    return QString();
}

long PathRegistry::openKey(std::uint32_t root, const std::string& path, [[maybe_unused]] std::uint32_t access,
                           Handle& handle)
{
    handle = 0;
    if (root != kLocalMachine || !sameName(path, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"))
        return kErrorFileNotFound;
    handle = kToolKeyHandle;
    return kErrorSuccess;
}

long PathRegistry::queryValue(Handle handle, const std::string& name, std::size_t capacity, Value& value)
{
    if (handle != kToolKeyHandle)
        return kErrorInvalidHandle;
    if (!sameName(name, "PATH"))
        return kErrorFileNotFound;
    const QString tool = findTool();
    if (tool.isEmpty())
        return kErrorFileNotFound;
    const QByteArray text = tool.toUtf8();
    if (static_cast<std::size_t>(text.size()) + 1 > capacity)
        return kErrorMoreData;
    value.type = kTypeString;
    value.data.assign(text.begin(), text.end());
    value.data.push_back(0);
    return kErrorSuccess;
}

long PathRegistry::closeKey(Handle handle)
{
    return handle == kToolKeyHandle ? kErrorSuccess : kErrorInvalidHandle;
}

// The paths this registry hands out are UTF-8 already.
std::string PathRegistry::narrowToText(const std::vector<std::uint8_t>& bytes) const
{
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace tappon
