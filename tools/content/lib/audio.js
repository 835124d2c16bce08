// SPDX-License-Identifier: MIT
// The three sound effects, synthesised as 16-bit mono PCM wave files.
'use strict';

const RATE = 22050;

function wav(samples) {
  const data = Buffer.alloc(samples.length * 2);
  samples.forEach((s, i) => data.writeInt16LE(Math.max(-32767, Math.min(32767, Math.round(s * 32767))), i * 2));
  const h = Buffer.alloc(44);
  h.write('RIFF', 0, 'ascii'); h.writeUInt32LE(36 + data.length, 4); h.write('WAVE', 8, 'ascii');
  h.write('fmt ', 12, 'ascii'); h.writeUInt32LE(16, 16); h.writeUInt16LE(1, 20); h.writeUInt16LE(1, 22);
  h.writeUInt32LE(RATE, 24); h.writeUInt32LE(RATE * 2, 28); h.writeUInt16LE(2, 32); h.writeUInt16LE(16, 34);
  h.write('data', 36, 'ascii'); h.writeUInt32LE(data.length, 40);
  return Buffer.concat([h, data]);
}

// Seeded generator, so the rattle's noise is the same on every run.
function lcg(seed) {
  let x = seed >>> 0;
  return () => { x = (Math.imul(x, 1664525) + 1013904223) >>> 0; return x / 4294967296 * 2 - 1; };
}

// Short fade at both ends keeps the effects free of clicks.
function edges(s, ms = 4) {
  const n = Math.round(RATE * ms / 1000);
  for (let i = 0; i < n && i < s.length; i++) { s[i] *= i / n; s[s.length - 1 - i] *= i / n; }
  return s;
}

// A soft plop: a sine that drops in pitch and dies away quickly.
function plopp() {
  const n = Math.round(RATE * 0.16);
  const s = new Array(n);
  let phase = 0;
  for (let i = 0; i < n; i++) {
    const t = i / RATE;
    const f = 180 + 520 * Math.exp(-t / 0.025);
    phase += 2 * Math.PI * f / RATE;
    s[i] = 0.5 * Math.sin(phase) * Math.exp(-t / 0.04) * Math.min(1, t / 0.003);
  }
  return wav(edges(s));
}

// A bright two-note chime for a right answer.
function plopp4() {
  const n = Math.round(RATE * 0.38);
  const s = new Array(n).fill(0);
  const note = (start, f, len) => {
    for (let i = Math.round(start * RATE); i < n; i++) {
      const t = i / RATE - start;
      if (t > len) break;
      const env = Math.min(1, t / 0.004) * Math.exp(-t / 0.09);
      s[i] += 0.32 * env * (Math.sin(2 * Math.PI * f * t) + 0.35 * Math.sin(4 * Math.PI * f * t) + 0.12 * Math.sin(6 * Math.PI * f * t));
    }
  };
  note(0, 1046.5, 0.3);   // C6
  note(0.07, 1568, 0.31); // G6
  return wav(edges(s));
}

// A dry rattle for a wrong answer: a few quick bursts of filtered noise over a low buzz.
function rassel() {
  const n = Math.round(RATE * 0.42);
  const s = new Array(n);
  const rnd = lcg(11);
  let lp = 0;
  for (let i = 0; i < n; i++) {
    const t = i / RATE;
    const burst = (t * 28) % 1;
    const env = Math.exp(-burst / 0.25) * Math.min(1, (0.42 - t) / 0.08) * Math.min(1, t / 0.004);
    lp += 0.35 * (rnd() - lp);
    const buzz = Math.sign(Math.sin(2 * Math.PI * 110 * t)) * 0.25;
    s[i] = 0.55 * env * (lp * 1.6 + buzz);
  }
  return wav(edges(s));
}

module.exports = { plopp, plopp4, rassel, RATE };
