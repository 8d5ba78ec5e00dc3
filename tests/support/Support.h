// What the tests, the soak and the fuzzer share: positions written as pictures, a screen
// that records instead of waiting, and random numbers given in advance.
//
// A picture lists rows of eight cells, row 1 (Black's home row) first: '.' empty, 'b' a
// black man, 'B' a black king, 'r' a red man, 'R' a red king. A row written "4:b.....b."
// is row 4; a row without a number follows the one before, so the opening is
// ".b.b.b.b b.b.b.b. .b.b.b.b ........ ........ r.r.r.r. .r.r.r.r r.r.r.r.". Pieces of a
// colour take the indexes 0, 1, 2 ... in reading order; the others are parked.
#pragma once

#include "board/Board.h"
#include "outside/Random.h"
#include "outside/Screen.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace jumpline::testing {

inline constexpr std::string_view kOpening = ".b.b.b.b b.b.b.b. .b.b.b.b ........ ........ r.r.r.r. .r.r.r.r r.r.r.r.";

// The board that the picture shows, pieces and intBoard alike, with the pieces of the side
// to move enabled, on a screen of that many twips per pixel.
Board boardFromPicture(std::string_view picture, bool redToMove = true, int twipsX = 15, int twipsY = 15);

// The number of the square on cell c.
inline std::int16_t squareAt(Cell c) { return static_cast<std::int16_t>(squareIndex(c)); }

// The rows of intBoard that hold a piece, as "4:b.....b. 6:....r...".
std::string boardPicture(const Board &board);
// The same of the visible pieces and their king flags; '?' where two share a cell.
std::string piecesPicture(const Board &board);

// What is wrong with the position as the game keeps it: a parked piece away from the
// parking place (532, 35 px), a piece off its cell or with the wrong picture, two pieces on one cell,
// intBoard out of step with the pieces (unless test mode has placed them freely).
std::vector<std::string> positionProblems(const Board &board, bool freelyPlaced = false);

class FakeScreen final : public Screen {
public:
    void Pause() override { ++pauses; if (duringPause) duringPause(); }
    void ShowMessage(const std::string &text) override { messages.push_back(text); }
    void ShowBoardDump(const std::string &text) override { dumps.push_back(text); }
    void EndProgram() override { ++ends; }

    int pauses = 0;
    std::function<void()> duringPause; // what the user does while the computer waits
    std::vector<std::string> messages, dumps;
    int ends = 0; // the program is ended once, however it comes to end
};

// Hands out `script`, then `fallback`, and keeps every number it handed out.
class ScriptedRandom final : public Random {
public:
    explicit ScriptedRandom(std::vector<double> script = {}, double fallback = 0) : script(std::move(script)), fallback(fallback) {}
    double Rnd() override { return used.emplace_back(used.size() < script.size() ? script[used.size()] : fallback); }
    std::vector<double> script, used;
    double fallback;
};

} // namespace jumpline::testing
