// Times the web page's back end under node: reads and solves a puzzle file's
// text with the page's own torvaly-web.js, as SolveLarge times it natively,
// and prints the median of the runs in milliseconds, with the summary the
// back end gives, which proves the puzzle was solved.
//   node bench/web_solve.js PAGE_FOLDER PUZZLE_FILE [RUNS]
"use strict";
const fs = require("fs");
const path = require("path");
const { performance } = require("perf_hooks");

const [pageFolder, puzzleFile, runs = "11"] = process.argv.slice(2);
const text = fs.readFileSync(puzzleFile, "utf8");
require(path.resolve(pageFolder, "torvaly-web.js"))().then((backEnd) => {
  const solved = backEnd.solvePuzzleText(text, path.basename(puzzleFile));
  if (solved.reason !== undefined) {
    console.error(solved.reason);
    process.exit(1);
  }
  const times = [];
  for (let run = 0; run < Number(runs); ++run) {
    const start = performance.now();
    backEnd.solvePuzzleText(text, path.basename(puzzleFile));
    times.push(performance.now() - start);
  }
  times.sort((a, b) => a - b);
  console.log(`${times[Math.floor(times.length / 2)].toFixed(1)} ms (median of ${runs}), ${solved.summary}`);
});
