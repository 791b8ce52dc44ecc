// The rich page's editor: a toolbar over an inline frame whose body is the article.
// The program reads and writes that body's innerHTML directly; this script only keeps the
// article tidy for it and offers the formatting commands.
(function () {
  'use strict';

  var frame = document.getElementById('article');
  var doc = frame.contentDocument;
  var body = doc.body;

  var BLOCKS = {};
  ('ADDRESS ARTICLE ASIDE BLOCKQUOTE CENTER DD DETAILS DIALOG DIR DIV DL DT FIELDSET ' +
   'FIGCAPTION FIGURE FOOTER FORM H1 H2 H3 H4 H5 H6 HEADER HGROUP HR LI MAIN MENU NAV OL ' +
   'P PRE SECTION SUMMARY TABLE UL').split(' ').forEach(function (n) { BLOCKS[n] = true; });

  function isBlock(node) {
    return !!node && node.nodeType === Node.ELEMENT_NODE && BLOCKS[node.nodeName] === true;
  }
  function isBlankText(node) {
    return node.nodeType === Node.TEXT_NODE && /^[ \t\n\r\f]*$/.test(node.data);
  }

  // The rewrite command splits the article's source at CR LF to find its paragraphs, but
  // the browser serialises blocks with nothing between them and turns every parsed CR LF
  // into LF. So between two top-level neighbours of which one is a block there is always
  // exactly one text node "\r\n", and blank text before the first or after the last block
  // goes away. Text the user typed is never touched, except for line-break characters at
  // the side facing a block (they cannot be typed, they come from merged separators).
  function tidy() {
    // Clearing everything leaves the browser's placeholder line break: that is an empty
    // article, and it reads as one.
    if (body.childNodes.length === 1 && body.firstChild.nodeName === 'BR' &&
        !body.firstChild.attributes.length) {
      body.removeChild(body.firstChild);
      return;
    }
    var kids = Array.prototype.slice.call(body.childNodes);
    var prev = null;
    var run = [];
    for (var i = 0; i <= kids.length; i++) {
      var node = i < kids.length ? kids[i] : null;
      if (node && isBlankText(node)) {
        run.push(node);
        continue;
      }
      settle(prev, node, run);
      prev = node;
      run = [];
    }
  }

  function settle(before, after, run) {
    var wanted;
    if (before && after) {
      if (!isBlock(before) && !isBlock(after)) return;
      wanted = 1;
    } else if (before || after) {
      if (!isBlock(before || after)) return;
      wanted = 0;
    } else {
      wanted = 0; // only blank text in the body: an empty article
    }
    if (wanted === 1) {
      trimBreaks(before, /[\r\n]+$/);
      trimBreaks(after, /^[\r\n]+/);
    }
    if (wanted === 1 && run.length === 1) {
      if (run[0].data !== '\r\n') run[0].data = '\r\n';
      return;
    }
    run.forEach(function (n) { body.removeChild(n); });
    if (wanted === 1) body.insertBefore(doc.createTextNode('\r\n'), after);
  }

  function trimBreaks(node, pattern) {
    if (node && node.nodeType === Node.TEXT_NODE && pattern.test(node.data))
      node.data = node.data.replace(pattern, '');
  }

  var observer = new MutationObserver(function () {
    tidy();
    observer.takeRecords(); // our own changes need no second pass
  });
  observer.observe(body, { childList: true, characterData: true, subtree: true });

  // Pasted HTML is rebuilt from the elements an article needs; everything else (scripts,
  // styles, handlers, images, frames, forms) is left behind, its text kept.
  var KEEP = {
    P: 'p', H1: 'h1', H2: 'h2', H3: 'h3', H4: 'h4', H5: 'h5', H6: 'h6',
    UL: 'ul', OL: 'ol', LI: 'li', BLOCKQUOTE: 'blockquote', BR: 'br',
    B: 'b', STRONG: 'b', I: 'i', EM: 'i', U: 'u', INS: 'u', A: 'a'
  };
  var DROP = {
    SCRIPT: 1, STYLE: 1, TEMPLATE: 1, HEAD: 1, TITLE: 1, META: 1, LINK: 1, BASE: 1,
    IFRAME: 1, FRAME: 1, OBJECT: 1, EMBED: 1, NOSCRIPT: 1, SVG: 1, MATH: 1, CANVAS: 1,
    AUDIO: 1, VIDEO: 1, IMG: 1, INPUT: 1, SELECT: 1, TEXTAREA: 1, BUTTON: 1
  };

  // Containers of a page's layout: one that holds blocks only passes them on, one that
  // holds text is a paragraph of its own.
  var CONTAINER = {
    DIV: 1, SECTION: 1, ARTICLE: 1, HEADER: 1, FOOTER: 1, MAIN: 1, ASIDE: 1, NAV: 1,
    FIGURE: 1, FIGCAPTION: 1, ADDRESS: 1, CENTER: 1, PRE: 1, TD: 1, TH: 1, DD: 1, DT: 1
  };
  var BLOCK_INSIDE = 'p,div,h1,h2,h3,h4,h5,h6,ul,ol,li,blockquote,table,section,article,' +
    'header,footer,main,aside,nav,figure,address,center,pre,dl,hr';

  function safeHref(href) {
    var value = (href || '').trim();
    return /^(https?:|mailto:|#)/i.test(value) ? value : null;
  }

  // Word processors and web pages often mark bold, italic and underline by style only.
  function styleWrappers(el, target) {
    var style = el.style;
    if (!style) return target;
    var wraps = [];
    var weight = style.fontWeight;
    if (weight === 'bold' || weight === 'bolder' || parseInt(weight, 10) >= 600) wraps.push('b');
    if (style.fontStyle === 'italic' || style.fontStyle === 'oblique') wraps.push('i');
    if (/underline/.test(style.textDecoration || style.textDecorationLine || '')) wraps.push('u');
    wraps.forEach(function (tag) {
      var w = doc.createElement(tag);
      target.appendChild(w);
      target = w;
    });
    return target;
  }

  function rebuild(source, target) {
    Array.prototype.forEach.call(source.childNodes, function (node) {
      if (node.nodeType === Node.TEXT_NODE) {
        target.appendChild(doc.createTextNode(node.data));
        return;
      }
      if (node.nodeType !== Node.ELEMENT_NODE) return;
      var name = node.nodeName.toUpperCase();
      if (DROP[name]) return;
      var tag = KEEP[name];
      if (CONTAINER[name] && !node.querySelector(BLOCK_INSIDE)) tag = 'p';
      var into = target;
      if (tag) {
        var el = doc.createElement(tag);
        if (tag === 'a') {
          var href = safeHref(node.getAttribute('href'));
          if (href) el.setAttribute('href', href);
        }
        target.appendChild(el);
        into = el;
      }
      if (tag !== 'br') rebuild(node, styleWrappers(node, into));
    });
  }

  function escapeText(text) {
    return text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');
  }

  function pastedHtml(data) {
    var html = data.getData('text/html');
    if (html) {
      // A parsed document of its own runs no script and loads nothing.
      var parsed = new DOMParser().parseFromString(html, 'text/html');
      var holder = doc.createElement('div');
      rebuild(parsed.body, holder);
      return holder.innerHTML;
    }
    var text = data.getData('text/plain');
    if (!text) return null;
    var lines = text.split(/\r\n|\r|\n/);
    if (lines.length === 1) return escapeText(text);
    // Each line of a plain-text article is one of its paragraphs.
    return lines.filter(function (line) { return line.trim() !== ''; })
      .map(function (line) { return '<p>' + escapeText(line) + '</p>'; }).join('');
  }

  body.addEventListener('paste', function (event) {
    var data = event.clipboardData;
    if (!data) return;
    var html = pastedHtml(data);
    event.preventDefault();
    if (html) doc.execCommand('insertHTML', false, html);
  });

  // Text dragged in from elsewhere follows the paste rules; moving text within the
  // article stays the browser's own business.
  var draggingInside = false;
  body.addEventListener('dragstart', function () { draggingInside = true; });
  body.addEventListener('dragend', function () { draggingInside = false; });
  body.addEventListener('drop', function (event) {
    if (draggingInside || !event.dataTransfer) return;
    event.preventDefault();
    var html = pastedHtml(event.dataTransfer);
    var at = doc.caretRangeFromPoint(event.clientX, event.clientY);
    if (!html || !at) return;
    var selection = doc.getSelection();
    selection.removeAllRanges();
    selection.addRange(at);
    doc.execCommand('insertHTML', false, html);
  });

  // What the user types straight into the body (the first line of an empty article) becomes
  // a paragraph, like every line after it.
  body.addEventListener('input', function () {
    var selection = doc.getSelection();
    var node = selection.rangeCount ? selection.anchorNode : null;
    if (!node || node === body) return;
    while (node.parentNode && node.parentNode !== body) node = node.parentNode;
    if (node.parentNode !== body || isBlock(node) || isBlankText(node)) return;
    doc.execCommand('formatBlock', false, 'p');
  });

  body.contentEditable = 'true';
  body.spellcheck = false;
  doc.execCommand('defaultParagraphSeparator', false, 'p');
  var style = doc.createElement('style');
  style.textContent =
    'html{height:100%;cursor:text}' +
    'body{min-height:calc(100% - 24px);margin:0;padding:12px 14px;outline:none;' +
    'font:14px/1.75 "WenQuanYi Micro Hei","AR PL UMing CN",sans-serif;color:#1d1d1d;' +
    'word-wrap:break-word}' +
    'p{margin:0 0 .6em}h1,h2,h3,h4,h5,h6{margin:.3em 0 .5em;line-height:1.4}';
  doc.head.appendChild(style);

  // The toolbar keeps the article's selection: its buttons never take the focus.
  var toolbar = document.getElementById('toolbar');
  var blockSelect = document.getElementById('block');

  function run(command, value) {
    frame.contentWindow.focus();
    if (command === 'insertUnorderedList' || command === 'insertOrderedList')
      toggleList(command === 'insertOrderedList' ? 'ol' : 'ul');
    else
      doc.execCommand(command, false, value);
    refreshToolbar();
  }

  // The top-level nodes that the selection touches, blank separators left out.
  function touchedBlocks() {
    var selection = doc.getSelection();
    if (!selection.rangeCount) return [];
    var range = selection.getRangeAt(0);
    function topOf(container, offset, atEnd) {
      var node = container;
      if (node === body) {
        var index = atEnd ? offset - 1 : offset;
        node = body.childNodes[Math.min(Math.max(index, 0), body.childNodes.length - 1)];
      }
      while (node && node.parentNode !== body) node = node.parentNode;
      return node || null;
    }
    var first = topOf(range.startContainer, range.startOffset, false);
    var last = topOf(range.endContainer, range.endOffset, !range.collapsed);
    var nodes = [];
    for (var node = first; node; node = node.nextSibling) {
      if (!isBlankText(node)) nodes.push(node);
      if (node === last) break;
    }
    return nodes;
  }

  // The browser's own list commands nest lists inside paragraphs and merge paragraphs when
  // a list is removed; an article needs each paragraph to stay a top-level block. So the
  // touched blocks become the items of one list, or, when they already are such a list,
  // its items become paragraphs again.
  function toggleList(tag) {
    var blocks = touchedBlocks();
    if (!blocks.length) return;
    var name = tag.toUpperCase();
    var selection = doc.getSelection();
    if (blocks.every(function (b) { return b.nodeName === name; })) {
      var firstParagraph = null;
      blocks.forEach(function (list) {
        Array.prototype.slice.call(list.childNodes).forEach(function (item) {
          if (item.nodeType === Node.TEXT_NODE && isBlankText(item)) return;
          var paragraph = doc.createElement('p');
          if (item.nodeName === 'LI') {
            while (item.firstChild) paragraph.appendChild(item.firstChild);
          } else {
            paragraph.appendChild(item);
          }
          body.insertBefore(paragraph, list);
          firstParagraph = firstParagraph || paragraph;
        });
        body.removeChild(list);
      });
      if (firstParagraph) {
        var caret = doc.createRange();
        caret.selectNodeContents(firstParagraph);
        caret.collapse(false);
        selection.removeAllRanges();
        selection.addRange(caret);
      }
      return;
    }
    var html = '<' + tag + '>';
    blocks.forEach(function (block) {
      if (block.nodeName === 'UL' || block.nodeName === 'OL') {
        Array.prototype.forEach.call(block.children, function (item) {
          html += item.nodeName === 'LI' ? item.outerHTML : '<li>' + item.outerHTML + '</li>';
        });
      } else if (block.nodeType === Node.TEXT_NODE) {
        html += '<li>' + escapeText(block.data) + '</li>';
      } else if (isBlock(block)) {
        html += '<li>' + block.innerHTML + '</li>';
      } else if (block.nodeType === Node.ELEMENT_NODE) {
        html += '<li>' + block.outerHTML + '</li>';
      }
    });
    html += '</' + tag + '>';
    var whole = doc.createRange();
    whole.setStartBefore(blocks[0]);
    whole.setEndAfter(blocks[blocks.length - 1]);
    selection.removeAllRanges();
    selection.addRange(whole);
    // Through the editing command, so that undo takes the list away again.
    doc.execCommand('insertHTML', false, html);
  }

  toolbar.addEventListener('mousedown', function (event) {
    if (event.target.closest('button')) event.preventDefault();
  });
  toolbar.addEventListener('click', function (event) {
    var button = event.target.closest('button[data-command]');
    if (button) run(button.getAttribute('data-command'));
  });
  blockSelect.addEventListener('change', function () {
    run('formatBlock', '<' + blockSelect.value + '>');
  });

  function refreshToolbar() {
    ['bold', 'italic', 'underline', 'insertUnorderedList', 'insertOrderedList']
      .forEach(function (command) {
        var button = toolbar.querySelector('[data-command="' + command + '"]');
        var on = false;
        try { on = doc.queryCommandState(command); } catch (e) { on = false; }
        button.classList.toggle('active', on);
      });
    var block = '';
    try { block = String(doc.queryCommandValue('formatBlock') || '').toLowerCase(); } catch (e) {}
    blockSelect.value = /^h[1-4]$/.test(block) ? block : 'p';
  }
  doc.addEventListener('selectionchange', refreshToolbar);
  body.addEventListener('keyup', refreshToolbar);
})();
