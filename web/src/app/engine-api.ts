// What the pages need of the engine: the C interface's calls, typed.
import type { Aids, Describe, Report, Satellite, State } from "./model";
import type { AngleInput } from "./entry";
import type { ArcText } from "../aids/sky";

export interface Outcome {
  status: number; // 0 ran, 2 refused (nothing changed), 3 a floating-point fault
  message: string;
}

export interface EngineApi {
  run(event: string): Outcome;
  state(): State;
  describe(): Describe;
  satellites(): Satellite[];
  complete(prefix: string): Satellite[];
  setDate(date: string): Outcome;
  setOffsetAngle(degrees: string): Outcome;
  setTranslations(catalogue: string): Outcome;
  report(siteName: string): Report;
  aids(): Aids;
  angleProblem(input: AngleInput, text: string): string;
  enter(input: AngleInput, text: string): Outcome;
  putFile(name: string, bytes: Uint8Array): string;
  setRainInput(event: string, fileName?: string): Outcome;
  arc(): ArcText[];
}
