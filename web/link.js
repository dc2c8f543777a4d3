// The page's address as a link to a puzzle and a position in it, made from
// and read into what the back end gives and takes (Position(), and the
// puzzle opened by its name or its file's text):
//   #wolf                          a puzzle that a name finds
//   #file=DATA&name=FILE           any other: its file's text, compressed
//                                  (CompressionStream, deflate-raw) and in
//                                  base64url, and the file's name
//   &trips=5.1.9                   the game, with who crossed in each trip
//                                  (sets of travellers, in base 36)
//   &step=6                        or the answer, at a step
// Packing only: what the puzzle and the trips mean is the back end's to say.
"use strict";

const PuzzleLink = (() => {
  const FORMAT = "deflate-raw";

  async function piped(bytes, transform) {
    const stream = new Blob([bytes]).stream().pipeThrough(transform);
    return new Uint8Array(await new Response(stream).arrayBuffer());
  }

  function toBase64Url(bytes) {
    let binary = "";
    for (const byte of bytes)
      binary += String.fromCharCode(byte);
    return btoa(binary).replace(/\+/g, "-").replace(/\//g, "_").replace(/=+$/, "");
  }

  function fromBase64Url(text) {
    const binary = atob(text.replace(/-/g, "+").replace(/_/g, "/"));
    return Uint8Array.from(binary, (character) => character.charCodeAt(0));
  }

  // The fragment, without its "#", of a position.
  async function fragmentOf(position) {
    const parts = [];
    if (position.name !== undefined) {
      parts.push(encodeURIComponent(position.name));
    } else {
      const packed = await piped(new TextEncoder().encode(position.text), new CompressionStream(FORMAT));
      parts.push(`file=${toBase64Url(packed)}`, `name=${encodeURIComponent(position.file)}`);
    }
    if (position.trips !== undefined)
      parts.push(`trips=${position.trips.map((trip) => trip.toString(36)).join(".")}`);
    else if (position.step > 0)
      parts.push(`step=${position.step}`);
    return parts.join("&");
  }

  // The position a fragment carries: { name } or { file, bytes }, or
  // { unreadable } when its file cannot be unpacked; with { trips } or
  // { step } where it has them. Null for an empty fragment.
  async function positionOf(fragment) {
    const text = fragment.replace(/^#/, "");
    if (text === "")
      return null;
    const fields = {};
    for (const part of text.split("&")) {
      const equals = part.indexOf("=");
      if (equals < 0)
        fields.puzzle = part;
      else
        fields[part.slice(0, equals)] = part.slice(equals + 1);
    }
    const position = {};
    try {
      if (fields.file !== undefined) {
        position.bytes = await piped(fromBase64Url(fields.file), new DecompressionStream(FORMAT));
        position.file = decodeURIComponent(fields.name || "");
      } else {
        position.name = decodeURIComponent(fields.puzzle || "");
      }
    } catch (error) {
      return { unreadable: true };
    }
    if (fields.trips !== undefined)
      position.trips = fields.trips === "" ? [] : fields.trips.split(".").map((trip) => parseInt(trip, 36) || 0);
    else if (fields.step !== undefined)
      position.step = parseInt(fields.step, 10) || 0;
    return position;
  }

  return { fragmentOf, positionOf };
})();
