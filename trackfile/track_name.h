#pragma once
// Track names key the catalogue rows: at most 30 characters, then trimmed.
#include <QString>

inline constexpr qsizetype TrackNameLength = 30;

// The catalogue key of a shown name: its first 30 characters, trimmed. Two names that agree
// in their first 30 characters share one row.
QString trackKey(const QString& name);
