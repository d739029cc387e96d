// The address's values refused in the words of the page that opened it: a
// slider by its caption and the values its box shows, a page by its title.
// kestrion-cli's scripts read control names and positions; a person who
// followed a link reads these.
import type { Describe } from "./model";
import { type Catalogue, format } from "./i18n";
import { allowed, positionText } from "./slider-entry";

const kSliderEvent = /^([A-Za-z0-9]+)[=~](.*)$/s;
const kTypedEvent = /^([a-z]+):=(.*)$/s;

// What was wrong with a refused event, or undefined when it names no input
// (the engine's own message then says what events are).
export function eventWords(
  event: string,
  describe: Describe,
  catalogue: Catalogue,
  angleProblem: (input: keyof Describe["typedEntries"], text: string) => string,
): string | undefined {
  const typed = kTypedEvent.exec(event);
  if (typed && typed[1] in describe.typedEntries) {
    return angleProblem(typed[1] as keyof Describe["typedEntries"], typed[2]);
  }
  const move = kSliderEvent.exec(event);
  const input = move ? describe.inputs.find((i) => i.name === move[1]) : undefined;
  if (!move || !input) return undefined;
  const [low, high, unit] = allowed(input);
  const caption = catalogue.tr("Caption", input.caption);
  if (!/^[+-]?\d+$/.test(move[2])) return format(catalogue.web("eventNotNumber"), caption, move[2], low, high, unit);
  return format(catalogue.web("eventOutside"), caption, positionText(input, Number(move[2])), low, high, unit);
}

// A page number that is none: the pages there are, by number and title.
export function pageWords(page: string, describe: Describe, catalogue: Catalogue): string {
  const pages = describe.pages.map((p, i) => `${i} ${catalogue.tr("Caption", p.caption)}`);
  return format(catalogue.web("pageRefused"), page, pages.join(", "));
}
