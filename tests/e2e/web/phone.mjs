// SPDX-License-Identifier: MIT
// Velmora's site on a phone and without a network, in Chromium: on a
// 390×844 screen at ratio 3 with touch the window fits the width and is
// painted at the real scale, and taps copy; 转繁体 works before the
// dictionaries have arrived, and typed text shows once the fuller font has;
// after a first visit the page opens offline; once a next release is served,
// the next visit shows it, every file of that release.
import { execFileSync } from 'node:child_process';
import {
    check, click, expectCopied, expectPicture, finish, launch, open, pixels, setClipboard, sleep,
    withControl,
} from './browser.mjs';

// What 获取情侣签名 then 转繁体 make of the box.
const convertedPair = '導演記憶中不該記錄的回憶、悲傷，傷悲。習慣就好。  \r\n\r\n演繹悲傷裏不配悲情的心傷、離別，別離。自然就好。';
const phone = { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true };
const nginx = (...args) => execFileSync('nginx', ['-p', process.env.VELMORA_NGINX, '-c',
    `${process.env.VELMORA_NGINX}/nginx.conf`, ...args], { stdio: 'ignore' });
const version = (page) => page.$eval('meta[name=velmora-version]', (meta) => meta.content);

// Before the page's scripts: its own fetches of the files only later
// commands or typed text need wait until the test lets them go.
function holdLaterFiles() {
    const fetchNow = window.fetch.bind(window);
    let release;
    const released = new Promise((resolve) => { release = resolve; });
    window.releaseLaterFiles = release;
    window.fetch = async (resource, options) => {
        if (/opencc\/|velmora-full\.ttf/.test(String(resource)))
            await released;
        return fetchNow(resource, options);
    };
}

const browser = await launch(3, phone);
try {
    // The largest ratio with a background that fits 390 - 16 CSS pixels at
    // ratio 3: 2 (2.25 would need 1,217 device pixels of 1,122).
    const page = await open(browser, '/', holdLaterFiles);
    const fits = await page.evaluate(() => {
        const screen = document.querySelector('#screen').getBoundingClientRect();
        return screen.left >= 0 && screen.right <= 390 && document.documentElement.scrollWidth <= 390;
    });
    check(fits, 'on the phone the window fits the width, with no sideways scrolling');
    await expectPicture(page, 2, 'on the phone');

    // Taps: the first pair copied; then 转繁体 while the dictionaries are still on their way.
    await click(page, 'Label1', true);
    await click(page, 'Label4', true);
    await expectCopied(process.env.first_pair, 'taps on 获取情侣签名 and 复制 copied the first pair');
    await click(page, 'Label2', true);
    await click(page, 'Label4', true);
    await expectCopied(convertedPair, '转繁体 before the dictionaries arrived converted the pair');

    // Text outside the first font shows once the fuller one arrives.
    setClipboard('嗯嘛');
    await click(page, 'Text1', true);
    await withControl(page, 'KeyA', 'KeyV');
    const missing = await pixels(page, 'missing', 'Text1');
    await page.evaluate(() => window.releaseLaterFiles());
    await sleep(2000);
    check(await pixels(page, 'arrived', 'Text1') !== missing, 'pasted text shows once the fuller font has arrived');

    // The first visit keeps the site; with the server gone, the page opens.
    await page.waitForFunction(() => navigator.serviceWorker.controller, { timeout: 60000 });
    const first = await version(page);
    nginx('-s', 'stop');
    await sleep(500);
    const offline = await open(browser);
    check(await offline.$eval('#screen', (screen) => screen.classList.contains('shown')),
        'after a first visit the window shows with no network');
    await click(offline, 'Label1', true);
    await click(offline, 'Label2', true);
    await click(offline, 'Label4', true);
    await expectCopied(convertedPair, 'offline, 转繁体 converted the first pair');
    await offline.close();
    await page.close();

    // A next release, its stylesheet changed, served in the first's place.
    const work = `${process.env.VELMORA_NGINX}/..`;
    execFileSync('sh', ['-c', `cp -r "${process.env.VELMORA_PAGE}" "${work}/next-page" &&
        echo '/* next release */' >>"${work}/next-page/page.css" &&
        sh "${process.env.VELMORA_MAKE_SITE}" "${work}/next-site" "${work}/next-page" &&
        ln -sfn "${work}/next-site" "${work}/served"`], { stdio: 'inherit' });
    nginx();
    await sleep(500);
    const next = await open(browser);
    const shown = await version(next);
    check(shown !== first, `the next visit shows the next release (${first} then ${shown})`);
    // Every file the page asked for but itself and the service worker, of the release shown.
    const mixed = next.requests.filter((url) => url.startsWith('http') && !/\/(sw\.js)?$/.test(url) &&
        !url.endsWith(`?v=${shown}`));
    check(mixed.length === 0, `the next release is not mixed with the first${mixed.length ? `: ${mixed}` : ''}`);
    check(await next.$eval('#screen', (screen) => screen.classList.contains('shown')), 'the next release shows its window');
} finally {
    await browser.close();
}
finish();
