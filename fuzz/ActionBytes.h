// The action decoding shared by the libFuzzer target and the seeded random driver: a byte
// string becomes the settings of a game, the computer's random seed, and a run of user
// actions, some of them arriving during the computer's pause.
//
// Layout: byte 0 chooses the opponent, the first player and the screen's twips per pixel;
// bytes 1-4 seed the computer's random numbers; then each action takes an opcode byte and
// the bytes it needs. Every pause of the computer reads one byte that says whether clicks
// arrive during it (and which). Reading past the end gives zeros, so every input is valid.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace jumpline::fuzz {

struct RunResult {
    std::vector<std::string> problems; // the broken invariants; empty when all held
    int actions = 0;
    int pauseActions = 0;
    int humanMoves = 0;
    int computerMoves = 0;
    int newGames = 0;
    bool ended = false; // Exit was clicked
};

// Plays the actions that `data` describes on a fresh game, checking after every one; stops
// at the first broken invariant or at Exit. `verbose` traces every action on stderr.
RunResult playBytes(const std::uint8_t *data, std::size_t size, bool verbose = false);

} // namespace jumpline::fuzz
