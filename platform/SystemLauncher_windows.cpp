#include "platform/SystemLauncher.h"

#include "platform/Utf16.h"

#include <windows.h>

namespace platform {

namespace {

// One argument quoted so that the started program's C runtime (CommandLineToArgvW's rules) reads it
// back unchanged: backslashes count only before a quote, where they are doubled.
void appendQuoted(std::wstring& commandLine, const std::wstring& argument) {
    commandLine += L' ';
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
        commandLine += argument;
        return;
    }
    commandLine += L'"';
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        commandLine.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        commandLine += c;
    }
    commandLine.append(backslashes * 2, L'\\');
    commandLine += L'"';
}

} // namespace

bool SystemLauncher::isOrdinaryFile(const std::string& path) {
    if (path.empty())
        return false;
    const DWORD attributes = GetFileAttributesW(toUtf16(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

std::string SystemLauncher::findProgram(const std::string& name) {
    if (name.empty())
        return {};
    const std::wstring wideName = toUtf16(name);
    std::wstring found(MAX_PATH, L'\0');
    DWORD length = SearchPathW(nullptr, wideName.c_str(), L".exe", static_cast<DWORD>(found.size()),
                               found.data(), nullptr);
    if (length >= found.size()) {
        found.resize(length);
        length = SearchPathW(nullptr, wideName.c_str(), L".exe", static_cast<DWORD>(found.size()),
                             found.data(), nullptr);
    }
    found.resize(length < found.size() ? length : 0);
    return toUtf8(found);
}

bool SystemLauncher::startProgram(const std::string& path, const std::vector<std::string>& arguments) {
    if (path.empty())
        return false;
    const std::wstring application = toUtf16(path);
    // The path is the application name, never searched for or split at a blank. Without arguments
    // there is no command line at all; with some, the program's own quoted name leads it.
    std::wstring commandLine;
    if (!arguments.empty()) {
        commandLine = L'"' + application + L'"';
        for (const std::string& argument : arguments)
            appendQuoted(commandLine, toUtf16(argument));
    }

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(application.c_str(), commandLine.empty() ? nullptr : commandLine.data(), nullptr,
                        nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    // Not waited for: the About dialog goes on at once.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

} // namespace platform
