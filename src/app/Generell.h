// SPDX-License-Identifier: MIT
// Shared application state (language, sound switches, colour scheme,
// template bitmap) and the shared routines that need no window.
#pragma once

#include <QDateTime>
#include <QImage>
#include <QSize>
#include <QString>

#include "data/RangeArray.h"
#include "platform/Colors.h"
#include "platform/RasterSurface.h"

constexpr int LanguageCount = 6;  // 1 Swedish, 2 English, 3 French, 4 German, 5 Spanish, 6 Italian
constexpr int LanguageStringCount = 34;

// Interface texts by [language 1..6][string number 1..34].
using TLanguageTable = RangeArray<RangeArray<QString, 1, LanguageStringCount>, 1, LanguageCount>;

extern TLanguageTable LanguageTable;
extern int CurrentLanguage;
extern bool SoundsOn;
extern bool MusicOn;
extern qint64 ScreenColorCount;
extern TColor PanelColor;
extern TColor FrameColor;
extern TColor HighlightColor;
extern TColor CorrectColor;
extern QImage TemplateBitmap;

// The text of a string number in the current language.
QString LanguageText(int number);

// Folder of the running executable, without a trailing separator.
QString ProgramDirectory();
// ProgramDirectory() + "/" + name.
QString ProgramFile(const QString& name);

// The high-score file: scores.hgh beside the program, or, when an installed
// program's folder cannot be written, in the player's own data folder; in
// the score folder instead while one is set.
QString HighScoreFile();
// Whether scores.hgh may live in this program folder: it can be written,
// and it is not where the system's package manager installs programs (even
// an administrator's results belong in their own folder, or removing the
// package would leave the folder behind).
bool ScoresBesideProgram(const QString& programDirectory);
// The list a player's own high-score file starts from until it exists: the
// scores.hgh installed beside the program. Empty when HighScoreFile() is
// that file itself, or while a score folder is set.
QString HighScoreStartFile();
// The results history: history.sqlite in the player's own data folder, or
// in the score folder while one is set.
QString HistoryFile();
// The player's own exercises, in catalogue format, and their high-score
// file: own-exercises.crp and own-scores.hgh in the player's own data
// folder, or in the score folder while one is set.
QString OwnExercisesFile();
QString OwnHighScoreFile();
// Removes what saves cut off by a kill left beside these files: the
// temporaries "<name>.XXXXXX" that a save writes before it renames, when
// they have not changed for an hour (a save running in another copy of the
// program is newer). Returns how many went.
int RemoveStaleTemporaries(const QStringList& files, const QDateTime& now);
// Keeps scores.hgh in this folder instead (tests and tools that must not
// touch the player's results); empty: the usual places.
void SetScoreFolder(const QString& folder);
QString ScoreFolder();

// Reads ProgramDirectory()/lang.crp into LanguageTable; raises on failure.
void LoadLanguageTable();
// The same from a given file; a string number outside 1..34 fails before
// any text of its record is stored.
void LoadLanguageTable(const QString& fileName);

// Lets window messages run: the pending repaints, timer ticks, clicks and
// deferred deletes. Every place in the game that yields to the event loop,
// short of a modal window, goes through here.
void ProcessMessages();

// Where effects and music go; the windowed layer installs the real
// players. Without one everything stays silent.
class TSoundOutput {
  public:
    virtual ~TSoundOutput() = default;
    virtual void PlayEffect(const QString& fullName, int channel) = 0;
    virtual void PlayMusic(const QString& fullName, int startPosition) = 0;
};
void SetSoundOutput(TSoundOutput* output);
TSoundOutput* CurrentSoundOutput();

// Plays a wave file beside the program: channel 1, or 2 for any other number.
void PlayEffect(const QString& fileName, int channel);
// Plays a MIDI file beside the program from the given position.
void PlayMusic(const QString& fileName, int startPosition);

// Lets window messages run first, then replaces the picture by
// TemplateBitmap cut or extended (white) to the given size.
void ResetImageFromTemplate(QImage& picture, QSize size);
// Flood fill with the surface's current fill colour: Surface repaints the
// region of `colour` around (x, y), Border fills up to pixels of `colour`.
void FloodFillAt(TRasterSurface& surface, int x, int y, TColor colour, TFillStyle style);
