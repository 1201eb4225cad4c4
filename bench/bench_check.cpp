#include "ui/main/InputCheck.h"

#include <benchmark/benchmark.h>

#include <QString>

// What the main window's input check costs on each keystroke, on a full 15-character input box.

namespace {

void CheckInput(benchmark::State& state) {
    const int index = static_cast<int>(state.range(0));
    // Accepted in each system but for its last character, so the check walks the whole text.
    static const QString kTexts[] = {QStringLiteral("12345678901234Z"), QStringLiteral("101010101010102"),
                                     QStringLiteral("123456701234568"), QStringLiteral("ABCDEF0123456FG")};
    const QString& text = kTexts[index];
    const QString separator = QStringLiteral(".");
    for (auto _ : state) {
        Verdict verdict = checkInput(text, index, separator);
        benchmark::DoNotOptimize(verdict);
    }
}

} // namespace

BENCHMARK(CheckInput)->ArgName("option")->DenseRange(0, 3);

BENCHMARK_MAIN();
