// Runs before the browser host's program starts (linked in as emscripten's
// pre-js): fetches the data file into the program's file system, loads the
// store files kept in IndexedDB back into it, and keeps the database open
// so that a change to the store is copied at once, even while the page is
// being closed.
//
// The store is kept as whole files, keyed by their path: the program writes
// a file only after a change that lasts, so the copy is always a consistent
// store.
var WEB_DATA_URL = 'Skyreach.dat';
var WEB_DATA_PATH = '/game/Skyreach.dat';
var WEB_DB_NAME = 'Jet Warden';
var WEB_DB_FILES = 'files';

Module['webStore'] = {
  db: null,
  pending: 0,
  failed: false,
  // Copies one file; `pending` counts the copies not yet committed.
  save: function (path, bytes) {
    var store = Module['webStore'];
    if (!store.db) return;
    var transaction = store.db.transaction(WEB_DB_FILES, 'readwrite');
    store.pending++;
    transaction.oncomplete = function () { store.pending--; };
    transaction.onerror = transaction.onabort = function () {
      store.pending--;
      if (!store.failed)
        console.warn('Jet Warden: the game could not be kept in the browser\'s storage (' +
                     (transaction.error && transaction.error.message) + ')');
      store.failed = true;
    };
    transaction.objectStore(WEB_DB_FILES).put(bytes, path);
    // Committed at once, so a page closing next does not lose it.
    if (transaction.commit) transaction.commit();
  },
};

Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function () {
  var status = document.getElementById('status');
  var fail = function (text) {
    if (status) {
      status.textContent = text;
      status.hidden = false;
    }
    console.error(text);
  };

  addRunDependency('data file');
  fetch(WEB_DATA_URL).then(function (response) {
    if (!response.ok) throw new Error('HTTP ' + response.status);
    return response.arrayBuffer();
  }).then(function (buffer) {
    FS.mkdirTree(WEB_DATA_PATH.substring(0, WEB_DATA_PATH.lastIndexOf('/')));
    FS.writeFile(WEB_DATA_PATH, new Uint8Array(buffer));
    removeRunDependency('data file');
  }).catch(function (error) {
    fail('The data file ' + WEB_DATA_URL + ' could not be loaded (' + error.message + ').');
  });

  // Without IndexedDB (some private windows) the game plays, but nothing lasts.
  if (!window.indexedDB) return;
  addRunDependency('store');
  var done = function () { removeRunDependency('store'); };
  var open = indexedDB.open(WEB_DB_NAME, 1);
  open.onupgradeneeded = function () { open.result.createObjectStore(WEB_DB_FILES); };
  open.onerror = function () {
    console.warn('Jet Warden: the browser\'s storage is not available; the game will not be kept.');
    done();
  };
  open.onsuccess = function () {
    var db = open.result;
    Module['webStore'].db = db;
    var files = db.transaction(WEB_DB_FILES, 'readonly').objectStore(WEB_DB_FILES);
    var keys = files.getAllKeys();
    var values = files.getAll();
    values.onsuccess = function () {
      for (var i = 0; i < keys.result.length; ++i) {
        var path = keys.result[i];
        FS.mkdirTree(path.substring(0, path.lastIndexOf('/')));
        FS.writeFile(path, values.result[i]);
      }
      done();
    };
    values.onerror = done;
  };
});
