// Keystrokes of the keypad state machine.
#include "quorvel/keypad/keypad.h"

#include <benchmark/benchmark.h>

using quorvel::Key;

static void BM_KeypadChain(benchmark::State& state)
{
    const Key keys[] = {Key::D1, Key::D2, Key::Point, Key::D5, Key::Times, Key::D3,
                        Key::Divide, Key::D7, Key::Equals, Key::Equals, Key::MPlus,
                        Key::MR, Key::Root, Key::Percent, Key::Back, Key::Clear};
    quorvel::Keypad k;
    k.activate();
    for (auto _ : state) {
        for (Key key : keys)
            benchmark::DoNotOptimize(k.press(key));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(std::size(keys)));
}
BENCHMARK(BM_KeypadChain);

BENCHMARK_MAIN();
