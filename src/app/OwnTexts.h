// SPDX-License-Identifier: MIT
// The texts of the controls and windows this program adds to the screens,
// in the six interface languages; the language table holds the rest.
#pragma once

#include <QString>

enum class TOwnText {
    HomeTip,     // the map screen's button for the exercise's own view
    FlagCredit,  // the flag screen's credit line
    HelpTitle,   // the help window
    HelpContents,
    HelpBack,
    HelpForward,
    HelpMissingTitle,   // a help page that is not there
    HelpMissingText,    // with %1 for the page's file
    HistoryMovedAside,  // the results history was damaged; %1 where it was kept
    HistoryUnusable,    // the results history can't be written
    ColourBlindSwitch,  // the main menu's check box for the colour-blind palette
};

// The text in the language (1 Swedish .. 6 Italian; others give English).
QString OwnText(TOwnText text, int language);
