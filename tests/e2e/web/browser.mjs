// SPDX-License-Identifier: MIT
// What the web checks share: the browser as a user has it, the page opened,
// clicks on the window's controls, the X clipboard, the window's pixels.
// Arguments of every check script: chromium|firefox ORIGIN ASSETS WORK NODE-MODULES
import { execFileSync } from 'node:child_process';
import { createRequire } from 'node:module';
import { setTimeout as sleep } from 'node:timers/promises';

export { sleep };
export const [browserName, origin, assets, work, modules] = process.argv.slice(2);
export const puppeteer = createRequire(`${modules}/`)('puppeteer-core');
const port = new URL(origin).port;

const failures = [];
export function check(ok, what) {
    if (!ok)
        failures.push(what);
    console.log(`${ok ? 'ok' : 'FAIL'}: ${what}`);
}
export function finish() {
    if (failures.length) {
        console.log(`${failures.length} checks failed in ${browserName}`);
        process.exit(1);
    }
}

// The window's controls, in CSS pixels from its top-left corner.
export const controls = {
    Text1: [36, 68, 468, 103], Text2: [37, 203, 467, 13], Label5: [38, 176, 142, 22],
    Label1: [27, 278, 139, 33], Label2: [197, 275, 88, 40], Label3: [313, 275, 87, 41],
    Label4: [426, 276, 87, 41], Label6: [22, 332, 147, 43], Label7: [196, 333, 142, 41],
    Label8: [371, 336, 142, 40],
};
const centre = (name) => [controls[name][0] + controls[name][2] / 2, controls[name][1] + controls[name][3] / 2];

// Each browser at the device pixel ratio as its users set it: Firefox's own
// setting, Chromium's screen as puppeteer emulates it; `viewport` replaces
// Chromium's screen (a phone's, say). Chromium keeps a profile of its own
// for each ratio and screen, unless given a name for one.
export function launch(ratio, viewport = null, profile = `${ratio}-${viewport ? 'phone' : 'desk'}`) {
    if (browserName === 'firefox') {
        return puppeteer.launch({
            headless: false, defaultViewport: null, browser: 'firefox', executablePath: '/usr/bin/firefox-esr',
            args: ['--width=1600', '--height=1300'],
            extraPrefsFirefox: {
                // The maker's site through the test's server; plain http stays plain.
                'network.proxy.type': 1, 'network.proxy.http': '127.0.0.1', 'network.proxy.http_port': Number(port),
                'dom.security.https_first': false, 'dom.security.https_only_mode': false,
                'layout.css.devPixelsPerPx': String(ratio), 'webgl.force-enabled': true,
            },
        });
    }
    return puppeteer.launch({
        headless: false, defaultViewport: viewport || { width: 800, height: 600, deviceScaleFactor: ratio },
        executablePath: '/usr/bin/chromium', userDataDir: `${work}/chromium-${profile}`,
        args: ['--no-sandbox', '--enable-unsafe-swiftshader', '--no-first-run', '--disable-quic',
            '--disable-background-networking', '--disable-component-update', '--disable-sync',
            `--host-resolver-rules=MAP www.korvane.example 127.0.0.1:${port}`, '--window-size=900,700'],
    });
}

// Opens the page, `before` run in it ahead of its own scripts; resolves once
// the window shows, or the page's message does. The page's requests and
// breaches of its policy are kept on it.
export async function open(browser, path = '/', before = null) {
    const page = await browser.newPage();
    page.requests = [];
    page.on('request', (request) => page.requests.push(request.url()));
    page.on('console', (message) => console.log(`  [page] ${message.text()}`));
    await page.evaluateOnNewDocument(() => {
        window.violations = [];
        document.addEventListener('securitypolicyviolation',
            (event) => window.violations.push(`${event.violatedDirective} ${event.blockedURI}`));
    });
    if (before)
        await page.evaluateOnNewDocument(before);
    await page.goto(origin + path);
    await page.waitForFunction(() => document.querySelector('#screen.shown, #message:not([hidden])'),
        { timeout: 60000 });
    return page;
}

// Where the window is, and by how much the page made it smaller.
async function placement(page) {
    return page.$eval('main', (main) => {
        const rect = main.getBoundingClientRect();
        return [rect.left, rect.top, Number(main.dataset.scale || 1)];
    });
}

// Clicks the middle of a control, or taps it.
export async function click(page, name, touch = false) {
    const [left, top, scale] = await placement(page);
    const [x, y] = centre(name);
    if (touch)
        await page.touchscreen.tap(left + x * scale, top + y * scale);
    else
        await page.mouse.click(left + x * scale, top + y * scale);
    await sleep(100);
}

