#include "core/Focus.h"

#include <algorithm>
#include <climits>

FocusKeeper::FocusKeeper(const WindowLayout& layout)
    : m_layout(layout)
    , m_last(first()) {}

std::string_view FocusKeeper::first() const {
    const auto& controls = m_layout.controls;
    const auto first =
        std::min_element(controls.begin(), controls.end(), [](const Control& a, const Control& b) {
            return (a.tabIndex < 0 ? INT_MAX : a.tabIndex) < (b.tabIndex < 0 ? INT_MAX : b.tabIndex);
        });
    return first != controls.end() && first->tabIndex >= 0 ? first->name : std::string_view();
}

void FocusKeeper::focused(std::string_view name) {
    const Control* control = findControl(m_layout, name);
    if (control && control->tabIndex >= 0)
        m_last = control->name;
}

const Control* enterTarget(const WindowLayout& layout, std::string_view focused) {
    if (const Control* control = findControl(layout, focused);
        control && control->kind == ControlKind::Button)
        return control;
    return findControl(layout, ControlRole::Ok);
}
