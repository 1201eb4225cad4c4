// Runs under Wine: reads back from each built deliverable what Windows shows of it — the version
// fields of Explorer's Details page, the icon and the application manifest.
//   deliverables_wine FOLDER   (the folder holding both executables)
#include "app/resources.h"

#include "platform/Utf16.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Test output is UTF-8, as the rest of the program's texts.
std::string utf8(const std::wstring& text) {
    return platform::toUtf8(text);
}

struct Deliverable {
    const wchar_t* fileName;
    const wchar_t* productName;
    const wchar_t* internalName;
    const wchar_t* fileDescription; // nullptr: the field must be absent
};

const Deliverable kDeliverables[] = {
    {L"prjBazelot.exe", L"prjBazelot", L"prjBazelot", nullptr},
    {L"КВАРЗЕЛ.exe", L"BAZELOT", L"КВАРЗЕЛ", L"Программа для перевода чисел в разные системы счисления"},
};

int failures = 0;

void check(bool ok, const wchar_t* file, const char* what, const std::wstring& got = {}) {
    std::printf("%s: %s: %s", ok ? "ok" : "FAIL", utf8(file).c_str(), what);
    if (!ok && !got.empty())
        std::printf(" (got \"%s\")", utf8(got).c_str());
    std::printf("\n");
    failures += ok ? 0 : 1;
}

// A string of the US English, UTF-16 table, or nullptr when it is absent.
const wchar_t* versionString(std::vector<BYTE>& info, const std::wstring& name) {
    const std::wstring path = L"\\StringFileInfo\\040904b0\\" + name;
    void* value = nullptr;
    UINT length = 0;
    return VerQueryValueW(info.data(), path.c_str(), &value, &length) && length > 0
               ? static_cast<const wchar_t*>(value)
               : nullptr;
}

void checkString(std::vector<BYTE>& info, const wchar_t* file, const wchar_t* name, const wchar_t* expected) {
    const wchar_t* value = versionString(info, name);
    const std::string what = "version field " + std::string(name, name + wcslen(name));
    if (expected == nullptr)
        check(value == nullptr, file, (what + " absent").c_str(), value ? value : L"");
    else
        check(value != nullptr && std::wstring(value) == expected, file, what.c_str(),
              value ? value : L"absent");
}

void checkDeliverable(const std::wstring& folder, const Deliverable& d) {
    const std::wstring path = folder + L"\\" + d.fileName;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), nullptr);
    std::vector<BYTE> info(size);
    if (size == 0 || !GetFileVersionInfoW(path.c_str(), 0, size, info.data())) {
        check(false, d.fileName, "has version information");
        return;
    }
    checkString(info, d.fileName, L"ProductName", d.productName);
    checkString(info, d.fileName, L"InternalName", d.internalName);
    checkString(info, d.fileName, L"OriginalFilename", d.fileName);
    checkString(info, d.fileName, L"FileDescription", d.fileDescription);
    checkString(info, d.fileName, L"FileVersion", L"1.00");
    checkString(info, d.fileName, L"ProductVersion", L"1.00");
    checkString(info, d.fileName, L"CompanyName", L"Bazelot");

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    const bool hasFixed = VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) &&
                          length >= sizeof *fixed;
    check(hasFixed && fixed->dwFileVersionMS == MAKELONG(0, 1) && fixed->dwFileVersionLS == 0 &&
              fixed->dwProductVersionMS == MAKELONG(0, 1) && fixed->dwProductVersionLS == 0,
          d.fileName, "file and product version 1.0.0.0");

    HMODULE module =
        LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    check(module != nullptr, d.fileName, "loads as a resource file");
    if (module == nullptr)
        return;
    // Where Windows draws it: title bar, Alt+Tab, Explorer's largest view.
    for (const int size : {16, 32, 256}) {
        HANDLE icon = LoadImageW(module, MAKEINTRESOURCEW(IDI_BAZELOT), IMAGE_ICON, size, size, 0);
        check(icon != nullptr, d.fileName,
              ("icon IDI_BAZELOT at " + std::to_string(size) + " pixels").c_str());
        if (icon != nullptr)
            DestroyIcon(static_cast<HICON>(icon));
    }
    HRSRC manifest = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)); // RT_MANIFEST
    const char* text =
        manifest ? static_cast<const char*>(LockResource(LoadResource(module, manifest))) : nullptr;
    const std::string manifestText =
        text ? std::string(text, SizeofResource(module, manifest)) : std::string();
    check(manifestText.find("Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"") != std::string::npos,
          d.fileName, "manifest asks for common controls 6");
    check(manifestText.find("PerMonitorV2") != std::string::npos, d.fileName,
          "manifest is per-monitor DPI aware");
    FreeLibrary(module);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::puts("usage: deliverables_wine FOLDER");
        return 2;
    }
    for (const Deliverable& d : kDeliverables)
        checkDeliverable(argv[1], d);
    return failures == 0 ? 0 : 1;
}
