// The shapes the engine's C interface returns, as JSON: the controls from the
// model's tables, the state kestrion-cli prints, and the report.

import type { RainDescription } from "./rain";

export type Rect = [left: number, top: number, width: number, height: number];

export interface ControlDesc {
  kind:
    | "label"
    | "text"
    | "slider"
    | "option"
    | "button"
    | "picture"
    | "link"
    | "hidden"
    | "aid"
    | "offsetAngle";
  name: string;
  input?: string; // a slider's, or the caption label's, input
  rain?: string;
  command?: "quit" | "footprints" | "homePage";
  aid?: "magneticBearing" | "declination" | "faceTilt" | "warnings" | "satelliteName";
  caption?: string;
  artwork?: string; // ":/artwork/compass_rose.svg"
  rect: Rect;
  look: string;
  tooltip?: string;
  large?: boolean;
}

export interface InputDesc {
  name: string;
  page: number;
  caption: string;
  unit: string;
  scale: "whole" | "tenth";
  min: number;
  max: number;
  initial: number;
}

export interface Describe {
  title: string;
  version: string;
  homePage: string;
  footprintPage: string;
  aboutNotice: string;
  translationContexts: { caption: string; tooltip: string };
  tabControl: Rect;
  pageContentTop: number;
  alignmentPage: number;
  pages: { caption: string; controls: ControlDesc[] }[];
  window: ControlDesc[];
  inputs: InputDesc[];
  values: { name: string; caption: string }[];
  rainOptions: { name: string; caption: string }[];
  pointers: string[];
  focusOrder: { kind: string; name?: string }[];
  rainFade: RainDescription;
  typedEntries: Record<"latitude" | "longitude" | "satellite", string>; // entry -> input
  arcValues: { elevation: string; azimuth: string }; // the values the arc gives per position
}

export interface Pointing {
  declination: number | null;
  magneticAzimuth: string;
  model: string;
  date: string;
  offsetAngle: number;
  faceTilt: string;
  warnings: string[];
}

export interface State {
  event: string;
  texts: Record<string, string>;
  sliders: Record<string, number>;
  option: string;
  lines: Record<string, [number, number, number, number]>;
  pointing: Pointing;
}

export interface Row {
  id: string; // the value's control name, or the aid's
  caption: string;
  value: string;
  unit: string;
  shown: string; // the value with its unit, as the window writes them
}

// The pointing aids in words.
export interface Aids {
  satelliteName: string;
  declination: string;
  faceTilt: string;
  faceTiltDegrees: number | null; // leaning back positive
  shortWarnings: string[];
}

export interface Report extends Aids {
  pages: { rows: Row[]; copy: string }[];
  rainFade?: { basis: Row[]; results: Row[]; warnings: string[] };
  sheet: {
    title: string;
    date: string;
    site: string;
    sections: { heading: string; captionShare: number; rows: Row[] }[];
    pictureCaptions: string[];
    notes: string;
    signatures: string;
    footer: string;
  };
}

export interface Satellite {
  name: string;
  position: number;
}
