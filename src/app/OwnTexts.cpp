// SPDX-License-Identifier: MIT
// The program's own texts by language, worded as the help pages word them.
#include "OwnTexts.h"

#include <array>

namespace {

constexpr int Languages = 6;
constexpr int English = 2;

using Row = std::array<const char*, Languages>;  // sv, en, fr, de, es, it

Row RowOf(TOwnText text) {
    switch (text) {
        case TOwnText::HomeTip:
            return {"Visa övningens eget utsnitt (Home)",
                    "Back to the exercise's own view (Home)",
                    "Rétablir la vue de départ de l'exercice (Début)",
                    "Ausgangsansicht der Übung (Pos1)",
                    "Volver a la vista inicial del ejercicio (Inicio)",
                    "Ripristina la vista iniziale dell'esercizio (Home)"};
        case TOwnText::FlagCredit:
            return {
                "Flaggbilderna är allmän egendom, från svg-country-flags. Källor i hjälpen (?).",
                "Flag pictures: public domain, from svg-country-flags. Credits in Help (?).",
                "Images des drapeaux : domaine public, d'après svg-country-flags. Crédits dans "
                "l'aide (?).",
                "Flaggenbilder: gemeinfrei, aus svg-country-flags. Nachweise in der Hilfe (?).",
                "Imágenes de las banderas: dominio público, de svg-country-flags. Créditos en la "
                "ayuda (?).",
                "Immagini delle bandiere: pubblico dominio, da svg-country-flags. Crediti nella "
                "guida (?)."};
        case TOwnText::HelpTitle:
            return {"Hjälp för Glomira", "Glomira Help",     "Aide de Glomira",
                    "Glomira-Hilfe",     "Ayuda de Glomira", "Guida di Glomira"};
        case TOwnText::HelpContents:
            return {"Innehåll", "Contents", "Sommaire", "Inhalt", "Índice", "Sommario"};
        case TOwnText::HelpBack:
            return {"Bakåt", "Back", "Précédent", "Zurück", "Atrás", "Indietro"};
        case TOwnText::HelpForward:
            return {"Framåt", "Forward", "Suivant", "Vorwärts", "Adelante", "Avanti"};
        case TOwnText::HelpMissingTitle:
            return {"Hjälpen finns inte",          "Help is not available",
                    "L'aide n'est pas disponible", "Die Hilfe ist nicht verfügbar",
                    "La ayuda no está disponible", "La guida non è disponibile"};
        case TOwnText::HelpMissingText:
            return {"Hjälpsidan %1 hittades inte. Installera om Glomira.",
                    "The help page %1 was not found. Please reinstall Glomira.",
                    "La page d'aide %1 est introuvable. Réinstallez Glomira.",
                    "Die Hilfeseite %1 wurde nicht gefunden. Installiere Glomira neu.",
                    "No se encontró la página de ayuda %1. Vuelve a instalar Glomira.",
                    "La pagina della guida %1 non è stata trovata. Reinstalla Glomira."};
        case TOwnText::HistoryMovedAside:
            return {
                "Resultathistoriken var skadad. Den sparades som %1, och en ny historik har "
                "börjat.",
                "Your results history was damaged. It was kept as %1, and a new history has "
                "begun.",
                "L'historique des résultats était endommagé. Il a été conservé sous %1, et un "
                "nouvel historique a commencé.",
                "Der Ergebnisverlauf war beschädigt. Er wurde als %1 aufbewahrt, und ein neuer "
                "Verlauf hat begonnen.",
                "El historial de resultados estaba dañado. Se guardó como %1 y se ha empezado "
                "uno nuevo.",
                "La cronologia dei risultati era danneggiata. È stata conservata come %1 ed è "
                "iniziata una nuova cronologia."};
        case TOwnText::ColourBlindSwitch:
            return {"Färger för färgblinda spelare",        "Colours for colour-blind players",
                    "Couleurs pour les joueurs daltoniens", "Farben für farbenblinde Spieler",
                    "Colores para jugadores daltónicos",    "Colori per giocatori daltonici"};
        case TOwnText::HistoryUnusable:
            return {
                "Resultathistoriken kan inte sparas. Du kan spela som vanligt, men dina "
                "omgångar sparas inte i historiken.",
                "Your results history can't be saved. You can play as usual, but your runs "
                "are not kept in the history.",
                "L'historique des résultats ne peut pas être enregistré. Vous pouvez jouer "
                "normalement, mais vos parties n'y sont pas conservées.",
                "Der Ergebnisverlauf kann nicht gespeichert werden. Du kannst wie gewohnt "
                "spielen, aber deine Runden werden nicht im Verlauf festgehalten.",
                "No se puede guardar el historial de resultados. Puedes jugar como siempre, "
                "pero tus partidas no se guardan en el historial.",
                "Non è possibile salvare la cronologia dei risultati. Puoi giocare come "
                "sempre, ma le tue partite non vengono conservate nella cronologia."};
    }
    return {"", "", "", "", "", ""};
}

}  // namespace

QString OwnText(TOwnText text, int language) {
    if (language < 1 || language > Languages) language = English;
    return QString::fromUtf8(RowOf(text)[std::size_t(language - 1)]);
}
