// Deterministic workload generator for the peer comparison.
//   node gen.mjs KIND CELLS SEED > sheet.csv
// KIND: chain | grid | mixed. 100 columns wide; CELLS/100 rows. Row 1 holds numbers.
// About a fifth of the numeric formulas also add $A$1/50, so a change of A1 spreads widely.
// Every formula is an average or a bounded mix of its inputs, so rounding differences between
// engines cannot grow along a chain; only operations on which both engines agree are used.
const [kind, cellsArg, seedArg] = process.argv.slice(2);
if (!['chain', 'grid', 'mixed'].includes(kind)) {
  console.error('usage: node gen.mjs chain|grid|mixed CELLS SEED');
  process.exit(2);
}
const COLS = 100;
const rows = Math.max(2, Math.floor(Number(cellsArg || 100000) / COLS));
let state = (Number(seedArg || 1) >>> 0) || 1;
function rand() {  // xorshift32: the same stream on every machine
  state ^= state << 13; state >>>= 0;
  state ^= state >>> 17;
  state ^= state << 5; state >>>= 0;
  return state / 4294967296;
}
const pick = (n) => Math.floor(rand() * n);
function col(c) {  // 0-based column index to letters
  let s = '';
  for (c += 1; c > 0; c = Math.floor((c - 1) / 26)) s = String.fromCharCode(65 + ((c - 1) % 26)) + s;
  return s;
}
const ref = (c, r) => col(c) + String(r + 1);
const spread = () => (rand() < 0.2 ? '+$A$1/50' : '');
const num = () => (Math.round(rand() * 1000) / 100).toString();
const words = ['plate', 'Bolt', 'weld', 'HEA', 'ipe', 'Stiffener', 'cleat', 'Anchor'];
const quote = (s) => (/[",\n]/.test(s) ? '"' + s.replace(/"/g, '""') + '"' : s);

function chainCell(c, r) {
  if (r === 0 || c === 0) return num();
  return `=(${ref(c - 1, r)}+${ref(c, r - 1)})*0.5${spread()}`;
}
function gridCell(c, r) {
  if (r === 0) return num();
  const a = pick(COLS), b = pick(COLS);
  if (rand() < 0.5) return `=(${ref(a, r - 1)}+${ref(b, r - 1)})*0.5${spread()}`;
  const d = pick(COLS);
  return `=(${ref(a, r - 1)}+${ref(b, r - 1)}+${ref(d, r - 1)})/3${spread()}`;
}
// Mixed: column kinds by c % 10. Text columns hold words or text formulas over text cells;
// logical columns compare numbers; the rest are numeric formulas over the row above.
function mixedCell(c, r) {
  const k = c % 10;
  if (r === 0) return k === 9 ? words[pick(words.length)] : num();
  const up = (cc) => ref(cc, r - 1);
  const numCol = () => { let x; do { x = pick(COLS); } while (x % 10 === 9 || x % 10 === 8); return x; };
  const textCol = () => 10 * pick(COLS / 10) + 9;
  if (k === 9) {
    const t = up(textCol());
    switch (pick(4)) {
      case 0: return `=UPPER(LEFT(${t},3))`;
      case 1: return `=LOWER(${t})`;
      case 2: return `=CONCATENATE(LEFT(${t},2),"-",RIGHT(${up(textCol())},2))`;
      default: return `=IF(LEN(${t})>4,TRIM(${t}),"short")`;
    }
  }
  if (k === 8) {
    const a = up(numCol()), b = up(numCol());
    switch (pick(3)) {
      case 0: return `=AND(${a}>${b},NOT(${a}>5))`;
      case 1: return `=OR(${a}<2,${b}>=7)`;
      default: return `=${a}<>${b}`;
    }
  }
  const a = up(numCol()), b = up(numCol());
  switch (pick(5)) {
    case 0: return `=(${a}+${b})*0.5${spread()}`;
    case 1: return `=IF(${a}>${b},${a},${b})*0.9${spread()}`;
    case 2: return `=MIN(${a},${b})+LEN(${up(textCol())})*0.01${spread()}`;
    case 3: return `=MAX(${a},${b})*0.5+ABS(${a}-${b})*0.25${spread()}`;
    default: return `=SQRT(${a}*${a}+${b}*${b})*0.7${spread()}`;
  }
}
const make = { chain: chainCell, grid: gridCell, mixed: mixedCell }[kind];
const out = [];
for (let r = 0; r < rows; r++) {
  const line = [];
  for (let c = 0; c < COLS; c++) line.push(quote(make(c, r)));
  out.push(line.join(','));
}
process.stdout.write(out.join('\n') + '\n');
