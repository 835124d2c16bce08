// SPDX-License-Identifier: MIT
// Fuzzes the stored settings as the program reads and uses them: the bytes
// become the per-user settings file, the language screen and the about screen
// read it when shown, and their OK buttons write the choices back.
#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QSettings>
#include <QShowEvent>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "FuzzApp.h"
#include "app/About.h"
#include "app/Generell.h"
#include "app/Lang.h"
#include "data/Fileread.h"
#include "platform/MessageBoxes.h"
#include "platform/SettingsStore.h"

namespace {

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

// Both scopes point into a private folder, so no real settings are read or touched.
QString SettingsFile() {
    static QTemporaryDir dir;
    static bool ready = false;
    if (!ready) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.filePath("user"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, dir.filePath("system"));
        QDir().mkpath(dir.filePath("user/Glomira"));
        ready = true;
    }
    return dir.filePath("user/Glomira/Glomira.conf");
}

void WriteSettings(const uint8_t* data, size_t size) {
    static qint64 stamp = 0;
    QFile file(SettingsFile());
    if (!file.open(QIODevice::WriteOnly)) Fail("cannot write the settings file");
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    // QSettings rereads a file only when its size or time changed: give every input its own time.
    if (!file.setFileTime(QDateTime::fromSecsSinceEpoch(1000000000 + ++stamp, Qt::UTC),
                          QFileDevice::FileModificationTime))
        Fail("cannot stamp the settings file");
}

int CheckedLanguage(const TfrmLang& form) {
    int checked = 0;
    for (int language = 1; language <= LanguageCount; ++language)
        if (form.LanguageButton(language)->isChecked()) {
            if (checked) Fail("two languages chosen at once");
            checked = language;
        }
    if (!checked) Fail("no language chosen");
    return checked;
}

// Runs a screen's show handler as showing it would, without a real window: a
// window's activation and painting cost far more than the reading.
void ShowHandler(QWidget* screen) {
    QShowEvent event;
    QCoreApplication::sendEvent(screen, &event);
}

void UseSettings() {
    static TfrmLang* language = new TfrmLang;
    static TfrmAbout* about = new TfrmAbout;
    // The screens tell of a failed write with a message box; count it instead.
    static bool writeFailed = false;
    SetMessageSink([](TMessageKind, const QString&) { writeFailed = true; });
    writeFailed = false;

    // As the program starts: the language screen reads all three values.
    language->LanguageButton(2)->setChecked(true);
    ShowHandler(language);
    const int chosen = CheckedLanguage(*language);
    language->cmdOKClick();
    if (language->result() != chosen) Fail("the language screen answered another language");
    if (!writeFailed &&
        TSettingsStore().ReadString("Languages", "From", QString()) != QString::number(chosen))
        Fail("the chosen language did not read back");

    // The about screen shows the switches and stores them again on OK.
    const bool music = MusicOn;
    const bool sounds = SoundsOn;
    ShowHandler(about);
    if (about->chkMusic->isChecked() != music || about->chkSound->isChecked() != sounds)
        Fail("the about screen shows other switches than were read");
    writeFailed = false;
    about->cmdOKClick();
    const TSettingsStore store;
    if (!writeFailed && ((store.ReadInteger("Options", "Music", 1) == 1) != music ||
                         (store.ReadInteger("Options", "Sounds", 1) == 1) != sounds))
        Fail("the switches did not read back");
}

}  // namespace

// Every OK click makes Qt flush the settings file to disk, which would cap the
// run at a few dozen inputs a second; the file is thrown away anyway.
extern "C" int fdatasync(int) {
    return 0;
}
extern "C" int fsync(int) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EnsureFuzzApplication();
    WriteSettings(data, size);
    try {
        UseSettings();
    } catch (const Exception&) {
        // A clear failure is an acceptable answer to a bad file.
    }
    return 0;
}
