// How the dashboard of a big tree behaves in headless Chromium: its size,
// the time from navigation to the load event (the data parsed and the page
// drawn, since the script runs before it), and the time to sort the file
// table by size and to filter it. usage: node dashboard_load.mjs PAGE [RUNS]
import { statSync } from 'node:fs';
import { resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { openPage } from '../tests/chromium_page.mjs';

const page = resolve(process.argv[2]);
const runs = Number(process.argv[3] || 3);
const timed = expression => `(() => { const t = performance.now(); ${expression};
    return new Promise(r => requestAnimationFrame(() => r(performance.now() - t))); })()`;
console.log(`${page}: ${(statSync(page).size / 1e6).toFixed(1)} MB`);
for (let i = 0; i < runs; ++i) {
  const browser = await openPage(pathToFileURL(page).href);
  try {
    const rows = await browser.evaluate(`document.querySelectorAll('.vt-row').length`);
    const sort = await browser.evaluate(timed(`[...document.querySelectorAll('#file-table .vt-head button')]
        .find(b => b.textContent === 'Размер').click()`));
    const filter = await browser.evaluate(timed(`const f = document.getElementById('file-filter');
        f.value = 'drivers/net'; f.dispatchEvent(new Event('input'))`));
    console.log(`load ${browser.loadMs.toFixed(0)} ms, rows in the page ${rows}, sort ${sort.toFixed(0)} ms, ` +
                `filter ${filter.toFixed(0)} ms, errors ${browser.errors.length}`);
  } finally {
    await browser.close();
  }
}
