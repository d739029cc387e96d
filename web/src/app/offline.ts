// The service worker keeps every file of the site, so the calculator opens
// and computes with the network off. A new version waits until the user
// chooses to reload, so a page in use never changes under them.
import type { Catalogue } from "./i18n";
import { make } from "./dom";

export function registerServiceWorker(
  say: (text: string, action?: { label: string; run: () => void }) => void,
  catalogue: Catalogue,
): void {
  if (!("serviceWorker" in navigator) || !window.isSecureContext) return;
  const offer = (worker: ServiceWorker) =>
    say(catalogue.web("update"), {
      label: catalogue.web("reload"),
      run: () => worker.postMessage("skipWaiting"),
    });
  let reloading = false;
  navigator.serviceWorker.addEventListener("controllerchange", () => {
    // Only a switch the user asked for reloads; the first install does not.
    if (reloading) location.reload();
  });
  navigator.serviceWorker
    .register("sw.js")
    .then((registration) => {
      const watch = (worker: ServiceWorker | null) => {
        worker?.addEventListener("statechange", () => {
          if (worker.state === "installed" && navigator.serviceWorker.controller) {
            reloading = true;
            offer(worker);
          }
        });
      };
      if (registration.waiting && navigator.serviceWorker.controller) {
        reloading = true;
        offer(registration.waiting);
      }
      registration.addEventListener("updatefound", () => watch(registration.installing));
    })
    .catch((e: unknown) => console.warn("kestrion: no offline copy:", e));
}

// The language in use stays on the device: the worker keeps only the
// browser's own languages when it installs.
export function keepLanguageOffline(code: string): void {
  if (code === "en" || !("serviceWorker" in navigator) || !window.isSecureContext) return;
  void navigator.serviceWorker.ready.then((r) => r.active?.postMessage({ keep: `i18n/${code}.txt` }));
}

export function actionButton(label: string, run: () => void): HTMLButtonElement {
  const b = make("button", { type: "button", class: "button" }, label);
  b.addEventListener("click", run);
  return b;
}
