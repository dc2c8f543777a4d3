// Where the picture draws everything, in the picture's own units: the two
// banks and the river, a spot for each traveller on either bank, the boat
// with its seats, and the frames of the way from one step to the next; and
// where an arrow key takes the focus ring among figures. Geometry only,
// after the crossing view's own (view/SceneLayout.cpp, view/FigureWalk.cpp):
// who stands where comes from the back end's scenes.
"use strict";

const SceneLayout = (() => {
  // Each bank takes this share of the width; the river the rest.
  const BANK_SHARE = 0.3;
  // Spots are best this much taller than wide.
  const SPOT_ASPECT = 1.3;
  // A boat of two seats takes at most this share of the river, so that it
  // visibly crosses; a larger one at most the second.
  const BOAT_SHARE_OF_RIVER = 0.5;
  const LARGEST_BOAT_SHARE = 0.8;
  const BOAT_PADDING = 0.15;
  // Of a step's time: stepping into the boat at the start of a boarding,
  // and out of it at the end of a landing.
  const STEPPING_SHARE = 0.35;
  // Inside a spot or seat, the figure stands on top and its name is
  // written in this share of the height below it.
  const NAME_SHARE = 0.28;

  const rect = (x, y, width, height) => ({ x, y, width, height });
  const centreX = (r) => r.x + r.width / 2;
  const centreY = (r) => r.y + r.height / 2;
  const lerp = (from, to, t) => from + (to - from) * t;
  const clamp = (value, low, high) => Math.min(Math.max(value, low), high);

  // Spots keep this far apart, so that what is drawn in them never touches.
  function deflated(r) {
    const gap = Math.min(r.width, r.height) * 0.04;
    return rect(r.x + gap, r.y + gap, r.width - 2 * gap, r.height - 2 * gap);
  }

  // The grid of spots, one a traveller, that makes them largest.
  function bestGrid(width, height, spots) {
    let best = null;
    for (let rows = 1; rows <= spots; ++rows) {
      const columns = Math.ceil(spots / rows);
      const side = Math.min(width / columns, height / rows / SPOT_ASPECT);
      if (best === null || side > best.side)
        best = { side, columns, cellWidth: width / columns, cellHeight: height / rows };
    }
    return best;
  }

  // The layout of a puzzle's picture of width by height, for its number of
  // travellers and seats; the boat is placed by boatAt.
  function layOut(width, height, travellers, seats) {
    const margin = clamp(Math.min(width, height) * 0.02, 1, 10);
    const bankWidth = width * BANK_SHARE;
    const titleHeight = Math.min(clamp(height * 0.08, 14, 30), height * 0.2);
    const layout = {
      width, height, margin,
      startBank: rect(0, 0, bankWidth, height),
      river: rect(bankWidth, 0, width - 2 * bankWidth, height),
      farBank: rect(width - bankWidth, 0, bankWidth, height),
      startTitle: rect(margin, margin, bankWidth - 2 * margin, titleHeight),
      farTitle: rect(width - bankWidth + margin, margin, bankWidth - 2 * margin, titleHeight),
      titleFont: titleHeight * 0.75,
      startSpots: [],
      farSpots: [],
      seats: Math.max(seats, 1),
    };
    const regionY = 2 * margin + titleHeight;
    const grid = bestGrid(bankWidth - 2 * margin, height - 3 * margin - titleHeight, Math.max(travellers, 1));
    for (let t = 0; t < travellers; ++t) {
      const cell = rect(margin + (t % grid.columns) * grid.cellWidth, regionY + Math.floor(t / grid.columns) * grid.cellHeight,
                        grid.cellWidth, grid.cellHeight);
      layout.startSpots.push(deflated(cell));
      layout.farSpots.push(deflated({ ...cell, x: cell.x + width - bankWidth }));
    }
    const boatShare = Math.min(BOAT_SHARE_OF_RIVER * layout.seats / 2, LARGEST_BOAT_SHARE);
    layout.seatWidth = Math.min(grid.cellWidth, layout.river.width * boatShare / (layout.seats + 2 * BOAT_PADDING));
    layout.seatHeight = Math.min(layout.seatWidth * SPOT_ASPECT, height * 0.5);
    layout.padding = Math.min(layout.seatWidth, layout.seatHeight) * BOAT_PADDING;
    layout.boatWidth = Math.min(layout.seats * layout.seatWidth + 2 * layout.padding, layout.river.width - 2 * margin);
    layout.boatHeight = layout.seatHeight + layout.padding;
    layout.spotWidth = layout.startSpots[0] ? layout.startSpots[0].width : layout.seatWidth;
    layout.spotHeight = layout.startSpots[0] ? layout.startSpots[0].height : layout.seatHeight;
    return layout;
  }

  // The boat and its seats, position 0 at the start bank, 1 at the far one.
  function boatAt(layout, position) {
    const left = layout.river.x + layout.margin;
    const right = Math.max(left, layout.river.x + layout.river.width - layout.margin - layout.boatWidth);
    const x = lerp(left, right, clamp(position, 0, 1));
    const y = (layout.height - layout.boatHeight) / 2;
    const seats = [];
    for (let seat = 0; seat < layout.seats; ++seat)
      seats.push(deflated(rect(x + layout.padding + seat * layout.seatWidth, y, layout.seatWidth, layout.seatHeight)));
    return { hull: rect(x, y, layout.boatWidth, layout.boatHeight), seats };
  }

  const isOnRiver = (scene) => scene.boat === "going" || scene.boat === "returning";

  function boatPositionOf(scene) {
    if (isOnRiver(scene))
      return 0.5;
    return scene.boat === "far" ? 1 : 0;
  }

  // Where each traveller of a scene stands: its bank's spot, or a seat in
  // traveller order.
  function placesIn(layout, scene, boat) {
    const places = layout.startSpots.slice();
    for (const t of scene.far)
      places[t] = layout.farSpots[t];
    scene.aboard.forEach((t, seat) => { places[t] = boat.seats[Math.min(seat, boat.seats.length - 1)]; });
    return places;
  }

  // A scene at rest: the boat, which way it goes, and every figure's place.
  function frameAtRest(layout, scene) {
    const boat = boatAt(layout, boatPositionOf(scene));
    return { boat, direction: scene.boat, figures: placesIn(layout, scene, boat) };
  }

  // The share of the river crossed, eased in and out, for t from 0 to 1
  // over the whole crossing.
  const crossed = (t) => 0.5 * (1 - Math.cos(Math.PI * clamp(t, 0, 1)));

  const between = (from, to, t) =>
    rect(lerp(from.x, to.x, t), lerp(from.y, to.y, t), lerp(from.width, to.width, t), lerp(from.height, to.height, t));

  // The way from one step to the next, progress from 0 to 1: a boarding
  // (the travellers step in, then the boat leaves its bank for mid-river)
  // or a landing (the boat reaches the other bank, then they step out).
  // Any other pair of scenes shows the second at rest.
  function frameBetween(layout, from, to, progress) {
    const p = clamp(progress, 0, 1);
    const boarding = !isOnRiver(from) && isOnRiver(to);
    const landing = isOnRiver(from) && !isOnRiver(to);
    if ((!boarding && !landing) || p >= 1)
      return frameAtRest(layout, to);
    const departure = boarding ? boatPositionOf(from) : 1 - boatPositionOf(to);
    const onRiver = boarding ? to : from;
    const ashore = boarding ? from : to;
    let share = 0;
    let stepping = 0; // how far out of the boat
    if (boarding) {
      share = p < STEPPING_SHARE ? 0 : crossed((p - STEPPING_SHARE) / (1 - STEPPING_SHARE) / 2);
      stepping = p < STEPPING_SHARE ? 1 - p / STEPPING_SHARE : 0;
    } else {
      const moving = 1 - STEPPING_SHARE;
      share = crossed(0.5 + Math.min(p / moving, 1) / 2);
      stepping = p < moving ? 0 : (p - moving) / STEPPING_SHARE;
    }
    const boat = boatAt(layout, lerp(departure, 1 - departure, share));
    const figures = placesIn(layout, onRiver, boat);
    const ashorePlaces = placesIn(layout, ashore, boat);
    for (const t of onRiver.aboard)
      figures[t] = between(figures[t], ashorePlaces[t], stepping);
    return { boat, direction: onRiver.boat, figures };
  }

  // Figures share a row when their middles are level within half a
  // figure's height.
  const sameRow = (a, b) => Math.abs(centreY(a) - centreY(b)) < Math.min(a.height, b.height) / 2;

  function isThatWay(from, r, arrow) {
    switch (arrow) {
    case "left": return sameRow(r, from) && centreX(r) < centreX(from);
    case "right": return sameRow(r, from) && centreX(r) > centreX(from);
    case "up": return !sameRow(r, from) && centreY(r) < centreY(from);
    case "down": return !sameRow(r, from) && centreY(r) > centreY(from);
    }
    return false;
  }

  function nearest(figures, distance) {
    return figures.reduce((best, figure) => (best === null || distance(figure) < distance(best) ? figure : best), null);
  }

  // The traveller an arrow leads to from the figure from, among figures
  // ({ traveller, rect } each): up and down to the nearest of the next row
  // that way, left and right to the nearest of the same row; from's own
  // traveller when none stands that way. Of figures as near, the first.
  function figureToward(from, figures, arrow) {
    let thatWay = figures.filter((figure) => isThatWay(from.rect, figure.rect, arrow));
    if ((arrow === "up" || arrow === "down") && thatWay.length > 0) {
      const nextRow = nearest(thatWay, (figure) => Math.abs(centreY(figure.rect) - centreY(from.rect))).rect;
      thatWay = thatWay.filter((figure) => sameRow(figure.rect, nextRow));
    }
    const toward = nearest(thatWay, (figure) => Math.abs(centreX(figure.rect) - centreX(from.rect)));
    return toward !== null ? toward.traveller : from.traveller;
  }

  return { NAME_SHARE, layOut, frameAtRest, frameBetween, figureToward, isOnRiver };
})();
