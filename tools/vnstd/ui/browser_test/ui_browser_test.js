// A person at a real browser: Debian's chromium, driven by playwright-core, uses the
// "Formulas" scenario of `vnstd ui`: types a formula into a cell, recalculates, sees the
// value, chooses a reference style, presses OK and sees the result page; then, in the
// "foundation" scenario, chooses a thumbnail, answers the message box of Remove with Yes and
// chooses a picture with a double click.
// usage: node ui_browser_test.js PATH/TO/vnstd   (exit 77: chromium or playwright-core missing)
'use strict';
const {spawn} = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');

const chromiumPath = '/usr/bin/chromium';
let chromium;
try { ({chromium} = require('playwright-core')); } catch (e) { console.log('playwright-core is not installed'); process.exit(77); }
if (!fs.existsSync(chromiumPath)) { console.log('chromium is not installed'); process.exit(77); }

function startServer(exe, settings) {
  return new Promise((resolve, reject) => {
    const child = spawn(exe, ['ui', '--port', '0'], {env: {...process.env, VNSTD_SETTINGS: settings}});
    let out = '';
    child.stdout.on('data', d => { out += d; const m = out.match(/http:\/\/\S+/); if (m) resolve({child, url: m[0]}); });
    child.on('exit', code => reject(new Error('vnstd ui ended with ' + code)));
  });
}

async function main() {
  const settings = fs.mkdtempSync(path.join(os.tmpdir(), 'vnstd-ui-test-'));
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'vnstd-ui-profile-'));
  const {child, url} = await startServer(process.argv[2], settings);
  // A fresh profile folder of our own (playwright passes it as --user-data-dir).
  const browser = await chromium.launchPersistentContext(profile, {executablePath: chromiumPath, headless: true, args: [
    '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync']});
  try {
    const page = browser.pages()[0] || await browser.newPage();
    page.setDefaultTimeout(5000);
    await page.goto(url);
    await page.click('#run-formulas');
    const cell = 'td[data-col="3"][data-row="1"]';
    await page.dblclick(cell);
    await page.fill(cell + ' input', '=6*7');
    await page.press(cell + ' input', 'Enter');
    await page.click('button[data-id="1107"]');  // Recalculate
    await page.waitForFunction(sel => document.querySelector(sel)?.textContent === '42', cell);
    await page.click('label:has(input[data-id="1006"])');  // the A1 reference style
    await page.waitForSelector('input[data-id="1006"]:checked');
    await page.click('button[data-id="1"]');  // OK
    await page.waitForSelector('#result[data-ended="OK"]');
    const result = await page.textContent('#result');
    if (!result.includes('"42"')) throw new Error('the result page lacks the value: ' + result);
    // The dialog controls: a thumbnail chosen, Remove asks in a message box, Yes answers it.
    await page.click('#run-foundation');
    await page.click('.lv .it:nth-child(3)');
    await page.waitForSelector('.lv .it.sel');
    await page.click('button[data-id="1301"]');  // Remove
    await page.waitForFunction(() => document.querySelector('.box')?.textContent.includes('Remove "BoltPattern" from the list?'));
    await page.click('.box .btns button:has-text("Yes")');
    await page.waitForFunction(() => !document.querySelector('.box') && document.querySelectorAll('.lv .it').length === 12);
    await page.dblclick('.lv .it:has-text("Angle")');
    await page.waitForSelector('#result[data-ended="OK"]');
    const chosen = await page.textContent('#result');
    if (!chosen.includes('Angle.bmp') || !chosen.includes('"pictures": 12')) throw new Error('the result page lacks the choice: ' + chosen);
    console.log('browser test passed');
  } finally {
    await browser.close();
    child.kill('SIGINT');
    fs.rmSync(settings, {recursive: true, force: true});
    fs.rmSync(profile, {recursive: true, force: true});
  }
}

main().catch(e => { console.error(e); process.exit(1); });
