// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/services/registry.h"

#include <QString>
#include <QStringList>

namespace tappon {

// The registry of a desktop that has none. It knows one value, the one the about
// window asks for first: the system information tool's full file name under
// HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Shared Tools\MSINFO, value PATH. Its answer is
// the first of the desktop's own system information or monitor tools found on the
// PATH. Every other key fails to open, as a missing key does.
class PathRegistry : public Registry {
public:
    // The tools to look for, in order of preference.
    static const QStringList& defaultTools();

    // Searches the absolute folders of the PATH, or of these folders when some are
    // given (tests); relative ones, "." and empty entries among them, are left out.
    explicit PathRegistry(QStringList tools = defaultTools(), QStringList searchPaths = {});

    long openKey(std::uint32_t root, const std::string& path, std::uint32_t access, Handle& handle) override;
    long queryValue(Handle handle, const std::string& name, std::size_t capacity, Value& value) override;
    long closeKey(Handle handle) override;
    std::string narrowToText(const std::vector<std::uint8_t>& bytes) const override;

    // The tool's full file name, or empty when none is installed.
    QString findTool() const;

private:
    QStringList tools_;
    QStringList searchPaths_;
};

}  // namespace tappon
