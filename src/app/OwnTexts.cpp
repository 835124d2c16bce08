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
        case TOwnText::PracticeNote:
            return {"Övning: räknas inte till tio-i-topp",
                    "Practice: not entered in the top ten",
                    "Entraînement : non classé dans le palmarès",
                    "Training: zählt nicht für die Bestenliste",
                    "Práctica: no entra en la clasificación",
                    "Allenamento: non entra in classifica"};
        case TOwnText::MenuPractise:
            return {"Öva", "Practise", "S'entraîner", "Üben", "Practicar", "Esercitati"};
        case TOwnText::MenuExplore:
            return {"Utforska", "Explore", "Explorer", "Erkunden", "Explorar", "Esplora"};
        case TOwnText::MenuProgress:
            return {"Framsteg", "Progress", "Progrès", "Fortschritt", "Progreso", "Progressi"};
        case TOwnText::NothingDue:
            return {
                "Just nu finns inget att öva i den här övningen. Nästa sak att öva blir aktuell "
                "%1.",
                "Nothing in this exercise is due for practice now. The next item falls due on %1.",
                "Rien n'est à revoir dans cet exercice pour l'instant. Le prochain élément sera à "
                "revoir le %1.",
                "In dieser Übung ist gerade nichts zu üben. Das nächste Element ist am %1 wieder "
                "dran.",
                "Ahora no hay nada que practicar en este ejercicio. El próximo elemento tocará el "
                "%1.",
                "Ora non c'è niente da ripassare in questo esercizio. Il prossimo elemento tocca "
                "il %1."};
        case TOwnText::ProgressTip:
            return {"Bästa resultat %1 %, %2 av %3 inlärda",
                    "Best result %1 %, %2 of %3 learned",
                    "Meilleur résultat %1 %, %2 sur %3 appris",
                    "Bestes Ergebnis %1 %, %2 von %3 gelernt",
                    "Mejor resultado %1 %, %2 de %3 aprendidos",
                    "Miglior risultato %1 %, %2 su %3 imparati"};
        case TOwnText::ReviewTitle:
            return {"Genomgång: %1", "Review: %1", "Révision : %1",
                    "Rückblick: %1", "Repaso: %1", "Ripasso: %1"};
        case TOwnText::ReviewMissed:
            return {"%1 av %2 fick du inte rätt på första försöket.",
                    "You missed %1 of %2 at the first try.",
                    "Vous avez manqué %1 sur %2 au premier essai.",
                    "Du hast %1 von %2 nicht beim ersten Versuch getroffen.",
                    "Fallaste %1 de %2 al primer intento.",
                    "Hai sbagliato %1 su %2 al primo tentativo."};
        case TOwnText::ReviewAllRight:
            return {"Allt rätt på första försöket!", "All right at the first try!",
                    "Tout juste du premier coup !",  "Alles beim ersten Versuch richtig!",
                    "¡Todo bien al primer intento!", "Tutto giusto al primo tentativo!"};
        case TOwnText::ReviewPractice:
            return {"Övningsomgång: %1 %. Den räknas inte till tio-i-topp.",
                    "Practice run: %1 %. It is not entered in the top ten.",
                    "Entraînement : %1 %. Il n'entre pas dans le palmarès.",
                    "Trainingsrunde: %1 %. Sie kommt nicht in die Bestenliste.",
                    "Práctica: %1 %. No entra en la clasificación.",
                    "Allenamento: %1 %. Non entra in classifica."};
        case TOwnText::ReviewClicked:
            return {"Du valde: %1",   "You chose: %1", "Vous avez choisi : %1",
                    "Deine Wahl: %1", "Elegiste: %1",  "Hai scelto: %1"};
        case TOwnText::ReviewCapital:
            return {"Huvudstad: %1",  "Capital: %1", "Capitale : %1",
                    "Hauptstadt: %1", "Capital: %1", "Capitale: %1"};
        case TOwnText::ReviewWithin:
            return {"Ligger i: %1", "In: %1",      "Se trouve en : %1",
                    "Liegt in: %1", "Está en: %1", "Si trova in: %1"};
        case TOwnText::ReviewShow:
            return {"Välj en rad för att visa den på kartan.",
                    "Pick a line to see it on the map.",
                    "Choisissez une ligne pour la voir sur la carte.",
                    "Wähle eine Zeile, um sie auf der Karte zu sehen.",
                    "Elige una línea para verla en el mapa.",
                    "Scegli una riga per vederla sulla carta."};
        case TOwnText::PractiseThese:
            return {"Öva på dessa", "Practise these",  "Revoir ceux-ci",
                    "Diese üben",   "Practicar estos", "Ripassa questi"};
        case TOwnText::Close:
            return {"Stäng", "Close", "Fermer", "Schließen", "Cerrar", "Chiudi"};
        case TOwnText::ProgressTitle:
            return {"Framsteg: %1",    "Progress: %1", "Progrès : %1",
                    "Fortschritt: %1", "Progreso: %1", "Progressi: %1"};
        case TOwnText::ProgressSummary:
            return {"%1 av %2 inlärda, %3 att öva nu",
                    "%1 of %2 learned, %3 due now",
                    "%1 sur %2 appris, %3 à revoir maintenant",
                    "%1 von %2 gelernt, %3 jetzt dran",
                    "%1 de %2 aprendidos, %3 por practicar ahora",
                    "%1 su %2 imparati, %3 da ripassare ora"};
        case TOwnText::ProgressItem:
            return {"Namn", "Name", "Nom", "Name", "Nombre", "Nome"};
        case TOwnText::ProgressBox:
            return {"Låda", "Box", "Boîte", "Fach", "Caja", "Scatola"};
        case TOwnText::ProgressLast:
            return {"Senast",  "Last result",      "Dernier résultat",
                    "Zuletzt", "Último resultado", "Ultimo risultato"};
        case TOwnText::ProgressDue:
            return {"Att öva", "Due", "À revoir", "Fällig", "Toca", "Da ripassare"};
        case TOwnText::ProgressNever:
            return {"aldrig frågad", "never asked",      "jamais demandé",
                    "nie gefragt",   "nunca preguntado", "mai chiesto"};
        case TOwnText::ProgressRight:
            return {"rätt direkt",    "right at once",     "juste du premier coup",
                    "sofort richtig", "bien a la primera", "giusto subito"};
        case TOwnText::ProgressMissed:
            return {"missad", "missed", "manqué", "verfehlt", "fallado", "sbagliato"};
        case TOwnText::ProgressNow:
            return {"nu", "now", "maintenant", "jetzt", "ahora", "ora"};
        case TOwnText::ProgressLearned:
            return {"inlärd", "learned", "appris", "gelernt", "aprendido", "imparato"};
        case TOwnText::ProgressRuns:
            return {"Senaste omgångarna", "Recent runs",      "Dernières parties",
                    "Letzte Runden",      "Últimas partidas", "Ultime partite"};
        case TOwnText::ProgressDate:
            return {"Datum", "Date", "Date", "Datum", "Fecha", "Data"};
        case TOwnText::ProgressPercent:
            return {"Resultat", "Result", "Résultat", "Ergebnis", "Resultado", "Risultato"};
        case TOwnText::ProgressKind:
            return {"Omgång", "Run", "Partie", "Runde", "Partida", "Partita"};
        case TOwnText::RunFull:
            return {"hel omgång",  "full run",         "partie complète",
                    "volle Runde", "partida completa", "partita completa"};
        case TOwnText::RunPractice:
            return {"övning", "practice", "entraînement", "Training", "práctica", "allenamento"};
        case TOwnText::RunClosed:
            return {"avbruten",    "closed early", "interrompue",
                    "abgebrochen", "interrumpida", "interrotta"};
        case TOwnText::ExploreTitle:
            return {"Utforska: %1", "Explore: %1",  "Explorer : %1",
                    "Erkunden: %1", "Explorar: %1", "Esplora: %1"};
        case TOwnText::ExploreHint:
            return {"Peka på kartan för att se vad som finns där. Inget räknas.",
                    "Point at the map to see what is there. Nothing is scored.",
                    "Pointez la carte pour voir ce qui s'y trouve. Rien n'est compté.",
                    "Zeige auf die Karte, um zu sehen, was dort ist. Nichts wird gezählt.",
                    "Señala el mapa para ver qué hay. No se cuenta nada.",
                    "Indica la carta per vedere cosa c'è. Non si conta nulla."};
        case TOwnText::ExploreFlagsHint:
            return {
                "Alla flaggor i övningen, med sina länders namn. Inget räknas.",
                "Every flag of the exercise, with its country's name. Nothing is scored.",
                "Tous les drapeaux de l'exercice, avec le nom de leur pays. Rien n'est compté.",
                "Alle Flaggen der Übung mit dem Namen ihres Landes. Nichts wird gezählt.",
                "Todas las banderas del ejercicio, con el nombre de su país. No se cuenta nada.",
                "Tutte le bandiere dell'esercizio, con il nome del loro paese. Non si conta "
                "nulla."};
        case TOwnText::CsvDate:
            return {"Datum", "Date", "Date", "Datum", "Fecha", "Data"};
        case TOwnText::CsvTime:
            return {"Tid", "Time", "Heure", "Uhrzeit", "Hora", "Ora"};
        case TOwnText::CsvSignature:
            return {"Signatur", "Signature", "Signature", "Unterschrift", "Firma", "Firma"};
        case TOwnText::CsvExercise:
            return {"Övning", "Exercise", "Exercice", "Übung", "Ejercicio", "Esercizio"};
        case TOwnText::CsvPercent:
            return {"Procent", "Percentage", "Pourcentage", "Prozent", "Porcentaje", "Percentuale"};
        case TOwnText::CsvMissed:
            return {"Missade", "Missed", "Manqués", "Verfehlt", "Fallados", "Sbagliati"};
        case TOwnText::ExportResults:
            return {"Exportera resultat…",     "Export results…",      "Exporter les résultats…",
                    "Ergebnisse exportieren…", "Exportar resultados…", "Esporta risultati…"};
        case TOwnText::ExportThisExercise:
            return {"Bara den här övningen", "This exercise only",  "Cet exercice seulement",
                    "Nur diese Übung",       "Solo este ejercicio", "Solo questo esercizio"};
        case TOwnText::ExportAllExercises:
            return {"Alla övningar", "All exercises",        "Tous les exercices",
                    "Alle Übungen",  "Todos los ejercicios", "Tutti gli esercizi"};
        case TOwnText::ExportFrom:
            return {"Från", "From", "Du", "Von", "Desde", "Dal"};
        case TOwnText::ExportTo:
            return {"Till", "To", "Au", "Bis", "Hasta", "Al"};
        case TOwnText::ExportFileKind:
            return {"Kommaseparerade värden (*.csv)",
                    "Comma-separated values (*.csv)",
                    "Valeurs séparées par des virgules (*.csv)",
                    "Kommagetrennte Werte (*.csv)",
                    "Valores separados por comas (*.csv)",
                    "Valori separati da virgole (*.csv)"};
        case TOwnText::ExportDone:
            return {"Omgångar sparade i %1: %2.",         "Runs saved in %1: %2.",
                    "Parties enregistrées dans %1 : %2.", "In %1 gespeicherte Runden: %2.",
                    "Partidas guardadas en %1: %2.",      "Partite salvate in %1: %2."};
        case TOwnText::ExportFailed:
            return {"Resultaten kunde inte sparas i %1: %2",
                    "The results could not be saved in %1: %2",
                    "Les résultats n'ont pas pu être enregistrés dans %1 : %2",
                    "Die Ergebnisse konnten nicht in %1 gespeichert werden: %2",
                    "No se pudieron guardar los resultados en %1: %2",
                    "Non è stato possibile salvare i risultati in %1: %2"};
        case TOwnText::WorksheetMenu:
            return {"Arbetsblad…",   "Worksheet…",          "Fiche d'exercices…",
                    "Arbeitsblatt…", "Hoja de ejercicios…", "Scheda di esercizi…"};
        case TOwnText::WorksheetTitle:
            return {"Arbetsblad: %1",   "Worksheet: %1",          "Fiche d'exercices : %1",
                    "Arbeitsblatt: %1", "Hoja de ejercicios: %1", "Scheda di esercizi: %1"};
        case TOwnText::WorksheetIntro:
            return {"Två sidor: bladet att fylla i och dess facit.",
                    "Two pages: the sheet to fill in and its answer key.",
                    "Deux pages : la fiche à remplir et son corrigé.",
                    "Zwei Seiten: das Blatt zum Ausfüllen und die Lösungen.",
                    "Dos páginas: la hoja para rellenar y sus soluciones.",
                    "Due pagine: la scheda da compilare e le soluzioni."};
        case TOwnText::WorksheetPaper:
            return {"Papper", "Paper", "Papier", "Papier", "Papel", "Carta"};
        case TOwnText::WorksheetSavePdf:
            return {"Spara som PDF…",     "Save as PDF…",      "Enregistrer en PDF…",
                    "Als PDF speichern…", "Guardar como PDF…", "Salva come PDF…"};
        case TOwnText::WorksheetPrint:
            return {"Skriv ut…", "Print…", "Imprimer…", "Drucken…", "Imprimir…", "Stampa…"};
        case TOwnText::WorksheetPdfKind:
            return {"PDF-dokument (*.pdf)",  "PDF documents (*.pdf)",  "Documents PDF (*.pdf)",
                    "PDF-Dokumente (*.pdf)", "Documentos PDF (*.pdf)", "Documenti PDF (*.pdf)"};
        case TOwnText::WorksheetSaved:
            return {"Arbetsbladet sparades i %1.", "Worksheet saved in %1.",
                    "Fiche enregistrée dans %1.",  "Arbeitsblatt gespeichert in %1.",
                    "Hoja guardada en %1.",        "Scheda salvata in %1."};
        case TOwnText::WorksheetFailed:
            return {"Arbetsbladet kunde inte sparas i %1: %2",
                    "The worksheet could not be saved in %1: %2",
                    "La fiche n'a pas pu être enregistrée dans %1 : %2",
                    "Das Arbeitsblatt konnte nicht in %1 gespeichert werden: %2",
                    "No se pudo guardar la hoja en %1: %2",
                    "Non è stato possibile salvare la scheda in %1: %2"};
        case TOwnText::WorksheetPrintFailed:
            return {"Arbetsbladet kunde inte skrivas ut: %1",
                    "The worksheet could not be printed: %1",
                    "La fiche n'a pas pu être imprimée : %1",
                    "Das Arbeitsblatt konnte nicht gedruckt werden: %1",
                    "No se pudo imprimir la hoja: %1",
                    "Non è stato possibile stampare la scheda: %1"};
        case TOwnText::WorksheetNotMade:
            return {"Inget arbetsblad kan göras av den här övningen: %1",
                    "No worksheet can be made of this exercise: %1",
                    "Aucune fiche ne peut être faite de cet exercice : %1",
                    "Aus dieser Übung lässt sich kein Arbeitsblatt machen: %1",
                    "No se puede hacer una hoja de este ejercicio: %1",
                    "Non si può fare una scheda di questo esercizio: %1"};
        case TOwnText::WorksheetEmpty:
            return {"den frågar ingenting", "it asks nothing",  "il ne demande rien",
                    "sie fragt nichts",     "no pregunta nada", "non chiede nulla"};
        case TOwnText::WorksheetName:
            return {"Namn", "Name", "Nom", "Name", "Nombre", "Nome"};
        case TOwnText::WorksheetDate:
            return {"Datum", "Date", "Date", "Datum", "Fecha", "Data"};
        case TOwnText::WorksheetKey:
            return {"Facit", "Answer key", "Corrigé", "Lösungen", "Soluciones", "Soluzioni"};
        case TOwnText::WorksheetMapTask:
            return {
                "Skriv vid varje nummer namnet på det som det markerar på kartan.",
                "Write beside each number the name of what it marks on the map.",
                "Écrivez à côté de chaque numéro le nom de ce qu'il désigne sur la carte.",
                "Schreibe neben jede Nummer den Namen dessen, was sie auf der Karte bezeichnet.",
                "Escribe junto a cada número el nombre de lo que señala en el mapa.",
                "Scrivi accanto a ogni numero il nome di ciò che indica sulla carta."};
        case TOwnText::WorksheetFlagTask:
            return {"Skriv namnet på varje flaggas land.",
                    "Write the name of each flag's country.",
                    "Écrivez le nom du pays de chaque drapeau.",
                    "Schreibe zu jeder Flagge den Namen ihres Landes.",
                    "Escribe el nombre del país de cada bandera.",
                    "Scrivi il nome del paese di ogni bandiera."};
        case TOwnText::WorksheetChoiceTask:
            return {"Ringa in rätt svar på varje fråga.",
                    "Circle the right answer to each question.",
                    "Entourez la bonne réponse à chaque question.",
                    "Kreise bei jeder Frage die richtige Antwort ein.",
                    "Rodea con un círculo la respuesta correcta de cada pregunta.",
                    "Cerchia la risposta giusta di ogni domanda."};
        case TOwnText::Count:
            break;
    }
    return {"", "", "", "", "", ""};
}

}  // namespace

QString OwnText(TOwnText text, int language) {
    if (language < 1 || language > Languages) language = English;
    return QString::fromUtf8(RowOf(text)[std::size_t(language - 1)]);
}
