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
        case TOwnText::HistoryRefused:
            return {
                "Resultathistoriken tar inte emot nya resultat just nu. Dina omgångar sparas "
                "bredvid den och förs in så snart den tar emot dem igen.",
                "Your results history is not taking new results just now. Your runs are kept "
                "beside it and go in as soon as it takes them again.",
                "L'historique des résultats n'accepte pas de nouveaux résultats pour le "
                "moment. Vos parties sont conservées à côté et y seront ajoutées dès qu'il les "
                "acceptera.",
                "Der Ergebnisverlauf nimmt gerade keine neuen Ergebnisse an. Deine Runden "
                "werden daneben aufbewahrt und eingetragen, sobald er sie wieder annimmt.",
                "El historial de resultados no acepta nuevos resultados en este momento. Tus "
                "partidas se guardan aparte y se añadirán en cuanto vuelva a aceptarlas.",
                "La cronologia dei risultati non accetta nuovi risultati in questo momento. Le "
                "tue partite vengono conservate a parte e aggiunte appena le accetterà di "
                "nuovo."};
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
                    "Scegli una riga per vederla sulla mappa."};
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
                    "Indica la mappa per vedere cosa c'è. Non si conta nulla."};
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
        case TOwnText::RuleKind:
            return {"%1 är ingen sorts övning.",        "%1 is not a kind of exercise.",
                    "%1 n'est pas un type d'exercice.", "%1 ist keine Übungsart.",
                    "%1 no es un tipo de ejercicio.",   "%1 non è un tipo di esercizio."};
        case TOwnText::RuleNoName:
            return {"Övningen har inget namn.",      "The exercise has no name.",
                    "L'exercice n'a pas de nom.",    "Die Übung hat keinen Namen.",
                    "El ejercicio no tiene nombre.", "L'esercizio non ha un nome."};
        case TOwnText::RuleText:
            return {
                "%1 kan inte sparas: ett namn får ha högst 255 tecken från västeuropeiska språk.",
                "%1 can't be stored: a name takes at most 255 characters of Western European "
                "languages.",
                "%1 ne peut pas être enregistré : un nom compte au plus 255 caractères des langues "
                "d'Europe occidentale.",
                "%1 kann nicht gespeichert werden: Ein Name hat höchstens 255 Zeichen "
                "westeuropäischer Sprachen.",
                "%1 no se puede guardar: un nombre admite como máximo 255 caracteres de lenguas de "
                "Europa occidental.",
                "%1 non può essere salvato: un nome ammette al massimo 255 caratteri delle lingue "
                "dell'Europa occidentale."};
        case TOwnText::RuleContinent:
            return {"%1 är ingen världsdel som menyn visar.",
                    "%1 is not a part of the world the menu lists.",
                    "%1 n'est pas une partie du monde que le menu affiche.",
                    "%1 ist kein Erdteil, den das Menü zeigt.",
                    "%1 no es una parte del mundo que muestre el menú.",
                    "%1 non è una parte del mondo elencata nel menu."};
        case TOwnText::RuleView:
            return {"Utsnittet ligger utanför kartan.", "The view lies outside the map.",
                    "La vue sort de la carte.",         "Der Ausschnitt liegt außerhalb der Karte.",
                    "La vista queda fuera del mapa.",   "La vista esce dalla mappa."};
        case TOwnText::RuleMap:
            return {"Det finns ingen karta %1.", "There is no map %1.",
                    "Il n'y a pas de carte %1.", "Es gibt keine Karte %1.",
                    "No existe el mapa %1.",     "Non esiste la mappa %1."};
        case TOwnText::RulePlaceFile:
            return {"Det finns ingen ortfil %1.",
                    "There is no place file %1.",
                    "Il n'y a pas de fichier de villes %1.",
                    "Es gibt keine Ortsdatei %1.",
                    "No existe el archivo de ciudades %1.",
                    "Non esiste il file delle città %1."};
        case TOwnText::RuleNoItems:
            return {"Välj minst ett område.",          "Choose at least one item.",
                    "Choisissez au moins un élément.", "Wähle mindestens ein Gebiet.",
                    "Elige al menos un elemento.",     "Scegli almeno un elemento."};
        case TOwnText::RuleUnknownKey:
            return {"%1 finns inte på den här kartan.",    "%1 names nothing on this map.",
                    "%1 ne désigne rien sur cette carte.", "%1 bezeichnet nichts auf dieser Karte.",
                    "%1 no designa nada en este mapa.",    "%1 non indica nulla su questa mappa."};
        case TOwnText::RuleFlags:
            return {"En flaggövning visar högst %1 flaggor; den här har %2.",
                    "A flag exercise shows at most %1 flags; this one has %2.",
                    "Un exercice de drapeaux en montre au plus %1 ; celui-ci en a %2.",
                    "Eine Flaggenübung zeigt höchstens %1 Flaggen; diese hat %2.",
                    "Un ejercicio de banderas muestra como máximo %1; este tiene %2.",
                    "Un esercizio di bandiere ne mostra al massimo %1; questo ne ha %2."};
        case TOwnText::RuleNoFlag:
            return {"%1 har ingen flagga.", "%1 has no flag.",      "%1 n'a pas de drapeau.",
                    "%1 hat keine Flagge.", "%1 no tiene bandera.", "%1 non ha una bandiera."};
        case TOwnText::RuleNoPlace:
            return {"%1 har ingen stad av det valda slaget.",
                    "%1 has no city of the kind chosen.",
                    "%1 n'a aucune ville du type choisi.",
                    "%1 hat keine Stadt der gewählten Art.",
                    "%1 no tiene ninguna ciudad del tipo elegido.",
                    "%1 non ha città del tipo scelto."};
        case TOwnText::RuleTooMany:
            return {"En omgång frågar högst %1 frågor; det här valet ger %2.",
                    "A run asks at most %1 questions; this choice gives %2.",
                    "Une partie pose au plus %1 questions ; ce choix en donne %2.",
                    "Eine Runde stellt höchstens %1 Fragen; diese Auswahl ergibt %2.",
                    "Una partida hace como máximo %1 preguntas; esta selección da %2.",
                    "Una partita pone al massimo %1 domande; questa scelta ne dà %2."};
        case TOwnText::RuleChoices:
            return {
                "En flervalsfråga behöver %1 svar att välja mellan: det här valet ger %2 områden "
                "och %3 städer.",
                "A multiple-choice question needs %1 answers to choose from: this choice gives %2 "
                "areas and %3 cities.",
                "Une question à choix multiple demande %1 réponses : ce choix donne %2 zones et %3 "
                "villes.",
                "Eine Auswahlfrage braucht %1 Antworten: Diese Auswahl ergibt %2 Gebiete und %3 "
                "Städte.",
                "Una pregunta de opción múltiple necesita %1 respuestas: esta selección da %2 "
                "zonas y %3 ciudades.",
                "Una domanda a scelta multipla richiede %1 risposte: questa scelta dà %2 zone e %3 "
                "città."};
        case TOwnText::OwnExercisesFull:
            return {"Du kan ha högst %1 egna övningar; det finns plats för %2 till.",
                    "You can keep at most %1 own exercises; there is room for %2 more.",
                    "Vous pouvez garder au plus %1 exercices personnels ; il reste de la place "
                    "pour %2.",
                    "Du kannst höchstens %1 eigene Übungen haben; Platz ist noch für %2.",
                    "Puedes tener como máximo %1 ejercicios propios; queda sitio para %2 más.",
                    "Puoi tenere al massimo %1 esercizi personali; c'è ancora posto per %2."};
        case TOwnText::ImportUnreadable:
            return {"Filen kan inte läsas som Glomira-övningar: %1",
                    "The file can't be read as Glomira exercises: %1",
                    "Le fichier ne peut pas être lu comme exercices Glomira : %1",
                    "Die Datei kann nicht als Glomira-Übungen gelesen werden: %1",
                    "El archivo no se puede leer como ejercicios de Glomira: %1",
                    "Il file non può essere letto come esercizi di Glomira: %1"};
        case TOwnText::ImportTooBig:
            return {"den är alldeles för stor.", "it is far too big.",   "il est bien trop gros.",
                    "sie ist viel zu groß.",     "es demasiado grande.", "è troppo grande."};
        case TOwnText::ImportFaultyExercise:
            return {"Övningen ”%1” kan inte spelas:\n%2",
                    "The exercise “%1” can't be played:\n%2",
                    "L'exercice « %1 » ne peut pas être joué :\n%2",
                    "Die Übung „%1“ kann nicht gespielt werden:\n%2",
                    "El ejercicio «%1» no se puede jugar:\n%2",
                    "L'esercizio «%1» non può essere giocato:\n%2"};
        case TOwnText::ImportRefused:
            return {
                "Ingenting importerades från %1.\n\n%2", "Nothing was imported from %1.\n\n%2",
                "Rien n'a été importé de %1.\n\n%2",     "Aus %1 wurde nichts importiert.\n\n%2",
                "No se importó nada de %1.\n\n%2",       "Nulla è stato importato da %1.\n\n%2"};
        case TOwnText::ImportDone:
            return {"Importerat från %1:\n%2", "Imported from %1:\n%2", "Importé de %1 :\n%2",
                    "Aus %1 importiert:\n%2",  "Importado de %1:\n%2",  "Importato da %1:\n%2"};
        case TOwnText::ImportNothingNew:
            return {"Inget nytt importerades från %1.",
                    "Nothing new was imported from %1.",
                    "Rien de nouveau n'a été importé de %1.",
                    "Aus %1 wurde nichts Neues importiert.",
                    "No se importó nada nuevo de %1.",
                    "Nulla di nuovo è stato importato da %1."};
        case TOwnText::ImportAlreadyThere:
            return {"Finns redan bland dina övningar och importerades inte igen:\n%1",
                    "Already among your exercises, so not imported again:\n%1",
                    "Déjà parmi vos exercices, donc pas importé à nouveau :\n%1",
                    "Schon unter deinen Übungen, daher nicht noch einmal importiert:\n%1",
                    "Ya están entre tus ejercicios, así que no se importaron de nuevo:\n%1",
                    "Già tra i tuoi esercizi, quindi non importati di nuovo:\n%1"};
        case TOwnText::ImportQuestion:
            return {"Vill du importera övningarna i %1?", "Import the exercises in %1?",
                    "Importer les exercices de %1 ?",     "Die Übungen aus %1 importieren?",
                    "¿Importar los ejercicios de %1?",    "Importare gli esercizi di %1?"};
        case TOwnText::TeacherMenu:
            return {"För lärare",     "For teachers",  "Pour les enseignants",
                    "Für Lehrkräfte", "Para docentes", "Per insegnanti"};
        case TOwnText::NewExercise:
            return {"Ny övning…",  "New exercise…",    "Nouvel exercice…",
                    "Neue Übung…", "Nuevo ejercicio…", "Nuovo esercizio…"};
        case TOwnText::EditExercise:
            return {"Ändra övningen…",   "Edit exercise…",    "Modifier l'exercice…",
                    "Übung bearbeiten…", "Editar ejercicio…", "Modifica esercizio…"};
        case TOwnText::DeleteExercise:
            return {"Ta bort övningen", "Delete exercise",    "Supprimer l'exercice",
                    "Übung löschen",    "Eliminar ejercicio", "Elimina esercizio"};
        case TOwnText::ExportExercises:
            return {"Exportera egna övningar…",     "Export own exercises…",
                    "Exporter mes exercices…",      "Eigene Übungen exportieren…",
                    "Exportar ejercicios propios…", "Esporta esercizi personali…"};
        case TOwnText::ImportExercises:
            return {"Importera övningar…",  "Import exercises…",    "Importer des exercices…",
                    "Übungen importieren…", "Importar ejercicios…", "Importa esercizi…"};
        case TOwnText::DeleteQuestion:
            return {"Ta bort din övning ”%1” och dess topplista?",
                    "Delete your exercise “%1” and its top ten?",
                    "Supprimer votre exercice « %1 » et son palmarès ?",
                    "Deine Übung „%1“ und ihre Bestenliste löschen?",
                    "¿Eliminar tu ejercicio «%1» y su clasificación?",
                    "Eliminare il tuo esercizio «%1» e la sua classifica?"};
        case TOwnText::OwnOnly:
            return {"Välj först en av dina egna övningar (i kursiv stil).",
                    "Choose one of your own exercises (in italics) first.",
                    "Choisissez d'abord un de vos exercices (en italique).",
                    "Wähle zuerst eine deiner eigenen Übungen (kursiv).",
                    "Elige primero uno de tus ejercicios (en cursiva).",
                    "Scegli prima uno dei tuoi esercizi (in corsivo)."};
        case TOwnText::OwnTip:
            return {"Din egen övning",    "Your own exercise",   "Votre exercice",
                    "Deine eigene Übung", "Tu propio ejercicio", "Il tuo esercizio"};
        case TOwnText::ExerciseFiles:
            return {"Glomira-övningar (*.glomira)",      "Glomira exercises (*.glomira)",
                    "Exercices Glomira (*.glomira)",     "Glomira-Übungen (*.glomira)",
                    "Ejercicios de Glomira (*.glomira)", "Esercizi di Glomira (*.glomira)"};
        case TOwnText::ExportExercisesDone:
            return {"Övningar sparade i %2: %1.",          "Exercises saved in %2: %1.",
                    "Exercices enregistrés dans %2 : %1.", "In %2 gespeicherte Übungen: %1.",
                    "Ejercicios guardados en %2: %1.",     "Esercizi salvati in %2: %1."};
        case TOwnText::ExportExercisesFailed:
            return {"Övningarna kunde inte sparas i %1: %2",
                    "The exercises could not be saved in %1: %2",
                    "Les exercices n'ont pas pu être enregistrés dans %1 : %2",
                    "Die Übungen konnten nicht in %1 gespeichert werden: %2",
                    "No se pudieron guardar los ejercicios en %1: %2",
                    "Non è stato possibile salvare gli esercizi in %1: %2"};
        case TOwnText::NoOwnExercises:
            return {"Du har inga egna övningar än: gör en med ”Ny övning…”.",
                    "You have no own exercises yet: make one with “New exercise…”.",
                    "Vous n'avez pas encore d'exercice personnel : créez-en un avec « Nouvel "
                    "exercice… ».",
                    "Du hast noch keine eigenen Übungen: Lege eine mit „Neue Übung…“ an.",
                    "Todavía no tienes ejercicios propios: crea uno con «Nuevo ejercicio…».",
                    "Non hai ancora esercizi personali: creane uno con «Nuovo esercizio…»."};
        case TOwnText::SaveFailed:
            return {"Övningen kunde inte sparas: %1",
                    "Your exercise could not be saved: %1",
                    "Votre exercice n'a pas pu être enregistré : %1",
                    "Deine Übung konnte nicht gespeichert werden: %1",
                    "No se pudo guardar tu ejercicio: %1",
                    "Non è stato possibile salvare l'esercizio: %1"};
        case TOwnText::OwnUnreadable:
            return {"Dina egna övningar i %1 kunde inte läsas: %2",
                    "Your own exercises in %1 could not be read: %2",
                    "Vos exercices dans %1 n'ont pas pu être lus : %2",
                    "Deine eigenen Übungen in %1 konnten nicht gelesen werden: %2",
                    "No se pudieron leer tus ejercicios de %1: %2",
                    "Non è stato possibile leggere i tuoi esercizi in %1: %2"};
        case TOwnText::MakerNewTitle:
            return {"Ny övning",  "New exercise",    "Nouvel exercice",
                    "Neue Übung", "Nuevo ejercicio", "Nuovo esercizio"};
        case TOwnText::MakerEditTitle:
            return {"Ändra ”%1”",      "Edit “%1”",   "Modifier « %1 »",
                    "„%1“ bearbeiten", "Editar «%1»", "Modifica «%1»"};
        case TOwnText::MakerKindMap:
            return {"1. Sort och karta", "1. Kind and map", "1. Type et carte",
                    "1. Art und Karte",  "1. Tipo y mapa",  "1. Tipo e mappa"};
        case TOwnText::KindArea:
            return {"Hitta områdena på kartan",       "Find the areas on the map",
                    "Trouver les zones sur la carte", "Gebiete auf der Karte finden",
                    "Encontrar las zonas en el mapa", "Trovare le zone sulla mappa"};
        case TOwnText::KindPlace:
            return {"Hitta städerna på kartan",          "Find the cities on the map",
                    "Trouver les villes sur la carte",   "Städte auf der Karte finden",
                    "Encontrar las ciudades en el mapa", "Trovare le città sulla mappa"};
        case TOwnText::KindFlag:
            return {"Välj flaggorna", "Pick the flags",      "Choisir les drapeaux",
                    "Flaggen wählen", "Elegir las banderas", "Scegliere le bandiere"};
        case TOwnText::KindMulti:
            return {"Flerval: städer och områden",       "Multiple choice: cities and areas",
                    "Choix multiple : villes et zones",  "Auswahl: Städte und Gebiete",
                    "Opción múltiple: ciudades y zonas", "Scelta multipla: città e zone"};
        case TOwnText::Map1:
            return {"Världens länder",     "The world's countries", "Les pays du monde",
                    "Die Länder der Welt", "Los países del mundo",  "I paesi del mondo"};
        case TOwnText::Map2:
            return {"Europas länder i detalj",         "Europe's countries in detail",
                    "Les pays d'Europe en détail",     "Europas Länder im Detail",
                    "Los países de Europa en detalle", "I paesi d'Europa in dettaglio"};
        case TOwnText::Map3:
            return {"Nordamerikas delstater och provinser",
                    "North America's states and provinces",
                    "États et provinces d'Amérique du Nord",
                    "Bundesstaaten und Provinzen Nordamerikas",
                    "Estados y provincias de América del Norte",
                    "Stati e province del Nord America"};
        case TOwnText::Map4:
            return {"Regioner i europeiska länder", "Regions of European countries",
                    "Régions de pays européens",    "Regionen europäischer Länder",
                    "Regiones de países europeos",  "Regioni di paesi europei"};
        case TOwnText::Map5:
            return {"Regioner i andra länder",  "Regions of other countries",
                    "Régions d'autres pays",    "Regionen anderer Länder",
                    "Regiones de otros países", "Regioni di altri paesi"};
        case TOwnText::MakerItems:
            return {"2. Områden", "2. Items",     "2. Éléments",
                    "2. Gebiete", "2. Elementos", "2. Elementi"};
        case TOwnText::MakerSearch:
            return {"Sök…", "Search…", "Rechercher…", "Suchen…", "Buscar…", "Cerca…"};
        case TOwnText::PickOnMap:
            return {"Välj på kartan…",       "Pick on the map…",   "Choisir sur la carte…",
                    "Auf der Karte wählen…", "Elegir en el mapa…", "Scegli sulla mappa…"};
        case TOwnText::ChosenCount:
            return {"%1 valda",   "%1 chosen",   "%1 choisis",
                    "%1 gewählt", "%1 elegidos", "%1 scelti"};
        case TOwnText::PickHint:
            return {
                "Klicka på områden för att ta med eller ta bort dem (%1 valda). Stäng kartan när "
                "du är klar.",
                "Click areas to take them in or leave them out (%1 chosen). Close the map when you "
                "are done.",
                "Cliquez sur les zones pour les ajouter ou les retirer (%1 choisies). Fermez la "
                "carte quand vous avez fini.",
                "Klicke Gebiete an, um sie aufzunehmen oder wegzulassen (%1 gewählt). "
                "Schließe die Karte, wenn du fertig bist.",
                "Haz clic en las zonas para incluirlas o quitarlas (%1 elegidas). Cierra el mapa "
                "cuando termines.",
                "Clicca sulle zone per aggiungerle o toglierle (%1 scelte). Chiudi la mappa "
                "quando hai finito."};
        case TOwnText::MakerPlaces:
            return {"3. Städer", "3. Cities", "3. Villes", "3. Städte", "3. Ciudades", "3. Città"};
        case TOwnText::CitiesCapitals:
            return {"Huvudstäder", "Capitals", "Capitales", "Hauptstädte", "Capitales", "Capitali"};
        case TOwnText::CitiesRegional:
            return {"Regionhuvudstäder",  "Regional capitals",    "Chefs-lieux régionaux",
                    "Regionshauptstädte", "Capitales regionales", "Capoluoghi regionali"};
        case TOwnText::Cities5M:
            return {"Huvudstäder och städer över 5 miljoner",
                    "Capitals and cities over 5 million",
                    "Capitales et villes de plus de 5 millions",
                    "Hauptstädte und Städte über 5 Millionen",
                    "Capitales y ciudades de más de 5 millones",
                    "Capitali e città oltre 5 milioni"};
        case TOwnText::Cities1M:
            return {
                "Huvudstäder och städer över 1 miljon",     "Capitals and cities over 1 million",
                "Capitales et villes de plus d'un million", "Hauptstädte und Städte über 1 Million",
                "Capitales y ciudades de más de 1 millón",  "Capitali e città oltre 1 milione"};
        case TOwnText::Cities300k:
            return {"Huvudstäder och städer över 300 000",    "Capitals and cities over 300,000",
                    "Capitales et villes de plus de 300 000", "Hauptstädte und Städte über 300.000",
                    "Capitales y ciudades de más de 300.000", "Capitali e città oltre 300.000"};
        case TOwnText::CitiesAll:
            return {"Alla städer", "All cities",         "Toutes les villes",
                    "Alle Städte", "Todas las ciudades", "Tutte le città"};
        case TOwnText::PlaceCount:
            return {"Valet ger %1 städer.",         "The choice gives %1 cities.",
                    "Ce choix donne %1 villes.",    "Die Auswahl ergibt %1 Städte.",
                    "La selección da %1 ciudades.", "La scelta dà %1 città."};
        case TOwnText::MakerLook:
            return {"4. Utsnitt och färger",    "4. View and colours", "4. Vue et couleurs",
                    "4. Ausschnitt und Farben", "4. Vista y colores",  "4. Vista e colori"};
        case TOwnText::ViewFitted:
            return {"Anpassat efter områdena",  "Fitted to the items",
                    "Ajustée aux éléments",     "An die Gebiete angepasst",
                    "Ajustada a los elementos", "Adattata agli elementi"};
        case TOwnText::ViewShown:
            return {"Som kartan senast visades",
                    "As the map was last shown",
                    "Comme la carte était affichée",
                    "Wie die Karte zuletzt gezeigt wurde",
                    "Como se mostró el mapa por última vez",
                    "Come la mappa era mostrata"};
        case TOwnText::ColoursOwn:
            return {"Kartans egna färger",  "The map's own colours", "Les couleurs de la carte",
                    "Die Farben der Karte", "Los colores del mapa",  "I colori della mappa"};
        case TOwnText::ColoursChosen:
            return {"De här färgerna:", "These colours:", "Ces couleurs :",
                    "Diese Farben:",    "Estos colores:", "Questi colori:"};
        case TOwnText::ColourLand:
            return {"Land", "Land", "Terre", "Land", "Tierra", "Terra"};
        case TOwnText::ColourAreas:
            return {"Områden", "Areas", "Zones", "Gebiete", "Zonas", "Zone"};
        case TOwnText::ColourSea:
            return {"Hav", "Sea", "Mer", "Meer", "Mar", "Mare"};
        case TOwnText::MakerName:
            return {"5. Namn", "5. Name", "5. Nom", "5. Name", "5. Nombre", "5. Nome"};
        case TOwnText::ListedUnder:
            return {"Visas under",      "Listed under",   "Classé sous",
                    "Aufgeführt unter", "En la lista de", "Elencato sotto"};
        case TOwnText::NameFallback:
            return {"som det första namnet", "as the first name",     "comme le premier nom",
                    "wie der erste Name",    "como el primer nombre", "come il primo nome"};
        case TOwnText::Save:
            return {"Spara", "Save", "Enregistrer", "Speichern", "Guardar", "Salva"};
        case TOwnText::Cancel:
            return {"Avbryt", "Cancel", "Annuler", "Abbrechen", "Cancelar", "Annulla"};
        case TOwnText::MakerReady:
            return {"Klar att spara.",       "Ready to save.",      "Prêt à enregistrer.",
                    "Bereit zum Speichern.", "Listo para guardar.", "Pronto per il salvataggio."};
        case TOwnText::FlagSplit:
            return {"Fler än %1 flaggor: de sparas som %2 numrerade övningar.",
                    "More than %1 flags: they are saved as %2 numbered exercises.",
                    "Plus de %1 drapeaux : ils sont enregistrés en %2 exercices numérotés.",
                    "Mehr als %1 Flaggen: Sie werden als %2 nummerierte Übungen gespeichert.",
                    "Más de %1 banderas: se guardan como %2 ejercicios numerados.",
                    "Più di %1 bandiere: vengono salvate come %2 esercizi numerati."};
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
                "Scrivi accanto a ogni numero il nome di ciò che indica sulla mappa."};
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
