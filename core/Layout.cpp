#include "core/Layout.h"

std::string spokenCaption(std::string_view caption) {
    // The access key's ampersand is not read; a doubled one stands for itself.
    std::string spoken;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i;
        spoken += caption[i];
    }
    return spoken;
}

std::string spokenName(const Control& control) {
    return control.accessibleName.empty() ? spokenCaption(control.text) : std::string(control.accessibleName);
}

std::string spokenName(const MenuItem& item) {
    return item.accessibleName.empty() ? spokenCaption(item.text) : std::string(item.accessibleName);
}

const Control* findControl(const WindowLayout& layout, std::string_view name) {
    for (const Control& control : layout.controls) {
        if (control.name == name)
            return &control;
    }
    return nullptr;
}

const Control* findControl(const WindowLayout& layout, ControlRole role, int index) {
    for (const Control& control : layout.controls) {
        if (control.role == role && control.index == index)
            return &control;
    }
    return nullptr;
}
