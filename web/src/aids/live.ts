// Figures a screen reader hears as they change, but not every frame: the
// latest text at most once per gap, the last one always.
import { make, setText } from "../app/dom";

export class LiveText {
  readonly element: HTMLElement;
  private pending = "";
  private timer = 0;
  private last = -Infinity;

  constructor(private readonly gapMs = 2500) {
    this.element = make("p", { class: "visually-hidden", "aria-live": "polite" });
  }

  set(text: string): void {
    this.pending = text;
    if (this.timer) return;
    const wait = Math.max(0, this.last + this.gapMs - performance.now());
    this.timer = window.setTimeout(() => this.flush(), wait);
  }

  private flush(): void {
    this.timer = 0;
    this.last = performance.now();
    setText(this.element, this.pending);
  }

  stop(): void {
    window.clearTimeout(this.timer);
    this.timer = 0;
  }
}
