#pragma once

#include <QString>

class QKeyEvent;

// The key codes the product's documents use (Windows virtual-key codes):
// Alt 18, F1..F12 112..123, keypad digits with Num Lock on 96..105, the
// navigation keys 33..40, 45, 12. Zero for a key with no such code.
int virtualKeyCode(const QKeyEvent *event);

// The character a key press types, 0..255, or -1 when it types none (or one
// that is not a single byte).
int typedCharacter(const QKeyEvent *event);
