// Writes the program's 19 pictures to resources/pictures/NNN-name.svg and the resource list
// resources/pictures.qrc. Formula pictures are typeset from TeX by MathJax; the logo (a methane
// molecule) and the two cell pictures are drawn here by hand, so no picture depends on the fonts
// of the machine that shows it.
//
// The output has to suit QtSvg (SVG Tiny 1.2): every glyph is an inline <path> (no <use>, no
// <text>, no CSS), colours are explicit, and the picture's own width/height is the size of the
// control that shows it, with a viewBox of exactly that aspect so nothing gets stretched.
//
// Run: cd tools/pictures && npm ci && node typeset.mjs

import {mkdirSync, writeFileSync} from 'node:fs';
import {dirname, join} from 'node:path';
import {fileURLToPath} from 'node:url';

import {mathjax} from 'mathjax-full/js/mathjax.js';
import {TeX} from 'mathjax-full/js/input/tex.js';
import {MathML} from 'mathjax-full/js/input/mathml.js';
import {SVG} from 'mathjax-full/js/output/svg.js';
import {liteAdaptor} from 'mathjax-full/js/adaptors/liteAdaptor.js';
import {RegisterHTMLHandler} from 'mathjax-full/js/handlers/html.js';
import 'mathjax-full/js/input/tex/ams/AmsConfiguration.js';
import 'mathjax-full/js/input/tex/configmacros/ConfigMacrosConfiguration.js';

const here = dirname(fileURLToPath(import.meta.url));
const repo = join(here, '..', '..');
const outDir = join(repo, 'resources', 'pictures');

// Largest type size, in pixels per em. Short formulas in tall boxes would otherwise blow up;
// with this cap the property formulas of the 60-pixel boxes all come out at one size.
const MAX_EM = 22;

// Shorthands so that the formulas below read like the program's equations.
const TEX_MACROS = {
  pz: '\\varphi^{\\circ}',            // ideal-gas part of the reduced Helmholtz energy
  pr: '\\varphi^{\\mathrm{r}}',        // residual part
};

const PICTURES = [
  {num: 168, name: 'Logo10', w: 368, h: 87, draw: logo},
  {num: 169, name: 'Liquid2', w: 120, h: 45, draw: (w, h) => cells(w, h, 'liquid')},
  {num: 170, name: 'Vapour2', w: 120, h: 45, draw: (w, h) => cells(w, h, 'vapour')},
  {num: 171, name: 'gibbs', w: 110, h: 43, tex: String.raw`
    \begin{aligned} g &= RT(1 + \pz \\[-3pt] &\quad {}+ \pr + \delta\pr_{\delta}) \end{aligned}`},
  {num: 172, name: 'sound', w: 120, h: 53, tex: String.raw`
    \begin{aligned}
      &\frac{M w^2}{RT} = 1 + 2\delta\pr_{\delta} + \delta^2\pr_{\delta\delta} \\[-2pt]
      &\quad {}- \frac{(1 + \delta\pr_{\delta} - \delta\tau\pr_{\delta\tau})^2}
                    {\tau^2(\pz_{\tau\tau} + \pr_{\tau\tau})}
    \end{aligned}`},
  {num: 173, name: 'joule', w: 95, h: 52, tex: String.raw`
    \mu_{\mathrm{JT}} = \left(\frac{\partial T}{\partial p}\right)_{\!h}`},
  {num: 177, name: 'Helmholtz1', w: 280, h: 56, tex: String.raw`
    \frac{a(\rho,T)}{RT} = \varphi(\delta,\tau) = \pz(\delta,\tau) + \pr(\delta,\tau)`},
  {num: 178, name: 'pressure1', w: 184, h: 50, tex: String.raw`
    p = \rho RT\,\bigl(1 + \delta\pr_{\delta}\bigr)`},
  {num: 179, name: 'delta1', w: 88, h: 45, tex: String.raw`\delta = \frac{\rho}{\rho_{\mathrm c}}`},
  {num: 180, name: 'tau1', w: 88, h: 45, tex: String.raw`\tau = \frac{T_{\mathrm c}}{T}`},
  {num: 181, name: 'fugacity1', w: 311, h: 55, tex: String.raw`
    \ln\phi = \pr + \delta\pr_{\delta} - \ln\bigl(1 + \delta\pr_{\delta}\bigr),\quad f = \phi\,p`},
  {num: 182, name: 'energy1', w: 251, h: 60, tex: String.raw`
    \frac{u}{RT} = \tau\,\bigl(\pz_{\tau} + \pr_{\tau}\bigr)`},
  {num: 183, name: 'enthalpy1', w: 379, h: 60, tex: String.raw`
    \frac{h}{RT} = 1 + \tau\,\bigl(\pz_{\tau} + \pr_{\tau}\bigr) + \delta\pr_{\delta}`},
  {num: 184, name: 'entropy1', w: 337, h: 60, tex: String.raw`
    \frac{s}{R} = \tau\,\bigl(\pz_{\tau} + \pr_{\tau}\bigr) - \pz - \pr`},
  {num: 185, name: 'cv1', w: 290, h: 60, tex: String.raw`
    \frac{c_v}{R} = -\tau^2\bigl(\pz_{\tau\tau} + \pr_{\tau\tau}\bigr)`},
  {num: 186, name: 'cp1', w: 426, h: 120, tex: String.raw`
    \begin{aligned}
      \frac{c_p}{R} &= -\tau^2\bigl(\pz_{\tau\tau} + \pr_{\tau\tau}\bigr) \\
      &\quad {}+ \frac{\bigl(1 + \delta\pr_{\delta} - \delta\tau\pr_{\delta\tau}\bigr)^2}
                    {1 + 2\delta\pr_{\delta} + \delta^2\pr_{\delta\delta}}
    \end{aligned}`},
  {num: 187, name: 'PLV1', w: 364, h: 55, tex: String.raw`
    \ln\frac{p_{\mathrm s}}{p_{\mathrm c}} = \frac{T_{\mathrm c}}{T}
      \bigl(a_1\theta + a_2\theta^{1.5} + a_3\theta^{2} + a_4\theta^{4.5}\bigr),\quad
    \theta = 1 - \frac{T}{T_{\mathrm c}}`},
  {num: 188, name: 'RhoLiq1', w: 286, h: 55, tex: String.raw`
    \ln\frac{\rho'}{\rho_{\mathrm c}} = b_1\theta^{0.354} + b_2\theta^{0.5} + b_3\theta^{2.5}`},
  {num: 189, name: 'RhoVap1', w: 496, h: 55, tex: String.raw`
    \ln\frac{\rho''}{\rho_{\mathrm c}} = c_1\theta^{0.354} + c_2\theta^{5/6} + c_3\theta^{1.5}
      + c_4\theta^{2.5} + c_5\theta^{25/6} + c_6\theta^{47/6}`},
];

