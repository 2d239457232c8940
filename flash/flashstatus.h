#pragma once

#include <QString>

// The texts of the download window's status line. Each begins with
// "Current Status:" and three blanks.
namespace flashStatus {
QString text(const QString &state);
// "Downloading block 7 of 255": plain decimal numbers, no padding.
QString downloading(int block, int blockCount);
} // namespace flashStatus
