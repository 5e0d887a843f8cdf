// The page's side of the dialog manager. The program (quelrin.js) tells it
// what to build and change; it turns the user's clicks and keys into events
// that the program's modal loops wait for. What a key or a click means (Tab
// order, Enter, radio groups, type-to-find) is the program's to decide: the
// page only forwards them. Menus, message boxes and the two file buttons are
// the page's own.
'use strict';

const QuelrinPage = (() => {
  // Event kinds, as platform/web/page_bridge.hpp numbers them.
  const EVENT = {click: 1, doubleClick: 2, key: 3, menu: 4, close: 5, openFile: 6};
  // Keys the program acts on, by the same numbering.
  const KEY = {Tab: 1, Enter: 2, Escape: 3, ArrowUp: 4, ArrowDown: 5, ArrowLeft: 6, ArrowRight: 7};

  const dialogs = new Map();  // handle -> dialog
  const stack = [];           // open layers (dialogs and message boxes), top last
  let nextHandle = 1;
  const queue = [];
  let waiting = null;  // the program's pending wait, when it waits
  let pendingFile = null;
  let everReady = false;

  function topLayer() { return stack[stack.length - 1]; }

  // While the program works on an event, keys typed on its dialogs wait, in
  // order, as in a Windows message queue: each then goes to whatever has the
  // focus once the program is ready, so a Tab's move comes before the
  // characters typed after it.
  let busy = false;
  const typeAhead = [];

  function post(event) {
    const top = topLayer();
    if (!top || top.kind !== 'dialog' || top.handle !== event.dialog) return;  // not the top dialog
    event.focus = focusIndex(top);
    event.time = Math.floor(performance.now()) >>> 0;
    if (waiting) {
      const resolve = waiting;
      waiting = null;
      busy = true;
      resolve(event);
    } else {
      queue.push(event);
    }
  }

  function nextEvent() {
    busy = false;
    updateFileButtons();
    if (!everReady) {
      everReady = true;
      performance.mark('quelrin-ready');
      document.body.dataset.ready = 'true';
    }
    while (typeAhead.length && !queue.length) replayKey(typeAhead.shift());
    if (queue.length) {
      busy = true;
      return Promise.resolve(queue.shift());
    }
    return new Promise((resolve) => { waiting = resolve; });
  }

  document.addEventListener('keydown', (e) => {
    const top = topLayer();
    if (!busy || !top || top.kind !== 'dialog' || !top.frame.contains(e.target)) return;
    e.preventDefault();
    e.stopImmediatePropagation();
    typeAhead.push({key: e.key, shiftKey: e.shiftKey, altKey: e.altKey, ctrlKey: e.ctrlKey,
                    metaKey: e.metaKey});
  }, {capture: true});

  // Alt with a mnemonic reaches the menu of the dialog on top even when the
  // focus is on the page around it (after one of the file buttons).
  document.addEventListener('keydown', (e) => {
    const top = topLayer();
    if (e.altKey && top && top.kind === 'dialog' && !top.layer.contains(e.target))
      onDialogKey(top, e);
  });

  // A key typed ahead, delivered now to the element with the focus; what the
  // dialog does not take for itself, the element gets as typing would give it.
  function replayKey(k) {
    const top = topLayer();
    const target = document.activeElement;
    if (!top || top.kind !== 'dialog' || !top.frame.contains(target)) return;
    const e = {...k, target, preventDefault() { this.taken = true; }, stopPropagation() {}};
    const popup = top.popups.find((p) => p.menu.contains(target));
    if (popup) {
      onMenuKey(top, popup, e);
      return;
    }
    onDialogKey(top, e);
    if (e.taken || k.ctrlKey || k.altKey || k.metaKey) return;
    if (target.tagName === 'INPUT' && target.type === 'text' && !target.readOnly) {
      const from = target.selectionStart, to = target.selectionEnd;
      if (k.key.length === 1) target.setRangeText(k.key, from, to, 'end');
      else if (k.key === 'Backspace' && (from !== to || from > 0))
        target.setRangeText('', from === to ? from - 1 : from, to, 'end');
      else if (k.key === 'Delete') target.setRangeText('', from, from === to ? to + 1 : to, 'end');
    } else if (target.tagName === 'SELECT' && (k.key === 'ArrowDown' || k.key === 'ArrowUp')) {
      const at = target.selectedIndex + (k.key === 'ArrowDown' ? 1 : -1);
      if (at >= 0 && at < target.options.length) target.selectedIndex = at;
    } else if (k.key === ' ' && (target.tagName === 'BUTTON' || target.tagName === 'INPUT')) {
      target.click();
    }
  }

  function focusIndex(dialog) {
    const active = document.activeElement;
    const index = dialog.controls.findIndex((c) => c && c.element === active);
    return index;
  }

  // --- dialogs ---

  function openDialog(templateId, caption, width, height, hasMenu) {
    const handle = nextHandle++;
    const layer = document.createElement('div');
    layer.className = 'layer';
    const frame = document.createElement('div');
    frame.className = 'window';
    frame.setAttribute('role', 'dialog');
    frame.setAttribute('aria-modal', 'true');
    frame.setAttribute('aria-label', caption);
    frame.dataset.dialog = String(templateId);
    const title = document.createElement('div');
    title.className = 'caption';
    const titleText = document.createElement('span');
    titleText.textContent = caption;
    const closeBox = document.createElement('button');
    closeBox.className = 'close-box';
    closeBox.type = 'button';
    closeBox.tabIndex = -1;
    closeBox.setAttribute('aria-label', 'Fechar');
    closeBox.textContent = '\u00d7';
    closeBox.addEventListener('click', () => post({dialog: handle, kind: EVENT.close}));
    title.append(titleText, closeBox);
    frame.append(title);
    const menuBar = document.createElement('div');
    if (hasMenu) {
      menuBar.className = 'menu-bar';
      menuBar.setAttribute('role', 'menubar');
      frame.append(menuBar);
    }
    const client = document.createElement('div');
    client.className = 'client';
    client.style.width = width + 'px';
    client.style.height = height + 'px';
    frame.append(client);
    layer.append(frame);
    document.getElementById('desktop').append(layer);
    const dialog = {kind: 'dialog', handle, layer, frame, client, menuBar, controls: [], popups: []};
    frame.addEventListener('keydown', (e) => onDialogKey(dialog, e));
    dialogs.set(handle, dialog);
    stack.push(dialog);
    updateFileButtons();
    return handle;
  }

  function closeDialog(handle) {
    const dialog = dialogs.get(handle);
    if (!dialog) return;
    dialog.layer.remove();
    dialogs.delete(handle);
    stack.splice(stack.indexOf(dialog), 1);
    updateFileButtons();
    const top = topLayer();
    if (top && top.lastFocus) top.lastFocus.focus();
  }

  // Kinds, as platform/web/page_bridge.hpp numbers them.
  const KIND = {text: 0, group: 1, button: 2, defaultButton: 3, check: 4, radio: 5, edit: 6,
                combo: 7, list: 8, icon: 9, picture: 10};

  function addControl(handle, index, id, kind, text, x, y, width, height, flags) {
    const dialog = dialogs.get(handle);
    const readOnly = (flags & 1) !== 0, disabled = (flags & 2) !== 0, centred = (flags & 4) !== 0;
    let box, element;
    switch (kind) {
      case KIND.text:
        box = element = document.createElement('div');
        box.className = 'static' + (centred ? ' centred' : '');
        box.textContent = text;
        break;
      case KIND.group:
        box = element = document.createElement('fieldset');
        box.className = 'group';
        box.setAttribute('role', 'group');
        if (text) {
          const legend = document.createElement('legend');
          legend.textContent = text;
          box.append(legend);
          box.setAttribute('aria-label', text);
        }
        break;
      case KIND.button:
      case KIND.defaultButton:
        box = element = document.createElement('button');
        box.type = 'button';
        box.className = kind === KIND.defaultButton ? 'push default' : 'push';
        setMnemonicText(box, text);
        box.addEventListener('click', (e) => {
          e.preventDefault();
          post({dialog: handle, kind: EVENT.click, index});
        });
        break;
      case KIND.check:
      case KIND.radio: {
        box = document.createElement('div');
        box.className = 'checkable';
        element = document.createElement('input');
        element.type = kind === KIND.radio ? 'radio' : 'checkbox';
        element.id = `d${handle}c${index}`;
        const label = document.createElement('label');
        label.htmlFor = element.id;
        setMnemonicText(label, text);
        box.append(element, label);
        element.addEventListener('click', (e) => {
          e.preventDefault();  // the program checks and unchecks
          post({dialog: handle, kind: EVENT.click, index});
        });
        break;
      }
      case KIND.edit:
        box = element = document.createElement('input');
        box.type = 'text';
        box.className = 'edit';
        box.readOnly = readOnly;
        box.spellcheck = false;
        box.autocomplete = 'off';
        break;
      case KIND.combo:
      case KIND.list:
        box = element = document.createElement('select');
        box.className = kind === KIND.combo ? 'combo' : 'list';
        if (kind === KIND.list) {
          box.size = Math.max(2, Math.floor(height / 18));
          box.addEventListener('dblclick', (e) => {
            if (e.target.tagName === 'OPTION')
              post({dialog: handle, kind: EVENT.doubleClick, index});
          });
        }
        break;
      case KIND.icon:
        box = element = document.createElement('img');
        box.src = 'quelrin.svg';
        box.alt = '';
        break;
      default:  // an owner-drawn picture
        box = element = document.createElement('div');
        box.className = 'picture';
        box.setAttribute('role', 'img');
        break;
    }
    element.dataset.control = String(id);
    Object.assign(box.style, {left: x + 'px', top: y + 'px', width: width + 'px',
                              height: height + 'px'});
    if (disabled) element.disabled = true;
    const focusable = kind >= KIND.button && kind <= KIND.list;
    element.tabIndex = focusable ? 0 : -1;
    if (focusable) element.addEventListener('focus', () => { dialog.lastFocus = element; });
    dialog.client.append(box);
    dialog.controls[index] = {kind, element, box};
  }

  // A control's accessible name from another control's text (a label beside it).
  function labelControl(handle, index, labelIndex) {
    const dialog = dialogs.get(handle);
    const label = dialog.controls[labelIndex].element;
    if (!label.id) label.id = `d${handle}l${labelIndex}`;
    dialog.controls[index].element.setAttribute('aria-labelledby', label.id);
  }

  // "&Calcular": the letter after '&' underlined, as Windows shows a mnemonic.
  function setMnemonicText(element, text) {
    element.textContent = '';
    const at = text.indexOf('&');
    if (at < 0 || at + 1 >= text.length) {
      element.textContent = text.replace('&', '');
      return;
    }
    const letter = document.createElement('u');
    letter.textContent = text[at + 1];
    element.append(text.slice(0, at), letter, text.slice(at + 2));
  }
  function mnemonicOf(text) {
    const at = text.indexOf('&');
    return at >= 0 && at + 1 < text.length ? text[at + 1].toLowerCase() : '';
  }
  function plain(text) { return text.replace('&', ''); }

  function control(handle, index) { return dialogs.get(handle).controls[index]; }

  function setText(handle, index, text) {
    const c = control(handle, index);
    if (c.kind === KIND.edit) c.element.value = text;
    else if (c.kind === KIND.group) {
      const legend = c.element.querySelector('legend');
      if (legend) legend.textContent = text;
    } else if (c.kind === KIND.check || c.kind === KIND.radio) {
      setMnemonicText(c.box.querySelector('label'), text);
    } else if (c.kind === KIND.button || c.kind === KIND.defaultButton) {
      setMnemonicText(c.element, text);
    } else c.element.textContent = text;
  }
  function getText(handle, index) {
    const c = control(handle, index);
    if (c.kind === KIND.edit) return c.element.value;
    if (c.kind === KIND.check || c.kind === KIND.radio) return c.box.querySelector('label').textContent;
    return c.element.textContent;
  }

  // --- lists: the program keeps the entries and the selection; the page mirrors them ---

  // An entry as the list shows it: a browser's list collapses runs of
  // spaces, which Windows keeps (the iteration log's columns).
  function shown(entry) { return entry.replace(/ (?= )/g, '\u00a0'); }

  function listFill(handle, index, count, joined) {
    const select = control(handle, index).element;
    const fragment = document.createDocumentFragment();
    if (count > 0) for (const entry of joined.split('\n')) fragment.append(new Option(shown(entry)));
    select.replaceChildren(fragment);
    select.selectedIndex = -1;
  }
  function listInsert(handle, index, at, text) {
    const select = control(handle, index).element;
    select.add(new Option(shown(text)), at < select.options.length ? at : null);
  }
  function listDelete(handle, index, at) { control(handle, index).element.remove(at); }
  function listSelect(handle, index, at) {
    const select = control(handle, index).element;
    select.selectedIndex = at;
    if (at >= 0 && select.size > 1) select.options[at].scrollIntoView({block: 'nearest'});
  }
  function listSelection(handle, index) { return control(handle, index).element.selectedIndex; }

  function setChecked(handle, index, checked) {
    const c = control(handle, index);
    c.element.checked = checked;
  }
  function enable(handle, index, enabled) { control(handle, index).element.disabled = !enabled; }
  function focus(handle, index) {
    const c = control(handle, index);
    c.element.focus();
  }
  function selectText(handle, index, from, to) {
    const element = control(handle, index).element;
    if (from <= to) element.setSelectionRange(from, to, 'forward');
    else element.setSelectionRange(to, from, 'backward');
  }
  function showPicture(handle, index, svg, label) {
    const element = control(handle, index).element;
    element.innerHTML = svg;
    element.setAttribute('aria-label', label);
  }

  // --- keys ---

  function onDialogKey(dialog, e) {
    if (topLayer() !== dialog) return;
    if (e.altKey && !e.ctrlKey && e.key.length === 1) {
      if (openMenuByMnemonic(dialog, e.key.toLowerCase())) e.preventDefault();
      return;
    }
    if (e.target.closest('[role="menu"]')) return;  // the menu's own keys
    const index = dialog.controls.findIndex((c) => c && c.element === e.target);
    const target = index >= 0 ? dialog.controls[index] : null;
    let key = KEY[e.key] || 0;
    if (key === KEY.Tab || key === KEY.Enter || key === KEY.Escape) {
      e.preventDefault();
      post({dialog: dialog.handle, kind: EVENT.key, key, shift: e.shiftKey, character: 0});
      return;
    }
    if (key >= KEY.ArrowUp && target && target.kind === KIND.radio) {
      e.preventDefault();
      post({dialog: dialog.handle, kind: EVENT.key, key, shift: e.shiftKey, character: 0});
      return;
    }
    const isList = target && (target.kind === KIND.combo || target.kind === KIND.list);
    if (isList && e.key.length === 1 && !e.ctrlKey && !e.metaKey) {
      e.preventDefault();  // the program's type-to-find, not the browser's
      post({dialog: dialog.handle, kind: EVENT.key, key: 0, shift: false,
            character: e.key.codePointAt(0)});
    }
  }

  // --- the menu bar ---

  function addMenuPopup(handle, text) {
    const dialog = dialogs.get(handle);
    const title = document.createElement('button');
    title.type = 'button';
    title.className = 'menu-title';
    title.tabIndex = -1;
    title.setAttribute('role', 'menuitem');
    title.setAttribute('aria-haspopup', 'menu');
    title.setAttribute('aria-expanded', 'false');
    setMnemonicText(title, text);
    const menu = document.createElement('div');
    menu.className = 'menu';
    menu.setAttribute('role', 'menu');
    menu.setAttribute('aria-label', plain(text));
    menu.hidden = true;
    const wrapper = document.createElement('div');
    wrapper.className = 'menu-popup';
    wrapper.append(title, menu);
    dialog.menuBar.append(wrapper);
    const popup = {title, menu, mnemonic: mnemonicOf(text), items: []};
    dialog.popups.push(popup);
    title.addEventListener('click', () => (menu.hidden ? openMenu(dialog, popup) : closeMenus(dialog)));
    title.addEventListener('mouseenter', () => {
      if (dialog.popups.some((p) => !p.menu.hidden) && menu.hidden) openMenu(dialog, popup);
    });
    menu.addEventListener('keydown', (e) => onMenuKey(dialog, popup, e));
  }

  function addMenuItem(handle, text, id) {
    const dialog = dialogs.get(handle);
    const popup = dialog.popups[dialog.popups.length - 1];
    if (id === 0) {
      const line = document.createElement('div');
      line.className = 'menu-separator';
      line.setAttribute('role', 'separator');
      popup.menu.append(line);
      return;
    }
    const item = document.createElement('button');
    item.type = 'button';
    item.className = 'menu-item';
    item.tabIndex = -1;
    item.setAttribute('role', 'menuitem');
    item.dataset.control = String(id);
    setMnemonicText(item, text);
    item.addEventListener('click', () => chooseMenuItem(dialog, id));
    popup.menu.append(item);
    popup.items.push({element: item, mnemonic: mnemonicOf(text)});
  }

  function openMenu(dialog, popup) {
    closeMenus(dialog, true);
    popup.menu.hidden = false;
    popup.title.setAttribute('aria-expanded', 'true');
    if (!dialog.menuReturn) dialog.menuReturn = document.activeElement;
    popup.items[0].element.focus();
    document.addEventListener('pointerdown', dialog.outside = (e) => {
      if (!dialog.menuBar.contains(e.target)) closeMenus(dialog);
    }, {capture: true});
  }
  function closeMenus(dialog, keepFocus) {
    for (const p of dialog.popups) {
      p.menu.hidden = true;
      p.title.setAttribute('aria-expanded', 'false');
    }
    if (dialog.outside) document.removeEventListener('pointerdown', dialog.outside, {capture: true});
    dialog.outside = null;
    if (!keepFocus && dialog.menuReturn) {
      dialog.menuReturn.focus();
      dialog.menuReturn = null;
    }
  }
  function openMenuByMnemonic(dialog, letter) {
    const popup = dialog.popups.find((p) => p.mnemonic === letter);
    if (!popup) return false;
    openMenu(dialog, popup);
    return true;
  }
  function chooseMenuItem(dialog, id) {
    closeMenus(dialog);
    post({dialog: dialog.handle, kind: EVENT.menu, id});
  }
  function onMenuKey(dialog, popup, e) {
    const items = popup.items.map((i) => i.element);
    const at = items.indexOf(document.activeElement);
    const popupAt = dialog.popups.indexOf(popup);
    e.preventDefault();
    e.stopPropagation();
    if (e.key === 'ArrowDown' || e.key === 'ArrowUp') {
      const step = e.key === 'ArrowDown' ? 1 : items.length - 1;
      items[(Math.max(at, 0) + step) % items.length].focus();
    } else if (e.key === 'ArrowRight' || e.key === 'ArrowLeft') {
      const step = e.key === 'ArrowRight' ? 1 : dialog.popups.length - 1;
      openMenu(dialog, dialog.popups[(popupAt + step) % dialog.popups.length]);
    } else if (e.key === 'Escape' || e.key === 'Alt') {
      closeMenus(dialog);
    } else if (e.key === 'Enter' || e.key === ' ') {
      if (at >= 0) items[at].click();
    } else if (e.key.length === 1) {
      const item = popup.items.find((i) => i.mnemonic === e.key.toLowerCase());
      if (item) item.element.click();
    }
  }

  // --- message boxes ---

  // Resolves to 1 for OK or "Sim", 0 for "Não".
  function messageBox(ownerHandle, title, text, warning, yesNo) {
    busy = false;
    return new Promise((resolve) => {
      const owner = dialogs.get(ownerHandle);
      if (owner) owner.lastFocus = document.activeElement;
      const layer = document.createElement('div');
      layer.className = 'layer';
      const frame = document.createElement('div');
      frame.className = 'window message';
      frame.setAttribute('role', 'dialog');
      frame.setAttribute('aria-modal', 'true');
      frame.setAttribute('aria-label', title);
      frame.dataset.dialog = 'message';
      const caption = document.createElement('div');
      caption.className = 'caption';
      caption.append(Object.assign(document.createElement('span'), {textContent: title}));
      const body = document.createElement('div');
      body.className = 'message-body';
      const icon = document.createElement('div');
      icon.className = warning ? 'icon warning' : 'icon error';
      icon.setAttribute('role', 'img');
      icon.setAttribute('aria-label', warning ? 'Aviso' : 'Erro');
      icon.textContent = warning ? '!' : '\u00d7';
      const textElement = document.createElement('p');
      textElement.className = 'message-text';
      textElement.textContent = text;
      body.append(icon, textElement);
      const buttons = document.createElement('div');
      buttons.className = 'message-buttons';
      const layerEntry = {kind: 'message', layer};
      const answer = (value) => {
        layer.remove();
        stack.splice(stack.indexOf(layerEntry), 1);
        updateFileButtons();
        const top = topLayer();
        if (top && top.lastFocus) top.lastFocus.focus();
        busy = true;
        resolve(value);
      };
      const labels = yesNo ? [['Sim', 1], ['N\u00e3o', 0]] : [['OK', 1]];
      const elements = labels.map(([label, value]) => {
        const b = Object.assign(document.createElement('button'), {type: 'button', textContent: label});
        b.className = 'push';
        b.addEventListener('click', () => answer(value));
        buttons.append(b);
        return b;
      });
      frame.append(caption, body, buttons);
      frame.setAttribute('aria-describedby', textElement.id = `m${nextHandle++}`);
      frame.addEventListener('keydown', (e) => {
        const at = elements.indexOf(document.activeElement);
        if (e.key === 'Tab') {
          e.preventDefault();
          elements[(Math.max(at, 0) + (e.shiftKey ? elements.length - 1 : 1)) % elements.length].focus();
        } else if (e.key === 'Enter') {
          e.preventDefault();
          elements[Math.max(at, 0)].click();
        } else if (e.key === 'Escape' && !yesNo) {
          e.preventDefault();
          answer(1);
        } else if (yesNo && (e.key === 's' || e.key === 'S')) {
          answer(1);
        } else if (yesNo && (e.key === 'n' || e.key === 'N')) {
          answer(0);
        }
      });
      layer.append(frame);
      document.getElementById('desktop').append(layer);
      stack.push(layerEntry);
      updateFileButtons();
      elements[0].focus();
    });
  }

  // --- files outside the dialogs ---

  // Opening a database replaces the main window's: only while the main
  // window is the one dialog open and waiting for the user.
  function updateFileButtons() {
    const open = document.getElementById('open-database');
    if (open) open.disabled = !(stack.length === 1 && stack[0].kind === 'dialog');
  }

  function chooseDatabase(file) {
    file.arrayBuffer().then((buffer) => {
      pendingFile = new Uint8Array(buffer);
      const top = topLayer();
      if (top && top.kind === 'dialog' && stack.length === 1)
        post({dialog: top.handle, kind: EVENT.openFile});
    });
  }
  function takeFile() {
    const bytes = pendingFile || new Uint8Array(0);
    pendingFile = null;
    return bytes;
  }

  function download(name, bytes) {
    const url = URL.createObjectURL(new Blob([bytes], {type: 'application/octet-stream'}));
    const link = Object.assign(document.createElement('a'), {href: url, download: name});
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 1000);
  }

  function programEnded(code) {
    const note = document.getElementById('ended');
    note.hidden = false;
    note.querySelector('.code').textContent = String(code);
    document.body.dataset.ended = String(code);
  }

  return {EVENT, KEY, KIND, openDialog, closeDialog, addControl, labelControl, setText, getText,
          listFill, listInsert, listDelete, listSelect, listSelection, setChecked, enable, focus,
          selectText, showPicture, addMenuPopup, addMenuItem, messageBox, nextEvent,
          chooseDatabase, takeFile, download, programEnded};
})();
