#include "core/Message.h"

Message unexpectedFailure(std::string_view what) {
    return {std::string(kApplicationTitle), "Unexpected error: " + std::string(what), MessageIcon::Error};
}
