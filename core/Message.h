#pragma once

#include "core/Language.h"

#include <functional>
#include <string>
#include <string_view>

// A modal message box as the core answers it; the view shows it with an OK button.
enum class MessageIcon { None, Warning, Error };

struct Message {
    std::string title;
    std::string text;
    MessageIcon icon = MessageIcon::None;

    bool operator==(const Message&) const = default;
};

// Shows a box and returns when the user closed it.
using ShowBox = std::function<void(const Message&)>;

// Message boxes show the application's title as their caption, in either build of the program.
inline constexpr std::string_view kApplicationTitle = "prjBazelot";

// What the user is told, in the window's language, when something fails that the program did not
// foresee (a view catches it at its edge, so that the window goes on working).
Message unexpectedFailure(Language language, std::string_view what);
