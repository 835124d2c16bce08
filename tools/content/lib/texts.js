// SPDX-License-Identifier: MIT
// The interface texts of lang.crp: string number -> [Swedish, English, French, German, Spanish, Italian].
// Question forms: prompt 9 + " " + name; place + " " + 10; 13 + " " + area + " " + 14.
'use strict';

const TEXTS = {
  1: ['Starta', 'Start', 'Commencer', 'Starten', 'Empezar', 'Inizia'],
  2: ['Topplistor', 'High scores', 'Meilleurs scores', 'Bestenlisten', 'Récords', 'Classifiche'],
  3: ['Avsluta', 'Quit', 'Quitter', 'Beenden', 'Salir', 'Esci'],
  4: ['Språk', 'Language', 'Langue', 'Sprache', 'Idioma', 'Lingua'],
  5: ['Om Glomira', 'About', 'À propos', 'Über Glomira', 'Acerca de', 'Informazioni'],
  6: ['Ljudeffekter', 'Sound effects', 'Effets sonores', 'Soundeffekte', 'Efectos de sonido', 'Effetti sonori'],
  7: ['Musik', 'Music', 'Musique', 'Musik', 'Música', 'Musica'],
  8: ['Bästa resultat', 'Best results', 'Meilleurs résultats', 'Beste Ergebnisse', 'Mejores resultados', 'Migliori risultati'],
  9: ['Klicka på', 'Click on', 'Cliquez sur :', 'Gesucht:', 'Haz clic en', 'Clicca su:'],
  10: ['ligger i …', 'is in …', '— où se trouve cette ville ?', 'liegt in …', 'está en …', 'si trova in …'],
  11: ['Topplista', 'High scores', 'Meilleurs scores', 'Bestenliste', 'Récords', 'Classifica'],
  12: ['Avsluta', 'Close', 'Fermer', 'Schließen', 'Cerrar', 'Chiudi'],
  // The area stands alone after a label, so no language needs an article or a contracted
  // preposition with it ("in the United States", "in den Vereinigten Staaten", "negli Stati
  // Uniti"); Swedish puts no article before country names and keeps its question.
  13: ['Vilken stad ligger i', 'Country or region:', 'Pays ou région :', 'Land oder Region:', 'País o región:', 'Paese o regione:'],
  14: ['– vet du?', '– which city lies there?', '— quelle ville s\'y trouve ?', '– welche Stadt liegt dort?', '– ¿qué ciudad está allí?', '– quale città si trova lì?'],
  15: ['Rätt!', 'Right!', 'Bravo !', 'Richtig!', '¡Correcto!', 'Giusto!'],
  16: ['Fel!', 'Wrong!', 'Raté !', 'Falsch!', '¡Incorrecto!', 'Sbagliato!'],
  17: ['Flervalsfrågor', 'Multiple choice', 'Questions à choix multiple', 'Multiple Choice', 'Preguntas de opción múltiple', 'Domande a scelta multipla'],
  18: ['Hjälp', 'Help', 'Aide', 'Hilfe', 'Ayuda', 'Aiuto'],
  19: ['Nästa fråga', 'Next question', 'Question suivante', 'Nächste Frage', 'Siguiente pregunta', 'Domanda successiva'],
  20: ['Resultat', 'Result', 'Résultat', 'Ergebnis', 'Resultado', 'Risultato'],
  21: ['Signatur', 'Signature', 'Signature', 'Name', 'Firma', 'Firma'],
  22: ['Övning', 'Exercise', 'Exercice', 'Übung', 'Ejercicio', 'Esercizio'],
  23: ['Starta om', 'Restart', 'Recommencer', 'Neu starten', 'Reiniciar', 'Ricomincia'],
  24: ['Världsdel', 'Continent', 'Continent', 'Kontinent', 'Continente', 'Continente'],
  25: [
    'Välj en världsdel på kartan eller i listan, välj sedan en övning och klicka på Starta.',
    'Pick a part of the world on the map or in the list, then choose an exercise and click Start.',
    'Choisissez une partie du monde sur la carte ou dans la liste, puis un exercice, et cliquez sur Commencer.',
    'Wähle einen Erdteil auf der Karte oder in der Liste, dann eine Übung, und klicke auf Starten.',
    'Elige una parte del mundo en el mapa o en la lista, luego un ejercicio, y haz clic en Empezar.',
    'Scegli una parte del mondo sulla mappa o nell\'elenco, poi un esercizio, e clicca su Inizia.',
  ],
  26: ['Välj en övning', 'Choose an exercise', 'Choisissez un exercice', 'Wähle eine Übung', 'Elige un ejercicio', 'Scegli un esercizio'],
  27: ['Europa', 'Europe', 'Europe', 'Europa', 'Europa', 'Europa'],
  28: ['Nordamerika', 'North America', 'Amérique du Nord', 'Nordamerika', 'América del Norte', 'America del Nord'],
  29: ['Sydamerika', 'South America', 'Amérique du Sud', 'Südamerika', 'América del Sur', 'America del Sud'],
  30: ['Asien', 'Asia', 'Asie', 'Asien', 'Asia', 'Asia'],
  31: ['Afrika', 'Africa', 'Afrique', 'Afrika', 'África', 'Africa'],
  32: ['Oceanien', 'Oceania', 'Océanie', 'Ozeanien', 'Oceanía', 'Oceania'],
  33: ['Hela världen', 'The whole world', 'Le monde entier', 'Die ganze Welt', 'El mundo entero', 'Il mondo intero'],
  34: ['Grattis! Du kom in på topplistan.', 'Well done! You made the high-score list.', 'Bravo ! Vous entrez au tableau d\'honneur.', 'Glückwunsch! Du stehst in der Bestenliste.', '¡Enhorabuena! Has entrado en los récords.', 'Complimenti! Sei entrato in classifica.'],
};

module.exports = { TEXTS };
