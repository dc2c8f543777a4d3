// The page's script: asks the back end (torvaly-web.js) what there is to
// show and shows it. Every text, count and answer comes from the back end;
// nothing is decided here.
"use strict";

// One puzzle of the back end's list: its title, and what its solution is.
function puzzleItem(puzzle) {
  const item = document.createElement("li");
  item.dataset.name = puzzle.name;
  for (const [part, text] of [["title", puzzle.title], ["summary", puzzle.summary]]) {
    const span = document.createElement("span");
    span.className = part;
    span.textContent = text;
    item.append(span);
  }
  return item;
}

TorvalyWeb()
  .then((backEnd) => {
    const list = document.getElementById("puzzles");
    list.replaceChildren(...backEnd.puzzleList().map(puzzleItem));
    list.setAttribute("aria-busy", "false");
    performance.mark("ready");
  })
  .catch((error) => console.error(error));
