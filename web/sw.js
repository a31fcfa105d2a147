// The service worker of the web edition: it keeps every file of the site in a
// cache made on the first visit, so that the advisor starts without a network
// from then on. The cache is named after the build; a new build's worker
// fills its own cache and deletes the older ones.
'use strict';

const VERSION = '@SITE_VERSION@';
const FILES = [@SITE_FILES@];
const PREFIX = 'ausweichregeln-';
const CACHE = PREFIX + VERSION;

self.addEventListener('install', (event) => {
  // Revalidated against the server, not copied from an older HTTP cache. The
  // page, loaded as ./ on the first visit, is kept as index.html too.
  const requests = FILES.map((file) => new Request(file, { cache: 'no-cache' }));
  event.waitUntil(
    caches.open(CACHE)
      .then((cache) => cache.addAll(requests)
        .then(() => cache.match('./'))
        .then((page) => cache.put('index.html', page)))
      .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(
    caches.keys()
      .then((names) => Promise.all(names
        .filter((name) => name.startsWith(PREFIX) && name !== CACHE)
        .map((name) => caches.delete(name))))
      .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(
    caches.open(CACHE)
      .then((cache) => cache.match(event.request, { ignoreSearch: true }))
      .then((cached) => cached || fetch(event.request)));
});
