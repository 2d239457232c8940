#pragma once

class QKeyEvent;

// The character a key press types, 0..255, or -1 when it types none (or one
// that is not a single byte).
int typedCharacter(const QKeyEvent *event);
