// The trend page in headless Chromium: the built program writes the JSON
// reports of three versions of a small tree, whose figures are worked out by
// hand below, and draws their trend; the page must load without an error or
// a request, and its charts must show each report's value at its label,
// higher values higher up. usage: node trend_browser_test.mjs QUILLSTAT WORKDIR
// (WORKDIR/trend.png is the screenshot to look at).
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
// v1: a.c, 1 comment line and 3 code lines (25 %), one todo.
file('v1/a.c', '// todo: a\nint a;\nint b;\nint c;\n');
// v2: a.c commented more (2 of 4, 50 %); a Python file, 1 comment and 1 code line
// (50 %) with a fixme: all files 3 of 6 lines, 50 %; two words.
file('v2/a.c', '// todo: a\n// more\nint a;\nint b;\n');
file('v2/b.py', '# fixme\nx = 1\n');
// v3: the label holds markup; b.py gone, a.c without comments (0 %), no words.
file('v3/a.c', 'int a;\n');
const labels = ['v1', 'v2', '<v3 & "x">'];
// The work directory may lie in the build tree of a git checkout, which git
// ignores: these trees are read whatever git says.
const reports = ['v1', 'v2', 'v3'].map((version, i) => {
  const report = join(work, `${version}.json`);
  execFileSync(quillstat, ['-d', version, '-s', '-l', 'auto', '--no-ignore', '-t', 'json',
                           '--label', labels[i], '-o', report, '-q'], { cwd: work });
  return report;
});
const page = join(work, 'trend.html');
execFileSync(quillstat, ['trend', ...reports, '-o', page]);

const failures = [];
const expect = (what, actual, expected) => {
  if (JSON.stringify(actual) !== JSON.stringify(expected)) {
    failures.push(`${what}: got ${JSON.stringify(actual)}, expected ${JSON.stringify(expected)}`);
  }
};
const browser = await openPage(pathToFileURL(page).href);
try {
  const run = expression => browser.evaluate(expression);
  const points = (chart, series) => run(`[...document.querySelectorAll('#chart-${chart} circle')]
      .filter(c => c.dataset.series === ${JSON.stringify(series)})
      .map(c => [c.dataset.label, c.dataset.value, +c.getAttribute('cy')])`);
  expect('errors', browser.errors, []);
  expect('requests besides the page', browser.requests.filter(u => u !== pathToFileURL(page).href), []);
  expect('lines of the density chart', await run(`[...document.querySelectorAll('#chart-density polyline')]
      .map(p => p.dataset.series)`), ['all files', 'C', 'Python']);
  const density = await points('density', 'all files');
  expect('density of all files', density.map(p => p.slice(0, 2)),
         [['v1', '25.000000'], ['v2', '50.000000'], ['<v3 & "x">', '0.000000']]);
  expect('higher values higher up', density[1][2] < density[0][2] && density[0][2] < density[2][2], true);
  expect('Python only where it was', (await points('density', 'Python')).map(p => p.slice(0, 2)),
         [['v2', '50.000000']]);
  expect('comment lines of C', (await points('comments', 'C')).map(p => p[1]), ['1', '2', '0']);
  // All files reach 3 comment lines: a scale up to 5, marked at its middle too.
  expect('marks of the comment-line scale', await run(`[...document.querySelectorAll(
      '#chart-comments .scale')].map(t => t.textContent)`), ['0', '2.5', '5']);
  expect('words of all files', (await points('words', 'all files')).map(p => p[1]), ['1', '2', '0']);
  expect('labels under the axis', await run(`[...document.querySelectorAll('#chart-words .label')]
      .map(t => t.textContent)`), labels);
  expect('table rows', await run(`document.querySelectorAll('#figures tr').length`), 1 + 3 + 3 + 1);
  writeFileSync(join(work, 'trend.png'), await browser.screenshot());
} finally {
  await browser.close();
}
for (const failure of failures) console.error(failure);
console.log(failures.length === 0 ? 'trend: all checks passed' : `trend: ${failures.length} failed`);
process.exit(failures.length === 0 ? 0 : 1);
