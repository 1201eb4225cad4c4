#pragma once

#include "core/Message.h"

#include <windows.h>

#include <exception>
#include <utility>

// A box the core asked for, modal to owner; returns when the user closed it.
void showMessage(HWND owner, const Message& message);

// Shows what went wrong when a window procedure's work failed in a way nobody foresaw, over the window
// that `where` (it or one of its controls) belongs to.
void showFailure(HWND where, const char* what) noexcept;

// Runs a window procedure's work. No exception may cross into the system, which called the procedure:
// one is shown in a box instead, and the window goes on with `failed` as the message's answer.
template <typename Work>
LRESULT guarded(HWND window, Work&& work, LRESULT failed = 0) noexcept {
    try {
        return std::forward<Work>(work)();
    } catch (const std::exception& failure) {
        showFailure(window, failure.what());
    } catch (...) {
        showFailure(window, "unknown");
    }
    return failed;
}
