#include "core/MainWindowModel.h"

#include "core/WindowTexts.h"

#include <utility>

namespace {

// A radio button reports its release too; the released option is no longer the pressed one.
void follow(std::optional<SystemOption>& pressed, modBazelot::NumeralSystem& radix, SystemOption option,
            bool isPressed) {
    if (isPressed) {
        pressed = option;
        radix = radixOf(option);
    } else if (pressed == option) {
        pressed.reset();
    }
}

} // namespace

MainWindowModel::MainWindowModel(Language language, std::string decimalSeparator)
    : m_language(language)
    , m_decimalSeparator(std::move(decimalSeparator)) {
    m_state.status = windowTexts(language).ready;
    Form_Load();
}

void MainWindowModel::Form_Load() {
    m_state.sInp = 10;
    m_state.sOut = 2;
}

WindowChange MainWindowModel::CheckInput() {
    const WindowTexts& texts = windowTexts(m_language);
    const char* status = nullptr;
    const Verdict verdict = checkInput(m_state.input, m_state.pressedInput, m_decimalSeparator);
    switch (verdict) {
    case Verdict::Empty:
        // The status text stays as it was.
        m_state.calculateEnabled = false;
        return {.calculateEnabled = false};
    case Verdict::NoSystem:
        return {};
    case Verdict::Accepted:
        status = texts.accepted;
        break;
    case Verdict::NotNumber:
        status = texts.notNumber;
        break;
    case Verdict::NotBinary:
        status = texts.notBinary;
        break;
    case Verdict::NotOctal:
        status = texts.notOctal;
        break;
    case Verdict::NotHexadecimal:
        status = texts.notHexadecimal;
        break;
    }
    // Calculate is enabled exactly while the text can be translated. The check runs again on every
    // click, but only a new status is news for a screen reader.
    WindowChange change{.status = status, .calculateEnabled = verdict == Verdict::Accepted};
    if (m_state.status != status)
        change.announcement = Announcement{ControlRole::Status, status};
    m_state.status = status;
    m_state.calculateEnabled = verdict == Verdict::Accepted;
    return change;
}

std::string MainWindowModel::accessibleName(const Control& control) const {
    return control.role == ControlRole::Status ? m_state.status : spokenName(control);
}

std::string MainWindowModel::accessibleDescription(const Control& control) const {
    return std::string(control.accessibleDescription);
}

bool MainWindowModel::isTabStop(const Control& control) const {
    if (control.role == ControlRole::InputOption)
        return m_state.pressedInput == kSystemOptions[static_cast<std::size_t>(control.index)];
    if (control.role == ControlRole::OutputOption)
        return m_state.pressedOutput == kSystemOptions[static_cast<std::size_t>(control.index)];
    return control.tabIndex >= 0;
}

WindowChange MainWindowModel::txtValue_Change(std::string text) {
    m_state.input = std::move(text);
    return CheckInput();
}

WindowChange MainWindowModel::optSysInp_Click(SystemOption option, bool pressed) {
    follow(m_state.pressedInput, m_state.sInp, option, pressed);
    return CheckInput();
}

WindowChange MainWindowModel::optSysOut_Click(SystemOption option, bool pressed) {
    follow(m_state.pressedOutput, m_state.sOut, option, pressed);
    // The output plays no part in the check, which still sets the status and Calculate again.
    return CheckInput();
}

WindowChange MainWindowModel::cmdCalculate_Click(const ShowBox& show) {
    bool boxShown = false;
    const auto showWarning = [&](const std::string& title, const std::string& prompt) {
        boxShown = true;
        show({title, prompt, MessageIcon::Warning});
    };
    // A failed translation has shown its box and returns nothing, which empties the result.
    m_state.result =
        modBazelot::TranslateNumber(m_state.sInp, m_state.sOut, m_state.input, showWarning).value_or("");
    const WindowTexts& texts = windowTexts(m_language);
    WindowChange change{.result = m_state.result,
                        .announcement =
                            Announcement{ControlRole::ResultBox, m_state.result.empty()
                                                                     ? std::string(texts.resultEmptied)
                                                                     : texts.resultSpoken + m_state.result}};
    if (boxShown)
        change.focus = m_focus.last();
    return change;
}

WindowChange MainWindowModel::cmdExit_Click() {
    return {.close = true};
}

WindowChange MainWindowModel::replacedWindowActivated() const {
    return {.announcement = Announcement{ControlRole::Status, m_state.status}};
}

WindowChange MainWindowModel::menuCommand(MenuCommand command) {
    switch (command) {
    case MenuCommand::None:
        return {};
    case MenuCommand::Exit:
        return {.quit = true};
    case MenuCommand::About:
        // Chosen from the menu bar with the keyboard, the item leaves the focus on the bar.
        return {.showAbout = true, .focus = m_focus.last()};
    case MenuCommand::English:
    case MenuCommand::Russian: {
        const Language chosen = command == MenuCommand::English ? Language::English : Language::Russian;
        // The item of the window's own language does nothing. Otherwise the new window is shown before
        // this one closes, so that the program never runs out of windows.
        if (chosen == m_language)
            return {};
        return {.open = chosen, .close = true};
    }
    }
    return {};
}
