// The program's files in the browser's storage (IndexedDB, through
// emscripten's IDBFS), shared by every tab of the page. The program runs in
// turns between the user's events: a turn holds a lock that the other tabs'
// turns wait for, begins by reading in what another tab saved since, and ends
// by writing out what it changed. So a save's check that the file did not
// change since it was read, and the save itself, see the other tabs' saves
// as the desktop program sees another program's.
'use strict';

const QuelrinStorage = (() => {
  const GENERATION = 'quelrin-generation';  // bumped by every turn that wrote
  let folder = '';
  let release = null;
  let generationSeen = null;
  let filesAtStart = new Map();
  const unkept = new Set();  // written by the program, not yet kept by the browser

  function sync(populate) {
    return new Promise((resolve, reject) =>
      Module.FS.syncfs(populate, (error) => (error ? reject(error) : resolve())));
  }

  // Each file's name with its time and size: what a turn compares to know
  // what it wrote.
  function files() {
    const FS = Module.FS;
    const found = new Map();
    for (const name of FS.readdir(folder)) {
      if (name === '.' || name === '..') continue;
      const stat = FS.stat(`${folder}/${name}`);
      found.set(name, `${stat.mtime.getTime()}:${stat.size}`);
    }
    return found;
  }
  function changedSince(before) {
    const changed = [];
    for (const [name, version] of files()) if (before.get(name) !== version) changed.push(name);
    return changed;
  }

  function lock() {
    if (!navigator.locks) return Promise.resolve();
    return new Promise((granted) => {
      navigator.locks.request('quelrin-files', () => new Promise((done) => {
        release = done;
        granted();
      }));
    });
  }
  function unlock() {
    if (release) release();
    release = null;
  }

  async function readInOthersSaves() {
    const generation = localStorage.getItem(GENERATION);
    if (generation !== generationSeen) {
      await sync(true);
      generationSeen = generation;
    }
  }

  // Mounts the storage at `path`; a first visit finds no database there and
  // starts with the one shipped beside the page.
  async function mount(path) {
    folder = path;
    Module.FS.mkdir(path);
    Module.FS.mount(Module.FS.filesystems.IDBFS, {}, path);
    await lock();
    try {
      await sync(true);
      generationSeen = localStorage.getItem(GENERATION);
      if (!Module.FS.analyzePath(`${path}/dados.txt`).exists) {
        const shipped = await fetch('dados.txt');
        if (shipped.ok)
          Module.FS.writeFile(`${path}/dados.txt`, new Uint8Array(await shipped.arrayBuffer()));
      }
    } finally {
      unlock();
    }
  }

  async function beginTurn() {
    await lock();
    await readInOthersSaves();
    filesAtStart = files();
  }

  // Resolves to the names of the files the browser failed to keep, one a
  // line: they stay as the program wrote them and go out with the next turn.
  async function endTurn() {
    try {
      for (const name of changedSince(filesAtStart)) unkept.add(name);
      if (unkept.size) {
        await sync(false);
        unkept.clear();
        generationSeen = `${Date.now()}-${Math.random()}`;
        localStorage.setItem(GENERATION, generationSeen);
      }
    } catch (error) {
      console.error('quelrin: the browser did not keep the files', error);
    } finally {
      unlock();
    }
    return [...unkept].join('\n');
  }

  // The current bytes of a file, other tabs' saves included; run while the
  // program waits for the user.
  async function read(name) {
    await lock();
    try {
      await readInOthersSaves();
      return Module.FS.readFile(`${folder}/${name}`);
    } finally {
      unlock();
    }
  }

  return {mount, beginTurn, endTurn, read};
})();
