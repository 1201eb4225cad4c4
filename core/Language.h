#pragma once

#include <string_view>

// The language of a window: the main windows and the About dialogs come in these two.
enum class Language { English, Russian };

// The locale a language means, as a BCP 47 tag: a front-end shows its toolkit's own texts (an edit
// box's context menu, a message box's buttons) in it.
constexpr std::string_view localeTag(Language language) {
    return language == Language::Russian ? "ru" : "en";
}
