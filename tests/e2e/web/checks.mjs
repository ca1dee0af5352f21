// SPDX-License-Identifier: MIT
// Velmora's site in one browser, as a user meets it: the window's picture at
// device pixel ratios 1 and 2, the four commands' bytes on the X clipboard,
// pasted text converted, the links' tabs, a refused copy reported, nothing
// asked of another origin, and the page's messages when WebAssembly or a
// file is missing. Run by web.sh, which serves the site and starts Xvfb.
//   node checks.mjs chromium|firefox ORIGIN ASSETS WORK NODE-MODULES
import { execFileSync } from 'node:child_process';
import { createRequire } from 'node:module';
import { setTimeout as sleep } from 'node:timers/promises';

const [browserName, origin, assets, work, modules] = process.argv.slice(2);
const puppeteer = createRequire(`${modules}/`)('puppeteer-core');
const port = new URL(origin).port;
const failures = [];
const check = (ok, what) => {
    if (!ok)
        failures.push(what);
    console.log(`${ok ? 'ok' : 'FAIL'}: ${what}`);
};

// The window's controls, in CSS pixels from its top-left corner.
const controls = {
    Text1: [36, 68, 468, 103], Text2: [37, 203, 467, 13], Label5: [38, 176, 142, 22],
    Label1: [27, 278, 139, 33], Label2: [197, 275, 88, 40], Label3: [313, 275, 87, 41],
    Label4: [426, 276, 87, 41], Label6: [22, 332, 147, 43], Label7: [196, 333, 142, 41],
    Label8: [371, 336, 142, 40],
};
const centre = (name) => [controls[name][0] + controls[name][2] / 2, controls[name][1] + controls[name][3] / 2];

// Each browser at the device pixel ratio as its users set it: Firefox's
// own setting, Chromium's screen as puppeteer emulates it.
function launch(ratio) {
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
        headless: false, defaultViewport: { width: 800, height: 600, deviceScaleFactor: ratio },
        executablePath: '/usr/bin/chromium', userDataDir: `${work}/chromium-${ratio}`,
        args: ['--no-sandbox', '--enable-unsafe-swiftshader', '--no-first-run', '--disable-quic',
            '--disable-background-networking', '--disable-component-update', '--disable-sync',
            `--host-resolver-rules=MAP www.korvane.example 127.0.0.1:${port}`, '--window-size=900,700'],
    });
}