// ---------------------------------------------------------------------------------------------
// MathJax to plain SVG

const adaptor = liteAdaptor();
RegisterHTMLHandler(adaptor);
const failOnError = (jax, err) => { throw err; };
const texDoc = mathjax.document('', {
  InputJax: new TeX({packages: ['base', 'ams', 'configmacros'], macros: TEX_MACROS, formatError: failOnError}),
  OutputJax: new SVG({fontCache: 'none'}),
});
const mmlDoc = mathjax.document('', {
  InputJax: new MathML({forceReparse: true}),
  OutputJax: new SVG({fontCache: 'none'}),
});

const num = (x) => {
  const r = Math.round(x * 100) / 100;
  return Object.is(r, -0) ? '0' : String(r);
};

// Only these elements and attributes carry drawing; everything else MathJax adds (data-*,
// role, focusable, style, class) is for browsers and is dropped. Any other element means
// MathJax fell back to something QtSvg would silently skip, so it stops the run.
const KEEP = {
  g: ['transform'],
  path: ['d', 'transform'],
  rect: ['x', 'y', 'width', 'height', 'transform'],
};

function serialise(node, out) {
  const tag = adaptor.kind(node);
  if (tag === '#text' || tag === '#comment') return;
  if (!(tag in KEEP)) throw new Error(`MathJax produced <${tag}>, which the pictures do not allow`);
  const attrs = adaptor.allAttributes(node)
    .filter((a) => KEEP[tag].includes(a.name))
    .map((a) => ` ${a.name}="${a.value}"`).join('');
  const kids = [];
  for (const child of adaptor.childNodes(node)) serialise(child, kids);
  if (tag === 'g' && kids.length === 0) return;            // empty spacers
  if (tag === 'g' && attrs === '') { out.push(...kids); return; }          // plain wrappers
  out.push(kids.length ? `<${tag}${attrs}>${kids.join('')}</${tag}>` : `<${tag}${attrs}/>`);
}

