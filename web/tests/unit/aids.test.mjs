// The aids' arithmetic in Node: headings held flat, upright and sideways in
// each screen turn, the dish face's tilt with and without the level zero,
// the turn and raise figures, the camera's projection and calibration, and
// the arc read for the sky diagram.
import assert from "node:assert/strict";
import { describe, it } from "node:test";
import { load } from "./load.mjs";

const o = await load("aids/orientation.ts");
const g = await load("aids/guidance.ts");
const p = await load("aids/projection.ts");
const sky = await load("aids/sky.ts");

const near = (actual, expected, what) =>
  assert.ok(actual !== null && Math.abs(actual - expected) < 1e-9, `${what}: ${actual}, not ${expected}`);
const R = (alpha, beta, gamma) => o.rotation({ alpha, beta, gamma });
const kRad = Math.PI / 180;

describe("where the phone faces", () => {
  // [pose, alpha, beta, gamma, screen angle, heading]
  const cases = [
    ["flat, portrait", 30, 0, 0, 0, 330],
    ["flat, turned anticlockwise", 30, 0, 0, 90, 60],
    ["flat, turned clockwise", 30, 0, 0, 270, 240],
    ["flat, upside down", 30, 0, 0, 180, 150],
    ["upright, camera north", 0, 90, 0, 0, 0],
    ["upright, camera west", 90, 90, 0, 0, 270],
    ["tilted halfway up", 200, 45, 0, 0, 160],
    ["upright sideways, camera north", 90, 0, -90, 90, 0],
  ];
  for (const [pose, alpha, beta, gamma, angle, expected] of cases) {
    it(pose, () => near(o.heading(R(alpha, beta, gamma), angle), expected, pose));
  }
  it("gives none held face down past upright", () => assert.equal(o.heading(R(0, 135, 0), 0), null));
});

describe("the dish face's tilt", () => {
  // [hold, alpha, beta, gamma, leaning back]
  const cases = [
    ["upright, leaning back", 40, 110, 0, 20],
    ["upright, leaning forward", 40, 70, 0, -20],
    ["sideways, leaning back", 0, 180, 70, 20],
    ["sideways the other way", 0, 180, -70, 20],
  ];
  for (const [hold, alpha, beta, gamma, expected] of cases) {
    it(hold, () => near(o.faceTiltOf(o.upInPhone(R(alpha, beta, gamma))), expected, hold));
  }
  it("takes off the offset read on a level surface", () => {
    const zero = { from: o.upInPhone(R(0, 2, 0)) };
    near(o.offLevel(zero.from), 2, "off level");
    near(o.faceTiltOf(o.corrected(o.upInPhone(R(0, 112, 0)), zero)), 20, "tilt");
    const sideways = { from: o.upInPhone(R(0, 0, 3)) };
    near(o.faceTiltOf(o.corrected(o.upInPhone(R(0, 180, 73)), sideways)), 20, "sideways");
  });
});

describe("turn and raise", () => {
  // [target, reading, figure]
  const turns = [
    [167.88, 150, { way: "right", by: "17.9" }],
    [10, 350, { way: "right", by: "20.0" }],
    [350, 10, { way: "left", by: "20.0" }],
    [100, 100.04, { way: "none", by: "0.0" }],
    [0, 180, { way: "right", by: "180.0" }],
  ];
  for (const [target, heading, figure] of turns) {
    it(`to ${target} facing ${heading}`, () => assert.deepEqual(g.turnTo(target, heading), figure));
  }
  const raises = [
    [20.75, 19.25, { way: "raise", by: "1.5" }],
    [20, 20.5, { way: "lower", by: "0.5" }],
    [-3, -3.02, { way: "none", by: "0.0" }],
  ];
  for (const [target, measured, figure] of raises) {
    it(`to ${target} from ${measured}`, () => assert.deepEqual(g.raiseTo(target, measured), figure));
  }
  it("reads no number out of an empty box", () => {
    assert.deepEqual(["", " ", "abc", "-18.26"].map(g.numberIn), [null, null, null, -18.26]);
  });
});

