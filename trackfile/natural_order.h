#pragma once
// The order of shown texts in which numbers count by their value: "track2" before "track10",
// 9 laps before 10, 1:02.345 before 10:01.000.
#include <QStringView>

// Negative, 0 or positive as `a` sorts before, with or after `b`. Runs of digits compare by
// their value (leading zeros aside), the rest without regard to case.
int naturalCompare(QStringView a, QStringView b);
