// The crossing's picture, in SVG, scaled to the page: the banks named by
// the puzzle, the river, the boat and every traveller's figure with its
// name, and the game's marks; the way from one step to the next as an
// animation. Screen readers find in it a list for each bank and for the
// boat, named as the back end names them, whose items are the travellers
// there, checkable in the game. The picture draws what the page gives it
// and says nothing of its own.
"use strict";

const SVG_NAMESPACE = "http://www.w3.org/2000/svg";
// The colours of types that the style sheet holds (.type-0 to .type-3).
const TYPE_COLOURS = 4;
// Names wider than this, in pixels a pixel of font size, are shortened.
const WIDEST_NAME = 4.5;

function svgElement(name, attributes, parent) {
  const made = document.createElementNS(SVG_NAMESPACE, name);
  for (const [key, value] of Object.entries(attributes))
    made.setAttribute(key, value);
  if (parent)
    parent.append(made);
  return made;
}

// One traveller's figure, drawn in a box of width by height at the origin,
// above its name: a rower holds an oar and is filled with the accent
// colour, or with its type's colour (typeClass) where it has a type; a
// traveller with a look is drawn as that character instead, large.
function drawFigure(parent, width, height, rows, typeClass = "", look = "") {
  const figureHeight = height * (1 - SceneLayout.NAME_SHARE);
  const bodyWidth = Math.min(width, figureHeight * 0.75);
  const centre = width / 2 - (rows ? bodyWidth * 0.08 : 0);
  const line = Math.max(1, figureHeight * 0.035);
  const group = svgElement("g", { class: ["figure", rows ? "rower" : "", typeClass].join(" ").trim() }, parent);
  if (rows) {
    const x = centre + bodyWidth * 0.42;
    svgElement("line", { class: "oar", x1: x, y1: figureHeight * 0.12, x2: x, y2: figureHeight * 0.75,
                         "stroke-width": line * 1.2 }, group);
    svgElement("ellipse", { class: "blade", cx: x, cy: figureHeight * 0.81, rx: bodyWidth * 0.09,
                            ry: figureHeight * 0.17 }, group);
  }
  if (look !== "") {
    if (typeClass !== "")
      svgElement("circle", { class: "body", cx: centre, cy: figureHeight / 2, r: Math.min(bodyWidth, figureHeight) * 0.45,
                             "stroke-width": line }, group);
    const size = Math.min(bodyWidth, figureHeight) * 0.75;
    svgElement("text", { class: "look", x: centre, y: figureHeight / 2 + size * 0.35, "font-size": size }, group)
      .textContent = look;
    return group;
  }
  const radius = Math.min(figureHeight * 0.17, bodyWidth * 0.3);
  svgElement("circle", { class: "body", cx: centre, cy: line + radius, r: radius, "stroke-width": line }, group);
  const bodyTop = 2 * radius + line * 2.5;
  svgElement("rect", { class: "body", x: centre - bodyWidth * 0.3, y: bodyTop, width: bodyWidth * 0.6,
                       height: figureHeight - line / 2 - bodyTop, rx: bodyWidth * 0.22, "stroke-width": line }, group);
  return group;
}

// text written in the box, shortened with an ellipsis when too wide.
function writeFitted(textElement, text, width) {
  textElement.textContent = text;
  const characters = Array.from(text);
  for (let kept = characters.length - 1; kept > 0 && textElement.getComputedTextLength() > width; --kept)
    textElement.textContent = characters.slice(0, kept).join("") + "…";
}

class CrossingPicture {
  // svg: the picture's element; onToggle(traveller): a figure was clicked.
  constructor(svg, onToggle) {
    this.svg = svg;
    this.onToggle = onToggle;
    this.animation = null;
    this.focused = -1;
  }

