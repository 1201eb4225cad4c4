// Runs under Wine: reads back from each built deliverable what Windows shows of it — the version
// fields of Explorer's Details page, the icon and the application manifest — and the installer's
// version fields.
#include "ui/win32/Resources.h"

#include "platform/Utf16.h"

#include <doctest/doctest.h>

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

namespace {

struct Deliverable {
    const wchar_t* fileName; // nullptr: the installer that BAZELOT_INSTALLER names
    const wchar_t* productName;
    const wchar_t* internalName; // nullptr: not checked
    const wchar_t* fileDescription;
    WORD language; // of the one string table, which Translation names
    WORD codePage;
};

const Deliverable kDeliverables[] = {
    {L"prjBazelot.exe", L"prjBazelot", L"prjBazelot",
     L"Bazelot: converts whole numbers between numeral systems", 0x409, 1200},
    {L"КВАРЗЕЛ.exe", L"BAZELOT", L"КВАРЗЕЛ", L"Программа для перевода чисел в разные системы счисления",
     0x419, 1251},
};
const Deliverable kInstaller = {nullptr, L"Bazelot", nullptr, L"Bazelot 1.00 installer", 0x409, 1200};

// A string of the table whose path (\StringFileInfo\llllcccc\) is given, or "(absent)"; UTF-8, so
// that a failure prints it readably.
std::string field(std::vector<BYTE>& info, const std::wstring& table, const wchar_t* name) {
    void* value = nullptr;
    UINT length = 0;
    return VerQueryValueW(info.data(), (table + name).c_str(), &value, &length) && length > 0
               ? platform::toUtf8(static_cast<const wchar_t*>(value))
               : "(absent)";
}

// The widths of the images in the icon's group directory (GRPICONDIR: three words, then an entry of
// 14 bytes per image whose first byte is its width, 0 for 256).
std::vector<int> iconSizes(HMODULE module) {
    HRSRC group = FindResourceW(module, MAKEINTRESOURCEW(IDI_BAZELOT), MAKEINTRESOURCEW(14)); // RT_GROUP_ICON
    const auto* directory =
        group ? static_cast<const BYTE*>(LockResource(LoadResource(module, group))) : nullptr;
    const DWORD bytes = group ? SizeofResource(module, group) : 0;
    std::vector<int> sizes;
    for (DWORD entry = 6; directory && entry + 14 <= bytes; entry += 14)
        sizes.push_back(directory[entry] ? directory[entry] : 256);
    return sizes;
}

// The version information that Explorer's Details page and Task Manager show.
void checkVersion(const std::wstring& path, const Deliverable& d) {
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), nullptr);
    std::vector<BYTE> info(size);
    REQUIRE(size > 0);
    REQUIRE(GetFileVersionInfoW(path.c_str(), 0, size, info.data()));
    // The language and code page of the first string table, the one Explorer reads.
    WORD* translation = nullptr;
    UINT length = 0;
    REQUIRE(VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                           &length));
    REQUIRE(length >= 2 * sizeof(WORD));
    CHECK(translation[0] == d.language);
    CHECK(translation[1] == d.codePage);
    wchar_t table[32];
    swprintf(table, 32, L"\\StringFileInfo\\%04x%04x\\", translation[0], translation[1]);
    CHECK(field(info, table, L"ProductName") == platform::toUtf8(d.productName));
    if (d.internalName) {
        CHECK(field(info, table, L"InternalName") == platform::toUtf8(d.internalName));
        CHECK(field(info, table, L"OriginalFilename") == platform::toUtf8(d.fileName));
    }
    CHECK(field(info, table, L"FileDescription") == platform::toUtf8(d.fileDescription));
    CHECK(field(info, table, L"FileVersion") == "1.00");
    CHECK(field(info, table, L"ProductVersion") == "1.00");
    CHECK(field(info, table, L"CompanyName") == "Bazelot");

    VS_FIXEDFILEINFO* fixed = nullptr;
    const bool hasFixed = VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) &&
                          length >= sizeof *fixed;
    REQUIRE(hasFixed);
    // File and product version 1.0.0.0.
    CHECK(fixed->dwFileVersionMS == MAKELONG(0, 1));
    CHECK(fixed->dwFileVersionLS == 0);
    CHECK(fixed->dwProductVersionMS == MAKELONG(0, 1));
    CHECK(fixed->dwProductVersionLS == 0);
}

void checkDeliverable(const std::wstring& folder, const Deliverable& d) {
    CAPTURE(platform::toUtf8(d.fileName));
    const std::wstring path = folder + L"\\" + d.fileName;
    checkVersion(path, d);

    HMODULE module =
        LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    REQUIRE(module != nullptr);
    // Where Windows draws it: title bar at 100 %, 125 % and 250 %, Alt+Tab, Explorer's largest view. Each
    // size is in the file itself, not scaled from another by the loader.
    const std::vector<int> carried = iconSizes(module);
    for (const int size : {16, 20, 32, 40, 256}) {
        HANDLE icon = LoadImageW(module, MAKEINTRESOURCEW(IDI_BAZELOT), IMAGE_ICON, size, size, 0);
        CAPTURE(size);
        CHECK(icon != nullptr);
        if (icon != nullptr)
            DestroyIcon(static_cast<HICON>(icon));
        CHECK(std::find(carried.begin(), carried.end(), size) != carried.end());
    }
    HRSRC manifest = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)); // RT_MANIFEST
    const char* text =
        manifest ? static_cast<const char*>(LockResource(LoadResource(module, manifest))) : nullptr;
    const std::string manifestText =
        text ? std::string(text, SizeofResource(module, manifest)) : std::string();
    // Common controls 6, and aware of each monitor's DPI.
    CHECK(manifestText.find("Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"") != std::string::npos);
    CHECK(manifestText.find("PerMonitorV2") != std::string::npos);
    FreeLibrary(module);
}

} // namespace

TEST_CASE("what Windows shows of each deliverable: version fields, icon, manifest") {
    // The folder holding both executables; the test's environment names it.
    const wchar_t* folder = _wgetenv(L"BAZELOT_DELIVERABLES");
    REQUIRE(folder != nullptr);
    for (const Deliverable& d : kDeliverables)
        checkDeliverable(folder, d);
}

TEST_CASE("what Windows shows of the installer") {
    const wchar_t* installer = _wgetenv(L"BAZELOT_INSTALLER");
    REQUIRE(installer != nullptr);
    checkVersion(installer, kInstaller);
}
