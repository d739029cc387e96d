// "Use my position": the browser's position fix entered as typed latitude
// and longitude are, to the ten-thousandth of a degree, with the fix's
// accuracy; a refusal, no fix or a time-out says so and changes nothing.
import { format, type Catalogue, type WebText } from "../app/i18n";
import { make, setText } from "../app/dom";
import { button } from "./aid";

export interface PositionHooks {
  enter(input: "latitude" | "longitude", text: string): boolean;
}

const kTimeoutMs = 30000;
const kProblems: Record<number, WebText> = { 1: "positionDenied", 2: "positionUnavailable", 3: "positionTimeout" };

export class PositionAid {
  readonly element: HTMLElement;
  private readonly trigger: HTMLButtonElement;
  private readonly status: HTMLElement;

  constructor(
    private readonly catalogue: Catalogue,
    private readonly hooks: PositionHooks,
  ) {
    this.trigger = button(catalogue.web("usePosition"), () => this.ask());
    this.status = make("p", { class: "position-status", "aria-live": "polite" });
    this.element = make("div", { class: "position-aid" }, this.trigger, this.status);
  }

  private ask(): void {
    if (!("geolocation" in navigator)) {
      this.problem("positionMissing");
      return;
    }
    this.trigger.disabled = true;
    this.status.classList.remove("aid-problem");
    setText(this.status, this.catalogue.web("positionAsking"));
    navigator.geolocation.getCurrentPosition(
      (fix) => this.take(fix),
      (e) => this.problem(kProblems[e.code] ?? "positionUnavailable"),
      { enableHighAccuracy: true, timeout: kTimeoutMs, maximumAge: 0 },
    );
  }

  private take(fix: GeolocationPosition): void {
    this.trigger.disabled = false;
    this.status.classList.remove("aid-problem");
    const { latitude, longitude, accuracy } = fix.coords;
    const entered =
      this.hooks.enter("latitude", latitude.toFixed(4)) && this.hooks.enter("longitude", longitude.toFixed(4));
    setText(this.status, entered ? format(this.catalogue.web("positionEntered"), String(Math.round(accuracy))) : "");
  }

  private problem(text: WebText): void {
    this.trigger.disabled = false;
    // Beside the button that was tapped, which a phone's screen shows,
    // rather than above the pages.
    this.status.classList.add("aid-problem");
    setText(this.status, format(this.catalogue.web(text), String(kTimeoutMs / 1000)));
  }
}
