// The page: the back end's session (torvaly-web.js, PageSession) drawn in
// the picture and the page's controls, and every input passed on to it.
// The page names its own controls; every other text, every rule, count
// and answer comes from the back end, and nothing is decided here.
"use strict";

// Playing the answer takes this long a step, a trip two steps; the game's
// trips take as long.
const PLAYED_STEP_MS = 500;

class Page {
  constructor(backEnd) {
    this.backEnd = backEnd;
    this.session = new backEnd.PageSession();
    this.element = (id) => document.getElementById(id);
    this.titlePrefix = document.title;
    this.playing = false;
    this.picture = new CrossingPicture(this.element("picture"), (traveller) => this.toggle(traveller));
    this.linked = "";
    this.linksWritten = 0;
  }

  // The page at the position of its address, or the built-in puzzle's
  // answer from its first step.
  async start() {
    this.bindControls();
    this.bindKeys();
    this.bindFiles();
    this.bindCopy();
    drawFigure(this.element("legend-figure"), 30, 40 / (1 - SceneLayout.NAME_SHARE), true);
    await this.openLink(location.hash);
    window.addEventListener("hashchange", () => {
      if (location.hash.slice(1) !== this.linked)
        this.openLink(location.hash);
    });
  }

  // What the back end says now, with the sentences naming the control
  // that makes a trip as this page calls it.
  shownNow() {
    return this.session.shown(this.titlePrefix, this.element("cross").textContent);
  }

  // The chosen puzzle drawn afresh: the chooser, the picture, the step.
  showPuzzle() {
    const chooser = this.element("chooser");
    chooser.replaceChildren(...this.session.puzzles().map((puzzle, index) => {
      const option = new Option(puzzle.label, String(index));
      option.dataset.name = puzzle.name;
      return option;
    }));
    chooser.value = String(this.session.chosenPuzzle());
    const puzzle = this.session.puzzle();
    this.picture.setPuzzle(puzzle);
    this.showLegend();
    this.showStep();
  }

  // Under the picture: the rowers' mark, and each type with its colour.
  showLegend() {
    const legend = this.element("legend");
    legend.replaceChildren(legend.firstElementChild);
    for (const type of this.picture.types) {
      const item = document.createElement("li");
      const swatch = document.createElement("span");
      swatch.className = `swatch ${this.picture.typeClass(type)}`;
      item.append(swatch, type);
      legend.append(item);
    }
  }

  // The statement of the puzzle, a line a rule or limit, the line that a
  // refusal points at highlighted and scrolled to.
  showRules(shown) {
    const rules = this.element("rules");
    rules.replaceChildren(...shown.rules.map((line, index) => {
      const item = document.createElement("li");
      if (line.rule > 0) {
        const number = document.createElement("span");
        number.className = "rule-number";
        number.textContent = String(line.rule);
        item.append(number, " ");
      }
      item.append(line.text);
      if (index === shown.highlightedRule)
        item.setAttribute("aria-current", "true");
      return item;
    }));
    const highlighted = rules.querySelector("[aria-current]");
    if (highlighted)
      highlighted.scrollIntoView({ block: "nearest" });
  }

  // Everything the back end says of the step shown, the picture at rest;
  // the sentence is said again with announce.
  showStep(announce = false) {
    const shown = this.shownNow();
    document.title = shown.title;
    const game = shown.mode === "game";
    this.element("show-answer").setAttribute("aria-pressed", String(!game));
    this.element("show-game").setAttribute("aria-pressed", String(game));
    this.element("answer-controls").hidden = game;
    this.element("game-controls").hidden = !game;
    this.element("caption").textContent = shown.caption;
    this.element("time-counter").textContent = shown.timeCounter;
    this.element("trip-list").textContent = shown.tripList;
    this.showRules(shown);
    this.element("summary").textContent = shown.summary;
    this.element("summary").hidden = shown.summary === "";
    // A new text when it changed, or to say it again, so that screen
    // readers hear it.
    const sentence = this.element("sentence");
    if (announce || sentence.textContent !== shown.sentence)
      sentence.replaceChildren(document.createTextNode(shown.sentence));
    const slider = this.element("slider");
    slider.max = String(shown.lastStep);
    slider.value = String(shown.step);
    this.element("cross").disabled = !shown.canCross;
    this.element("undo").disabled = !shown.canUndo;
    this.element("redo").disabled = !shown.canRedo;
    this.picture.show(shown);
    this.showPlaying();
    this.writeLink();
    return shown;
  }