// The CSS cursor over the middle of a control: the style of the innermost
// element there, found through Qt's shadow roots.
export async function cursorOver(page, name) {
    const [left, top, scale] = await placement(page);
    const [x, y] = centre(name);
    return page.evaluate((pointX, pointY) => {
        let element = document.elementFromPoint(pointX, pointY);
        for (let inner = element?.shadowRoot?.elementFromPoint(pointX, pointY); inner && inner !== element;
            inner = element.shadowRoot?.elementFromPoint(pointX, pointY))
            element = inner;
        return element ? getComputedStyle(element).cursor : '';
    }, left + x * scale, top + y * scale);
}

export const clipboard = () =>
    execFileSync('xclip', ['-o', '-selection', 'clipboard'], { encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore'] });
export function setClipboard(text) {
    execFileSync('xclip', ['-i', '-selection', 'clipboard'], { input: text, stdio: ['pipe', 'ignore', 'ignore'] });
}

export async function expectCopied(expected, what) {
    let got = '';
    for (let attempt = 0; attempt < 50 && got !== expected; ++attempt) {
        await sleep(100);
        try {
            got = clipboard();
        } catch (error) {
            got = '';
        }
    }
    check(got === expected, `${what}${got === expected ? '' : `: got ${JSON.stringify(got)}`}`);
}

// A rectangle of the window as the screen shows it, in device pixels: cut
// from the whole viewport's picture, as browsers clip only on CSS pixels.
export async function shot(page, file, [x, y, width, height]) {
    const [left, top, scale] = await placement(page);
    const ratio = await page.evaluate(() => window.devicePixelRatio);
    await page.screenshot({ path: `${work}/viewport.png` });
    const at = (value) => Math.round(value * ratio);
    execFileSync('convert', [`${work}/viewport.png`, '-crop',
        `${at(width * scale)}x${at(height * scale)}+${at(left + x * scale)}+${at(top + y * scale)}`, '+repage', file]);
    return file;
}

// The window's picture at the scale (device pixels a window pixel) is the
// committed one, pixel for pixel outside the text controls, and the columns
// right of it are one colour.
export async function expectPicture(page, scale, what = `ratio ${scale}`) {
    const picture = `${assets}/background${scale === 1 ? '' : `@${scale}x`}.png`;
    const file = await shot(page, `${work}/window-${browserName}-${scale}.png`, [0, 0, 541, 398]);
    const size = execFileSync('identify', ['-format', '%wx%h', file], { encoding: 'utf8' });
    check(size === `${541 * scale}x${398 * scale}`, `${what}: the window is ${size}`);
    const width = 540 * scale;
    const hide = Object.entries(controls).filter(([name]) => /^(Text|Label5)/.test(name)).flatMap(
        ([, [x, y, w, h]]) => ['-draw', `rectangle ${x * scale},${y * scale} ${(x + w) * scale},${(y + h) * scale}`]);
    const crop = ['-crop', `${width}x${398 * scale}+0+0`, '+repage', '-fill', 'black', ...hide];
    execFileSync('convert', [picture, ...crop, `${work}/expected.png`]);
    execFileSync('convert', [file, ...crop, `${work}/shown.png`]);
    let differing = '';
    try {
        execFileSync('compare', ['-metric', 'AE', `${work}/expected.png`, `${work}/shown.png`, 'null:'],
            { stdio: ['ignore', 'ignore', 'pipe'] });
        differing = '0';
    } catch (error) {
        differing = String(error.stderr).trim();
    }
    check(differing === '0', `${what}: ${differing} pixels differ from ${picture.split('/').pop()}`);
    const colours = execFileSync('convert', [file, '-crop', `${scale}x${398 * scale}+${width}+0`, '-format', '%k', 'info:'],
        { encoding: 'utf8' });
    check(colours === '1', `${what}: the columns right of the picture have ${colours} colours`);
}

// A control's pixels, to tell what it shows apart.
export const pixels = async (page, name, control = 'Label5') =>
    execFileSync('convert', [await shot(page, `${work}/${control}-${name}.png`, controls[control]), '-format', '%#', 'info:'],
        { encoding: 'utf8' });

// Types keys into the focused control, Control held.
export async function withControl(page, ...keys) {
    await page.keyboard.down('Control');
    for (const key of keys)
        await page.keyboard.press(key);
    await page.keyboard.up('Control');
    await sleep(300);
}
