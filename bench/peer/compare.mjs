// node compare.mjs A.csv B.csv : compares two value sheets cell by cell. Numbers agree within
// a relative 1e-9; anything else must match exactly (TRUE/FALSE and 1/0 are equal).
import { readFileSync } from 'node:fs';
import { parseCsv } from './csv.mjs';
const [aPath, bPath] = process.argv.slice(2);
const a = parseCsv(readFileSync(aPath, 'latin1'));
const b = parseCsv(readFileSync(bPath, 'latin1'));
const logical = { TRUE: 1, FALSE: 0 };
function same(x, y) {
  if (x === y) return true;
  const nx = x in logical ? logical[x] : Number(x), ny = y in logical ? logical[y] : Number(y);
  if (x === '' || y === '' || Number.isNaN(nx) || Number.isNaN(ny)) return false;
  return Math.abs(nx - ny) <= 1e-9 * Math.max(1, Math.abs(nx), Math.abs(ny));
}
const col = (c) => { let s = ''; for (c += 1; c > 0; c = Math.floor((c - 1) / 26)) s = String.fromCharCode(65 + ((c - 1) % 26)) + s; return s; };
let differ = 0, shown = 0;
const rows = Math.max(a.length, b.length);
for (let r = 0; r < rows; r++) {
  const ra = a[r] || [], rb = b[r] || [];
  for (let c = 0; c < Math.max(ra.length, rb.length); c++) {
    const x = ra[c] ?? '', y = rb[c] ?? '';
    if (!same(x, y)) {
      differ++;
      if (shown++ < 10) console.log(`differ ${col(c)}${r + 1}: ${JSON.stringify(x)} vs ${JSON.stringify(y)}`);
    }
  }
}
console.log(differ === 0 ? 'all values agree' : `${differ} values differ`);
process.exit(differ === 0 ? 0 : 1);
