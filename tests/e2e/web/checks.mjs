// SPDX-License-Identifier: MIT
// Velmora's site in one browser on a desktop, as a user meets it: the
// window's picture at device pixel ratios 1 and 2, the four commands' bytes
// on the X clipboard, pasted text converted, the links' tabs, the hand
// cursor, a refused copy reported, nothing asked of another origin, and the
// page's messages when WebAssembly or a file is missing.
import {
    browserName, check, clipboard, click, cursorOver, expectCopied, expectPicture, finish, launch, open, pixels,
    setClipboard, sleep, withControl,
} from './browser.mjs';

// Before the page's scripts: what each new tab was asked for with.
function recordOpened() {
    const openNow = window.open.bind(window);
    window.opened = [];
    window.open = (...args) => {
        window.opened.push(String(args[2]));
        return openNow(...args);
    };
}

async function checkCommands(browser) {
    const page = await open(browser, '/', recordOpened);
    const empty = await pixels(page, 'empty');
    // Over 获取情侣签名 the browser shows the window's own hand, a picture of the page's.
    await page.mouse.move(0, 0);
    await click(page, 'Label1');
    const cursor = await cursorOver(page, 'Label1');
    check(cursor.includes('data:image/png'), `the hand cursor shows over 获取情侣签名${cursor.includes('data:') ? '' : `: ${cursor}`}`);
    await click(page, 'Label4');
    await expectCopied(process.env.first_pair, '获取情侣签名 then 复制 copied the first pair');
    const copied = await pixels(page, 'copied');

    // In a tab whose browser refuses every copy, the same clicks report it.
    setClipboard('before');
    const refusing = await open(browser, '/', () => { document.execCommand = () => false; });
    await click(refusing, 'Label1');
    await click(refusing, 'Label4');
    const refused = await pixels(refusing, 'refused');
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
    await withControl(page, 'KeyA', 'KeyV');
    await click(page, 'Label2');
    await click(page, 'Label4');
    await expectCopied('頭髮', 'pasted 头发, then 转繁体 and 复制');

    // Each link opens one new tab at its address, which has no handle on the page.
    const tabs = [];
    browser.on('targetcreated', (target) => target.type() === 'page' && tabs.push(target));
    const links = { Label6: 'fenzu/', Label7: 'Article/fantizi/', Label8: 'gexing/haoting/' };
    for (const [name, path] of Object.entries(links)) {
        const already = tabs.length;
        await click(page, name);
        for (let attempt = 0; attempt < 50 && tabs.length === already; ++attempt)
            await sleep(100);
        await sleep(500);
        check(tabs.length === already + 1, `${name} opened ${tabs.length - already} tabs`);
        const tab = tabs.length > already ? await tabs[tabs.length - 1].page() : null;
        if (tab) {
            await tab.waitForFunction(() => document.readyState === 'complete', { timeout: 10000 }).catch(() => {});
            const address = `http://www.korvane.example/${path}`;
            check(tab.url() === address, `${name} opened ${tab.url()}${tab.url() === address ? '' : `, not ${address}`}`);
            // The server's opener policy severs the tab too; the page asks for it itself.
            check(await tab.evaluate(() => window.opener === null), `${name}'s tab has no opener`);
            const asked = await page.evaluate(() => window.opened.pop());
            check(/noopener/.test(asked), `${name} asked for a tab without an opener (${asked})`);
            await tab.close();
        }
    }

    // The hand cursor is a picture inside the page (a data: address), fetched from nowhere.
    const origin = new URL(page.url()).origin;
    const foreign = page.requests.filter((url) => !url.startsWith(`${origin}/`) && !url.startsWith('data:'));
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
console.log(`checked in ${browserName}`);
finish();