// Returns {box: [x, y, w, h] in MathJax units (1000 per em), body: SVG markup in those units}.
function mathjaxSvg(doc, source, display) {
  const container = doc.convert(source, {display});
  const svg = adaptor.firstChild(container);
  if (adaptor.kind(svg) !== 'svg') throw new Error('unexpected MathJax output');
  const box = adaptor.getAttribute(svg, 'viewBox').split(/\s+/).map(Number);
  const parts = [];
  for (const child of adaptor.childNodes(svg)) {
    // The top group flips y and paints in currentColor; the flip is kept, the colour is set
    // by the caller.
    for (const grand of adaptor.childNodes(child)) serialise(grand, parts);
  }
  return {box, body: `<g transform="scale(1,-1)">${parts.join('')}</g>`};
}

function svgDocument(w, h, viewBox, content) {
  return '<?xml version="1.0" encoding="UTF-8"?>\n'
    + `<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny"`
    + ` width="${w}" height="${h}" viewBox="${viewBox.map(num).join(' ')}">\n`
    + content + '\n</svg>\n';
}

// Centres the formula in the box and scales it to fill the box less a margin, or to MAX_EM.
function formula(pic) {
  const {box: [x, y, bw, bh], body} = mathjaxSvg(texDoc, pic.tex.trim(), true);
  const margin = Math.max(2, Math.min(6, Math.round(Math.min(pic.w, pic.h) * 0.06)));
  const s = Math.min((pic.w - 2 * margin) / bw, (pic.h - 2 * margin) / bh, MAX_EM / 1000); // px per unit
  const vw = pic.w / s, vh = pic.h / s;
  const viewBox = [x + bw / 2 - vw / 2, y + bh / 2 - vh / 2, vw, vh];
  return svgDocument(pic.w, pic.h, viewBox, `<g fill="#000000" stroke="none">${body}</g>`);
}

// ---------------------------------------------------------------------------------------------
// Hand-drawn pictures (in pixels)

// A ball with a flat body colour, a darker rim and one lighter disc for the highlight.
function ball(cx, cy, r, body, rim, light) {
  return `<circle cx="${num(cx)}" cy="${num(cy)}" r="${num(r)}" fill="${body}" stroke="${rim}" stroke-width="1.2"/>`
    + `<circle cx="${num(cx - r * 0.3)}" cy="${num(cy - r * 0.32)}" r="${num(r * 0.38)}" fill="${light}"/>`;
}

function stick(x1, y1, x2, y2, width, colour) {
  return `<line x1="${num(x1)}" y1="${num(y1)}" x2="${num(x2)}" y2="${num(y2)}"`
    + ` stroke="${colour}" stroke-width="${width}" stroke-linecap="round"/>`;
}

function logo() {
  // Methane seen slightly from above: one hydrogen straight up, two in front below, one behind.
  const c = {x: 52, y: 45};
  const hs = [
    {x: 86, y: 33, r: 8.5, back: true},
    {x: 48, y: 14.5, r: 10},
    {x: 19, y: 65, r: 11},
    {x: 82, y: 70, r: 11},
  ];
  const carbon = ['#3b4650', '#1f262c', '#66737f'];
  const hydrogen = ['#e9eef2', '#7d8a96', '#ffffff'];
  const parts = [];
  for (const hh of hs.filter((a) => a.back)) {
    parts.push(stick(c.x, c.y, hh.x, hh.y, 4, '#9aa5af'));
    parts.push(ball(hh.x, hh.y, hh.r, '#d5dce2', '#8c98a3', '#eef2f5'));
  }
  for (const hh of hs.filter((a) => !a.back)) parts.push(stick(c.x, c.y, hh.x, hh.y, 5, '#7d8a96'));
  parts.push(ball(c.x, c.y, 17, ...carbon));
  for (const hh of hs.filter((a) => !a.back)) parts.push(ball(hh.x, hh.y, hh.r, ...hydrogen));

  // The molecule alone: the start window's own label under the picture gives the name.
  return parts.join('\n');
}

