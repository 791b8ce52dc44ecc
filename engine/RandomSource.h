#pragma once

#include <cstdint>
#include <random>

namespace rewrix::engine {

// The program's one pseudo-random generator: every shuffle of every page
// draws from it, in the order the commands run. It starts from the same
// state at every start of the program and nothing reseeds it from the
// clock, so the same texts rewritten with the same options in the same order
// after a start are shuffled the same way in every run.
//
// Underneath is std::mt19937_64 seeded with kStartingSeed; a draw is the top
// 53 bits of one output divided by 2^53, uniform in [0, 1) and the same on
// every compiler (std::uniform_real_distribution is not).
class RandomSource {
public:
    static constexpr std::uint64_t kStartingSeed = 0x5EED'2006'0817ULL;

    // The program's generator.
    static RandomSource& Program();

    explicit RandomSource(std::uint64_t seed = kStartingSeed) : engine_(seed) {}

    // Starts the sequence elsewhere (the command line's --seed); Start(kStartingSeed)
    // goes back to the program's fixed starting state.
    void Start(std::uint64_t seed) { engine_.seed(seed); }

    // The next number r, 0 <= r < 1.
    double Next() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

private:
    std::mt19937_64 engine_;
};

} // namespace rewrix::engine
