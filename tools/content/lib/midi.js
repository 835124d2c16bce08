// SPDX-License-Identifier: MIT
// "good.mid": a short cheerful tune in C major for entering the high-score list, written as a
// Standard MIDI File (format 0, one track, four channels).
'use strict';

const TPQ = 480; // ticks per quarter note

// Melody in eighths (0.5) and quarters: [note, beats]; eight bars of 4/4.
const MELODY = [
  ['E5', .5], ['G5', .5], ['C6', 1], ['G5', .5], ['E5', .5], ['G5', 1],
  ['F5', .5], ['A5', .5], ['C6', 1], ['A5', .5], ['F5', .5], ['A5', 1],
  ['G5', .5], ['B5', .5], ['D6', 1], ['B5', .5], ['G5', .5], ['D6', 1],
  ['C6', 1.5], ['G5', .5], ['C6', 2],
  ['E5', .5], ['F5', .5], ['G5', .5], ['A5', .5], ['G5', 1], ['E5', 1],
  ['F5', .5], ['G5', .5], ['A5', .5], ['B5', .5], ['A5', 1], ['F5', 1],
  ['G5', .5], ['E5', .5], ['F5', .5], ['D5', .5], ['G5', 1], ['B4', 1],
  ['C5', 1], ['G5', .5], ['E5', .5], ['C6', 2],
];
// One chord per bar: root of the bass and the chord tones.
const CHORDS = [
  ['C3', ['C4', 'E4', 'G4']], ['F2', ['F4', 'A4', 'C5']], ['G2', ['D4', 'G4', 'B4']], ['C3', ['C4', 'E4', 'G4']],
  ['C3', ['C4', 'E4', 'G4']], ['F2', ['F4', 'A4', 'C5']], ['G2', ['D4', 'F4', 'B4']], ['C3', ['C4', 'E4', 'G4']],
];

function noteNumber(name) {
  const m = /^([A-G])(#?)(\d)$/.exec(name);
  const base = { C: 0, D: 2, E: 4, F: 5, G: 7, A: 9, B: 11 }[m[1]];
  return 12 * (Number(m[3]) + 1) + base + (m[2] ? 1 : 0);
}

function varLen(v) {
  const out = [v & 0x7F];
  while ((v >>= 7)) out.unshift((v & 0x7F) | 0x80);
  return out;
}

function goodMid() {
  const events = []; // [tick, order, bytes]
  const on = (t, ch, note, vel, len) => {
    events.push([t, 1, [0x90 | ch, note, vel]]);
    events.push([t + len, 0, [0x80 | ch, note, 0]]);
  };
  const beat = TPQ;
  // Tempo 150 bpm, programs: marimba lead, piano chords, acoustic bass.
  events.push([0, -1, [0xFF, 0x51, 3, ...[400000 >> 16, (400000 >> 8) & 0xFF, 400000 & 0xFF]]]);
  events.push([0, -1, [0xFF, 0x58, 4, 4, 2, 24, 8]]);
  events.push([0, -1, [0xC0, 12]], [0, -1, [0xC1, 0]], [0, -1, [0xC2, 32]]);
  let t = 0;
  for (const [n, b] of MELODY) { on(t, 0, noteNumber(n), 100, Math.round(b * beat * 0.9)); t += Math.round(b * beat); }
  CHORDS.forEach(([bass, tones], bar) => {
    const start = bar * 4 * beat;
    for (let half = 0; half < 2; half++) for (const n of tones) on(start + half * 2 * beat, 1, noteNumber(n), 55, Math.round(1.8 * beat));
    const root = noteNumber(bass);
    [root, root + 7, root + 12, root + 7].forEach((n, i) => on(start + i * beat, 2, n, 80, Math.round(0.85 * beat)));
    for (let i = 0; i < 8; i++) on(start + i * beat / 2, 9, 42, i % 2 ? 40 : 60, beat / 4); // closed hi-hat
    on(start, 9, 36, 90, beat / 2); on(start + 2 * beat, 9, 36, 80, beat / 2);            // bass drum
    on(start + beat, 9, 38, 70, beat / 2); on(start + 3 * beat, 9, 38, 70, beat / 2);     // snare
  });
  events.sort((a, b) => a[0] - b[0] || a[1] - b[1]);
  const track = [];
  let last = 0;
  for (const [tick, , bytes] of events) { track.push(...varLen(tick - last), ...bytes); last = tick; }
  track.push(...varLen(beat), 0xFF, 0x2F, 0x00);
  const head = Buffer.from([0x4D, 0x54, 0x68, 0x64, 0, 0, 0, 6, 0, 0, 0, 1, TPQ >> 8, TPQ & 0xFF]);
  const trk = Buffer.alloc(8);
  trk.write('MTrk', 0, 'ascii');
  trk.writeUInt32BE(track.length, 4);
  return Buffer.concat([head, trk, Buffer.from(track)]);
}

module.exports = { goodMid };
