#include "report/dashboard_page.h"

// The page is written here as it is sent: markup and style, then the
// script. Each raw string stays under 16 KB, the longest literal some
// compilers take.

namespace quillstat {

const std::string_view dashboardPageStart = R"page(<!DOCTYPE html>
<html lang="ru">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<meta name="generator" content="Quillstat">
<title>Quillstat</title>
<style>
:root { --ink: #1d2430; --muted: #5d6675; --line: #d8dde5; --back: #f5f7fa;
  --chars: #3d6fb6; --lines: #d08a2c; --row: 24px; }
* { box-sizing: border-box; }
body { margin: 0; padding: 0 24px 48px; font: 14px/1.4 system-ui, "DejaVu Sans", sans-serif;
  color: var(--ink); background: var(--back); }
header { padding: 16px 0 4px; }
h1 { font-size: 22px; margin: 0 0 4px; }
h2 { font-size: 17px; margin: 0 0 10px; }
section { background: #fff; border: 1px solid var(--line); border-radius: 6px;
  padding: 14px 16px; margin: 14px 0; }
.note, #run, .vt-status, .chart-note { color: var(--muted); margin: 4px 0 10px; }
.cards { display: grid; grid-template-columns: repeat(auto-fill, minmax(170px, 1fr)); gap: 8px; }
.card { border: 1px solid var(--line); border-radius: 5px; padding: 8px 10px; }
.card .label { color: var(--muted); font-size: 12px; }
.card .value { font-size: 20px; font-variant-numeric: tabular-nums; }
.chart svg { display: block; max-width: 100%; }
.chart text { font-size: 12px; fill: var(--ink); }
.chart .bar-chars { fill: var(--chars); }
.chart .bar-lines { fill: var(--lines); }
.legend { display: flex; gap: 16px; margin: 0 0 6px; color: var(--muted); }
.legend span::before { content: ""; display: inline-block; width: 10px; height: 10px;
  margin-right: 5px; vertical-align: -1px; }
.legend .bar-chars::before { background: var(--chars); }
.legend .bar-lines::before { background: var(--lines); }
input[type=search] { width: 100%; max-width: 420px; padding: 5px 8px; margin: 0 0 8px;
  border: 1px solid var(--line); border-radius: 4px; font: inherit; }
table.plain { border-collapse: collapse; }
table.plain th, table.plain td { padding: 3px 10px; border-bottom: 1px solid var(--line);
  text-align: left; }
table.plain td.num, table.plain th.num { text-align: right; font-variant-numeric: tabular-nums; }
.vt { max-height: 60vh; overflow: auto; border: 1px solid var(--line);
  border-radius: 4px; position: relative; }
.vt-head, .vt-row { display: grid; min-height: var(--row); align-items: center; }
.vt-head { position: sticky; top: 0; z-index: 1; background: #eef1f5;
  border-bottom: 1px solid var(--line); }
.vt-head button { font: inherit; font-weight: 600; text-align: left; border: 0;
  background: none; padding: 4px 8px; cursor: pointer; color: var(--ink);
  white-space: nowrap; overflow: hidden; text-overflow: ellipsis; }
.vt-head button.num { text-align: right; }
.vt-head button[aria-sort=ascending]::after { content: " \25B2"; }
.vt-head button[aria-sort=descending]::after { content: " \25BC"; }
.vt-body { position: relative; }
.vt-row { position: absolute; left: 0; right: 0; top: 0; height: var(--row);
  border-bottom: 1px solid #eef0f3; }
.vt-cell { padding: 0 8px; white-space: nowrap; overflow: hidden; text-overflow: ellipsis; }
.vt-cell.num { text-align: right; font-variant-numeric: tabular-nums; }
.vt-cell.path { direction: rtl; text-align: left; }
details { margin-top: 10px; }
</style>
</head>
<body>
<header><h1>Quillstat: комментарии в коде</h1><p id="run"></p></header>
<noscript><p>Эта страница рисуется скриптом: разрешите JavaScript.</p></noscript>
<section id="summary"><h2>Итого</h2>
<div id="cards" class="cards"></div><div id="problems"></div></section>
<section id="by-language"><h2>Доля комментариев по языкам</h2>
<div id="chart-languages" class="chart"></div></section>
<section id="by-directory"><h2>Доля комментариев по каталогам верхнего уровня</h2>
<div id="chart-directories" class="chart"></div></section>
<section id="needy"><h2>Файлы, которым больше всего нужны комментарии</h2>
<p class="note">Из самых больших файлов (десятая часть всех, но не меньше 20) — те,
в которых доля комментариев меньше всего.</p><div id="needy-files"></div></section>
<section id="todo"><h2>Слова todo и fixme</h2>
<input id="todo-filter" type="search" placeholder="Фильтр по пути и тексту"
 aria-label="Фильтр по пути и тексту"><div id="todo-table"></div></section>
<section id="files"><h2>Все файлы</h2>
<input id="file-filter" type="search" placeholder="Фильтр по пути" aria-label="Фильтр по пути">
<div id="file-table"></div></section>
<script type="application/json" id="quillstat-data">)page";

const std::string_view dashboardPageEnd = R"page(</script>
<script>
'use strict';
(function () {
  const D = JSON.parse(document.getElementById('quillstat-data').textContent);
  const LINES = D.lineFigures;
  // Where each figure stands in a row of figures (dashboard.cpp: appendFigures).
  const F = { size: 0, chars: 1, comments: 2, marks: 3, todo: 4, fixme: 5, percent: 6,
              lines: 7, blank: 8, commentLines: 9, codeLines: 10, density: 11,
              docComments: 12, docLines: 13 };
  const FILE = 2;  // a file's figures start after its path and language
  const numbers = new Intl.NumberFormat('ru-RU');
  const num = v => numbers.format(v);
  const pct = v => v.toFixed(2) + ' %';
  const $ = id => document.getElementById(id);
  const SVG = 'http://www.w3.org/2000/svg';

  function el(tag, attrs, ...children) {
    const node = document.createElement(tag);
    for (const [k, v] of Object.entries(attrs || {})) node.setAttribute(k, v);
    node.append(...children);
    return node;
  }
  function svg(tag, attrs) {
    const node = document.createElementNS(SVG, tag);
    for (const [k, v] of Object.entries(attrs)) node.setAttribute(k, v);
    return node;
  }

  const readable = [];
  D.files.forEach((row, i) => { if (row[1] >= 0) readable.push(i); });

  // The run and the overall figures.
  document.title = 'Quillstat — ' + D.path;
  $('run').textContent = D.path + ' · ' + D.language + ' · ' +
      (D.mode === 'exact' ? 'точный разбор' : 'классические правила') +
      (D.countFirstComment ? '' : ' · без первого комментария');
  const T = D.total;
  const cards = [
    ['Файлов', num(readable.length)], ['Размер, байт', num(T[F.size])],
    ['Символов комментариев', num(T[F.chars])], ['% комментариев', pct(T[F.percent])],
    ['Комментариев', num(T[F.comments])], ['Отметок операторов', num(T[F.marks])],
    ['Слов todo', num(T[F.todo])], ['Слов fixme', num(T[F.fixme])]];
  if (LINES) {
    cards.push(['Строк', num(T[F.lines])], ['Пустых строк', num(T[F.blank])],
               ['Строк комментариев', num(T[F.commentLines])], ['Строк кода', num(T[F.codeLines])],
               ['% строк комментариев', pct(T[F.density])],
               ['Документирующих комментариев', num(T[F.docComments])],
               ['Строк документирующих комментариев', num(T[F.docLines])]);
  }
  if (D.failures.length) cards.push(['Не прочитано', num(D.failures.length)]);
  if (D.skipped[0] + D.skipped[1]) {
    cards.push(['Пропущено (язык неизвестен, двоичные)', num(D.skipped[0]) + ', ' + num(D.skipped[1])]);
  }
  for (const [label, value] of cards) {
    $('cards').append(el('div', { class: 'card' }, el('div', { class: 'label' }, label),
                         el('div', { class: 'value' }, value)));
  }
  if (D.failures.length) {
    const list = el('ul');
    for (const path of D.failures) list.append(el('li', {}, path));
    $('problems').append(el('details', {}, el('summary', {}, 'Не удалось прочитать'), list));
  }
)page"
                                                  R"page(
  // Horizontal bars, one group per row: the share of comment characters and,
  // after an exact run, the comment-line density.
  const SERIES = [{ at: F.percent, name: '% символов комментариев', cls: 'bar-chars' }];
  if (LINES) SERIES.push({ at: F.density, name: '% строк комментариев', cls: 'bar-lines' });
  const MAX_BARS = 40;

  function barChart(host, rows, nameOf) {
    if (rows.length === 0) {
      host.append(el('p', { class: 'chart-note' }, 'Нет данных.'));
      return;
    }
    let shown = rows;
    if (rows.length > MAX_BARS) {
      const largest = rows.slice().sort((a, b) => b[1 + F.size] - a[1 + F.size]).slice(0, MAX_BARS);
      shown = rows.filter(r => largest.includes(r));
      host.append(el('p', { class: 'chart-note' },
                      'Показаны ' + MAX_BARS + ' крупнейших из ' + num(rows.length) + '.'));
    }
    if (SERIES.length > 1) {
      host.append(el('div', { class: 'legend' },
                     ...SERIES.map(s => el('span', { class: s.cls }, s.name))));
    }
    const labelWidth = 240, barWidth = 480, valueWidth = 80, bar = 14, gap = 10;
    const group = SERIES.length * bar + gap;
    const top = Math.max(1, ...shown.flatMap(r => SERIES.map(s => r[1 + s.at])));
    const chart = svg('svg', { width: labelWidth + barWidth + valueWidth,
                               height: shown.length * group, role: 'img' });
    shown.forEach((row, k) => {
      const y = k * group;
      const name = nameOf(row[0]);
      const label = svg('text', { x: labelWidth - 8, y: y + SERIES.length * bar / 2 + 4,
                                  'text-anchor': 'end' });
      label.textContent = name.length > 34 ? '…' + name.slice(-33) : name;
      const title = svg('title', {});
      title.textContent = name + ': ' + num(row[1 + F.size]) + ' байт';
      label.append(title);
      chart.append(label);
      SERIES.forEach((s, j) => {
        const value = row[1 + s.at];
        chart.append(svg('rect', { class: 'bar ' + s.cls, x: labelWidth, y: y + j * bar,
                                   width: Math.max(1, value / top * barWidth), height: bar - 2,
                                   'data-label': name, 'data-value': value.toFixed(6) }));
        const text = svg('text', { x: labelWidth + value / top * barWidth + 6, y: y + j * bar + 10 });
        text.textContent = pct(value);
        chart.append(text);
      });
    });
    host.append(chart);
  }

  barChart($('chart-languages'), D.byLanguage, name => name);
  barChart($('chart-directories'), D.byDirectory, name => name === '' ? '(файлы в корне)' : name);

  // The files that most need comments.
  if (D.needy.length === 0) {
    $('needy-files').append(el('p', { class: 'chart-note' }, 'Нет данных.'));
  } else {
    const head = el('tr', {}, el('th', {}, 'Файл'), el('th', { class: 'num' }, 'Размер, байт'),
                    el('th', { class: 'num' }, '% комментариев'));
    if (LINES) head.append(el('th', { class: 'num' }, '% строк комментариев'));
    const table = el('table', { class: 'plain' }, el('thead', {}, head));
    const body = el('tbody');
    for (const i of D.needy) {
      const f = D.files[i];
      const row = el('tr', {}, el('td', {}, f[0]), el('td', { class: 'num' }, num(f[FILE + F.size])),
                     el('td', { class: 'num' }, pct(f[FILE + F.percent])));
      if (LINES) row.append(el('td', { class: 'num' }, pct(f[FILE + F.density])));
      body.append(row);
    }
    table.append(body);
    $('needy-files').append(table);
  }
)page"
                                                  R"page(
  // A table that puts in the page only the rows in view, so that it stays
  // quick with any number of rows. columns: {title, hint, value(i) to sort
  // by, text(i) to show, numeric, path: cut at its start rather than its
  // end when too long, px: the least width, grow: its share of the width
  // left}; ids: the rows, in their first order; key(i): the lower-case text
  // the filter looks in.
  function virtualTable(host, filter, columns, ids, key) {
    const ROW = 24, SPARE = 8;
    const template = columns.map(c => c.grow ? 'minmax(' + c.px + 'px, ' + c.grow + 'fr)' : c.px + 'px')
                            .join(' ');
    const minWidth = columns.reduce((sum, c) => sum + c.px, 0) + 'px';
    const scroller = el('div', { class: 'vt', tabindex: '0' });
    const head = el('div', { class: 'vt-head', role: 'row' });
    const body = el('div', { class: 'vt-body' });
    const status = el('p', { class: 'vt-status' });
    for (const part of [head, body]) {
      part.style.gridTemplateColumns = template;
      part.style.minWidth = minWidth;
    }
    scroller.append(head, body);
    host.append(scroller, status);
    const keys = ids.map(key);
    let view = ids, sortColumn = -1, descending = false, pending = false;
    const rows = [];

    const buttons = columns.map((c, k) => {
      const b = el('button', { type: 'button', 'data-col': String(k), class: c.numeric ? 'num' : '',
                               title: c.hint || c.title }, c.title);
      b.addEventListener('click', () => sortBy(k));
      head.append(b);
      return b;
    });

    function render() {
      const first = Math.max(0, Math.floor(scroller.scrollTop / ROW) - SPARE);
      const last = Math.min(view.length, Math.ceil((scroller.scrollTop + scroller.clientHeight) / ROW) + SPARE);
      while (rows.length < last - first) {
        const row = el('div', { class: 'vt-row', role: 'row' });
        row.style.gridTemplateColumns = template;
        row.style.minWidth = minWidth;
        for (const c of columns) {
          const cell = el('div', { class: c.numeric ? 'vt-cell num' : c.path ? 'vt-cell path' : 'vt-cell' });
          if (c.path) cell.append(el('bdi'));
          row.append(cell);
        }
        rows.push(row);
        body.append(row);
      }
      rows.forEach((row, k) => {
        const at = first + k;
        if (at >= last) {
          row.hidden = true;
          return;
        }
        const i = view[at];
        row.hidden = false;
        row.style.transform = 'translateY(' + at * ROW + 'px)';
        row.dataset.row = String(i);
        columns.forEach((c, n) => {
          const text = c.text(i);
          const cell = c.path ? row.children[n].firstChild : row.children[n];
          if (cell.textContent !== text) cell.textContent = text;
          if (n === 0) row.children[n].title = text;
        });
      });
    }
    function refresh() {
      body.style.height = view.length * ROW + 'px';
      status.textContent = view.length === ids.length
          ? 'Строк: ' + num(ids.length)
          : 'Показано ' + num(view.length) + ' из ' + num(ids.length);
      render();
    }
    function order() {
      if (sortColumn < 0) return;
      const value = columns[sortColumn].value, sign = descending ? -1 : 1;
      view.sort((a, b) => {
        const x = value(a), y = value(b);
        return (x < y ? -sign : x > y ? sign : 0) || a - b;
      });
    }
    function sortBy(k) {
      descending = sortColumn === k ? !descending : !!columns[k].numeric;
      sortColumn = k;
      buttons.forEach((b, n) => {
        if (n === k) b.setAttribute('aria-sort', descending ? 'descending' : 'ascending');
        else b.removeAttribute('aria-sort');
      });
      if (view === ids) view = ids.slice();
      order();
      refresh();
    }
    filter.addEventListener('input', () => {
      const text = filter.value.trim().toLowerCase();
      view = text === '' ? ids.slice() : ids.filter((i, n) => keys[n].includes(text));
      order();
      scroller.scrollTop = 0;
      refresh();
    });
    scroller.addEventListener('scroll', () => {
      if (pending) return;
      pending = true;
      requestAnimationFrame(() => { pending = false; render(); });
    });
    window.addEventListener('resize', render);
    refresh();
  }
)page"
                                                  R"page(
  // The todo list.
  const todos = D.todos;
  virtualTable($('todo-table'), $('todo-filter'), [
    { title: 'Файл', px: 260, grow: 1.2, path: true, value: i => todos[i].path, text: i => todos[i].path },
    { title: 'Строка', px: 80, numeric: true, value: i => todos[i].line, text: i => String(todos[i].line) },
    { title: 'Столбец', px: 80, numeric: true, value: i => todos[i].column, text: i => String(todos[i].column) },
    { title: 'Слово', px: 70, value: i => todos[i].word, text: i => todos[i].word },
    { title: 'Текст', px: 300, grow: 2, value: i => todos[i].text, text: i => todos[i].text },
  ], todos.map((t, i) => i), i => (todos[i].path + '\n' + todos[i].text).toLowerCase());

