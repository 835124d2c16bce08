// SPDX-License-Identifier: MIT
// City sizes: Chinese cities take the census's urban figures, and no exercise selects a city by a
// size that rests on an unreviewed municipal figure.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const fs = require('fs');
const path = require('path');
const { censusFigure } = require('../lib/urban');
const { unreviewedSizes } = require('../lib/places');

test('a Chinese city takes its census figure, its size class, or at most a million', () => {
  // Named with a figure: neither source counts.
  assert.deepStrictEqual(censusFigure('Wuhan', 'Hubei', 10251000, [10251000, 9785388]), { pop: 9953000, named: true });
  // A class: the larger figure inside it, else its upper bound where both lie above it.
  assert.deepStrictEqual(censusFigure('Suzhou', 'Jiangsu', 5345961, [4330000, 5345961]), { pop: 4330000, named: true });
  assert.deepStrictEqual(censusFigure('Hangzhou', 'Zhejiang', 9523000, [9523000, 6241971]), { pop: 9523000, named: true });
  assert.deepStrictEqual(censusFigure('Xiamen', 'Fujian', 9e6, [9e6, 8e6]), { pop: 5e6, named: true });
  // Both below the class: its middle, so that the city ranks as over 5 million.
  assert.deepStrictEqual(censusFigure('Kunming', 'Yunnan', 4422686, [4422686, 3855346]), { pop: 7071000, named: true });
  // Another city of one name in another province is not the census's city.
  assert.deepStrictEqual(censusFigure('Suzhou', 'Anhui', 5352924, [5352924]), { pop: 1e6, named: false });
  // A city of 1 to 3 million whose sources give the prefecture and the old town: the class's middle.
  assert.deepStrictEqual(censusFigure('Linyi', 'Shandong', 270669, [11018365, 270669]), { pop: 1732000, named: true });
  assert.deepStrictEqual(censusFigure('Dongguan', 'Shanxi', 75135, [75135]), { pop: 75135, named: false });
});

const place = (city, country, rank, basis) => ({ src: { city }, country, rank, basis, pop: 1 });

test('a city selected by its size in a country of municipal figures needs a reviewed figure', () => {
  const places = [
    place('Shantou', 'CN', 2, 'agree'), place('Qingdao', 'CN', 2, 'census'), place('Beijing', 'CN', 1, 'agree'),
    place('Surat', 'IN', 2, 'urban'), place('Lyon', 'FR', 3, 'agree'), place('Bursa', 'TR', 3, 'smaller'),
  ];
  const all = () => places;
  const found = unreviewedSizes([{ no: 1, rank: 3 }, { no: 2, rank: 5 }], all);
  assert.deepStrictEqual(found.map(s => s.split(' at ')[0]), ['exercise 1: Shantou (CN)', 'exercise 1: Bursa (TR)']);
});

// The delivered catalogue, checked as the build checks it (about half a minute: it builds the places).
const GAMEDATA = path.resolve(__dirname, '..', '..', '..', 'gamedata');
test('no exercise of the delivered catalogue selects a city by an unreviewed municipal figure', { skip: !fs.existsSync(path.join(GAMEDATA, 'AREA5.crp')) }, () => {
  const { readAreaFile } = require('../lib/crp');
  const { buildPlaces, buildUrbanAreas, placesForInsets } = require('../lib/places');
  const { Builder } = require('../lib/exercises');
  const { GeoNames } = require('../lib/geonames');
  const cache = {};
  const areaFile = n => {
    const f = path.join(GAMEDATA, `AREA${n}.crp`);
    if (!(n in cache)) cache[n] = fs.existsSync(f) ? readAreaFile(f, true) : null;
    return cache[n];
  };
  const list = buildPlaces(areaFile(1), [3, 4, 5].map(areaFile), new GeoNames(), () => {}, [areaFile(2)]);
  const b = new Builder({ areaFile, places: { 1: list, 2: buildUrbanAreas(list), 3: placesForInsets(list) }, flagDir: path.join(GAMEDATA, 'flags'), log: () => {} });
  const exercises = b.build().filter(ex => ex.kind === 'ORT' || ex.kind === 'MULTI');
  assert.ok(exercises.some(ex => ex.rank < 5), 'no exercise selects places by size');
  assert.deepStrictEqual(unreviewedSizes(exercises, ex => b.selectedPlaces(ex, ex.items)), []);
  // The census's cities keep their sizes: none over 10 million below the seven it names.
  const overTen = list.filter(p => p.country === 'CN' && p.pop > 1e7).map(p => p.src.city).sort();
  assert.deepStrictEqual(overTen, ['Beijing', 'Chengdu', 'Chongqing', 'Guangzhou', 'Shanghai', 'Shenzhen', 'Tianjin']);
});
