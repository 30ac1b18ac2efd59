// The dashboard in headless Chromium: the built program writes the page of
// a small tree whose figures are worked out by hand below, and the page must
// load without an error or a request, draw its charts, and sort and filter
// its tables. usage: node dashboard_browser_test.mjs QUILLSTAT WORKDIR
// (WORKDIR/dashboard.png is the screenshot to look at).
import { execFileSync } from 'node:child_process';
import { mkdirSync, rmSync, writeFileSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { openPage } from './chromium_page.mjs';

const [quillstat, work] = process.argv.slice(2).map(arg => resolve(arg));
rmSync(work, { recursive: true, force: true });
const file = (path, text) => {
  mkdirSync(join(work, path, '..'), { recursive: true });
  writeFileSync(join(work, path), text);
};
// 23 bytes, 15 of comment; lines: 1 comment, 1 code.
file('tree/top.c', '/* todo: top */\nint t;\n');
// 40 bytes, 14 of comment (35 %); the fixme at column 29; one code line.
file('tree/app/main.c', 'int main() { return 0; } // fixme later\n');
// 2000 files of 3 bytes, no comment, for the rows the table must not build.
for (let i = 0; i < 2000; ++i) file(`tree/gen/f${String(i).padStart(4, '0')}.c`, 'x;\n');
// lib/: 900 + 12 bytes, 4 of comment (0.438596 %); 1 comment line, 101 code.
file('tree/lib/big.c', 'int big;\n'.repeat(100));
file('tree/lib/small.c', '// s\nint s;\n');
const page = join(work, 'dashboard.html');
execFileSync(quillstat, ['-d', 'tree', '-s', '-x', '-t', 'dashboard', '-o', page, '-q'], { cwd: work });

const failures = [];
const expect = (what, actual, expected) => {
  if (JSON.stringify(actual) !== JSON.stringify(expected)) {
    failures.push(`${what}: got ${JSON.stringify(actual)}, expected ${JSON.stringify(expected)}`);
  }
};

const browser = await openPage(pathToFileURL(page).href);
try {
  const run = expression => browser.evaluate(expression);
  const firstRows = (table, n) => run(`[...document.querySelectorAll('#${table} .vt-row:not([hidden])')]
      .sort((a, b) => new DOMMatrix(a.style.transform).f - new DOMMatrix(b.style.transform).f)
      .slice(0, ${n}).map(r => r.firstChild.textContent)`);
  const click = (table, title) => run(`[...document.querySelectorAll('#${table} .vt-head button')]
      .find(b => b.textContent === ${JSON.stringify(title)}).click()`);
  const typeFilter = (input, text) => run(`(() => { const f = document.getElementById('${input}');
      f.value = ${JSON.stringify(text)}; f.dispatchEvent(new Event('input')); })()`);
  const settled = () => run('new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r)))');

  expect('errors', browser.errors, []);
  expect('requests besides the page', browser.requests.filter(u => u !== pathToFileURL(page).href), []);
  expect('cards', await run(`[...document.querySelectorAll('.card')].slice(0, 4)
      .map(c => c.lastChild.textContent.replace(/\\s/g, ''))`), ['2004', '6975', '33', '0.47%']);
  expect('directory bars', await run(`[...document.querySelectorAll('#chart-directories rect')]
      .map(r => r.dataset.label + ' ' + r.dataset.value)`),
         ['(файлы в корне) 65.217391', '(файлы в корне) 50.000000', 'app/ 35.000000',
          'app/ 0.000000', 'gen/ 0.000000', 'gen/ 0.000000', 'lib/ 0.438596', 'lib/ 0.980392']);
  expect('language bars', await run(`document.querySelectorAll('#chart-languages rect').length`), 2);
  expect('neediest file', await run(`document.querySelector('#needy-files td').textContent`),
         'tree/lib/big.c');
  expect('todo list', await run(`[...document.querySelectorAll('#todo-table .vt-row')]
      .map(r => [...r.children].map(c => c.textContent).join(' '))`),
         ['tree/top.c 1 4 todo /* todo: top */', 'tree/app/main.c 1 29 fixme int main() { return 0; } // fixme later']);

  expect('file rows built', await run(`document.querySelectorAll('#file-table .vt-row').length < 100`), true);
  await click('file-table', 'Размер');
  expect('largest first', await firstRows('file-table', 2), ['tree/lib/big.c', 'tree/app/main.c']);
  await click('file-table', 'Размер');
  expect('smallest first', await firstRows('file-table', 1), ['tree/gen/f0000.c']);
  await click('file-table', '% комм.');
  expect('most commented first', await firstRows('file-table', 1), ['tree/top.c']);
  await run(`document.querySelector('#file-table .vt').scrollTop = 1e9`);
  await settled();
  expect('the last row in view after scrolling', await run(`[...document.querySelectorAll(
      '#file-table .vt-row:not([hidden])')].some(r => r.firstChild.textContent === 'tree/lib/big.c')`), true);
  await typeFilter('file-filter', 'LIB/');
  expect('filtered rows', await firstRows('file-table', 5), ['tree/lib/small.c', 'tree/lib/big.c']);
  expect('filter status', await run(`document.querySelector('#files .vt-status').textContent
      .replace(/\\s/g, ' ')`), 'Показано 2 из 2 004');
  await typeFilter('todo-filter', 'later');
  expect('filtered todo list', await firstRows('todo-table', 5), ['tree/app/main.c']);
  expect('errors at the end', browser.errors, []);
  writeFileSync(join(work, 'dashboard.png'), await browser.screenshot());
  console.log(`loaded in ${browser.loadMs.toFixed(0)} ms; screenshot ${join(work, 'dashboard.png')}`);
} finally {
  await browser.close();
}
for (const failure of failures) console.error(failure);
console.log(failures.length === 0 ? 'dashboard: all checks passed' : `dashboard: ${failures.length} failed`);
process.exit(failures.length === 0 ? 0 : 1);