  // A notice above the picture: why a file or a link cannot be used.
  notify(text) {
    const notice = this.element("notice");
    notice.textContent = text;
    notice.hidden = text === "";
  }

  // An action of the player: the back end acts, and the page shows and
  // says what it says, even when it says the same again.
  act(input) {
    this.stopPlaying();
    input();
    this.showStep(true);
  }

  // Choosing or leaving a traveller, which the picture's lists tell.
  toggle(traveller) {
    this.stopPlaying();
    this.session.toggle(traveller);
    this.showStep();
  }

  // A trip made crosses the river.
  cross() {
    this.stopPlaying();
    const tripMade = this.session.cross();
    this.showStep(true);
    if (tripMade) {
      const trip = this.session.lastTrip();
      this.picture.animate([trip.before, trip.aboard, trip.after], PLAYED_STEP_MS);
    }
  }

  show(mode) {
    this.stopPlaying();
    this.session.show(mode);
    this.showStep();
  }

  goToStep(step) {
    this.stopPlaying();
    this.session.goToStep(step);
    this.showStep();
  }

  choose(index) {
    this.stopPlaying();
    this.notify("");
    if (this.session.choosePuzzle(index))
      this.showPuzzle();
  }

  // Plays the answer from the step shown to the last, a step at a time,
  // each drawn on its way from the one before.
  togglePlaying() {
    if (this.playing) {
      this.stopPlaying();
      this.showStep();
      return;
    }
    this.session.startPlaying();
    this.playing = true;
    this.showStep();
    this.playNextStep();
  }

  playNextStep() {
    const before = this.shownNow();
    if (!this.playing || before.step >= before.lastStep) {
      this.playing = false;
      this.showPlaying();
      return;
    }
    this.session.goToStep(before.step + 1);
    const shown = this.showStep();
    this.picture.animate([before.scene, shown.scene], PLAYED_STEP_MS, () => this.playNextStep());
  }

  stopPlaying() {
    this.playing = false;
    this.picture.stop();
    this.showPlaying();
  }

  showPlaying() {
    const play = this.element("play");
    play.textContent = this.playing ? "停止" : "再生";
    play.setAttribute("aria-pressed", String(this.playing));
  }

  bindControls() {
    const click = (id, handler) => this.element(id).addEventListener("click", handler);
    this.element("chooser").addEventListener("change", (event) => this.choose(Number(event.target.value)));
    click("show-answer", () => this.show("answer"));
    click("show-game", () => this.show("game"));
    const step = () => this.shownNow().step;
    click("first", () => this.goToStep(0));
    click("previous", () => this.goToStep(step() - 1));
    click("play", () => this.togglePlaying());
    click("next", () => this.goToStep(step() + 1));
    click("last", () => this.goToStep(this.shownNow().lastStep));
    this.element("slider").addEventListener("input", (event) => this.goToStep(Number(event.target.value)));
    click("cross", () => this.cross());
    click("undo", () => this.act(() => this.session.undo()));
    click("redo", () => this.act(() => this.session.redo()));
    click("restart", () => this.act(() => this.session.restart()));
    click("hint", () => this.act(() => this.session.hint()));
    click("copy-link", () => this.copyLink());
  }

  // The keys of the crossing view: in the answer, Home, Left, Right and
  // End step and Space plays; in the game, the picture's arrows, Home and
  // End move the focus ring, Space chooses and Enter crosses, and Ctrl+Z,
  // Ctrl+Y and Ctrl+Shift+Z work anywhere. Space and Enter press a
  // focused button as they always do.
  bindKeys() {
    const picture = this.element("picture");
    document.addEventListener("keydown", (event) => {
      const target = event.target;
      const onControl = target.matches("button, select, input, label");
      const game = !this.element("game-controls").hidden;
      const key = event.key;
      let handled = true;
      if (game && event.ctrlKey && !event.altKey && (key === "z" || key === "Z"))
        this.act(() => (event.shiftKey ? this.session.redo() : this.session.undo()));
      else if (game && event.ctrlKey && !event.altKey && (key === "y" || key === "Y"))
        this.act(() => this.session.redo());
      else if (event.ctrlKey || event.altKey || event.metaKey)
        handled = false;
      else if (game && target === picture)
        handled = this.gameKey(key);
      else if (!game && key === " " && !target.matches("button, select, label, input:not([type=range])"))
        this.togglePlaying();
      else if (!game && !onControl && key in ANSWER_KEYS)
        this.goToStep(ANSWER_KEYS[key](this.shownNow()));
      else
        handled = false;
      if (handled)
        event.preventDefault();
    });
  }

