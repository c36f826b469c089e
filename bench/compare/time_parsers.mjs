// Times one JavaScript parser on the outline benchmark's inputs and prints
// one line "rate INPUT PARSER MB MB/s FOUND [NOTES]" (MB = 2^20 bytes;
// FOUND: the sections and labels, or entries, it extracted, to show it read
// the same document). Processor time of this process, the fastest complete pass
// over the files (or the part of one pass that fits the budget, for the
// slow ones); run node with --single-threaded-gc so that garbage
// collection is counted where it happens rather than on helper threads.
//
//   node --single-threaded-gc time_parsers.mjs PARSER INPUT PATH [BUDGET_SECONDS]
// PARSER: latex-utensils | unified-latex | latex-utensils-bib | bibtex-parser
// PATH: a folder of .tex files (searched recursively) or one .bib file.
import { readFileSync, readdirSync, statSync } from 'node:fs';
import { join } from 'node:path';

const [parserName, inputName, inputPath, budgetArg] = process.argv.slice(2);
const budgetSeconds = Number(budgetArg || 20);
const sectioning = new Set(['part', 'chapter', 'section', 'subsection', 'subsubsection', 'paragraph', 'subparagraph']);

function texFiles(folder) {
  const out = [];
  for (const name of readdirSync(folder).sort()) {
    const path = join(folder, name);
    if (statSync(path).isDirectory()) out.push(...texFiles(path));
    else if (name.endsWith('.tex')) out.push(path);
  }
  return out;
}

// Each parser is a function from a text to the number of things it found.
async function loadParser(name) {
  if (name === 'latex-utensils' || name === 'latex-utensils-bib') {
    const { latexParser, bibtexParser } = (await import('latex-utensils')).default;
    if (name === 'latex-utensils-bib') return (text) => bibtexParser.parse(text).content.filter((e) => e.internalKey).length;
    // Sectioning titles and label names, found by walking the whole tree.
    return (text) => {
      const found = [];
      const walk = (node) => {
        if (Array.isArray(node)) return node.forEach(walk);
        if (!node || typeof node !== 'object') return;
        if (node.kind === 'command' && sectioning.has(node.name.replace(/\*$/, ''))) found.push(latexParser.stringify(node.args));
        else if (node.kind === 'command.label' && node.name === 'label') found.push(node.label);
        if (node.content) walk(node.content);
        if (node.args) walk(node.args);
      };
      walk(latexParser.parse(text).content);
      return found.length;
    };
  }
  if (name === 'unified-latex') {
    const { parse } = await import('@unified-latex/unified-latex-util-parse');
    const { visit } = await import('@unified-latex/unified-latex-util-visit');
    const { printRaw } = await import('@unified-latex/unified-latex-util-print-raw');
    return (text) => {
      const found = [];
      visit(parse(text), (node) => {
        if (node.type !== 'macro' || !(sectioning.has(node.content) || node.content === 'label')) return;
        const args = (node.args || []).filter((a) => a.openMark === '{');
        found.push(args.length ? printRaw(args[args.length - 1].content) : '');
      });
      return found.length;
    };
  }
  if (name === 'bibtex-parser') {
    const { parse } = await import('@retorquere/bibtex-parser');
    return (text) => parse(text).entries.length;
  }
  throw new Error(`unknown parser ${name}`);
}

function cpuSeconds() {
  const u = process.cpuUsage();
  return (u.user + u.system) / 1e6;
}

const parser = await loadParser(parserName);
const paths = statSync(inputPath).isDirectory() ? texFiles(inputPath) : [inputPath];
const texts = paths.map((p) => readFileSync(p));
const totalBytes = texts.reduce((n, b) => n + b.length, 0);
const strings = texts.map((b) => b.toString('latin1')); // the inputs are 7-bit or Latin-1 documents
if (!strings.length) throw new Error('no input files');

parser(strings[0]); // warm-up: compile the parser's code paths once

// Files a parser rejects (it throws) count neither their bytes nor their
// time, and are reported.
const started = cpuSeconds();
let best = null;
for (let pass = 0; pass < 5 && cpuSeconds() - started < budgetSeconds; ++pass) {
  let bytes = 0, seconds = 0, found = 0, rejected = 0, complete = true;
  for (let i = 0; i < strings.length; ++i) {
    const before = cpuSeconds();
    try {
      found += parser(strings[i]);
      seconds += cpuSeconds() - before;
      bytes += texts[i].length;
    } catch {
      ++rejected;
    }
    if (cpuSeconds() - started > budgetSeconds && i + 1 < strings.length) {
      complete = false;
      break;
    }
  }
  const rate = seconds > 0 ? bytes / seconds : 0;
  if (!best || (complete && (!best.complete || rate > best.rate))) best = { bytes, seconds, found, rejected, rate, complete };
  if (!complete) break;
}
const mb = (n) => n / (1024 * 1024);
let note = best.complete ? '' : ` part: ${mb(best.bytes).toFixed(2)} of ${mb(totalBytes).toFixed(2)} MB;`;
if (best.rejected) note += ` ${best.rejected} of ${strings.length} files rejected;`;
if (!best.bytes) throw new Error('the parser rejected every file');
console.log(`rate ${inputName} ${parserName} ${mb(best.bytes).toFixed(2)} ${(mb(best.bytes) / best.seconds).toFixed(2)} ${best.found}${note}`);
