// SPDX-License-Identifier: MIT
// The seven small world maps of the main menu: sea navy, the picture's own continent lime,
// all other land green; the whole-world picture has all land lime.
'use strict';
const { PNG } = require('pngjs');
const { Grid, fillPolygon, drawOutline } = require('./raster');

const containment = require('cldr-core/supplemental/territoryContainment.json').supplemental.territoryContainment;
const W = 396, H = 155, TOP = 83.5, BOTTOM = TOP - 155 * (360 / 396);
const CONTINENTS = ['eur', 'nor', 'syd', 'asi', 'afr', 'aus']; // index + 1 is the value in the grid

function membersOf(region) {
  const out = [];
  for (const c of (containment[region] && containment[region]._contains) || []) {
    if (/^\d{3}$|^QO$/.test(c)) out.push(...membersOf(c)); else out.push(c);
  }
  return out;
}

const CONTINENT_OF = {};
const put = (list, k) => list.forEach(c => { CONTINENT_OF[c] = k; });
put(membersOf('150'), 'eur');
put(membersOf('019'), 'nor'); // Northern and Central America and the Caribbean
put(membersOf('005'), 'syd');
put(membersOf('142'), 'asi');
put(membersOf('002'), 'afr');
put(membersOf('009'), 'aus');
Object.assign(CONTINENT_OF, { XK: 'eur', CY: 'eur', TF: 'afr', HM: 'aus', IO: 'asi' });

// Russia and Turkey are split where Europe ends (the Urals, the Bosporus).
function continentAt(code, lon, lat) {
  // Chukotka beyond the date line (negative longitudes) is Asia too.
  if (code === 'RU') return lon < -90 ? 'asi' : lon < 60 && lat < 75 ? 'eur' : lon < 58 ? 'eur' : 'asi';
  if (code === 'TR') return lon < 29.5 && lat > 40.5 ? 'eur' : 'asi';
  if (code === 'AQ') return null;
  // Overseas parts of European countries go with the continent they lie in.
  if (code === 'FR' || code === 'NL') {
    if (lon < -30) return lat < 9 && lon > -60 ? 'syd' : 'nor';
    if (lat < 30 && lon > 30) return 'afr';
    if (lon > 100) return 'aus';
  }
  const c = CONTINENT_OF[code];
  if (!c) throw new Error(`no continent for ${code}`);
  return c;
}

// records: area records of the world file ({area: {code}, ring}); scale 2 draws
// the same pictures at twice the width and height, for high-DPI screens.
function continentGrid(records, scale) {
  const w = W * scale, h = H * scale;
  // The islands the world file draws east of 180° (lib/dateline.js) keep their place here.
  const fx = lon => ((lon > 180 ? lon - 360 : lon) + 180) / 360 * w;
  const fy = lat => (TOP - lat) / (TOP - BOTTOM) * h;
  const g = new Grid(w, h);
  const byPiece = records.map(r => {
    const lon = (r.box.w + r.box.e) / 2 - (r.box.w > 180 ? 360 : 0);
    const lat = (r.box.n + r.box.s) / 2;
    return { r, k: continentAt(r.area.code, lon, lat) };
  });
  // Interiors first, then outlines only where no land is yet, so tiny islands still show.
  for (const { r, k } of byPiece) {
    if (!k) continue;
    const v = CONTINENTS.indexOf(k) + 1;
    if (r.area.code === 'RU' || r.area.code === 'TR') {
      const tmp = new Grid(w, h);
      fillPolygon(tmp, r.ring.map(([lon, lat]) => [fx(lon), fy(lat)]), 1);
      for (let i = 0; i < tmp.a.length; i++) {
        if (!tmp.a[i]) continue;
        const x = i % w, y = (i - x) / w;
        const lon = (x + 0.5) / w * 360 - 180, lat = TOP - (y + 0.5) / h * (TOP - BOTTOM);
        g.a[i] = CONTINENTS.indexOf(continentAt(r.area.code, lon, lat)) + 1;
      }
    } else {
      fillPolygon(g, r.ring.map(([lon, lat]) => [fx(lon), fy(lat)]), v);
    }
  }
  for (const { r, k } of byPiece) {
    if (!k) continue;
    const v = CONTINENTS.indexOf(k) + 1;
    const o = new Grid(w, h);
    drawOutline(o, r.ring.map(([lon, lat]) => [Math.floor(fx(lon)), Math.floor(fy(lat))]), 1);
    for (let i = 0; i < o.a.length; i++) if (o.a[i] && !g.a[i]) g.a[i] = v;
  }
  return g;
}

const NAVY = [0, 0, 128], LIME = [0, 255, 0], GREEN = [0, 128, 0];

function picture(g, own) {
  const png = new PNG({ width: g.W, height: g.H, colorType: 2, inputHasAlpha: false });
  png.data = Buffer.alloc(g.W * g.H * 3);
  for (let i = 0; i < g.W * g.H; i++) {
    const v = g.a[i];
    const c = v === 0 ? NAVY : own === null || v === own ? LIME : GREEN;
    png.data[i * 3] = c[0]; png.data[i * 3 + 1] = c[1]; png.data[i * 3 + 2] = c[2];
  }
  return PNG.sync.write(png, { colorType: 2, inputHasAlpha: false });
}

// The pictures by file name; at scale 2 the names end in @2x.png.
function continentPictures(records, scale = 1) {
  const g = continentGrid(records, scale);
  const suffix = scale === 1 ? '.png' : `@${scale}x.png`;
  const out = { [`world${suffix}`]: picture(g, null) };
  CONTINENTS.forEach((k, i) => { out[`${k}${suffix}`] = picture(g, i + 1); });
  return out;
}

module.exports = { continentPictures, continentAt, W, H };