describe("the camera's picture", () => {
  const view = { width: 400, height: 300, focal: 500, screenAngle: 0 };
  const north = R(0, 90, 0);
  const sideways = R(90, 0, -90);
  // [what, phone, screen angle, azimuth, elevation, x, y]
  const cases = [
    ["ahead", north, 0, 0, 0, 200, 150],
    ["right of the cross", north, 0, 10, 0, 200 + 500 * Math.tan(10 * kRad), 150],
    ["above the cross", north, 0, 0, 10, 200, 150 - 500 * Math.tan(10 * kRad)],
    ["right, held sideways", sideways, 90, 10, 0, 200 + 500 * Math.tan(10 * kRad), 150],
    ["above, held sideways", sideways, 90, 0, 10, 200, 150 - 500 * Math.tan(10 * kRad)],
  ];
  for (const [what, phone, angle, az, el, x, y] of cases) {
    it(what, () => {
      const at = p.project(phone, p.skyDirection(az, el), { ...view, screenAngle: angle });
      near(at.x, x, "x");
      near(at.y, y, "y");
    });
  }
  it("draws nothing behind the camera", () => assert.equal(p.project(north, p.skyDirection(180, 0), view), null));
  it("tells how far the satellite lies from the cross", () => {
    const off = p.offsetFromCross(north, p.skyDirection(12, 5), 0);
    near(off.right, 12, "right");
    near(off.up, 5, "up");
  });
  it("works the focal length out from an object sighted twice", () => {
    const object = p.cameraAxis(north);
    // Turned 10° left, the object stands 10° right of the cross.
    near(p.focalFromSightings(object, R(10, 90, 0), 0, 100), 100 / Math.tan(10 * kRad), "focal");
    assert.equal(p.focalFromSightings(object, north, 0, 100), null);
    near(p.fieldOfView(200, 400), 90, "field of view");
  });
});

describe("the arc on the sky diagram", () => {
  it("keeps the positions above the horizon, in unbroken runs", () => {
    const arc = [
      { position: -2, elevation: "-0.5", azimuth: "100" },
      { position: -1, elevation: "0", azimuth: "101" },
      { position: 0, elevation: "1.25", azimuth: "102" },
      { position: 1, elevation: "", azimuth: "" },
      { position: 2, elevation: "2", azimuth: "104" },
    ];
    const shown = sky.visibleArc(arc);
    assert.deepEqual(shown.map((x) => [x.position, x.el, x.az]), [[-1, 0, 101], [0, 1.25, 102], [2, 2, 104]]);
    assert.deepEqual(sky.runs(shown).map((run) => run.map((x) => x.position)), [[-1, 0], [2]]);
  });
  it("goes on across 180°", () => {
    const at = (position) => ({ position, elevation: "1", azimuth: "90", el: 1, az: 90 });
    const positions = sky.runs([-180, -179, 0, 179, 180].map(at)).map((run) => run.map((x) => x.position));
    assert.deepEqual(positions, [[179, 180, -180, -179], [0]]);
  });
  it("puts the horizon on the rim and the zenith in the middle", () => {
    const at = (az, el) => Object.values(sky.polar(az, el, 100)).map((v) => Math.round(v * 1e9) / 1e9 + 0);
    assert.deepEqual([at(0, 0), at(90, 0), at(180, 45), at(0, 90)], [[0, -100], [100, 0], [0, 50], [0, 0]]);
  });
});

describe("the arc's labels", () => {
  it("name positions by the compass letters given", () => {
    const de = { east: "O", west: "W" };
    assert.deepEqual([-82, 74, 0, 180, -180].map((p) => sky.positionText(p, de)), ["82° W", "74° O", "0°", "180°", "180°"]);
  });

  // In a 200×100 view, 40×10 labels; [case, labels (x, y of each place; ! needed), free boxes, placed].
  const places = (...xy) => xy.map(([x, y]) => ({ x, y }));
  const cases = [
    ["a needed label at the right edge moves inside", [["!", [190, 40]]], [], [[160, 40]]],
    ["one at the bottom left corner moves inside", [["!", [-5, 95]]], [], [[0, 90]]],
    ["a needed label takes its next place clear of the ring", [["!", [10, 10], [60, 10]]], [{ x: 0, y: 0, width: 30, height: 30 }], [[60, 10]]],
    ["a mark's label takes its next place clear of the satellite's", [["!", [10, 10]], ["", [20, 15], [20, 40]]], [], [[10, 10], [20, 40]]],
    ["a mark's label is left out where it would overlap", [["!", [10, 10]], ["", [30, 12]]], [], [[10, 10]]],
    ["a mark's label is left out where it would be cut off", [["", [170, 40], [-2, 40]]], [], []],
    ["labels just touching both stand", [["", [0, 0]], ["", [40, 0]]], [], [[0, 0], [40, 0]]],
  ];
  for (const [what, labels, free, expected] of cases) {
    it(what, () => {
      const wanted = labels.map(([mark, ...xy], i) => ({ text: String(i), colour: "", width: 40, height: 10, places: places(...xy), needed: mark === "!" }));
      const placed = sky.placeLabels(wanted, { width: 200, height: 100 }, free);
      assert.deepEqual(placed.map((p) => [p.x, p.y]), expected);
    });
  }
});
