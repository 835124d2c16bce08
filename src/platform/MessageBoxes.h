// SPDX-License-Identifier: MIT
// Modal message boxes with a single OK button, and a sink that tests
// install to see the messages instead of blocking on them.
#pragma once

#include <QString>
#include <functional>

enum class TMessageKind { Plain, Information, Error };

// Shows a box centred on the screen, titled with the application's name.
// Lets window messages run while the box is up (not while a sink is set).
void ShowMessage(TMessageKind kind, const QString& text);

using TMessageSink = std::function<void(TMessageKind, const QString&)>;
// While a sink is set, messages go to it and no box is shown.
void SetMessageSink(TMessageSink sink);
// The sink set now; empty while messages show as boxes.
TMessageSink CurrentMessageSink();