  // Draws the banks, river, boat and figures of puzzle (the back end's
  // Puzzle()), in a picture whose shape suits its travellers.
  setPuzzle(puzzle) {
    this.stop();
    this.puzzle = puzzle;
    this.focused = -1;
    const count = puzzle.travellers.length;
    const width = 960;
    const height = count > 12 ? 600 : 480;
    this.layout = SceneLayout.layOut(width, height, count, puzzle.seats);
    this.svg.setAttribute("viewBox", `0 0 ${width} ${height}`);
    this.svg.replaceChildren();
    const scenery = svgElement("g", { "aria-hidden": "true" }, this.svg);
    this.drawScenery(scenery);
    this.boat = svgElement("g", { class: "boat" }, scenery);
    // Each type a colour of its own, in the order of its first traveller.
    this.types = [...new Set(puzzle.travellers.map((traveller) => traveller.type).filter((type) => type !== ""))];
    this.nameWidthPerPixel = this.widestName(puzzle, scenery);
    this.figures = puzzle.travellers.map((traveller) => this.drawTraveller(scenery, traveller));
    this.lists = svgElement("g", { class: "places" }, this.svg);
  }

  drawScenery(parent) {
    const { layout, puzzle } = this;
    for (const bank of [layout.startBank, layout.farBank])
      svgElement("rect", { class: "land", ...bank }, parent);
    svgElement("rect", { class: "water", ...layout.river }, parent);
    // A few ripples, so that the river reads as water in any colours.
    const river = layout.river;
    const step = river.width / 8;
    let ripples = "";
    for (let row = 1; row <= 5; ++row) {
      const y = river.y + river.height * row / 6;
      for (let x = river.x + step / 2 + (row % 2) * step / 2; x + step / 2 < river.x + river.width; x += step)
        ripples += `M${x},${y} q${step / 8},${-step / 10} ${step / 4},0 `;
    }
    svgElement("path", { class: "wave", d: ripples }, parent);
    [layout.startTitle, layout.farTitle].forEach((box, side) => {
      const title = svgElement("text", { class: "bank-name", x: box.x + box.width / 2, y: box.y + box.height * 0.8,
                                         "font-size": layout.titleFont }, parent);
      writeFitted(title, puzzle.banks[side], box.width);
    });
  }

  // A traveller's figure and name, drawn once at a spot's size and moved
  // and scaled to where it stands; with its marks, shown at rest.
  drawTraveller(parent, traveller) {
    const { spotWidth: width, spotHeight: height } = this.layout;
    const group = svgElement("g", { class: "traveller" }, parent);
    const radius = width * 0.12;
    const line = Math.max(1.5, height * 0.03);
    svgElement("rect", { class: "chosen-mark", width, height, rx: radius, "stroke-width": line }, group);
    svgElement("rect", { class: "hint-mark", x: line * 2, y: line * 2, width: width - line * 4,
                         height: height - line * 4, rx: radius, "stroke-width": line }, group);
    drawFigure(group, width, height, traveller.rows, this.typeClass(traveller.type), traveller.look);
    // The name, and under it the weight and time where the puzzle has them.
    const nameHeight = height * SceneLayout.NAME_SHARE;
    const measured = traveller.measures !== "";
    const nameFont = Math.min(nameHeight * (measured ? 0.5 : 0.8), width * 0.95 / this.nameWidthPerPixel);
    const nameTop = height - nameHeight;
    const name = svgElement("text", { class: "name", x: width / 2, y: nameTop + nameFont, "font-size": nameFont }, group);
    writeFitted(name, traveller.name, width * 0.96);
    if (measured) {
      const measures = svgElement("text", { class: "measures", x: width / 2, y: nameTop + nameFont + nameHeight * 0.4,
                                            "font-size": nameHeight * 0.36 }, group);
      writeFitted(measures, traveller.measures, width * 0.96);
    }
    const concerned = svgElement("g", { class: "concerned-mark" }, group);
    const heavy = Math.max(2, height * 0.05);
    svgElement("rect", { width, height, rx: radius, "stroke-width": heavy }, concerned);
    const badge = Math.max(8, height * 0.22);
    svgElement("circle", { cx: badge / 2, cy: badge / 2, r: badge / 2 }, concerned);
    svgElement("text", { x: badge / 2, y: badge * 0.82, "font-size": badge * 0.8 }, concerned).textContent = "!";
    return group;
  }

