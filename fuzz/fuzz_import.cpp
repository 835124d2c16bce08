// SPDX-License-Identifier: MIT
// Fuzzes the import of shared exercises: the catalogue loader, the checks
// against the real maps and the adding. Whatever the file, either nothing
// changes, or every exercise it held is added and reads back playable.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "FuzzFile.h"
#include "exercise/ovning.h"
#include "teaching/ExerciseFile.h"
#include "teaching/ExerciseRules.h"
#include "teaching/OwnExercises.h"

namespace {
constexpr int English = 2;

void Fail(const char* why) {
    std::fprintf(stderr, "%s\n", why);
    std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TExerciseRules rules(QStringLiteral(GLOMIRA_GAMEDATA));
    static QTemporaryDir profile;
    const QString ownFile = QDir(profile.path()).filePath(QStringLiteral("own-exercises.crp"));
    return FuzzLoad(data, size, [&](const QString& name) {
        QFile::remove(ownFile);
        TOwnExercises own(ownFile);
        const TImportResult result = ImportExercises(name, own, rules, English);
        if (!result.Imported) {
            if (result.Reason.isEmpty()) Fail("refused without a reason");
            if (QFile::exists(ownFile) || own.Count() != 0)
                Fail("a refused file changed something");
            return;
        }
        TOwnExercises again(ownFile);
        again.Load();
        if (again.Count() != result.Names.size() || again.Count() == 0)
            Fail("the own exercises read back differ from what was imported");
        for (const COvning* entry : again.Entries())
            if (!rules.ProblemsOf(*entry, English).isEmpty())
                Fail("an imported exercise is not playable");
    });
}
