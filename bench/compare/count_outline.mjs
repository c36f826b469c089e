// Per-file counts of sectioning commands and labels found by a JavaScript
// LaTeX parser (latex-utensils), one line per file:
//   count NAME SECTIONING LABELS     or     count NAME rejected
// NAME is the file's name without its folder, as outline_bench --counts
// prints it. scripts/bench-outline.sh compares the two.
//
//   node count_outline.mjs FOLDER
import { readFileSync, readdirSync, statSync } from 'node:fs';
import { basename, join } from 'node:path';

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

const { latexParser } = (await import('latex-utensils')).default;

function counts(text) {
  let sections = 0, labels = 0;
  const walk = (node) => {
    if (Array.isArray(node)) return node.forEach(walk);
    if (!node || typeof node !== 'object') return;
    if (node.kind === 'command' && sectioning.has(node.name.replace(/\*$/, ''))) ++sections;
    else if (node.kind === 'command.label' && node.name === 'label') ++labels;
    if (node.content) walk(node.content);
    if (node.args) walk(node.args);
  };
  walk(latexParser.parse(text).content);
  return [sections, labels];
}

for (const path of texFiles(process.argv[2])) {
  let line;
  try {
    const [s, l] = counts(readFileSync(path, 'utf8'));
    line = `count ${basename(path)} ${s} ${l}`;
  } catch {
    line = `count ${basename(path)} rejected`;
  }
  console.log(line);
}
