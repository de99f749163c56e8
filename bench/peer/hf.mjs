// The peer side of the comparison: node hf.mjs SHEET.csv VALUES_OUT.csv
// Prints one JSON line: build and recalc seconds (best of 3) and peak memory.
import { readFileSync, writeFileSync } from 'node:fs';
import { HyperFormula } from 'hyperformula';
import { parseCsv, toCell } from './csv.mjs';

const [sheetPath, valuesPath] = process.argv.slice(2);
const cells = parseCsv(readFileSync(sheetPath, 'utf8')).map((r) => r.map(toCell));
const lastRow = cells.length - 1, lastCol = cells[lastRow].length - 1;
const options = { licenseKey: 'gpl-v3', maxRows: 2000000, maxColumns: 1000 };
const now = () => Number(process.hrtime.bigint()) / 1e9;
const cpu = () => { const u = process.cpuUsage(); return (u.user + u.system) / 1e6; };

let best = Infinity, bestCpu = Infinity, hf = null;
for (let k = 0; k < 3; k++) {
  if (hf) hf.destroy();
  hf = null;
  if (global.gc) global.gc();
  const t0 = now(), c0 = cpu();
  hf = HyperFormula.buildFromArray(cells, options);
  hf.getCellValue({ sheet: 0, row: lastRow, col: lastCol });
  best = Math.min(best, now() - t0);
  bestCpu = Math.min(bestCpu, cpu() - c0);
}
let bestRecalc = Infinity, bestRecalcCpu = Infinity;
for (let k = 0; k < 3; k++) {
  const t0 = now(), c0 = cpu();
  hf.setCellContents({ sheet: 0, row: 0, col: 0 }, [[2.5 + k]]);
  hf.getCellValue({ sheet: 0, row: lastRow, col: lastCol });
  bestRecalc = Math.min(bestRecalc, now() - t0);
  bestRecalcCpu = Math.min(bestRecalcCpu, cpu() - c0);
}
// The compared state: A1 = 4.5 (the last recalc).
if (valuesPath) {
  const values = hf.getSheetValues(0);
  const text = (v) => {
    if (v === null || v === undefined) return '';
    if (typeof v === 'object' && v.value) return v.value;  // error
    if (typeof v === 'boolean') return v ? 'TRUE' : 'FALSE';
    if (typeof v === 'number') return String(v);
    const s = String(v);
    return /[",\n]/.test(s) ? '"' + s.replace(/"/g, '""') + '"' : s;
  };
  writeFileSync(valuesPath, values.map((r) => r.map(text).join(',')).join('\n') + '\n');
}
const peakMiB = process.resourceUsage().maxRSS / 1024;
console.log(JSON.stringify({ engine: 'peer', build_s: best, recalc_s: bestRecalc,
  build_cpu_s: bestCpu, recalc_cpu_s: bestRecalcCpu, peak_mib: peakMiB }));