  // Every file.
  const files = D.files;
  const figure = (at, hint, title, format) => ({
    title, hint, px: 124, numeric: true,
    value: i => files[i][FILE + at], text: i => (format || num)(files[i][FILE + at]) });
  const columns = [{ title: 'Файл', px: 360, grow: 1, path: true, value: i => files[i][0],
                     text: i => files[i][0] }];
  if (D.languages.length > 1) {
    columns.push({ title: 'Язык', px: 100, value: i => D.languages[files[i][1]],
                   text: i => D.languages[files[i][1]] });
  }
  columns.push(
    figure(F.size, 'Размер файла в байтах', 'Размер'),
    figure(F.chars, 'Символов в комментариях', 'Симв. комм.'),
    figure(F.percent, 'Символы комментариев в % от размера', '% комм.', pct),
    figure(F.comments, 'Комментариев (подряд идущие считаются одним)', 'Комментариев'),
    figure(F.marks, 'Отметок операторов: ; и { вне комментариев и строк', 'Операторов'),
    figure(F.todo, 'Слов todo в комментариях', 'todo'),
    figure(F.fixme, 'Слов fixme в комментариях', 'fixme'));
  if (LINES) {
    columns.push(
      figure(F.lines, 'Строк', 'Строк'),
      figure(F.blank, 'Пустых строк', 'Пустых'),
      figure(F.commentLines, 'Строк комментариев', 'Строк комм.'),
      figure(F.codeLines, 'Строк кода', 'Строк кода'),
      figure(F.density, 'Строки комментариев в % от строк комментариев и кода', '% строк комм.', pct),
      figure(F.docComments, 'Документирующих комментариев (/**, ///, docstring…)', 'Док. комм.'),
      figure(F.docLines, 'Строк документирующих комментариев', 'Строк док.'));
  }
  virtualTable($('file-table'), $('file-filter'), columns, readable, i => files[i][0].toLowerCase());
})();
</script>
</body>
</html>
)page";

}  // namespace quillstat
