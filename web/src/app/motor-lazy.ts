// The alignment page's motor and multifeed section as it stands on the first
// visit: a closed heading, whose code is fetched the first time it opens.
import { format, type Catalogue } from "./i18n";
import { make } from "./dom";
import type { MotorHooks, MotorSection } from "./motor";

export class MotorSectionLoader {
  readonly element: HTMLDetailsElement;
  private section: MotorSection | undefined;
  private loading = false;

  constructor(
    private readonly catalogue: Catalogue,
    private readonly hooks: MotorHooks,
  ) {
    this.element = make(
      "details",
      { class: "motor-section" },
      make("summary", {}, catalogue.tr("kestrion::ui::MotorDialog", "Motor and multifeed")),
    );
    this.element.addEventListener("toggle", () => {
      if (this.element.open) void this.open();
    });
  }

  private async open(): Promise<void> {
    if (this.section) {
      this.section.update();
      return;
    }
    if (this.loading) return;
    this.loading = true;
    const status = make("p", { class: "note", role: "status" }, this.catalogue.web("motorLoading"));
    this.element.append(status);
    try {
      const { MotorSection } = await import("./motor");
      this.section = new MotorSection(this.catalogue, this.hooks);
      status.replaceWith(this.section.element);
      this.section.update();
    } catch (e) {
      status.textContent = format(this.catalogue.web("motorLoadFailed"), String(e));
      status.classList.add("problem");
    } finally {
      this.loading = false;
    }
  }

  // After the site or satellite moved: only an open section works it out.
  update(): void {
    if (this.element.open) this.section?.update();
  }
}
