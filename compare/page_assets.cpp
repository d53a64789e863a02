// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare/page_assets.h"

namespace tabulon {

const std::string_view kPageStyle = R"css(
:root { color-scheme: light dark; --fg: #1a1a1a; --bg: #fff; --muted: #555; --rule: #c4c4c4;
  --head: #eee; --mark: #fbe0e0; --link: #1f5fbf; }
@media (prefers-color-scheme: dark) {
  :root { --fg: #e4e4e4; --bg: #161616; --muted: #aaa; --rule: #4a4a4a; --head: #262626;
    --mark: #4b2424; --link: #93b7ff; }
}
body { font: 15px/1.45 system-ui, sans-serif; color: var(--fg); background: var(--bg);
  margin: 0; padding: 1em 2.5vw 3em; }
h1 { font-size: 1.6em; margin: .2em 0; }
h2 { font-size: 1.3em; border-bottom: 1px solid var(--rule); margin-top: 2em; }
h3 { font-size: 1.1em; margin-top: 1.6em; }
p.note, figcaption { color: var(--muted); }
a { color: var(--link); }
nav ul { padding: 0; list-style: none; display: flex; flex-wrap: wrap; gap: .3em 1.5em; }
.scroll { overflow-x: auto; max-width: 100%; }
table { border-collapse: collapse; margin: .6em 0; }
th, td { border: 1px solid var(--rule); padding: .2em .55em; text-align: left;
  vertical-align: top; }
thead th { background: var(--head); position: sticky; top: 0; }
td.n { text-align: right; font-variant-numeric: tabular-nums; white-space: nowrap; }
td.c { font-family: ui-monospace, monospace; white-space: nowrap; }
tr.above > * { background: var(--mark); }
td.above { font-weight: bold; }
ul.names { list-style: none; padding: 0; display: flex; flex-wrap: wrap; gap: .15em 1.2em;
  font-family: ui-monospace, monospace; }
details > summary { cursor: pointer; }
figure { margin: .5em 0; }
svg { max-width: 100%; height: auto; }
th button { font: inherit; color: inherit; background: none; border: 0; padding: 0;
  cursor: pointer; text-align: inherit; }
th[aria-sort="ascending"] button::after { content: " \2191"; }
th[aria-sort="descending"] button::after { content: " \2193"; }
@media print {
  body { font-size: 9.5pt; color: #000; background: #fff; padding: 0; }
  nav { display: none; }
  thead th { position: static; }
  .scroll { overflow: visible; }
  section.species { break-inside: avoid; }
  tr.above > * { background: none; }
}
)css";

const std::string_view kPageScript = R"js(
function sortKey(row, column) {
  var cell = row.cells[column];
  if (!cell) return null;
  var text = cell.getAttribute('title') || cell.textContent.trim();
  if (text === '') return null;
  var number = Number(text);
  return isNaN(number) ? text : number;
}
function compareKeys(a, b) {
  if (a === null || b === null) return (a === null) - (b === null);
  if (typeof a !== typeof b) return typeof a === 'number' ? -1 : 1;
  return a < b ? -1 : a > b ? 1 : 0;
}
document.querySelectorAll('table.sortable').forEach(function (table) {
  var heads = table.tHead.rows[0].cells;
  Array.prototype.forEach.call(heads, function (head, column) {
    var button = document.createElement('button');
    button.type = 'button';
    while (head.firstChild) button.appendChild(head.firstChild);
    head.appendChild(button);
    button.addEventListener('click', function () {
      var order = head.getAttribute('aria-sort');
      var down = order ? order === 'ascending' : column > 0;
      Array.prototype.forEach.call(heads, function (h) { h.removeAttribute('aria-sort'); });
      head.setAttribute('aria-sort', down ? 'descending' : 'ascending');
      var body = table.tBodies[0];
      var rows = Array.prototype.slice.call(body.rows);
      rows.sort(function (x, y) {
        var a = sortKey(x, column), b = sortKey(y, column);
        if (a === null || b === null) return compareKeys(a, b);
        return down ? compareKeys(b, a) : compareKeys(a, b);
      });
      rows.forEach(function (row) { body.appendChild(row); });
    });
  });
});
window.addEventListener('beforeprint', function () {
  document.querySelectorAll('details').forEach(function (d) { d.open = true; });
});
)js";

}  // namespace tabulon
