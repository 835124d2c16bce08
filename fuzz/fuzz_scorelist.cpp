// SPDX-License-Identifier: MIT
// Fuzzes the high-score list's reading: LoadScores on one list window with a
// small catalogue, then checks the rows it filled against what it read.
#include <QTableWidget>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "FuzzApp.h"
#include "FuzzFile.h"
#include "data/ovningar.h"
#include "scores/Topp.h"

namespace {

// The lowest and highest numbers, and one out of order.
COvningar& Catalogue() {
    static std::vector<std::unique_ptr<COvning>> entries;
    static COvningar catalogue;
    if (!catalogue.First) {
        const int numbers[] = {90, 1, 45};
        for (int number : numbers) {
            entries.push_back(CreateExercise(QStringLiteral("AREA")));
            entries.back()->Number = number;
            for (int language = 1; language <= 6; ++language)
                entries.back()->Names[language] = QStringLiteral("Exercise %1").arg(number);
            if (entries.size() > 1) entries[entries.size() - 2]->Next = entries.back().get();
        }
        catalogue.First = entries.front().get();
    }
    return catalogue;
}

QString Cell(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}

void CheckRows(const TfrmTopplista& form) {
    int row = 0;
    for (const COvning* entry = Catalogue().First; entry; entry = entry->Next, ++row) {
        const TScoreEntry& best = form.ScoreTable[entry->Number][1];
        if (Cell(form.grdLista, row, 0) != QString::number(entry->Number) ||
            Cell(form.grdLista, row, 2) != best.Signature ||
            Cell(form.grdLista, row, 3).isEmpty() != (best.ScorePercent <= 0)) {
            std::fprintf(stderr, "row %d does not show exercise %d's best result\n", row,
                         entry->Number);
            std::abort();
        }
    }
    if (form.grdLista->rowCount() != row) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EnsureFuzzApplication();
    // One window for every input, as building one costs more than the reading.
    static TfrmTopplista* form = new TfrmTopplista;
    return FuzzLoad(data, size, [](const QString& name) {
        form->ScoreTable = TScoreTable();
        form->grdLista->clear();
        form->LoadScores(name, Catalogue());
        CheckRows(*form);
    });
}
