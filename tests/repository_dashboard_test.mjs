// The page `make run` makes, in headless Chromium: the dashboard of this
// repository must load without an error or a request and draw its charts,
// with a bar for each language the repository is known to hold.
// usage: node repository_dashboard_test.mjs QUILLSTAT SOURCE_DIR WORKDIR
// (WORKDIR/dashboard.png is the screenshot to look at).
import { execFileSync } from 'node:child_process';
import { rmSync, writeFileSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { openPage } from './chromium_page.mjs';

const [quillstat, source, work] = process.argv.slice(2).map(arg => resolve(arg));
rmSync(work, { recursive: true, force: true });
const script = join(dirname(fileURLToPath(import.meta.url)), '..', 'cmake', 'repository_dashboard.sh');
const said = execFileSync('bash', [script, quillstat, source, work], { encoding: 'utf8' });
const page = join(work, 'quillstat-dashboard.html');

const failures = [];
const expect = (what, actual, expected) => {
  if (JSON.stringify(actual) !== JSON.stringify(expected)) {
    failures.push(`${what}: got ${JSON.stringify(actual)}, expected ${JSON.stringify(expected)}`);
  }
};
expect('lines said', said.split('\n').slice(0, 2),
       [`dashboard: ${page}`, `todo list: ${join(work, 'quillstat-todo.txt')}`]);
expect('summary line', /^\d+ files, \d+ languages, comment-line density [\d.]+%, \d+ todo, \d+ fixme$/
       .test(said.split('\n')[2]), true);

// What this repository holds for certain: its sources, headers, build files,
// scripts and the window's help page.
const held = ['C', 'C++', 'CMake', 'HTML', 'Makefile', 'Shell'];
const browser = await openPage(pathToFileURL(page).href);
try {
  const run = expression => browser.evaluate(expression);
  expect('errors', browser.errors, []);
  expect('requests besides the page', browser.requests.filter(u => u !== pathToFileURL(page).href), []);
  const bars = await run(`[...document.querySelectorAll('#chart-languages rect')]
      .map(r => r.dataset.label)`);
  expect('languages without a bar', held.filter(name => !bars.includes(name)), []);
  expect('directory bars drawn', await run(`document.querySelectorAll('#chart-directories rect').length > 0`),
         true);
  writeFileSync(join(work, 'dashboard.png'), await browser.screenshot());
} finally {
  await browser.close();
}
for (const failure of failures) console.error(failure);
console.log(failures.length === 0 ? 'repository dashboard: all checks passed'
                                  : `repository dashboard: ${failures.length} failed`);
process.exit(failures.length === 0 ? 0 : 1);
