#!/usr/bin/env node
// Regenerates program/data/dict.dict from the synonym list of the npm package
// "segment" (MIT licence, pinned in package-lock.json). Run by hand:
//   cd tools && npm ci && node make-dict.js
// With --check it writes nothing and fails if the committed file differs from
// what the list gives.
//
// The list has lines "word,synonym" in UTF-8 with LF ends; the program wants
// "word|replacement" lines in code page 936 with CR LF ends. The program applies
// the entries in file order, each to the text the earlier ones left, so an
// entry B|A placed after A|B would turn every A back into A: such an undoing
// entry is left out and the first one kept. Encoding goes through glibc's
// iconv, the converter the program itself reads the file with.

'use strict';

const fs = require('fs');
const path = require('path');
const { spawnSync } = require('child_process');

const SOURCE = path.join(__dirname, 'node_modules', 'segment', 'dicts', 'synonym.txt');
const PACKAGE = path.join(__dirname, 'node_modules', 'segment', 'package.json');
const TARGET = path.join(__dirname, '..', 'program', 'data', 'dict.dict');
const EXPECTED_VERSION = '0.1.3';
const CODE_PAGE = 'CP936';

function iconv(args, input) {
  const r = spawnSync('iconv', args, { input, maxBuffer: 64 * 1024 * 1024 });
  if (r.error) throw new Error(`cannot run iconv: ${r.error.message}`);
  return r;
}

// Strict conversion: any character the target cannot hold is an error.
function convertStrict(from, to, bytes) {
  const r = iconv(['-f', from, '-t', to], bytes);
  if (r.status !== 0) {
    throw new Error(`iconv ${from} -> ${to} failed: ${r.stderr.toString().trim()}`);
  }
  return r.stdout;
}

// Tells, for each line, whether code page 936 holds all of it. One lossy
// round trip for the whole list: a line that comes back different lost
// characters on the way.
function encodableLines(lines) {
  const text = lines.join('\n') + '\n';
  const lossy = iconv(['-c', '-f', 'UTF-8', '-t', CODE_PAGE], Buffer.from(text, 'utf8'));
  if (lossy.status !== 0 && lossy.status !== 1) {
    throw new Error(`iconv failed: ${lossy.stderr.toString().trim()}`);
  }
  const back = convertStrict(CODE_PAGE, 'UTF-8', lossy.stdout).toString('utf8').split('\n');
  back.pop();
  if (back.length !== lines.length) throw new Error('iconv round trip changed the line count');
  return lines.map((line, i) => back[i] === line);
}

function main(checkOnly) {
  const version = JSON.parse(fs.readFileSync(PACKAGE, 'utf8')).version;
  if (version !== EXPECTED_VERSION) {
    throw new Error(`segment ${version} installed, ${EXPECTED_VERSION} expected (run npm ci)`);
  }

  const source = fs.readFileSync(SOURCE, 'utf8').replace(/^\uFEFF/, '');
  const lines = source.split(/\r?\n/);
  if (lines.length > 0 && lines[lines.length - 1] === '') lines.pop();

  const counts = {
    linesRead: lines.length,
    emptyWord: 0,
    noComma: 0,
    hasSeparator: 0,
    undoing: 0,
    unencodable: 0,
    written: 0,
  };

  const candidates = [];
  for (const line of lines) {
    const comma = line.indexOf(',');
    if (comma < 0) {
      // A word without replacement would delete that word from every article.
      counts.noComma++;
      continue;
    }
    const word = line.slice(0, comma);
    const replacement = line.slice(comma + 1);
    if (word === '') {
      counts.emptyWord++;
      continue;
    }
    if (word.includes('|') || replacement.includes('|')) {
      // The file format has no escape for the field separator.
      counts.hasSeparator++;
      continue;
    }
    candidates.push({ word, replacement, text: `${word}|${replacement}` });
  }

  const encodable = encodableLines(candidates.map((c) => c.text));
  const kept = new Set();
  const output = [];
  candidates.forEach((c, i) => {
    if (!encodable[i]) {
      counts.unencodable++;
      return;
    }
    if (c.word !== c.replacement && kept.has(`${c.replacement}|${c.word}`)) {
      counts.undoing++;
      return;
    }
    kept.add(c.text);
    output.push(c.text);
  });
  counts.written = output.length;

  const text = output.map((l) => l + '\r\n').join('');
  const bytes = convertStrict('UTF-8', CODE_PAGE, Buffer.from(text, 'utf8'));

  // The file must read back as exactly what was meant to be written.
  const check = convertStrict(CODE_PAGE, 'UTF-8', bytes).toString('utf8');
  if (check !== text) throw new Error('the encoded dictionary does not decode to its text');

  let verdict;
  if (checkOnly) {
    const current = fs.existsSync(TARGET) ? fs.readFileSync(TARGET) : Buffer.alloc(0);
    if (!current.equals(bytes)) throw new Error(`${TARGET} is not what the list gives`);
    verdict = 'up to date';
  } else {
    fs.mkdirSync(path.dirname(TARGET), { recursive: true });
    const tmp = `${TARGET}.tmp`;
    fs.writeFileSync(tmp, bytes);
    fs.renameSync(tmp, TARGET);
    verdict = 'wrote';
  }

  console.log(`source:              segment ${version}, dicts/synonym.txt`);
  console.log(`lines read:          ${counts.linesRead}`);
  console.log(`entries written:     ${counts.written}`);
  console.log(`undoing entries:     ${counts.undoing}`);
  console.log(`empty words:         ${counts.emptyWord}`);
  console.log(`lines without comma: ${counts.noComma}`);
  console.log(`lines with "|":      ${counts.hasSeparator}`);
  console.log(`unencodable in 936:  ${counts.unencodable}`);
  console.log(`${verdict} ${path.relative(process.cwd(), TARGET)} (${bytes.length} bytes)`);
}

try {
  main(process.argv.includes('--check'));
} catch (e) {
  console.error(`make-dict: ${e.message}`);
  process.exit(1);
}
