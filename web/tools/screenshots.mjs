// The README's pictures of the web app: the alignment page with a typed
// site in Berlin towards Astra 19.2E, at phone and at desktop size.
//   node web/tools/screenshots.mjs OUT_DIR [LANG]     (from web/, after a build)
import { join } from "node:path";
import { fileURLToPath } from "node:url";
import { launch, openPage, serveSite, stopServer } from "../tests/chromium.mjs";

const [out = "../docs", language = "en"] = process.argv.slice(2);
const site = fileURLToPath(new URL("../../build/web/site", import.meta.url));
const address =
  `?lang=${language}&date=2026-01-01&page=4&event=latitude:=52.52` +
  "&event=longitude:=13.405&event=satellite:=Astra%2019.2E";
const suffix = language === "en" ? "" : `-${language}`;

const browser = await launch();
const { server, origin } = await serveSite(site);
try {
  for (const [name, width] of [["phone", 360], ["desktop", 1280]]) {
    const page = await openPage(browser, `${origin}/${address}`);
    // A viewport as tall as the page, so the results pinned to a phone's
    // screen bottom stand where they belong.
    await page.setViewport({ width, height: 800 });
    const height = await page.evaluate(() => document.documentElement.scrollHeight);
    await page.setViewport({ width, height });
    await page.screenshot({ path: join(out, `screenshot-web-${name}${suffix}.png`) });
    await page.close();
  }
} finally {
  await browser.close();
  await stopServer(server);
}
