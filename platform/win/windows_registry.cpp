// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/win/windows_registry.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tappon {

namespace {

std::wstring widen(const char* bytes, int length, UINT codePage)
{
    if (length <= 0)
        return std::wstring();
    const int size = MultiByteToWideChar(codePage, 0, bytes, length, nullptr, 0);
    if (size <= 0)
        return std::wstring();
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(codePage, 0, bytes, length, wide.data(), size);
    return wide;
}

std::string narrow(const std::wstring& wide, UINT codePage)
{
    if (wide.empty())
        return std::string();
    const int length = static_cast<int>(wide.size());
    const int size = WideCharToMultiByte(codePage, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return std::string();
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), length, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

// UTF-8 text to the ANSI code page of the system.
std::string toAnsi(const std::string& text)
{
    return narrow(widen(text.data(), static_cast<int>(text.size()), CP_UTF8), CP_ACP);
}

// The predefined root keys are small negative numbers, sign-extended to a pointer.
HKEY rootKey(std::uint32_t root)
{
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG_PTR>(static_cast<LONG>(root))));
}

HKEY keyOf(Registry::Handle handle)
{
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(handle));
}

}  // namespace

long WindowsRegistry::openKey(std::uint32_t root, const std::string& path, std::uint32_t access, Handle& handle)
{
    HKEY key = nullptr;
    const LONG result = RegOpenKeyExA(rootKey(root), toAnsi(path).c_str(), 0, static_cast<REGSAM>(access), &key);
    handle = result == ERROR_SUCCESS ? static_cast<Handle>(reinterpret_cast<ULONG_PTR>(key)) : 0;
    return result;
}

long WindowsRegistry::queryValue(Handle handle, const std::string& name, std::size_t capacity, Value& value)
{
    std::vector<BYTE> buffer(capacity, 0);
    DWORD type = 0;
    DWORD count = static_cast<DWORD>(capacity);
    const LONG result = RegQueryValueExA(keyOf(handle), toAnsi(name).c_str(), nullptr, &type, buffer.data(), &count);
    if (result != ERROR_SUCCESS)
        return result;
    value.type = type;
    value.data.assign(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(count < capacity ? count : capacity));
    return result;
}

long WindowsRegistry::closeKey(Handle handle)
{
    return RegCloseKey(keyOf(handle));
}

std::string WindowsRegistry::narrowToText(const std::vector<std::uint8_t>& bytes) const
{
    const std::wstring wide = widen(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()), CP_ACP);
    return narrow(wide, CP_UTF8);
}

}  // namespace tappon
