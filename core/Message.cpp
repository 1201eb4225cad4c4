#include "core/Message.h"

#include "core/WindowTexts.h"

Message unexpectedFailure(Language language, std::string_view what) {
    return {std::string(kApplicationTitle), windowTexts(language).unexpectedFailure + std::string(what),
            MessageIcon::Error};
}