  // The widest name's width per pixel of font size, at most that of
  // WIDEST_NAME characters: a wider name is shortened rather than make
  // every name smaller.
  widestName(puzzle, parent) {
    const probe = svgElement("text", { class: "name", "font-size": 100 }, parent);
    let widest = 1;
    for (const traveller of puzzle.travellers) {
      probe.textContent = traveller.name;
      widest = Math.max(widest, probe.getComputedTextLength() / 100);
    }
    probe.remove();
    return Math.min(widest, WIDEST_NAME);
  }

  typeClass(type) {
    return type === "" ? "" : `type-${this.types.indexOf(type) % TYPE_COLOURS}`;
  }

  // The figure drawn at a spot's size, in box: as large as it fits,
  // standing at the box's foot.
  static placeIn(figure, box, layout) {
    const scale = Math.min(box.width / layout.spotWidth, box.height / layout.spotHeight);
    const x = box.x + (box.width - layout.spotWidth * scale) / 2;
    const y = box.y + box.height - layout.spotHeight * scale;
    figure.setAttribute("transform", `translate(${x} ${y}) scale(${scale})`);
  }

  drawFrame(frame) {
    const { hull, seats } = frame.boat;
    const seatHeight = seats[0].height;
    const top = seats[0].y + seatHeight * (1 - SceneLayout.NAME_SHARE - 0.12);
    const slant = hull.width * 0.1;
    const bottom = hull.y + hull.height;
    this.boat.replaceChildren();
    svgElement("path", { class: "hull", "stroke-width": Math.max(1, seatHeight * 0.04),
                         d: `M${hull.x},${top} H${hull.x + hull.width} L${hull.x + hull.width - slant},${bottom} ` +
                            `H${hull.x + slant} Z` }, this.boat);
    if (frame.direction === "going" || frame.direction === "returning") {
      // An arrow above the boat, the way it goes.
      const head = hull.height * 0.12;
      const y = hull.y - head * 1.5;
      const from = hull.x + hull.width * 0.2;
      const to = hull.x + hull.width * 0.8;
      const sign = frame.direction === "going" ? 1 : -1;
      const tip = sign > 0 ? to : from;
      svgElement("path", { class: "direction", "stroke-width": Math.max(1, head / 3),
                           d: `M${from},${y} H${to} M${tip - sign * head},${y - head * 0.7} L${tip},${y} ` +
                              `L${tip - sign * head},${y + head * 0.7}` }, this.boat);
    }
    if (this.shown && this.shown.boatLoad !== "") {
      // What the boat carries, under it.
      const load = svgElement("text", { class: "boat-load", x: hull.x + hull.width / 2,
                                        y: bottom + this.layout.titleFont, "font-size": this.layout.titleFont * 0.8 },
                              this.boat);
      load.textContent = this.shown.boatLoad;
    }
    frame.figures.forEach((box, t) => CrossingPicture.placeIn(this.figures[t], box, this.layout));
  }

  // Shows a step at rest (the back end's Shown()): the figures where the
  // scene has them, the game's marks, and the lists for screen readers,
  // whose items in the game are check boxes.
  show(shown) {
    this.stop();
    this.shown = shown;
    this.drawFrame(SceneLayout.frameAtRest(this.layout, shown.scene));
    const marks = { chosen: shown.chosen, concerned: shown.concerned, hinted: shown.hinted };
    this.figures.forEach((figure, t) => {
      for (const [mark, travellers] of Object.entries(marks))
        figure.classList.toggle(mark, travellers.includes(t));
    });
    this.fillLists();
  }

