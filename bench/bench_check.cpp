#include "core/InputCheck.h"

#include <benchmark/benchmark.h>

// What the main window's input check costs on each keystroke, on a full 15-character input box.

namespace {

void CheckInput(benchmark::State& state) {
    const SystemOption option = kSystemOptions[static_cast<std::size_t>(state.range(0))];
    // Accepted in each system but for its last character, so the check walks the whole text.
    static constexpr std::string_view kTexts[] = {"12345678901234Z", "101010101010102", "123456701234568",
                                                  "ABCDEF0123456FG"};
    const std::string_view text = kTexts[indexOf(option)];
    for (auto _ : state) {
        Verdict verdict = checkInput(text, option, ".");
        benchmark::DoNotOptimize(verdict);
    }
}

} // namespace

BENCHMARK(CheckInput)->ArgName("option")->DenseRange(0, 3);

BENCHMARK_MAIN();
