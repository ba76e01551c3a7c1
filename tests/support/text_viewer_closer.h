#pragma once
// Runs a command that shows the modal text viewer, closing each viewer as soon as it opens;
// returns the texts shown, in order.
#include <QStringList>
#include <functional>

QStringList closingTextViewers(const std::function<void()>& command);