// Opens the page; resolves once the window shows, or the page's message does.
async function open(browser, path = '/', before = null) {
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

async function screenOrigin(page) {
    return page.$eval('#screen', (screen) => {
        const rect = screen.getBoundingClientRect();
        return [rect.left, rect.top];
    });
}

async function click(page, name) {
    const [left, top] = await screenOrigin(page);
    const [x, y] = centre(name);
    await page.mouse.click(left + x, top + y);
    await sleep(100);
}

const clipboard = () => execFileSync('xclip', ['-o', '-selection', 'clipboard'], { encoding: 'utf8' });
function setClipboard(text) {
    execFileSync('xclip', ['-i', '-selection', 'clipboard'], { input: text, stdio: ['pipe', 'ignore', 'ignore'] });
}

async function expectCopied(expected, what) {
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
async function shot(page, file, [x, y, width, height]) {
    const [left, top] = await screenOrigin(page);
    const ratio = await page.evaluate(() => window.devicePixelRatio);
    await page.screenshot({ path: `${work}/viewport.png` });
    const at = (value) => Math.round(value * ratio);
    execFileSync('convert', [`${work}/viewport.png`, '-crop',
        `${at(width)}x${at(height)}+${at(left + x)}+${at(top + y)}`, '+repage', file]);
    return file;
}

// The window's picture at the ratio is the committed one, pixel for pixel
// outside the text controls, and the columns right of it are one colour.
async function expectPicture(page, ratio) {
    const picture = `${assets}/background${ratio === 1 ? '' : `@${ratio}x`}.png`;
    const file = await shot(page, `${work}/window-${browserName}-${ratio}.png`, [0, 0, 541, 398]);
    const size = execFileSync('identify', ['-format', '%wx%h', file], { encoding: 'utf8' });
    check(size === `${541 * ratio}x${398 * ratio}`, `ratio ${ratio}: the window is ${size}`);
    const width = 540 * ratio;
    const hide = Object.entries(controls).filter(([name]) => /^(Text|Label5)/.test(name)).flatMap(
        ([, [x, y, w, h]]) => ['-draw', `rectangle ${x * ratio},${y * ratio} ${(x + w) * ratio},${(y + h) * ratio}`]);
    const crop = ['-crop', `${width}x${398 * ratio}+0+0`, '+repage', '-fill', 'black', ...hide];
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
    check(differing === '0', `ratio ${ratio}: ${differing} pixels differ from ${picture.split('/').pop()}`);
    const colours = execFileSync('convert', [file, '-crop', `${ratio}x${398 * ratio}+${width}+0`, '-format', '%k', 'info:'],
        { encoding: 'utf8' });
    check(colours === '1', `ratio ${ratio}: the columns right of the picture have ${colours} colours`);
}

// The status line's pixels, to tell its messages apart.
const statusLine = async (page, name) =>
    execFileSync('convert', [await shot(page, `${work}/status-${name}.png`, controls.Label5), '-format', '%#', 'info:'],
        { encoding: 'utf8' });

async function checkCommands(browser) {
    const page = await open(browser);
    const empty = await statusLine(page, 'empty');
    await click(page, 'Label1');
    await click(page, 'Label4');
    await expectCopied(process.env.first_pair, '获取情侣签名 then 复制 copied the first pair');
    const copied = await statusLine(page, 'copied');
    // In a tab whose browser refuses every copy, the same clicks report it.
    setClipboard('before');
    const refusing = await open(browser, '/', () => { document.execCommand = () => false; });
    await click(refusing, 'Label1');
    await click(refusing, 'Label4');
    const refused = await statusLine(refusing, 'refused');
    check(refused !== empty && refused !== copied,
        `a refused copy is reported on the status line${refused === empty ? ': it stayed empty' : refused === copied ? ' as success' : ''}`);
    check(clipboard() === 'before', 'a refused copy leaves the clipboard alone');
    await refusing.close();
    await page.bringToFront();
    await click(page, 'Label3');
    await click(page, 'Label4');
    await expectCopied(process.env.spaced_pair, '加空格 then 复制 copied the spaced pair');
    await click(page, 'Label2');
    await click(page, 'Label4');
    await expectCopied(process.env.traditional_spaced_pair, '转繁体 then 复制 copied the converted pair');

    // Text pasted into the box with Ctrl+V converts.
    setClipboard('头发');
    await click(page, 'Text1');
    await page.keyboard.down('Control');
    await page.keyboard.press('KeyA');
    await page.keyboard.press('KeyV');
    await page.keyboard.up('Control');
    await sleep(300);
    await click(page, 'Label2');
    await click(page, 'Label4');
    await expectCopied('頭髮', 'pasted 头发, then 转繁体 and 复制');

    // Each link opens one new tab at its address, which has no handle on the page.
    const tabs = [];
    browser.on('targetcreated', (target) => target.type() === 'page' && tabs.push(target));
    const links = { Label6: 'fenzu/', Label7: 'Article/fantizi/', Label8: 'gexing/haoting/' };
    for (const [name, path] of Object.entries(links)) {
        const before = tabs.length;
        await click(page, name);
        for (let attempt = 0; attempt < 50 && tabs.length === before; ++attempt)
            await sleep(100);
        await sleep(500);
        check(tabs.length === before + 1, `${name} opened ${tabs.length - before} tabs`);
        const tab = tabs.length > before ? await tabs[tabs.length - 1].page() : null;
        if (tab) {
            await tab.waitForFunction(() => document.readyState === 'complete', { timeout: 10000 }).catch(() => {});
            const address = `http://www.korvane.example/${path}`;
            check(tab.url() === address, `${name} opened ${tab.url()}${tab.url() === address ? '' : `, not ${address}`}`);
            check(await tab.evaluate(() => window.opener === null), `${name}'s tab has no opener`);
            await tab.close();
        }
    }

    const foreign = page.requests.filter((url) => !url.startsWith(`${origin}/`));
    check(foreign.length === 0, `the page asked nothing of another origin${foreign.length ? `: ${foreign}` : ''}`);
    const violations = await page.evaluate(() => window.violations);
    check(violations.length === 0, `the page's policy was kept${violations.length ? `: ${violations}` : ''}`);
    await expectPicture(page, 1);
}

async function checkMessages(browser) {
    const noWasm = await open(browser, '/', () => { delete window.WebAssembly; });
    check((await noWasm.$eval('#message', (m) => m.hidden ? '' : m.textContent)).includes('不支持 WebAssembly'),
        'without WebAssembly the page says so');
    const broken = await open(browser, '/broken/');
    check((await broken.$eval('#message', (m) => m.hidden ? '' : m.textContent)).includes('fonts/velmora.ttf'),
        'a file that fails to load is named on the page');
}

const one = await launch(1);
try {
    await checkCommands(one);
    await checkMessages(one);
} finally {
    await one.close();
}
const two = await launch(2);
try {
    await expectPicture(await open(two), 2);
} finally {
    await two.close();
}
if (failures.length) {
    console.log(`${failures.length} checks failed in ${browserName}`);
    process.exit(1);
}
