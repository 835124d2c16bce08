// SPDX-License-Identifier: MIT
// Windows-1252 encoding of names, with a fixed transliteration for letters outside that code page.
'use strict';

// Code points 0x80..0x9F of Windows-1252 (undefined slots are null).
const HIGH = [0x20AC, null, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, null, 0x017D, null,
  null, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, null, 0x017E, 0x0178];
const TO_BYTE = new Map();
for (let b = 0; b < 256; b++) {
  const cp = b >= 0x80 && b <= 0x9F ? HIGH[b - 0x80] : b;
  if (cp !== null) TO_BYTE.set(cp, b);
}

// Letters that do not decompose into a base letter plus marks.
const SPECIAL = {
  'ł': 'l', 'Ł': 'L', 'đ': 'd', 'Đ': 'D', 'ı': 'i', 'ħ': 'h', 'Ħ': 'H', 'ŧ': 't', 'Ŧ': 'T',
  'ŋ': 'ng', 'Ŋ': 'NG', 'ĸ': 'k', 'ſ': 's', 'ə': 'e', 'Ə': 'E', 'ʻ': "'", 'ʼ': "'", 'ʿ': "'", 'ʾ': "'",
  '‘': "'", '’': "'", '“': '"', '”': '"', '‐': '-', '‑': '-', '–': '-', '—': '-', '\u00A0': ' ',
};

// Normalise a name: typographic quotes and dashes become plain ASCII so that names compare
// predictably, and any letter outside Windows-1252 loses its diacritics (ş→s, ț→t, ā→a, İ→I).
function transliterate(s) {
  let out = '';
  for (const ch of s.normalize('NFC')) {
    if (SPECIAL[ch] !== undefined) { out += SPECIAL[ch]; continue; }
    if (TO_BYTE.has(ch.codePointAt(0))) { out += ch; continue; }
    const base = ch.normalize('NFD').replace(/[\u0300-\u036f]/g, '');
    const composed = base.normalize('NFC');
    if ([...composed].every(c => TO_BYTE.has(c.codePointAt(0)))) { out += composed; continue; }
    throw new Error(`cannot transliterate character U+${ch.codePointAt(0).toString(16).toUpperCase()} in "${s}"`);
  }
  return out.replace(/\s+/g, ' ').trim();
}

function toCp1252Bytes(s) {
  const bytes = [];
  for (const ch of s) {
    const b = TO_BYTE.get(ch.codePointAt(0));
    if (b === undefined) throw new Error(`character U+${ch.codePointAt(0).toString(16).toUpperCase()} not in Windows-1252: "${s}"`);
    bytes.push(b);
  }
  return Buffer.from(bytes);
}

module.exports = { transliterate, toCp1252Bytes };
