// Serves the built site on 127.0.0.1 for ./run.sh --web and the browser
// tests: static files only, with the types browsers insist on (a module's
// JavaScript, application/wasm for streaming compilation, the manifest).
//   node web/tools/serve.mjs SITE_DIR [PORT]   (PORT 0 picks a free one)
import { createServer } from "node:http";
import { createReadStream, statSync } from "node:fs";
import { extname, join, normalize, resolve, sep } from "node:path";

const kTypes = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".mjs": "text/javascript; charset=utf-8",
  ".css": "text/css; charset=utf-8",
  ".json": "application/json",
  ".webmanifest": "application/manifest+json",
  ".wasm": "application/wasm",
  ".svg": "image/svg+xml",
  ".png": "image/png",
  ".txt": "text/plain; charset=utf-8",
};

export function serve(site, port = 8080, host = "127.0.0.1") {
  const root = resolve(site);
  const server = createServer((request, response) => {
    const path = decodeURIComponent(new URL(request.url ?? "/", "http://x").pathname);
    let file = normalize(join(root, path));
    if (file !== root && !file.startsWith(root + sep)) {
      response.writeHead(403).end();
      return;
    }
    try {
      if (statSync(file).isDirectory()) file = join(file, "index.html");
      const size = statSync(file).size;
      response.writeHead(200, {
        "Content-Type": kTypes[extname(file)] ?? "application/octet-stream",
        "Content-Length": size,
        "Cache-Control": "no-cache",
      });
      if (request.method === "HEAD") response.end();
      else createReadStream(file).pipe(response);
    } catch {
      response.writeHead(404, { "Content-Type": "text/plain" }).end("not found\n");
    }
  });
  return new Promise((done, fail) => {
    server.once("error", fail);
    server.listen(port, host, () => done(server));
  });
}

if (import.meta.url === `file://${process.argv[1]}`) {
  const [site, portText] = process.argv.slice(2);
  const port = Number(portText ?? process.env.PORT ?? 8080);
  if (!site || !Number.isInteger(port) || port < 0 || port > 65535) {
    console.error("usage: serve.mjs SITE_DIR [PORT]  (PORT: 0 to 65535)");
    process.exit(2);
  }
  try {
    statSync(join(site, "index.html"));
  } catch {
    console.error(`serve.mjs: ${site} holds no index.html; build the web app first`);
    process.exit(2);
  }
  const server = await serve(site, port).catch((e) => {
    console.error(`serve.mjs: cannot listen on 127.0.0.1:${port}: ${e.message}`);
    process.exit(2);
  });
  console.log(`Kestrion is served on http://127.0.0.1:${server.address().port}/ (Ctrl+C stops it)`);
  // Browsers keep connections open; closing them lets Ctrl+C end at once.
  const stop = () => {
    server.close(() => process.exit(0));
    server.closeAllConnections();
  };
  process.on("SIGINT", stop);
  process.on("SIGTERM", stop);
}
