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

  function el(tag, className, text) {
    const e = document.createElement(tag);
    if (className) e.className = className;
    if (text !== undefined) e.textContent = text;
    return e;
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
    return fnv(data.id + ':' + n + ':' + letter).toString(16).padStart(8, '0');
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
  // crostic line. Only a group's first box is a Tab stop.
  const groups = [];
  function addBox(input, group, n, label) {
    input.type = 'text';
    input.dataset.square = n;
    input.setAttribute('aria-label', label);
    input.autocomplete = 'off';
    input.spellcheck = false;
    input.setAttribute('autocapitalize', 'characters');
    input.setAttribute('autocorrect', 'off');
    input.setAttribute('enterkeyhint', 'next');
    const sq = square(n);
    sq.boxes.push(input);
    if (sq.given !== null) {
      input.value = sq.given;
      input.readOnly = true;
      input.classList.add('given');
      input.tabIndex = -1;
    } else {
      input.tabIndex = group.boxes.length === 0 ? 0 : -1;
      input.qbGroup = group;
      group.boxes.push(input);
    }
  }

  function newGroup(kind, clue) {
    const g = { kind: kind, boxes: [], clue: clue };
    groups.push(g);
    return g;
  }

  // Questions first, to know each square's question and letter.
  const clueItems = [];
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

  // The quotation grid: cells in reading order; a word's cells sit in one
  // element so that a narrow screen wraps between words.
  const grid = $('grid');
  grid.style.setProperty('--cols', String(data.cols));
  let word = null;
  let wordGroup = null;
  data.grid.forEach((item) => {
    if (item === null || item === 0) {
      word = null;
      grid.append(el('div', item === null ? 'cell outside' : 'cell black'));
      return;
    }
    if (!word) {
      word = el('div', 'word');
      grid.append(word);
      wordGroup = newGroup('grid', null);
    }
    if (typeof item === 'string') {
      word.append(el('div', 'cell other', item));
      return;
    }
    const n = Array.isArray(item) ? item[0] : item;
    const sq = square(n);
    const cell = el('div', 'cell letter');
    cell.append(el('span', n > 99 ? 'num three' : 'num', String(n)));
    if (sq.owner) cell.append(el('span', sq.owner.label.length > 1 ? 'lab two' : 'lab', sq.owner.label));
    const input = el('input');
    addBox(input, wordGroup, n, sq.owner
      ? 'Square ' + n + ', question ' + sq.owner.label + ', letter ' + sq.owner.letter
      : 'Square ' + n + ', given letter');
    cell.append(input);
    word.append(cell);
  });

  // The questions, each with its answer boxes.
  const clueElements = [];
  const questions = $('questions');
  data.clues.forEach((clue, q) => {
    const li = el('li', 'clue');
    li.id = 'clue-' + clue[0];
    const head = el('p', 'question');
    head.append(el('span', 'label', clue[0] + '.'), ' ', el('span', 'text', clue[1]));
    li.append(head);
    const answer = el('div', 'answer');
    const group = newGroup('clue', q);
    let letter = 0;
    clue[2].forEach((item) => {
      if (item === ' ') {
        answer.append(el('span', 'box space'));
        return;
      }
      if (typeof item === 'string' && item[0] === '-') {
        answer.append(el('span', 'box other', item.substr(1)));
        return;
      }
      letter += 1;
      const box = el('span', 'box');
      if (typeof item === 'number') {
        const input = el('input');
        addBox(input, group, item, 'Question ' + clue[0] + ', letter ' + letter + ', square ' + item);
        box.append(input, el('span', 'num', String(item)));
      } else {
        box.classList.add('given');
        const given = el('span', 'letter', item);
        given.setAttribute('role', 'img');
        given.setAttribute('aria-label', 'Question ' + clue[0] + ', letter ' + letter + ', given: ' + item);
        box.append(given, el('span', 'num', ''));
      }
      answer.append(box);
    });
    li.append(answer);
    questions.append(li);
    clueElements.push(li);
  });

  // The crostic line: each blank shows the first letter of its question.
  if (data.crostic) {
    $('crostic').hidden = false;
    const boxes = $('crostic-boxes');
    const group = newGroup('crostic', null);
    data.crostic.forEach((item, i) => {
      const box = el('span', 'box');
      if (typeof item === 'string') {
        box.classList.add(item.trim() ? 'given' : 'space');
        box.append(el('span', 'letter', item), el('span', 'num', ''));
      } else {
        const clue = data.clues[item];
        const first = clue[2].find((x) => typeof x === 'number' || (x !== ' ' && x[0] !== '-'));
        if (typeof first === 'number') {
          const input = el('input');
          addBox(input, group, first, 'Crostic letter ' + (i + 1) + ', first letter of question ' + clue[0] + ', square ' + first);
          box.append(input);
        } else {
          box.classList.add('given');
          box.append(el('span', 'letter', first || ''));
        }
        box.append(el('span', 'num', clue[0]));
      }
      boxes.append(box);
    });
  }

  if (!data.reveal) {
    document.querySelectorAll('.reveal').forEach((e) => e.remove());
  }

  // Layout: the printed grid's rectangle when the window has room for its
  // columns at 2rem each, else words that wrap. A media query decides, so
  // that nothing is measured before the page is first drawn.
  const wide = window.matchMedia('(min-width: ' + (data.cols * 2 + 3) + 'rem)');
  function layout() {
    grid.className = wide.matches ? 'rect' : 'flow';
  }
  layout();
  if (wide.addEventListener) wide.addEventListener('change', layout);

  // Letters and the saved progress.
  function load() {
    try {
      return JSON.parse(localStorage.getItem(storageKey) || '{}') || {};
    } catch (e) {
      return {};
    }
  }
  function save() {
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
  function highlight(input) {
    document.querySelectorAll('.current, .linked, .active').forEach((e) => e.classList.remove('current', 'linked', 'active'));
    current = input;
    const sq = squares.get(Number(input.dataset.square));
    input.classList.add('current');
    sq.boxes.forEach((b) => {
      if (b !== input) b.classList.add('linked');
    });
    const group = input.qbGroup;
    const clue = group && group.kind === 'clue' ? group.clue : sq.owner ? sq.owner.clue : null;
    if (clue !== null) clueElements[clue].classList.add('active');
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

  // A click puts the caret into the letter; select it, so typing replaces it.
  document.addEventListener('click', (event) => {
    const t = event.target;
    if (t instanceof HTMLInputElement && t.dataset.square && !t.readOnly) t.select();
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

  const clearDialog = $('clear-dialog');
  $('clear').addEventListener('click', () => clearDialog.showModal());
  $('clear-no').addEventListener('click', () => clearDialog.close());
  $('clear-yes').addEventListener('click', () => {
    clearDialog.close();
    squares.forEach((sq) => setLetter(sq.n, ''));
    save();
    updateState(false);
    say('The puzzle is cleared.');
    const first = groups.find((g) => g.boxes.length);
    if (first) focusBox(first.boxes[0]);
  });
  $('print').addEventListener('click', () => window.print());
  $('solved-close').addEventListener('click', () => $('solved-dialog').close());

  // Letters saved before, then the state they give.
  const saved = load();
  Object.keys(saved).forEach((n) => {
    if (typeof saved[n] === 'string') setLetter(Number(n), saved[n].substr(0, 2));
  });
  updateState(false);
})();
