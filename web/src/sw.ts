// The service worker: every file of the site cached at install, all or
// nothing, under a name that changes with the build; answers from the cache
// first, so the app works offline after its first visit.
export type {}; // a module, so that `self` below is this worker's own
declare const self: ServiceWorkerGlobalScope;
// Written by the build: the site's files and a hash of their contents.
declare const KESTRION_FILES: string[];
declare const KESTRION_VERSION: string;

const cacheName = `kestrion-${KESTRION_VERSION}`;

async function fetchChecked(file: string): Promise<Response> {
  const response = await fetch(new Request(file, { cache: "reload" }));
  if (!response.ok) throw new Error(`${file}: HTTP ${response.status}`);
  // A broken or truncated module must never be what the offline app runs.
  if (file.endsWith(".wasm") && !WebAssembly.validate(await response.clone().arrayBuffer())) {
    throw new Error(`${file} is not a valid WebAssembly module`);
  }
  return response;
}

self.addEventListener("install", (event) => {
  event.waitUntil(
    (async () => {
      const responses = await Promise.all(KESTRION_FILES.map(fetchChecked));
      const cache = await caches.open(cacheName);
      await Promise.all(KESTRION_FILES.map((file, i) => cache.put(file, responses[i])));
    })(),
  );
});

self.addEventListener("activate", (event) => {
  event.waitUntil(
    (async () => {
      for (const name of await caches.keys()) {
        if (name.startsWith("kestrion-") && name !== cacheName) await caches.delete(name);
      }
      await self.clients.claim();
    })(),
  );
});

self.addEventListener("message", (event) => {
  if (event.data === "skipWaiting") void self.skipWaiting();
});

self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET" || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(
    (async () => {
      const cache = await caches.open(cacheName);
      // The page's address may carry parameters; its file is the same.
      const cached =
        (await cache.match(request, { ignoreSearch: request.mode === "navigate" })) ??
        (request.mode === "navigate" ? await cache.match("./") : undefined);
      return cached ?? fetch(request);
    })(),
  );
});
