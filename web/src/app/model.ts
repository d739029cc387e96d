// The shapes the engine's C interface returns, as JSON, for the pages: the
// controls from the model's tables (their types written from the engine when
// the app is built), the state kestrion-cli prints, and the report.
export type {
  Aids,
  AngleInput,
  ArcText,
  ControlDesc,
  Describe,
  InputDesc,
  Pointing,
  Rect,
  Report,
  Row,
  Satellite,
  State,
} from "../engine";
export type { RainDescription, RainInput } from "../generated/description";