  fillLists() {
    const { shown } = this;
    const atRest = SceneLayout.frameAtRest(this.layout, shown.scene);
    const game = shown.mode === "game";
    this.lists.replaceChildren();
    this.items = [];
    for (const place of shown.places) {
      const list = svgElement("g", { role: "list", "aria-label": place.name }, this.lists);
      for (const t of place.travellers) {
        const listItem = svgElement("g", { role: "listitem" }, list);
        const item = svgElement("rect", { id: `traveller-${t}`, class: "item", ...atRest.figures[t],
                                          "aria-label": this.puzzle.travellers[t].name }, listItem);
        if (game) {
          item.setAttribute("role", "checkbox");
          item.setAttribute("aria-checked", String(shown.chosen.includes(t)));
          item.addEventListener("click", () => this.clicked(t));
        } else {
          item.setAttribute("role", "img");
        }
        // The whole name, however the picture shortens it.
        svgElement("title", {}, item).textContent = this.puzzle.travellers[t].name;
        this.items[t] = item;
      }
    }
    this.showFocus();
  }

  clicked(traveller) {
    if (this.shown.choosable.includes(traveller))
      this.focused = traveller;
    this.svg.focus();
    this.onToggle(traveller);
  }

  // The traveller in the focus ring: the one last focused while it can be
  // chosen, else the first who can; -1 for none, as in the answer.
  focusedTraveller() {
    const choosable = this.shown ? this.shown.choosable : [];
    if (choosable.includes(this.focused))
      return this.focused;
    return choosable.length > 0 ? choosable[0] : -1;
  }

  showFocus() {
    const focused = this.focusedTraveller();
    this.items.forEach((item, t) => item && item.classList.toggle("focused", t === focused));
    if (focused >= 0)
      this.svg.setAttribute("aria-activedescendant", `traveller-${focused}`);
    else
      this.svg.removeAttribute("aria-activedescendant");
  }

  // Moves the focus ring among those who can be chosen, as they stand:
  // "left", "right", "up", "down", or to the "first" or "last" of them.
  moveFocus(way) {
    const choosable = this.shown.choosable;
    const from = this.focusedTraveller();
    if (from < 0)
      return;
    if (way === "first" || way === "last") {
      this.focused = way === "first" ? choosable[0] : choosable[choosable.length - 1];
    } else {
      const places = SceneLayout.frameAtRest(this.layout, this.shown.scene).figures;
      const others = choosable.filter((t) => t !== from).map((t) => ({ traveller: t, rect: places[t] }));
      this.focused = SceneLayout.figureToward({ traveller: from, rect: places[from] }, others, way);
    }
    this.showFocus();
  }

  // Runs through scenes, stepMs from each to the next, then rests on the
  // last; calls done at the end, unless stopped first.
  animate(scenes, stepMs, done) {
    this.stop();
    this.svg.classList.add("moving");
    const start = performance.now();
    const total = (scenes.length - 1) * stepMs;
    this.drawFrame(SceneLayout.frameBetween(this.layout, scenes[0], scenes[1], 0));
    const frame = (now) => {
      // A frame's time may be a little before the animation started.
      const elapsed = Math.max(now - start, 0);
      if (elapsed >= total) {
        this.animation = null;
        this.svg.classList.remove("moving");
        this.drawFrame(SceneLayout.frameAtRest(this.layout, scenes[scenes.length - 1]));
        if (done)
          done();
        return;
      }
      const index = Math.floor(elapsed / stepMs);
      const progress = (elapsed - index * stepMs) / stepMs;
      this.drawFrame(SceneLayout.frameBetween(this.layout, scenes[index], scenes[index + 1], progress));
      this.animation = requestAnimationFrame(frame);
    };
    this.animation = requestAnimationFrame(frame);
  }

  isAnimating() {
    return this.animation !== null;
  }

  // Ends an animation where it is; the page shows the step at rest next.
  stop() {
    if (this.animation !== null)
      cancelAnimationFrame(this.animation);
    this.animation = null;
    this.svg.classList.remove("moving");
  }
}
