// SPDX-License-Identifier: MIT
// Everything the program shares between its parts, saved at construction
// and put back at destruction: the interface texts and settings, the colour
// scheme, the template picture, the installed hooks (sound output, top-ten
// form, message sink), the random seed, the score folder and the current
// directory. A test that changes any of it leaks nothing to the next.
#pragma once

#include <QImage>
#include <QString>
#include <optional>

#include "app/Generell.h"
#include "exercise/ovning.h"
#include "platform/MessageBoxes.h"

class SharedStateSnapshot {
  public:
    SharedStateSnapshot();
    ~SharedStateSnapshot();
    SharedStateSnapshot(const SharedStateSnapshot&) = delete;
    SharedStateSnapshot& operator=(const SharedStateSnapshot&) = delete;

  private:
    TLanguageTable languageTable_;
    int currentLanguage_;
    bool soundsOn_;
    bool musicOn_;
    qint64 screenColorCount_;
    TColor panelColor_;
    TColor frameColor_;
    TColor highlightColor_;
    TColor correctColor_;
    bool colourBlindPalette_;
    QImage templateBitmap_;
    TSoundOutput* soundOutput_;
    TTopTenForm topTenForm_;
    TMessageSink messageSink_;
    std::optional<quint64> randomSeed_;
    QString scoreFolder_;
    QString currentDir_;
};
