#pragma once

#include <QString>

// What the main window's input check decides about a text; a plain function, so that it can be
// tested and fuzzed without a window.
enum class Verdict { Empty, Accepted, NotNumber, NotBinary, NotOctal, NotHexadecimal, NoSystem };

// selectedInputIndex is the index of the pressed input option (0 decimal, 1 binary, 2 octal,
// 3 hexadecimal), or -1 when none is pressed. decimalSeparator is the one of the user's locale.
Verdict checkInput(const QString& text, int selectedInputIndex, const QString& decimalSeparator);
