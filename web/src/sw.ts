// The service worker: every file of the site cached at install, all or
// nothing, under a name that changes with the build; answers from the cache
// first, so the app works offline after its first visit. Of the languages'
// catalogues only those the browser asks for, those used before and those
// the page chooses are kept: each other one would cost the first visit as
// much as a page of the app.
export type {}; // a module, so that `self` below is this worker's own
declare const self: ServiceWorkerGlobalScope;
// Written by the build: the site's files and a hash of their contents.
declare const KESTRION_FILES: string[];
declare const KESTRION_VERSION: string;
declare const KESTRION_CATALOGUES: string[];

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

const isCatalogue = (file: string) => KESTRION_CATALOGUES.includes(file);

// The browser's languages, and those an earlier version kept.
async function cataloguesWanted(): Promise<string[]> {
  const codes = (self.navigator.languages ?? [self.navigator.language]).map(
    (code) => `i18n/${code.toLowerCase().split(/[-_]/)[0]}.txt`,
  );
  for (const name of await caches.keys()) {
    if (!name.startsWith("kestrion-") || name === cacheName) continue;
    const old = await caches.open(name);
    for (const request of await old.keys()) codes.push(new URL(request.url).pathname.replace(/^.*\/(?=i18n\/)/, ""));
  }
  return KESTRION_CATALOGUES.filter((file) => codes.includes(file));
}

async function keep(file: string): Promise<Response> {
  const response = await fetchChecked(file);
  const cache = await caches.open(cacheName);
  await cache.put(file, response.clone());
  return response;
}

self.addEventListener("install", (event) => {
  event.waitUntil(
    (async () => {
      const files = [...KESTRION_FILES, ...(await cataloguesWanted())];
      const responses = await Promise.all(files.map(fetchChecked));
      const cache = await caches.open(cacheName);
      await Promise.all(files.map((file, i) => cache.put(file, responses[i])));
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
  // The page's language, kept for offline use.
  const file = (event.data as { keep?: unknown } | null)?.keep;
  if (typeof file === "string" && isCatalogue(file)) {
    event.waitUntil(
      (async () => {
        if (!(await (await caches.open(cacheName)).match(file))) await keep(file).catch(() => undefined);
      })(),
    );
  }
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
      if (cached) return cached;
      const file = new URL(request.url).pathname.replace(/^.*\/(?=i18n\/)/, "");
      return isCatalogue(file) ? keep(file) : fetch(request);
    })(),
  );
});