// Two views of a closed cell, before and after an arrow: the phase boundary vanishing as the
// cell homogenises into one phase.
function cells(w, h, into) {
  const LIQUID = '#3d7fc8', VAPOUR = '#dbe8f4', WALL = '#2d3338';
  const cw = 34, ch = h - 8, top = 4;
  const x1 = 6, x2 = w - 6 - cw;
  const parts = [];
  const vessel = (x) => `<rect x="${x}" y="${top}" width="${cw}" height="${ch}" rx="3" ry="3" fill="none" stroke="${WALL}" stroke-width="1.6"/>`;
  const fill = (x, colour) => `<rect x="${x}" y="${top}" width="${cw}" height="${ch}" rx="3" ry="3" fill="${colour}" stroke="none"/>`;
  const dots = (x, y0, y1, avoidMiddle = false) => {
    // a sparse sprinkle of molecules marks the vapour
    const pts = [[0.3, 0.17], [0.72, 0.22], [0.22, 0.42], [0.75, 0.5], [0.45, 0.55], [0.2, 0.8], [0.8, 0.75]]
      .filter(([fx]) => !avoidMiddle || Math.abs(fx - 0.5) > 0.2);
    return pts.filter(([, fy]) => top + fy * ch > y0 + 2 && top + fy * ch < y1 - 2)
      .map(([fx, fy]) => `<circle cx="${num(x + fx * cw)}" cy="${num(top + fy * ch)}" r="1.3" fill="#7fa6cf"/>`).join('');
  };

  if (into === 'liquid') {
    // before: liquid with a small vapour bubble near the top
    parts.push(fill(x1, LIQUID));
    // the bubble, drawn inside a dashed ring of the size it had: it is shrinking
    const bx = x1 + cw / 2, by = top + 12;
    parts.push(`<circle cx="${bx}" cy="${by}" r="9" fill="none" stroke="#ffffff" stroke-width="1" stroke-dasharray="2.2,1.8"/>`);
    parts.push(`<circle cx="${bx}" cy="${by}" r="5" fill="${VAPOUR}" stroke="#ffffff" stroke-width="1"/>`);
    parts.push(vessel(x1));
    parts.push(fill(x2, LIQUID), vessel(x2));
  } else {
    // before: vapour above a low liquid level, with the meniscus going down
    const level = top + ch - 9;
    parts.push(fill(x1, VAPOUR));
    parts.push(`<path d="M${x1} ${level} Q${x1 + cw / 2} ${level + 5} ${x1 + cw} ${level} L${x1 + cw} ${top + ch - 3} Q${x1 + cw} ${top + ch} ${x1 + cw - 3} ${top + ch} L${x1 + 3} ${top + ch} Q${x1} ${top + ch} ${x1} ${top + ch - 3} Z" fill="${LIQUID}" stroke="none"/>`);
    // the level it had, dashed, and the way it went
    const was = top + 11;
    parts.push(`<line x1="${x1 + 2}" y1="${was}" x2="${x1 + cw - 2}" y2="${was}" stroke="${LIQUID}" stroke-width="1" stroke-dasharray="2.2,1.8"/>`);
    parts.push(dots(x1, was, level, true));
    const ax = x1 + cw / 2, ay0 = was + 2.5, ay1 = level - 1.5;
    parts.push(`<line x1="${ax}" y1="${ay0}" x2="${ax}" y2="${ay1 - 4}" stroke="${WALL}" stroke-width="1.6"/>`);
    parts.push(`<path d="M${ax} ${ay1} L${ax - 3.5} ${ay1 - 5} L${ax + 3.5} ${ay1 - 5} Z" fill="${WALL}" stroke="none"/>`);
    parts.push(vessel(x1));
    parts.push(fill(x2, VAPOUR), dots(x2, top, top + ch), vessel(x2));
  }

  // arrow between the two views
  const y = h / 2, a0 = x1 + cw + 8, a1 = x2 - 8;
  parts.push(`<line x1="${a0}" y1="${y}" x2="${a1 - 5}" y2="${y}" stroke="${WALL}" stroke-width="2"/>`);
  parts.push(`<path d="M${a1} ${y} L${a1 - 7} ${y - 4.5} L${a1 - 7} ${y + 4.5} Z" fill="${WALL}" stroke="none"/>`);
  return parts.join('\n');
}

// ---------------------------------------------------------------------------------------------

mkdirSync(outDir, {recursive: true});
const qrc = ['<!DOCTYPE RCC>', '<RCC version="1.0">', '<qresource prefix="/pictures">'];
for (const pic of PICTURES) {
  const svg = pic.tex ? formula(pic) : svgDocument(pic.w, pic.h, [0, 0, pic.w, pic.h], pic.draw(pic.w, pic.h));
  const file = `${pic.num}-${pic.name}.svg`;
  writeFileSync(join(outDir, file), svg);
  qrc.push(`    <file alias="${pic.num}">pictures/${file}</file>`);
  console.log(`${file}  ${pic.w}x${pic.h}  ${svg.length} bytes`);
}
qrc.push('</qresource>', '</RCC>', '');
writeFileSync(join(repo, 'resources', 'pictures.qrc'), qrc.join('\n'));
