#pragma once

// The numbers by which the product's documents name the menu entries, the
// Program Reader's action labels and the keys. Windows and tests use these
// names; the numbers are part of the documented behaviour.

// The menu panel's entries Label1(0) to Label1(6), each bringing one task
// window to the front.
namespace menu {
enum Entry : int {
    LocalNetworkSearch = 0, WideNetworkSearch = 1, ProgramReader = 2, ServerConnect = 3,
    ClientConnect = 4,      UdpConnect = 5,        FlashReader = 6,
};
constexpr int EntryCount = 7;
} // namespace menu

// The Program Reader's action labels: their indexes in its Label2 array.
namespace programaction {
enum Label : int { GetParameters = 3, SetParameters = 4, Reboot = 20 };
} // namespace programaction

// The key codes of the product's documents (Windows virtual-key codes).
namespace keycode {
constexpr int Alt = 18;
constexpr int F1 = 112;   // F2 to F12 follow: 113 to 123
constexpr int F2 = 113;
constexpr int F10 = 121;
} // namespace keycode
