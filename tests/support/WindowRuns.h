// Runs of real mouse and key events on the main window, decoded from bytes and checked by
// the referee after every event: presses, moves and releases anywhere on the board and the
// panel, every key and shortcut, clicks on the buttons, the test window opened by its code
// and switched, the window losing the keys to another, and the computer's pauses, during
// which more events arrive. Needs a QApplication (offscreen will do).
#pragma once

#include "support/Referee.h"

#include <QPoint>

#include <cstddef>
#include <cstdint>

namespace jumpline::testing {

// The middle of a cell of the main window, in the window's pixels.
QPoint centreOf(Cell c);

// Byte 0 chooses the opponent, the first player and the twips per pixel, as for playBytes;
// bytes 1-4 seed the computer; then each event takes an opcode byte and what it needs.
// Reading past the end gives zeros, so every input is valid; Exit ends it.
Played playWindowEvents(const std::uint8_t *data, std::size_t size);

} // namespace jumpline::testing
