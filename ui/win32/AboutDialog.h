#pragma once

#include "core/Language.h"
#include "platform/PlatformServices.h"

#include <windows.h>

// An About dialog's view, either language, built from the core's layout table: shown modally over its
// main window, it returns when OK, Enter, Esc or the close button closed it. System Info starts the
// system-information tool or says in a box that it is unavailable; the dialog stays open either way.
void showAboutDialog(HWND owner, Language language, platform::PlatformServices services);

inline constexpr wchar_t kAboutClassName[] = L"BazelotAbout";
