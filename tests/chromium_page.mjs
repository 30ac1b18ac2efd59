// A page in headless Chromium, driven through the DevTools protocol on the
// pipe Chromium opens with --remote-debugging-pipe (file descriptors 3 and
// 4, messages ended by NUL): no driver and no package besides Chromium.
import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

export async function openPage(url, { width = 1400, height = 1000 } = {}) {
  const profile = mkdtempSync(join(tmpdir(), 'quillstat-chromium-'));
  const browser = spawn(process.env.CHROMIUM || '/usr/bin/chromium', [
    '--headless', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
    '--disable-component-update', '--disable-sync', '--no-first-run',
    `--user-data-dir=${profile}`, `--window-size=${width},${height}`,
    '--remote-debugging-pipe', 'about:blank',
  ], { stdio: ['ignore', 'ignore', 'ignore', 'pipe', 'pipe'] });
  const toBrowser = browser.stdio[3], fromBrowser = browser.stdio[4];

  let nextId = 1, pending = new Map(), waiters = [], buffered = '';
  const errors = [], requests = [];
  fromBrowser.on('data', chunk => {
    buffered += chunk.toString('utf8');
    for (let end; (end = buffered.indexOf('\0')) >= 0; buffered = buffered.slice(end + 1)) {
      const message = JSON.parse(buffered.slice(0, end));
      if (message.id && pending.has(message.id)) {
        const { resolve, reject } = pending.get(message.id);
        pending.delete(message.id);
        message.error ? reject(new Error(JSON.stringify(message.error))) : resolve(message.result);
        continue;
      }
      if (message.method === 'Runtime.exceptionThrown') {
        errors.push(message.params.exceptionDetails.exception?.description ||
                    message.params.exceptionDetails.text);
      } else if (message.method === 'Runtime.consoleAPICalled' && message.params.type === 'error') {
        errors.push(message.params.args.map(a => a.value ?? a.description).join(' '));
      } else if (message.method === 'Log.entryAdded' && message.params.entry.level === 'error') {
        errors.push(message.params.entry.text);
      } else if (message.method === 'Network.requestWillBeSent') {
        requests.push(message.params.request.url);
      }
      waiters = waiters.filter(w => !(w.method === message.method && (w.resolve(), true)));
    }
  });
  // A browser that ends or cannot start fails whatever waits on it.
  const exited = new Promise(resolve => browser.on('exit', resolve));
  const fail = error => {
    for (const { reject } of [...pending.values(), ...waiters]) reject(error);
    pending.clear();
    waiters = [];
  };
  browser.on('error', fail);
  exited.then(code => fail(new Error(`chromium ended (${code})`)));

  let session;
  function send(method, params = {}) {
    const id = nextId++;
    toBrowser.write(JSON.stringify({ id, method, params, sessionId: session }) + '\0');
    return new Promise((resolve, reject) => pending.set(id, { resolve, reject }));
  }
  const eventSeen = method => new Promise((resolve, reject) => waiters.push({ method, resolve, reject }));

  const { targetId } = await send('Target.createTarget', { url: 'about:blank' });
  ({ sessionId: session } = await send('Target.attachToTarget', { targetId, flatten: true }));
  for (const domain of ['Page', 'Runtime', 'Log', 'Network']) await send(`${domain}.enable`);
  const loaded = eventSeen('Page.loadEventFired');
  const started = performance.now();
  await send('Page.navigate', { url });
  await loaded;
  const loadMs = performance.now() - started;

  return {
    errors, requests, loadMs,
    // The value of `expression`, awaited when it is a promise.
    async evaluate(expression) {
      const { result, exceptionDetails } = await send('Runtime.evaluate',
          { expression, returnByValue: true, awaitPromise: true });
      if (exceptionDetails) throw new Error(exceptionDetails.exception?.description || exceptionDetails.text);
      return result.value;
    },
    // The whole page as PNG bytes.
    async screenshot() {
      const { data } = await send('Page.captureScreenshot', { format: 'png', captureBeyondViewport: true });
      return Buffer.from(data, 'base64');
    },
    async close() {
      session = undefined;
      await send('Browser.close').catch(() => {});
      await exited;
      rmSync(profile, { recursive: true, force: true });
    },
  };
}
