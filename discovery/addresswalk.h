#pragma once

#include <QString>

// The order in which the wide-area search tries addresses. From the typed
// starting address it counts the last octet up to 255, then goes on with the
// next third octet from host 1 (never host 0), and ends after third octet 255,
// host 255. The first two groups are kept exactly as typed; the third and
// fourth are written as plain decimal numbers.
class WideAreaWalk
{
public:
    // 'start' is split at its dots; a group is read as its leading number
    // (blanks skipped, digits up to the first other character, none = 0).
    explicit WideAreaWalk(const QString &start);

    // Whether a walk may begin at 'start' (blanks at either end do not
    // count): a dotted address in the loose sense (looksLikeAddress) whose
    // first two groups are digits, so that every address tried is numeric.
    // "1.2..3" begins at 1.2.0.3; "a.b.1.1" and "1.2.3" are refused.
    static bool acceptsStart(const QString &start);

    // Gives the next address to try; false once the walk is over.
    bool next(QString &address);

private:
    QString m_prefix;  // "group1.group2." as typed
    int m_third = 0;
    int m_last = 0;
    bool m_over = false;
};