  gameKey(key) {
    if (key in FOCUS_KEYS)
      this.picture.moveFocus(FOCUS_KEYS[key]);
    else if (key === " " && this.picture.focusedTraveller() >= 0)
      this.toggle(this.picture.focusedTraveller());
    else if (key === "Enter")
      this.cross();
    else
      return false;
    return true;
  }

  // Ctrl+C where nothing is selected copies what is shown as a list of
  // trips, as torvaly-solve writes and reads them: the answer's plan, or
  // the trips made so far.
  bindCopy() {
    document.addEventListener("copy", (event) => {
      if (!document.getSelection().isCollapsed)
        return;
      event.clipboardData.setData("text/plain", this.shownNow().tripList);
      event.preventDefault();
    });
  }

  // A puzzle file chosen with the file input or dropped on the page.
  bindFiles() {
    const input = this.element("file");
    input.addEventListener("change", () => {
      if (input.files.length > 0)
        this.openFile(input.files[0]);
      input.value = "";
    });
    document.addEventListener("dragover", (event) => event.preventDefault());
    document.addEventListener("drop", (event) => {
      event.preventDefault();
      if (event.dataTransfer.files.length > 0)
        this.openFile(event.dataTransfer.files[0]);
    });
  }

  // The file's bytes as they are, so that the back end judges them: text
  // that is not UTF-8 included.
  async openFile(file) {
    const bytes = new Uint8Array(await file.arrayBuffer());
    this.stopPlaying();
    const reason = this.session.openGivenFile(file.name, bytes);
    this.notify(reason);
    if (reason === "")
      this.showPuzzle();
  }

  // Opens the puzzle and position of a link; one that cannot be used says
  // why, and the page shows the built-in puzzle.
  async openLink(fragment) {
    this.stopPlaying();
    const position = await PuzzleLink.positionOf(fragment);
    let reason = "";
    if (position === null)
      reason = "";
    else if (position.unreadable)
      reason = this.backEnd.PageSession.unreadableLink();
    else if (position.bytes !== undefined)
      reason = this.session.openLinkedFile(position.file, position.bytes);
    else
      reason = this.session.openLinkedName(position.name);
    // The back end lists the built-in puzzle first.
    if (reason !== "")
      this.session.choosePuzzle(0);
    if (reason === "" && position !== null) {
      if (position.trips !== undefined) {
        this.session.show("game");
        this.session.replayTrips(position.trips);
      } else {
        this.session.show("answer");
        this.session.goToStep(position.step || 0);
      }
    }
    this.notify(reason);
    this.showPuzzle();
  }

  // The page's address follows the position, so that it is a link to it.
  async writeLink() {
    const written = ++this.linksWritten;
    const fragment = await PuzzleLink.fragmentOf(this.session.position());
    if (written !== this.linksWritten)
      return; // a later position's link is on its way
    this.linked = fragment;
    const address = `${location.href.split("#")[0]}#${fragment}`;
    history.replaceState(null, "", address);
    this.element("link").value = address;
  }

  async copyLink() {
    await this.writeLink();
    try {
      await navigator.clipboard.writeText(this.element("link").value);
    } catch (error) {
      // Without the clipboard, the link stays in its field to copy by hand.
      this.element("link").select();
    }
  }
}

// What each key does to the answer's step.
const ANSWER_KEYS = {
  Home: () => 0,
  ArrowLeft: (shown) => shown.step - 1,
  ArrowRight: (shown) => shown.step + 1,
  End: (shown) => shown.lastStep,
};

// Where each key moves the picture's focus ring in the game.
const FOCUS_KEYS = {
  ArrowLeft: "left", ArrowRight: "right", ArrowUp: "up", ArrowDown: "down", Home: "first", End: "last",
};

TorvalyWeb()
  .then(async (backEnd) => {
    const page = new Page(backEnd);
    await page.start();
    document.getElementById("page").setAttribute("aria-busy", "false");
    performance.mark("ready");
  })
  .catch((error) => console.error(error));
