// What the pages need of the engine: the calls of its class, as it types
// them, so that the pages' view cannot drift from it.
import type { Engine, RunResult } from "../engine";

export type Outcome = RunResult;

export type EngineApi = Pick<
  Engine,
  | "run"
  | "state"
  | "describe"
  | "satellites"
  | "complete"
  | "setDate"
  | "setOffsetAngle"
  | "setTranslations"
  | "report"
  | "aids"
  | "angleProblem"
  | "enter"
  | "putFile"
  | "setRainInput"
  | "arc"
  | "setSunOption"
  | "sun"
  | "sunAt"
  | "sunPath"
  | "motor"
  | "setMotorLimit"
  | "visible"
  | "multifeed"
>;
