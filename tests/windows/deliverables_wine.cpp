// Runs under Wine: reads back from each built deliverable what Windows shows of it — the version
// fields of Explorer's Details page, the icon and the application manifest.
#include "ui/win32/Resources.h"

#include "platform/Utf16.h"

#include <doctest/doctest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

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

// A string of the US English, UTF-16 table, or nullptr when it is absent.
const wchar_t* versionString(std::vector<BYTE>& info, const std::wstring& name) {
    const std::wstring path = L"\\StringFileInfo\\040904b0\\" + name;
    void* value = nullptr;
    UINT length = 0;
    return VerQueryValueW(info.data(), path.c_str(), &value, &length) && length > 0
               ? static_cast<const wchar_t*>(value)
               : nullptr;
}

// The field's text, or "(absent)"; UTF-8, so that a failure prints it readably.
std::string field(std::vector<BYTE>& info, const wchar_t* name) {
    const wchar_t* value = versionString(info, name);
    return value ? platform::toUtf8(value) : "(absent)";
}

std::string expected(const wchar_t* text) {
    return text ? platform::toUtf8(text) : "(absent)";
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

void checkDeliverable(const std::wstring& folder, const Deliverable& d) {
    CAPTURE(platform::toUtf8(d.fileName));
    const std::wstring path = folder + L"\\" + d.fileName;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), nullptr);
    std::vector<BYTE> info(size);
    REQUIRE(size > 0);
    REQUIRE(GetFileVersionInfoW(path.c_str(), 0, size, info.data()));
    CHECK(field(info, L"ProductName") == expected(d.productName));
    CHECK(field(info, L"InternalName") == expected(d.internalName));
    CHECK(field(info, L"OriginalFilename") == expected(d.fileName));
    CHECK(field(info, L"FileDescription") == expected(d.fileDescription));
    CHECK(field(info, L"FileVersion") == "1.00");
    CHECK(field(info, L"ProductVersion") == "1.00");
    CHECK(field(info, L"CompanyName") == "Bazelot");

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    const bool hasFixed = VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) &&
                          length >= sizeof *fixed;
    REQUIRE(hasFixed);
    // File and product version 1.0.0.0.
    CHECK(fixed->dwFileVersionMS == MAKELONG(0, 1));
    CHECK(fixed->dwFileVersionLS == 0);
    CHECK(fixed->dwProductVersionMS == MAKELONG(0, 1));
    CHECK(fixed->dwProductVersionLS == 0);

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
