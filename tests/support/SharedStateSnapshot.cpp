// SPDX-License-Identifier: MIT
#include "support/SharedStateSnapshot.h"

#include <QDir>

#include "app/Palette.h"
#include "platform/Random.h"

SharedStateSnapshot::SharedStateSnapshot()
    : languageTable_(LanguageTable),
      currentLanguage_(CurrentLanguage),
      soundsOn_(SoundsOn),
      musicOn_(MusicOn),
      screenColorCount_(ScreenColorCount),
      panelColor_(PanelColor),
      frameColor_(FrameColor),
      highlightColor_(HighlightColor),
      correctColor_(CorrectColor),
      colourBlindPalette_(ColourBlindPaletteOn()),
      templateBitmap_(TemplateBitmap),
      soundOutput_(CurrentSoundOutput()),
      topTenForm_(CurrentTopTenForm()),
      messageSink_(CurrentMessageSink()),
      randomSeed_(FixedRandomSeed()),
      scoreFolder_(ScoreFolder()),
      currentDir_(QDir::currentPath()) {}

SharedStateSnapshot::~SharedStateSnapshot() {
    LanguageTable = languageTable_;
    CurrentLanguage = currentLanguage_;
    SoundsOn = soundsOn_;
    MusicOn = musicOn_;
    ScreenColorCount = screenColorCount_;
    PanelColor = panelColor_;
    FrameColor = frameColor_;
    HighlightColor = highlightColor_;
    CorrectColor = correctColor_;
    UseColourBlindPalette(colourBlindPalette_);
    TemplateBitmap = templateBitmap_;
    SetSoundOutput(soundOutput_);
    SetTopTenForm(topTenForm_);
    SetMessageSink(messageSink_);
    if (randomSeed_)
        SetFixedRandomSeed(*randomSeed_);
    else
        ClearFixedRandomSeed();
    SetScoreFolder(scoreFolder_);
    QDir::setCurrent(currentDir_);
}
