#include "core/SystemOption.h"
#include "engine/NumberText.h"
#include "engine/modBazelot.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

// The engine's cost per translation, beside the standard library doing the same conversion with
// std::from_chars and std::to_chars: what the engine's text round trips and double arithmetic cost.

namespace {

constexpr auto kSystems = kOptionRadices;

// The same pseudo-random values over the whole range, written in the input system.
std::vector<std::string> texts(int radix) {
    std::mt19937 generator(20261207);
    std::uniform_int_distribution<std::int32_t> values(0, 2147483647);
    std::vector<std::string> out;
    for (int i = 0; i < 1024; ++i) {
        char buffer[40];
        const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, values(generator), radix);
        std::string text(buffer, end);
        for (char& c : text)
            if (c >= 'a' && c <= 'f')
                c = static_cast<char>(c - 'a' + 'A');
        out.push_back(text);
    }
    return out;
}

void TranslateNumber(benchmark::State& state) {
    const modBazelot::NumeralSystem input = static_cast<modBazelot::NumeralSystem>(state.range(0));
    const modBazelot::NumeralSystem output = static_cast<modBazelot::NumeralSystem>(state.range(1));
    const auto inputs = texts(input);
    const modBazelot::ShowMessage show = [](const std::string&, const std::string&) {
    };
    std::size_t i = 0;
    for (auto _ : state) {
        auto result = modBazelot::TranslateNumber(input, output, inputs[i++ % inputs.size()], show);
        benchmark::DoNotOptimize(result);
    }
}

void StdCharconv(benchmark::State& state) {
    const int input = static_cast<int>(state.range(0));
    const int output = static_cast<int>(state.range(1));
    const auto inputs = texts(input);
    std::size_t i = 0;
    for (auto _ : state) {
        const std::string& text = inputs[i++ % inputs.size()];
        std::uint32_t value = 0;
        std::from_chars(text.data(), text.data() + text.size(), value, input);
        char buffer[40];
        const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, output);
        std::string result(buffer, end);
        benchmark::DoNotOptimize(result);
    }
}

// The numeric test the input check runs on every keystroke, on a full 15-character input.
void IsNumeric(benchmark::State& state) {
    const std::string text = "-1234567.89E+12";
    for (auto _ : state) {
        bool numeric = NumberText::isNumeric(text, ".");
        benchmark::DoNotOptimize(numeric);
    }
}

void systemPairs(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgNames({"in", "out"});
    for (int input : kSystems)
        for (int output : kSystems)
            if (input != output || input == 10)
                benchmark->Args({input, output});
}

} // namespace

BENCHMARK(TranslateNumber)->Apply(systemPairs);
BENCHMARK(StdCharconv)->Apply(systemPairs);
BENCHMARK(IsNumeric);

BENCHMARK_MAIN();
