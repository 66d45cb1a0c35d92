// The page's side of the browser host (WebHost.cpp), linked into the program
// as an emscripten JS library.
//
// It owns the canvas (integer-scaled to fit the window, drawn crisp), turns
// pointer and keyboard events into the host's input, asks the browser for
// the frames the host's loop wants, plays the wave sounds through Web Audio
// once the player has touched the page (browsers refuse sound before), shows
// message boxes in the page's <dialog id="message"> and copies the store
// file into IndexedDB after every change that lasts. WebHostPage.js, run
// before the program, loads the store back and fetches the data file.

mergeInto(LibraryManager.library, {
  $WebHostPage: {
    canvas: null,
    context: null,
    image: null,
    textInput: false,
    pointer: null,
    frameRequest: 0,
    timer: null,
    audio: null,
    sounds: {},
    playing: null,
    dialogs: [],
    finalDialog: false,

    // The canvas and its image, found at the first use: the program draws
    // its first frame before its loop starts.
    screen: function () {
      var page = WebHostPage;
      if (!page.canvas) {
        page.canvas = document.getElementById('screen');
        page.context = page.canvas.getContext('2d', { alpha: false });
        page.image = page.context.createImageData(240, 320);
        page.fit();
        window.addEventListener('resize', page.fit);
      }
      return page;
    },

    // Device-screen coordinates of a pointer event; outside the canvas they
    // run past its edges, as a captured stylus does.
    devicePoint: function (e) {
      var rect = WebHostPage.canvas.getBoundingClientRect();
      return [
        Math.floor((e.clientX - rect.left) * 240 / rect.width),
        Math.floor((e.clientY - rect.top) * 320 / rect.height),
      ];
    },

    // The largest whole multiple of the device screen, in device pixels,
    // that fits the window.
    fit: function () {
      var ratio = window.devicePixelRatio || 1;
      var scale = Math.max(1, Math.floor(Math.min(window.innerWidth * ratio / 240,
                                                   window.innerHeight * ratio / 320)));
      WebHostPage.canvas.style.width = (240 * scale / ratio) + 'px';
      WebHostPage.canvas.style.height = (320 * scale / ratio) + 'px';
    },

    // Browsers allow sound only after a gesture: the audio context is made
    // at the first one.
    wakeAudio: function () {
      if (WebHostPage.audio) return;
      var Context = window.AudioContext || window.webkitAudioContext;
      if (Context) WebHostPage.audio = new Context();
    },

    frame: function () {
      WebHostPage.frameRequest = 0;
      _web_host_frame();
    },

    request: function (delay) {
      if (delay <= 0) {
        if (WebHostPage.timer !== null) {
          clearTimeout(WebHostPage.timer);
          WebHostPage.timer = null;
        }
        if (!WebHostPage.frameRequest)
          WebHostPage.frameRequest = requestAnimationFrame(WebHostPage.frame);
        return;
      }
      // A frame or an earlier wake-up is on its way; the loop asks again after
      // it. Paced idle steps run from the timer itself: a frame requested on
      // top would wake the page's renderer twice per step, which costs a
      // paced screen more than the step does. What they draw shows at the
      // browser's next frame all the same.
      if (WebHostPage.frameRequest || WebHostPage.timer !== null) return;
      WebHostPage.timer = setTimeout(function () {
        WebHostPage.timer = null;
        if (!WebHostPage.frameRequest) _web_host_frame();
      }, delay);
    },

    showNextDialog: function () {
      var box = document.getElementById('message');
      if (box.open || WebHostPage.dialogs.length === 0) return;
      var next = WebHostPage.dialogs.shift();
      box.querySelector('h1').textContent = next.caption;
      box.querySelector('p').textContent = next.text;
      box.querySelector('button').textContent = next.final ? 'Reload' : 'OK';
      box.dataset.final = next.final ? '1' : '';
      box.showModal();
    },

    dialogClosed: function () {
      var box = document.getElementById('message');
      if (box.dataset.final) {
        location.reload();
        return;
      }
      _web_host_dialog_closed();
      WebHostPage.showNextDialog();
    },
  },

  web_host_start__deps: ['$WebHostPage'],
  web_host_start: function () {
    var page = WebHostPage.screen();
    var canvas = page.canvas;
    canvas.addEventListener('pointerdown', function (e) {
      if (e.button !== 0 || page.pointer !== null) return;
      page.wakeAudio();
      canvas.setPointerCapture(e.pointerId);
      page.pointer = e.pointerId;
      var p = page.devicePoint(e);
      _web_host_stylus(0, p[0], p[1]);
      e.preventDefault();
    });
    canvas.addEventListener('pointermove', function (e) {
      if (e.pointerId !== page.pointer) return;
      var p = page.devicePoint(e);
      _web_host_stylus(1, p[0], p[1]);
    });
    var lift = function (e) {
      if (e.pointerId !== page.pointer) return;
      page.pointer = null;
      var p = page.devicePoint(e);
      _web_host_stylus(2, p[0], p[1]);
    };
    canvas.addEventListener('pointerup', lift);
    canvas.addEventListener('pointercancel', lift);
    canvas.addEventListener('contextmenu', function (e) { e.preventDefault(); });

    var key = function (down) {
      return function (e) {
        if (document.getElementById('message').open) return;
        if (down) page.wakeAudio();
        if (ccall('web_host_key', 'number', ['string', 'number', 'number'],
                  [e.key, down ? 1 : 0, e.ctrlKey || e.metaKey ? 1 : 0]))
          e.preventDefault();
      };
    };
    window.addEventListener('keydown', key(true));
    window.addEventListener('keyup', key(false));
    window.addEventListener('blur', function () { _web_host_release_keys(); });

    // A hidden page may be closed without another word: the game saves.
    document.addEventListener('visibilitychange', function () {
      if (document.visibilityState === 'hidden') _web_host_suspend();
    });
    window.addEventListener('pagehide', function () { _web_host_suspend(); });

    document.getElementById('message').addEventListener('close', page.dialogClosed);
    var status = document.getElementById('status');
    if (status) status.hidden = true;
  },

  web_host_request__deps: ['$WebHostPage'],
  web_host_request: function (delay) {
    WebHostPage.request(delay);
  },

  web_host_present__deps: ['$WebHostPage'],
  web_host_present: function (rgba) {
    var page = WebHostPage.screen();
    page.image.data.set(HEAPU8.subarray(rgba, rgba + 240 * 320 * 4));
    page.context.putImageData(page.image, 0, 0);
    if (!Module['firstFrameAt']) Module['firstFrameAt'] = performance.now();
  },

  web_host_play__deps: ['$WebHostPage'],
  web_host_play: function (id, wav, size) {
    var page = WebHostPage;
    if (!page.audio) return;
    if (!page.sounds[id]) {
      // decodeAudioData takes the buffer over, so it gets a copy.
      var bytes = HEAPU8.slice(wav, wav + size);
      page.sounds[id] = page.audio.decodeAudioData(bytes.buffer).catch(function () { return null; });
    }
    page.sounds[id].then(function (buffer) {
      if (!buffer) return;
      if (page.playing) {
        try { page.playing.stop(); } catch (e) { }
      }
      var source = page.audio.createBufferSource();
      source.buffer = buffer;
      source.connect(page.audio.destination);
      source.start();
      page.playing = source;
    });
  },

  web_host_dialog__deps: ['$WebHostPage'],
  web_host_dialog: function (caption, text, final) {
    WebHostPage.dialogs.push({ caption: UTF8ToString(caption), text: UTF8ToString(text), final: !!final });
    WebHostPage.showNextDialog();
  },

  web_host_text_input__deps: ['$WebHostPage'],
  web_host_text_input: function (on) {
    WebHostPage.textInput = !!on;
  },

  web_host_open: function (path) {
    // A blocked pop-up gives no window: the game then says it couldn't open it.
    return window.open(UTF8ToString(path), '_blank') ? 1 : 0;
  },

  web_host_store_written__deps: ['$FS'],
  web_host_store_written: function (path) {
    Module['webStore'].save(UTF8ToString(path), FS.readFile(UTF8ToString(path)));
  },
});
