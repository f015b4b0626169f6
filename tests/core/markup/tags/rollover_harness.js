// Runs the rollover block of a page under node with a minimal fake document,
// the way a browser would: the script element's text is evaluated as a
// classic script (its "<!--" and "//-->" lines included), then the link's
// onMouseOver and onMouseOut attributes are evaluated as event handlers.
// Usage: node rollover_harness.js page.htm   -- prints "rollover ok" or fails.
'use strict';
const fs = require('fs');
const vm = require('vm');
const assert = require('assert');

const page = fs.readFileSync(process.argv[2], 'latin1');
const script = /<script language="JavaScript">\r?\n([\s\S]*?)<\/script>/.exec(page);
assert.ok(script, 'no script element in the page');
const link = /<a href="[^"]*" onMouseOut="([^"]*)" onMouseOver="([^"]*)"><img name="([^"]*)"[^>]*src="([^"]*)"><\/a>/.exec(page);
assert.ok(link, 'no rollover link in the page');
const [, onMouseOut, onMouseOver, name, original] = link;

function freshPage(appName) {
  class Image { constructor() { this.src = ''; } }
  const document = { images: [] };
  document[name] = { src: original };
  const context = vm.createContext({ document, navigator: { appName }, Image });
  vm.runInContext(script[1], context, { filename: 'rollover-block.js' });
  return { document, context, run: (code) => vm.runInContext(code, context) };
}

// Other browsers use the second reference.
{
  const p = freshPage('Microsoft Internet Explorer');
  p.run(onMouseOver);
  assert.strictEqual(p.document[name].src, 'b.gif', 'onMouseOver swaps the source');
  assert.strictEqual(p.document.MM_swapImgData.length, 2);
  assert.strictEqual(p.document.MM_swapImgData[0], p.document[name]);
  p.run(onMouseOut);
  assert.strictEqual(p.document[name].src, original, 'onMouseOut restores the source');
}

// A second swap of the same image keeps the first saved source to restore.
{
  const p = freshPage('Netscape');
  p.run(onMouseOver);
  p.run(`MM_swapImage('document.${name}','document.${name}','c.gif')`);
  assert.strictEqual(p.document[name].src, 'c.gif');
  p.run(onMouseOut);
  assert.strictEqual(p.document[name].src, original, 'restores the source before the first swap');
}

// Netscape takes the first reference; a layers reference falls back to the
// plain document reference on a page without layers, an all[] reference on a
// page without the all collection.
{
  const p = freshPage('Netscape');
  p.run(`MM_swapImage("document.layers['L1'].document.${name}",'document.nothing','d.gif')`);
  assert.strictEqual(p.document[name].src, 'd.gif', 'layers fallback');
  p.run('MM_swapImgRestore()');
  assert.strictEqual(p.document[name].src, original);
  const q = freshPage('Other');
  q.run(`MM_swapImage('document.nothing',"document.all['L1'].document.${name}",'e.gif')`);
  assert.strictEqual(q.document[name].src, 'e.gif', 'all[] fallback');
}

// An image that is not on the page is skipped; restoring with no data is harmless.
{
  const p = freshPage('Other');
  p.run('MM_swapImgRestore()');
  p.run(`MM_swapImage('document.missing','document.missing','f.gif')`);
  assert.deepStrictEqual(Array.from(p.document.MM_swapImgData), []);
  assert.strictEqual(p.document[name].src, original);
}

// Preloading keeps one image object per file, skipping "#" entries.
{
  const p = freshPage('Other');
  p.run(`MM_preloadImages('p.gif','#skip','q.gif'); MM_preloadImages('r.gif')`);
  assert.deepStrictEqual(Array.from(p.document.preloadArray, (i) => i.src), ['p.gif', 'q.gif', 'r.gif']);
}

console.log('rollover ok');
