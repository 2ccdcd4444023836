// The solving page: draws the puzzle from the JSON in #puzzle and lets the
// student fill it in. Every box is an <input data-square="N">; all boxes of
// one square show the same letter. The answers are only here as hashes of
// "id:N:LETTER" (32-bit FNV-1a, as the program writes them).
(function () {
  'use strict';

  const data = JSON.parse(document.getElementById('puzzle').textContent);
  const $ = (id) => document.getElementById(id);
  const encoder = new TextEncoder();
  const storageKey = 'quotabrix:' + data.id;

  // Text for HTML: the page is built as markup, one section at a time,
  // which is much quicker than element by element.
  const entities = { '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' };
  function esc(text) {
    return String(text).replace(/[&<>"]/g, (c) => entities[c]);
  }
  function tag(name, className, text) {
    return '<' + name + (className ? ' class="' + className + '"' : '') + '>' + (text ? esc(text) : '') + '</' + name + '>';
  }

  function fnv(text) {
    let h = 0x811c9dc5;
    for (const b of encoder.encode(text)) {
      h ^= b;
      h = Math.imul(h, 0x01000193) >>> 0;
    }
    return h >>> 0;
  }

  function letterHash(n, letter) {
    return ('0000000' + fnv(data.id + ':' + n + ':' + letter).toString(16)).slice(-8);
  }

  // Square N: its stored hash, the letter given on the puzzle (if any) and
  // the boxes that show it.
  const squares = new Map();
  function square(n) {
    if (!squares.has(n)) {
      squares.set(n, { n: n, hash: data.hash.substr((n - 1) * 8, 8), given: null, boxes: [], owner: null });
    }
    return squares.get(n);
  }

  // Boxes are moved through in groups: each grid word, each answer, the
  // crostic line. Only a group's first box is a Tab stop. A section's
  // markup lists its boxes in order, to be joined to their groups once
  // the section is in the page.
  const groups = [];
  function newGroup(kind, clue) {
    const g = { kind: kind, boxes: [], clue: clue, written: 0 };
    groups.push(g);
    return g;
  }
  function boxHtml(section, group, n, label) {
    const sq = square(n);
    let html = '<input type="text" data-square="' + n + '" aria-label="' + esc(label) +
      '" autocomplete="off" spellcheck="false" autocapitalize="characters" autocorrect="off" enterkeyhint="next"';
    if (sq.given !== null) {
      html += ' class="given" readonly tabindex="-1" value="' + esc(sq.given) + '"';
    } else {
      html += ' tabindex="' + (group.written++ === 0 ? '0' : '-1') + '"';
    }
    section.push(group);
    return html + '>';
  }
  // Joins a section's boxes, in page order, to their squares and groups. A
  // box added after the student began shows what its square already holds.
  function adopt(inputs, first, section) {
    section.forEach((group, i) => {
      const input = inputs[first + i];
      const sq = squares.get(Number(input.dataset.square));
      if (sq.given === null) {
        if (sq.boxes.length) input.value = sq.boxes[0].value;
        input.qbGroup = group;
        group.boxes.push(input);
      }
      sq.boxes.push(input);
    });
  }
  // Adds a section's markup at the end of an element, and adopts its boxes.
  function fill(element, html, section) {
    element.insertAdjacentHTML('beforeend', html);
    const inputs = element.getElementsByTagName('input');
    adopt(inputs, inputs.length - section.length, section);
  }

  // Questions first, to know each square's question and letter.
  data.clues.forEach((clue, q) => {
    let letter = 0;
    clue[2].forEach((item) => {
      if (typeof item === 'number') {
        letter += 1;
        square(item).owner = { label: clue[0], letter: letter, clue: q };
      } else if (item !== ' ' && item[0] !== '-') {
        letter += 1;
      }
    });
  });
  data.grid.forEach((item) => {
    if (Array.isArray(item)) square(item[0]).given = item[1];
  });

  // The title and the created-by line.
  $('title').textContent = data.title || 'Acrostic puzzle';
  if (data.by) $('by').textContent = 'Created by ' + data.by;
  else $('by').remove();
  if (data.intro) $('intro').textContent = data.intro;
  else $('intro').remove();

  // The quotation grid is always a grid of cells: the printed puzzle's
  // rows when the window has room for its columns at 2rem each, else the
  // words wrapped into as many columns of about 2.25rem as fit (a word
  // longer than a line goes on over the next one). Media queries decide,
  // so that nothing is measured before the page is first drawn.
  const grid = $('grid');
  const quote = $('quote');
  const wide = window.matchMedia('(min-width: ' + (data.cols * 2 + 3) + 'rem)');
  let printing = false;
  function columns() {
    if (wide.matches || printing) return data.cols;
    let k = 2;
    while (k + 1 < data.cols && window.matchMedia('(min-width: ' + ((k + 1) * 2.25 + 3) + 'rem)').matches) k += 1;
    return k;
  }

  // Where each item of the grid goes with K columns: 'nl' starts a new
  // line; 'gap' is a space left out, because it would end or begin a line
  // (one space is kept between words on a line). With the printed puzzle's
  // columns, everything stays where it is. Also gives each line's items,
  // for the squares' tags.
  function arrange(k) {
    const place = data.grid.map((item) => (item === 0 && k !== data.cols ? 'gap' : ''));
    const lines = [];
    if (k === data.cols) {
      for (let i = 0; i < data.grid.length; i += k) lines.push(data.grid.slice(i, i + k).map((_, j) => i + j));
      return { place: place, lines: lines };
    }
    const words = [];
    let word = null;
    data.grid.forEach((item, i) => {
      if (item === null) return;
      if (item === 0) {
        if (word && word.space === undefined) word.space = i;
        word = null;
        return;
      }
      if (!word) {
        word = { cells: [], space: undefined };
        words.push(word);
      }
      word.cells.push(i);
    });
    let line = [];
    words.forEach((w, wi) => {
      const space = wi > 0 ? words[wi - 1].space : undefined;
      if (line.length && space !== undefined && line.length + 1 + w.cells.length <= k) {
        place[space] = '';
        line.push(space);
      } else if (line.length) {
        lines.push(line);
        line = [];
      }
      w.cells.forEach((i) => {
        if (line.length === k) {
          lines.push(line);
          line = [];
        }
        if (!line.length && lines.length) place[i] = 'nl';
        line.push(i);
      });
    });
    if (line.length) lines.push(line);
    return { place: place, lines: lines };
  }

  // Every square shows its number and, at its right, its question's
  // letter. They are drawn a grid row at a time: one line of text with the
  // row's numbers and one with its letters, put on the columns by tab stops
  // one cell apart (the letters in a monospaced font, two characters wide,
  // so that they end at the cells' right edges). That takes about as long
  // to lay out as a small text in each of a few hundred cells, but the
  // page is first drawn a little sooner. Browsers without tab stops in
  // lengths get the small texts.
  const rowTabs = !!(window.CSS && CSS.supports &&
    (CSS.supports('tab-size', '1px') || CSS.supports('-moz-tab-size', '1px')));
  function cellTag(n) {
    const owner = square(n).owner;
    return '<span class="tag' + (n > 99 ? ' three' : '') + (owner && owner.label.length > 1 ? ' two' : '') +
      '">' + n + (owner ? ' ' + tag('b', '', owner.label) : '') + '</span>';
  }
  function squareOf(i) {
    const item = data.grid[i];
    if (Array.isArray(item)) return item[0];
    return typeof item === 'number' ? item : 0;
  }
  function rowTags(lines) {
    let numbers = '';
    let labels = '';
    lines.forEach((line) => {
      const row = line.map(squareOf);
      numbers += '<div>' + row.map((n) => (n > 99 ? tag('small', '', String(n)) : n > 0 ? n : '')).join('\t') + '</div>';
      labels += '<div>' + row.map((n) => {
        const owner = n > 0 ? square(n).owner : null;
        if (!owner) return '  ';
        return owner.label.length > 1 ? tag('small', '', owner.label) : ' ' + esc(owner.label);
      }).join('\t') + '</div>';
    });
    return '<div class="rowtags numbers" aria-hidden="true">' + numbers +
      '</div><div class="rowtags labels" aria-hidden="true">' + labels + '</div>';
  }

  // The grid in K columns: how its items are placed, and each item's
  // classes.
  let shownCols = 0;
  function useColumns(k) {
    const plan = arrange(k);
    shownCols = k;
    grid.className = k === data.cols ? 'rect' : 'lines';
    grid.style.setProperty('--cols', String(k));
    plan.classes = (i) => {
      const item = data.grid[i];
      const kind = item === null ? 'outside' : item === 0 ? 'black' : typeof item === 'string' ? 'other' : 'letter';
      return 'cell ' + kind + (plan.place[i] ? ' ' + plan.place[i] : '');
    };
    return plan;
  }
  // Lays the grid out again for the window: its columns, the cells' places
  // and the row tags. Nothing to do when the columns stay the same.
  function layout() {
    const k = columns();
    if (k === shownCols || !grid.firstChild) return;
    const plan = useColumns(k);
    const cells = grid.getElementsByClassName('cell');
    for (let i = 0; i < cells.length; i++) {
      const c = plan.classes(i);
      if (cells[i].className !== c) cells[i].className = c;
    }
    if (rowTabs) {
      grid.querySelectorAll('.rowtags').forEach((e) => e.remove());
      grid.insertAdjacentHTML('beforeend', rowTags(plan.lines));
    }
  }
  if (wide.addEventListener) wide.addEventListener('change', layout);
  else if (wide.addListener) wide.addListener(layout);
  window.addEventListener('resize', layout);
  window.addEventListener('afterprint', () => {
    printing = false;
    layout();
  });

  // The quotation grid: cells in reading order. Every cell, with its number
  // and question letter, is drawn at once, but only the first row's squares
  // get their boxes then: a box is invisible until it holds a letter, and
  // laying out a few hundred of them is most of the work of showing the
  // page. The rest follow just after the page is first drawn, or at once
  // when the student clicks or types first (finishGrid).
  const firstBoxes = data.cols;
  const laterBoxes = [];
  function buildGrid() {
    const plan = useColumns(columns());
    const section = [];
    let html = '';
    let wordGroup = null;
    data.grid.forEach((item, i) => {
      const cls = plan.classes(i);
      if (item === null || item === 0) {
        wordGroup = null;
        html += tag('div', cls);
        return;
      }
      if (!wordGroup) wordGroup = newGroup('grid', null);
      if (typeof item === 'string') {
        html += tag('div', cls, item);
        return;
      }
      const n = squareOf(i);
      const owner = square(n).owner;
      html += '<div class="' + cls + '">' + (rowTabs ? '' : cellTag(n));
      const label = owner ? 'Square ' + n + ', question ' + owner.label + ', letter ' + owner.letter
        : 'Square ' + n + ', given letter';
      if (section.length < firstBoxes) html += boxHtml(section, wordGroup, n, label);
      else laterBoxes.push([wordGroup, n, label]);
      html += '</div>';
    });
    if (rowTabs) html += rowTags(plan.lines);
    fill(grid, html, section);
    if (laterBoxes.length) quote.setAttribute('aria-busy', 'true');
  }
  // Puts the rest of the grid's boxes into their cells: every letter cell
  // holds one box, in reading order.
  function finishGrid() {
    if (!laterBoxes.length) return;
    const laterSection = [];
    const holder = document.createElement('div');
    holder.innerHTML = laterBoxes.map((b) => boxHtml(laterSection, b[0], b[1], b[2])).join('');
    laterBoxes.length = 0;
    const inputs = Array.prototype.slice.call(holder.children);
    const cells = grid.getElementsByClassName('letter');
    const first = cells.length - inputs.length;
    inputs.forEach((input, i) => cells[first + i].appendChild(input));
    adopt(inputs, 0, laterSection);
    quote.removeAttribute('aria-busy');
  }

  // The questions, each with its answer boxes, from question FROM up to
  // (not including) TO.
  const questions = $('questions');
  const clueElements = [];
  function buildQuestions(from, to) {
    const section = [];
    let html = '';
    data.clues.slice(from, to).forEach((clue, i) => {
      const q = from + i;
      html += '<li class="clue" id="clue-' + esc(clue[0]) + '"><p class="question">' +
        tag('span', 'label', clue[0] + '.') + ' ' + tag('span', 'text', clue[1]) + '</p><div class="answer">';
      const group = newGroup('clue', q);
      let letter = 0;
      clue[2].forEach((item) => {
        if (item === ' ') {
          html += tag('span', 'box space');
          return;
        }
        if (typeof item === 'string' && item[0] === '-') {
          html += tag('span', 'box other', item.substr(1));
          return;
        }
        letter += 1;
        if (typeof item === 'number') {
          html += '<span class="box">' +
            boxHtml(section, group, item, 'Question ' + clue[0] + ', letter ' + letter + ', square ' + item) +
            tag('span', 'num', String(item)) + '</span>';
        } else {
          html += '<span class="box given"><span class="letter" role="img" aria-label="' +
            esc('Question ' + clue[0] + ', letter ' + letter + ', given: ' + item) + '">' + esc(item) +
            '</span><span class="num"></span></span>';
        }
      });
      html += '</div></li>';
    });
    fill(questions, html, section);
    for (let q = clueElements.length; q < questions.children.length; q++) clueElements.push(questions.children[q]);
  }

  // The crostic line: each blank shows the first letter of its question.
  function buildCrostic() {
    if (!data.crostic) return;
    const section = [];
    let html = '';
    const group = newGroup('crostic', null);
    data.crostic.forEach((item, i) => {
      if (typeof item === 'string') {
        html += '<span class="box ' + (item.trim() ? 'given' : 'space') + '">' + tag('span', 'letter', item) +
          tag('span', 'num') + '</span>';
        return;
      }
      const clue = data.clues[item];
      const first = clue[2].find((x) => typeof x === 'number' || (x !== ' ' && x[0] !== '-'));
      if (typeof first === 'number') {
        html += '<span class="box">' + boxHtml(section, group, first,
          'Crostic letter ' + (i + 1) + ', first letter of question ' + clue[0] + ', square ' + first);
      } else {
        html += '<span class="box given">' + tag('span', 'letter', first || '');
      }
      html += tag('span', 'num', clue[0]) + '</span>';
    });
    fill($('crostic-boxes'), html, section);
    $('crostic').hidden = false;
  }

  // The grid comes first, and the student can start on it at once; the
  // questions follow a few at a time once the page is on screen, so that a
  // slow tablet shows the puzzle without waiting for all of it. Until then
  // the questions' section says it is busy.
  buildGrid();
  const clues = $('clues');
  clues.setAttribute('aria-busy', 'true');
  let built = 0;
  let finished = false;
  function buildMore(all) {
    if (finished) return;
    do {
      buildQuestions(built, built + 10);
      built = Math.min(built + 10, data.clues.length);
    } while (all === true && built < data.clues.length);
    if (built < data.clues.length) {
      setTimeout(buildMore, 0);
      return;
    }
    finished = true;
    buildCrostic();
    clues.removeAttribute('aria-busy');
  }
  // After the first frame; a page opened in the background gets no frames,
  // hence the timer as well.
  let started = false;
  function start() {
    if (started) return;
    started = true;
    restore();
    buildMore();
  }
  requestAnimationFrame(() => setTimeout(start, 0));
  setTimeout(start, 200);
  // Printed, the grid has the printed puzzle's columns (afterprint puts the
  // window's back); printing at once, before all of it is there, prints the
  // whole puzzle.
  window.addEventListener('beforeprint', () => {
    printing = true;
    layout();
    start();
    buildMore(true);
  });

  if (!data.reveal) {
    document.querySelectorAll('.reveal').forEach((e) => e.remove());
  }

  // Letters and the saved progress.
  function load() {
    try {
      return JSON.parse(localStorage.getItem(storageKey) || '{}') || {};
    } catch (e) {
      return {};
    }
  }
  function save() {
    restore();
    const letters = {};
    squares.forEach((sq) => {
      if (sq.given === null && sq.boxes.length && sq.boxes[0].value) letters[sq.n] = sq.boxes[0].value;
    });
    try {
      localStorage.setItem(storageKey, JSON.stringify(letters));
    } catch (e) {
      // Storage may be switched off; the puzzle still works.
    }
  }

  const status = $('status');
  function say(text) {
    status.textContent = text;
  }

  function setLetter(n, letter) {
    const sq = squares.get(n);
    if (!sq || sq.given !== null) return;
    sq.boxes.forEach((b) => {
      b.value = letter;
      b.classList.remove('wrong', 'revealed');
      b.removeAttribute('aria-invalid');
    });
  }

  function isRight(sq) {
    return sq.given !== null || (sq.boxes.length > 0 && sq.boxes[0].value !== '' && letterHash(sq.n, sq.boxes[0].value) === sq.hash);
  }

  function decipher(hex, key) {
    let s = fnv(key) || 1;
    const bytes = new Uint8Array(hex.length / 2);
    for (let i = 0; i < bytes.length; i++) {
      s = (s ^ (s << 13)) >>> 0;
      s = (s ^ (s >>> 17)) >>> 0;
      s = (s ^ (s << 5)) >>> 0;
      bytes[i] = parseInt(hex.substr(i * 2, 2), 16) ^ (s & 255);
    }
    return new TextDecoder().decode(bytes);
  }

  function updateState(announce) {
    let solved = squares.size > 0;
    squares.forEach((sq) => {
      if (solved && !isRight(sq)) solved = false;
    });
    const was = document.body.dataset.state === 'solved';
    document.body.dataset.state = solved ? 'solved' : 'solving';
    if (!solved && was) say('');
    if (!solved || was) return;
    let key = data.id + ':';
    for (let n = 1; n <= squares.size; n++) {
      const sq = squares.get(n);
      key += sq ? (sq.given !== null ? sq.given : sq.boxes[0].value) : '';
    }
    let message = ['', ''];
    try {
      message = JSON.parse(decipher(data.solved, key));
    } catch (e) {
      // Leaves the message empty; the state says solved all the same.
    }
    $('solved-quote').textContent = message[0];
    $('solved-source').textContent = message[1] ? '\u2014 ' + message[1] : '';
    say('Solved! ' + message[0] + (message[1] ? ' \u2014 ' + message[1] : ''));
    if (announce) {
      const dialog = $('solved-dialog');
      if (dialog.showModal && !dialog.open) dialog.showModal();
    }
  }

  // Highlighting: the box in use, the boxes of the same square, and the
  // question they belong to.
  let current = null;
  let lit = [];
  function light(element, name) {
    element.classList.add(name);
    lit.push(element);
  }
  function highlight(input) {
    lit.forEach((e) => e.classList.remove('current', 'linked', 'active'));
    lit = [];
    current = input;
    const sq = squares.get(Number(input.dataset.square));
    light(input, 'current');
    sq.boxes.forEach((b) => {
      if (b !== input) light(b, 'linked');
    });
    const group = input.qbGroup;
    const clue = group && group.kind === 'clue' ? group.clue : sq.owner ? sq.owner.clue : null;
    if (clue !== null && clueElements[clue]) light(clueElements[clue], 'active');
  }

  function focusBox(input) {
    if (!input) return;
    input.focus();
    input.select();
  }

  // The next or previous box: within the group, then on into the next
  // group of the same kind.
  function step(input, by) {
    const group = input.qbGroup;
    const kind = groups.filter((g) => g.kind === group.kind && g.boxes.length);
    const all = [].concat.apply([], kind.map((g) => g.boxes));
    return all[all.indexOf(input) + by] || null;
  }

  // Up and down in the grid: the nearest box in the row above or below, by
  // where the boxes are on screen (so it works for both layouts).
  function vertical(input, down) {
    const r = input.getBoundingClientRect();
    const cy = r.top + r.height / 2;
    const cx = r.left + r.width / 2;
    const found = [];
    groups.forEach((g) => {
      if (g.kind !== 'grid') return;
      g.boxes.forEach((b) => {
        const s = b.getBoundingClientRect();
        const dy = (s.top + s.height / 2 - cy) * (down ? 1 : -1);
        if (dy > r.height / 2) found.push({ box: b, dy: dy, dx: Math.abs(s.left + s.width / 2 - cx) });
      });
    });
    if (!found.length) return null;
    const row = Math.min.apply(null, found.map((f) => f.dy));
    let best = null;
    found.forEach((f) => {
      if (f.dy - row <= r.height / 2 && (!best || f.dx < best.dx)) best = f;
    });
    return best.box;
  }

  function otherClue(input, by) {
    const list = groups.filter((g) => g.kind === input.qbGroup.kind && g.boxes.length);
    const g = list[list.indexOf(input.qbGroup) + by];
    return g ? g.boxes.find((b) => !b.value) || g.boxes[0] : null;
  }

  document.addEventListener('focusin', (event) => {
    const t = event.target;
    if (t instanceof HTMLInputElement && t.dataset.square) {
      // The box in use is its group's Tab stop, so that Tab and Shift+Tab
      // leave the group both ways.
      if (t.qbGroup) t.qbGroup.boxes.forEach((b) => { b.tabIndex = b === t ? 0 : -1; });
      highlight(t);
      t.select();
    }
  });

  // A click puts the caret into the letter; select it, so typing replaces
  // it. A click on a grid cell's edge, or on a cell whose box came just
  // after the click began, goes to the cell's box.
  document.addEventListener('click', (event) => {
    const t = event.target;
    if (t instanceof HTMLInputElement && t.dataset.square && !t.readOnly) {
      t.select();
    } else if (t instanceof Element && t.classList.contains('letter') && grid.contains(t)) {
      const box = t.getElementsByTagName('input')[0];
      if (box && !box.readOnly) focusBox(box);
    }
  });

  document.addEventListener('input', (event) => {
    const t = event.target;
    if (!(t instanceof HTMLInputElement) || !t.dataset.square || t.readOnly) return;
    // The text just typed, where the browser says; else the box's last character.
    const typed = typeof event.data === 'string' && event.data ? event.data : t.value;
    const chars = Array.from(typed.replace(/\s/g, ''));
    let letter = chars.length ? chars[chars.length - 1] : '';
    if (letter.toUpperCase().length === 1) letter = letter.toUpperCase();
    setLetter(Number(t.dataset.square), letter);
    save();
    if (letter) focusBox(t.qbGroup.boxes[t.qbGroup.boxes.indexOf(t) + 1] || t);
    else t.select();
    updateState(true);
  });

  document.addEventListener('keydown', (event) => {
    const t = event.target;
    if (!(t instanceof HTMLInputElement) || !t.dataset.square || !t.qbGroup) return;
    if (event.altKey || event.ctrlKey || event.metaKey) return;
    const grid = t.qbGroup.kind === 'grid';
    let target = null;
    switch (event.key) {
      case 'ArrowRight': target = step(t, 1); break;
      case 'ArrowLeft': target = step(t, -1); break;
      case 'ArrowDown': target = grid ? vertical(t, true) : otherClue(t, 1); break;
      case 'ArrowUp': target = grid ? vertical(t, false) : otherClue(t, -1); break;
      case 'Home': target = t.qbGroup.boxes[0]; break;
      case 'End': target = t.qbGroup.boxes[t.qbGroup.boxes.length - 1]; break;
      case 'Backspace':
        if (!t.value) {
          target = step(t, -1);
          if (target) setLetter(Number(target.dataset.square), '');
        } else {
          setLetter(Number(t.dataset.square), '');
        }
        save();
        updateState(false);
        break;
      case 'Delete':
        setLetter(Number(t.dataset.square), '');
        save();
        updateState(false);
        break;
      default:
        return;
    }
    event.preventDefault();
    focusBox(target);
  });

  // The tools.
  $('check').addEventListener('click', () => {
    let wrong = 0;
    squares.forEach((sq) => {
      if (sq.given !== null || !sq.boxes.length || !sq.boxes[0].value || isRight(sq)) return;
      wrong += 1;
      sq.boxes.forEach((b) => {
        b.classList.add('wrong');
        b.setAttribute('aria-invalid', 'true');
      });
    });
    say(wrong === 0 ? 'No wrong letters so far.' : wrong === 1 ? '1 wrong letter is marked.' : wrong + ' wrong letters are marked.');
  });

  // Revealing finds the letter by trying every character against its hash.
  function reveal(n) {
    const sq = squares.get(n);
    if (!sq || sq.given !== null || isRight(sq)) return;
    for (let c = 0x21; c < 0x250; c++) {
      const letter = String.fromCharCode(c);
      if (letterHash(n, letter) === sq.hash) {
        setLetter(n, letter);
        sq.boxes.forEach((b) => b.classList.add('revealed'));
        return;
      }
    }
  }
  function revealDone() {
    save();
    updateState(true);
    if (current) focusBox(current);
  }
  if (data.reveal) {
    $('reveal-letter').addEventListener('click', () => {
      if (!current) return say('Choose a box first.');
      reveal(Number(current.dataset.square));
      revealDone();
    });
    $('reveal-word').addEventListener('click', () => {
      if (!current) return say('Choose a box first.');
      const sq = squares.get(Number(current.dataset.square));
      const group = current.qbGroup && current.qbGroup.kind !== 'crostic'
        ? current.qbGroup
        : sq.owner ? groups.find((g) => g.kind === 'clue' && g.clue === sq.owner.clue) : null;
      (group ? group.boxes : [current]).forEach((b) => reveal(Number(b.dataset.square)));
      revealDone();
    });
  }

  // Clear asks first: in its dialog, or where the browser has no dialogs
  // (Safari before 15.4) with the same words in a plain question.
  const clearDialog = $('clear-dialog');
  function clearAll() {
    squares.forEach((sq) => setLetter(sq.n, ''));
    save();
    updateState(false);
    say('The puzzle is cleared.');
    const first = groups.find((g) => g.boxes.length);
    if (first) focusBox(first.boxes[0]);
  }
  $('clear').addEventListener('click', () => {
    if (clearDialog.showModal) {
      clearDialog.showModal();
    } else if (window.confirm($('clear-heading').textContent + '\n\n' + clearDialog.querySelector('p').textContent)) {
      clearAll();
    }
  });
  $('clear-no').addEventListener('click', () => clearDialog.close());
  $('clear-yes').addEventListener('click', () => {
    clearDialog.close();
    clearAll();
  });
  $('print').addEventListener('click', () => window.print());
  $('solved-close').addEventListener('click', () => $('solved-dialog').close());

  // The rest of the grid's boxes, the letters saved before, then the state
  // they give. Opening the browser's storage can take a while, so they come
  // back just after the page is first drawn, or on the student's first key
  // or click if that is sooner.
  let restored = false;
  function restore() {
    finishGrid();
    if (restored) return;
    restored = true;
    const saved = load();
    Object.keys(saved).forEach((n) => {
      if (typeof saved[n] === 'string') setLetter(Number(n), saved[n].substr(0, 2));
    });
    updateState(false);
  }
  ['keydown', 'beforeinput', 'input', 'mousedown', 'touchstart', 'click'].forEach((type) => {
    document.addEventListener(type, restore, { capture: true, passive: true });
  });
})();
