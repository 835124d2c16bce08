// SPDX-License-Identifier: MIT
// Shared state and the window-free shared routines.
#include "Generell.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QRegularExpression>
#include <QStandardPaths>

#include "data/Fileread.h"

TLanguageTable LanguageTable;
int CurrentLanguage = 2;
bool SoundsOn = true;
bool MusicOn = true;
qint64 ScreenColorCount = 0;
TColor PanelColor = 0;
TColor FrameColor = 0;
TColor HighlightColor = 0;
TColor CorrectColor = 0;
QImage TemplateBitmap;

namespace {
TSoundOutput* soundOutput = nullptr;
QString scoreFolder;
}  // namespace

QString LanguageText(int number) {
    return LanguageTable[CurrentLanguage][number];
}

QString ProgramDirectory() {
    if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
    // Tools and tests may run before an application object exists.
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section('/', 0, -2);
}

QString ProgramFile(const QString& name) {
    return ProgramDirectory() + QLatin1Char('/') + name;
}

QString HighScoreFile() {
    if (!scoreFolder.isEmpty()) return QDir(scoreFolder).filePath(QStringLiteral("scores.hgh"));
    const QString beside = ProgramFile(QStringLiteral("scores.hgh"));
    if (ScoresBesideProgram(ProgramDirectory())) return beside;
    const QString own = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (own.isEmpty() || !QDir().mkpath(own)) return beside;
    return own + QStringLiteral("/scores.hgh");
}

bool ScoresBesideProgram(const QString& programDirectory) {
    const QFileInfo folder(programDirectory);
    const QString path = folder.canonicalFilePath();
    return folder.isWritable() && !path.startsWith(QLatin1String("/usr/"));
}

QString HistoryFile() {
    const QString folder = scoreFolder.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                               : scoreFolder;
    return QDir(folder).filePath(QStringLiteral("history.sqlite"));
}

namespace {
QString OwnDataFile(const QString& name) {
    QString folder = scoreFolder;
    if (folder.isEmpty()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir().mkpath(folder);
    }
    return QDir(folder).filePath(name);
}
}  // namespace

QString OwnExercisesFile() {
    return OwnDataFile(QStringLiteral("own-exercises.crp"));
}

QString OwnHighScoreFile() {
    return OwnDataFile(QStringLiteral("own-scores.hgh"));
}

int RemoveStaleTemporaries(const QStringList& files, const QDateTime& now) {
    int removed = 0;
    for (const QString& file : files) {
        const QFileInfo info(file);
        const QRegularExpression temporary(QRegularExpression::anchoredPattern(
            QRegularExpression::escape(info.fileName()) + QStringLiteral("\\.[A-Za-z0-9]{6}")));
        const QFileInfoList beside =
            info.dir().entryInfoList({info.fileName() + QStringLiteral(".??????")}, QDir::Files);
        for (const QFileInfo& candidate : beside)
            if (temporary.match(candidate.fileName()).hasMatch() &&
                candidate.lastModified().secsTo(now) > 3600 && QFile::remove(candidate.filePath()))
                ++removed;
    }
    return removed;
}

QString HighScoreStartFile() {
    if (!scoreFolder.isEmpty()) return {};
    const QString beside = ProgramFile(QStringLiteral("scores.hgh"));
    return HighScoreFile() == beside ? QString() : beside;
}

void SetScoreFolder(const QString& folder) {
    scoreFolder = folder;
}

QString ScoreFolder() {
    return scoreFolder;
}

void LoadLanguageTable() {
    LoadLanguageTable(ProgramFile(QStringLiteral("lang.crp")));
}

void LoadLanguageTable(const QString& fileName) {
    TByteFile file(fileName);
    while (!file.AtEnd()) {
        const int number = file.ReadWord();
        for (int language = 1; language <= LanguageCount; ++language) {
            if (number < 1 || number > LanguageStringCount) throw ERangeError();
            LanguageTable[language][number] = file.ReadText();
        }
    }
}

void ProcessMessages() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

void SetSoundOutput(TSoundOutput* output) {
    soundOutput = output;
}

TSoundOutput* CurrentSoundOutput() {
    return soundOutput;
}

void PlayEffect(const QString& fileName, int channel) {
    if (!SoundsOn || !soundOutput) return;
    soundOutput->PlayEffect(ProgramFile(fileName), channel == 1 ? 1 : 2);
}

void PlayMusic(const QString& fileName, int startPosition) {
    if (!MusicOn || !soundOutput) return;
    soundOutput->PlayMusic(ProgramFile(fileName), startPosition);
}

void ResetImageFromTemplate(QImage& picture, QSize size) {
    ProcessMessages();
    QImage reset(size, QImage::Format_RGB32);
    if (!reset.isNull()) {
        reset.fill(Qt::white);
        QPainter painter(&reset);
        painter.drawImage(0, 0, TemplateBitmap);
    }
    picture = std::move(reset);
}

void FloodFillAt(TRasterSurface& surface, int x, int y, TColor colour, TFillStyle style) {
    surface.FloodFill(x, y, colour, style);
}
