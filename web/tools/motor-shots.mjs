// Pictures of the alignment page's motor and multifeed section, to look at:
// Berlin towards Astra 19.2E with Hotbird 13E as the second satellite, at
// phone (360×740) and desktop (1280×800) size.
//   node web/tools/motor-shots.mjs OUT_DIR [LANG...]     (from web/, after a build)
import { join } from "node:path";
import { fileURLToPath } from "node:url";
import { launch, openPage, serveSite, stopServer } from "../tests/chromium.mjs";

const [out = "../build/shots", ...asked] = process.argv.slice(2);
const languages = asked.length > 0 ? asked : ["en"];
const site = fileURLToPath(new URL("../../build/web/site", import.meta.url));
const address = (language) =>
  `?lang=${language}&date=2026-01-01&page=4&event=latitude:=52.52` +
  "&event=longitude:=13.405&event=satellite:=Astra%2019.2E";

const browser = await launch();
const { server, origin } = await serveSite(site);
try {
  for (const language of languages) {
    for (const [name, width, height] of [["phone", 360, 740], ["desktop", 1280, 800]]) {
      const page = await openPage(browser, `${origin}/${address(language)}`, [], { width, height });
      await page.click("details.motor-section summary");
      await page.waitForSelector(".motor-form");
      await page.type("#second-satellite", "Hotbird 13E");
      await page.keyboard.press("Tab");
      await page.$eval("details.motor-section", (d) => d.scrollIntoView({ block: "start" }));
      await page.screenshot({ path: join(out, `motor-${name}-${language}.png`) });
      await (await page.$("details.motor-section")).screenshot({ path: join(out, `motor-section-${name}-${language}.png`) });
      await page.close();
    }
  }
} finally {
  await browser.close();
  await stopServer(server);
}
