// The sun section's place on the alignment page: its heading is there from
// the start, its code and its figures come when it is first opened, and it
// follows the page's changes only while open, a moment after they rest (the
// outage search is not for every step of a slider).
import type { Describe } from "./model";
import type { Catalogue } from "./i18n";
import type { SunHooks, SunSection } from "./sun-section";
import { make } from "./dom";

export interface LazySection {
  readonly element: HTMLDetailsElement;
  update(): void;
}

const kRestMs = 150;

export function sunSection(describe: Describe, catalogue: Catalogue, hooks: SunHooks): LazySection {
  const element = make(
    "details",
    { class: "sun-section" },
    make("summary", {}, catalogue.tr("kestrion::ui::SunDialog", "The sun: direction, outages and obstacles")),
  );
  let section: SunSection | undefined;
  let loading = false;
  let timer = 0;
  element.addEventListener("toggle", () => {
    if (!element.open || section || loading) return;
    loading = true;
    void import("./sun-section").then(({ SunSection }) => {
      section = new SunSection(describe, catalogue, hooks);
      element.append(section.element);
    });
  });
  return {
    element,
    update() {
      if (!section || !element.open) return;
      window.clearTimeout(timer);
      timer = window.setTimeout(() => section?.update(), kRestMs);
    },
  };
}
