// SPDX-License-Identifier: MIT
// The site's start in a browser: the bytes fetched before the window shows
// and the time from navigation to the window, from the local server, on
// Chromium's "Fast 4G" throttling (Chromium only), and from the service
// worker's cache after a first visit. Medians of five fresh starts each;
// figures only. Run by tests/e2e/web.sh, which serves the site.
import { browserName, launch, open, puppeteer, sleep } from '../tests/e2e/web/browser.mjs';

const runs = 5;
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// Before the page's scripts: the time the window shows.
function watchShown() {
    window.addEventListener('velmora-shown', () => { window.shownAt = performance.now(); });
}

// The time to the window and the bytes on the wire before it, of one start.
async function measure(page) {
    await page.waitForFunction(() => window.shownAt, { timeout: 120000 });
    return page.evaluate(() => {
        const entries = [...performance.getEntriesByType('navigation'), ...performance.getEntriesByType('resource')];
        const before = entries.filter((entry) => entry.responseEnd <= window.shownAt);
        return { time: window.shownAt, bytes: before.reduce((sum, entry) => sum + entry.transferSize, 0) };
    });
}

async function startsOn(conditions) {
    const results = [];
    for (let run = 0; run < runs; ++run) {
        const browser = await launch(1, null, `bench-${conditions ? 'throttled' : 'local'}-${run}`);
        const page = await browser.newPage();
        if (conditions)
            await page.emulateNetworkConditions(conditions);
        await page.evaluateOnNewDocument(watchShown);
        await page.goto(process.argv[3]);
        results.push(await measure(page));
        await browser.close();
    }
    return results;
}

async function startsFromCache() {
    const results = [];
    const browser = await launch(1, null, 'bench-cached');
    const first = await open(browser);
    await first.waitForFunction(() => navigator.serviceWorker.controller, { timeout: 60000 });
    await first.close();
    for (let run = 0; run < runs; ++run) {
        const page = await browser.newPage();
        await page.evaluateOnNewDocument(watchShown);
        await page.goto(process.argv[3]);
        results.push(await measure(page));
        await page.close();
        await sleep(200);
    }
    await browser.close();
    return results;
}

const row = (what, results, aim) => {
    const times = results.map((result) => result.time);
    const bytes = median(results.map((result) => result.bytes));
    console.log(`| time to the window in ${browserName}, ${what} | ${median(times).toFixed(0)} ms | ${Math.min(...times).toFixed(0)} ms | ` +
        `${Math.max(...times).toFixed(0)} ms | ${bytes.toLocaleString('en')} B on the wire before it${aim} |`);
};
row('local server', await startsOn(null), '; aim at most 4,000,000 B');
if (browserName === 'chromium')
    row('Fast 4G', await startsOn(puppeteer.PredefinedNetworkConditions['Fast 4G']), '; aim at most 3 s');
row('from the cache', await startsFromCache(), '; aim at most 1 s');
