// SPDX-License-Identifier: MIT
#include "commands/SignatureCatalogue.h"

#include <array>

namespace SignatureCatalogue {
namespace {

// P1 to P26. Every line A ends in two blanks; no line B ends in one.
constexpr std::array<CatalogueEntry, distinctPairCount> pairs{{
    {u"导演记忆中不该记录的回忆、悲伤，伤悲。习惯就好。  ",
     u"演绎悲伤里不配悲情的心伤、离别，别离。自然就好。"},
    {u"你是我手心里的温暖，握紧了就不会冷。  ", u"我是你眼眸里的星光，看见了就不会黑。"},
    {u"﹎．┈|如果囿⒈兲; 伱能到莪d’訫里去看看~.． 〃 |伱⒈啶会流泪;  ",
     u"﹎．┈|如果囿⒈兲; 莪能到伱d’訫里去看看~.． 〃 |莪⒈啶会流泪;"},
    {u"╰☆╮我的左手牵着你的右手，一起走过春夏秋冬╭☆╯  ",
     u"╰☆╮你的右手握着我的左手，一起看遍花开花落╭☆╯"},
    {u"メJ绝配恋♀(女) ╳灬儍儍滴ぴ ヅ天使ぺ嫙嵂 ｛尛莮孩┑  ",
     u"メJ绝配恋♂(男) ╳灬痴痴滴ぴ ヅ恶魔ぺ嫙嵂 ｛尛钕孩┑"},
    {u"『男』有你的地方，就是我想去的远方。  ", u"『女』有你的远方，就是我想留的地方。"},
    {u"≈ 风说它会记得，我们并肩走过的那条街 ≈  ", u"≈ 雨说它会记得，我们撑伞等过的那班车 ≈"},
    {u"ゞ笨蛋，别再哭了，我一直都在你身后。  ", u"ゞ傻瓜，别再怕了，我一直都在你身边。"},
    {u"♂ 你负责貌美如花，我负责赚钱养家。  ", u"♀ 你负责赚钱养家，我负责貌美如花。"},
    {u"◆ 把你的名字写在掌心，握成一生的誓言 ◆  ", u"◇ 把我的名字刻在心上，守成一世的诺言 ◇"},
    {u"【LOVE】我会一直等，等到你回头的那一天。  ", u"【LOVE】我会一直走，走到你身边的那一天。"},
    {u"┆听说幸福很简单┆就是你在我身边笑┆  ", u"┆听说快乐很容易┆就是我在你身边闹┆"},
    {u"时光不老，我们不散。\u3000这句话我记一辈子。  ",
     u"岁月不停，我们不分。\u3000这句话我守一辈子。"},
    {u"\uE7EC 你的心跳是我听过最好听的那首歌 \uE7EC  ",
     u"\uE7EC 我的笑容是你见过最好看的那幅画 \uE7EC"},
    {u"※ 牵了手就别放开，说了爱就别离开 ※  ", u"※ 许了诺就要兑现，给了心就要珍惜 ※"},
    {u"(￣︶￣)↗ 今天也要比昨天更喜欢你一点  ", u"(￣︶￣)↘ 明天也会比今天更想念你一点"},
    {u"⊙ 我在北方的寒夜里，为你点一盏灯。  ", u"⊙ 我在南方的暖阳下，为你留一扇窗。"},
    {u"√ 陪你吵闹 √ 陪你安静 √ 陪你到老  ", u"√ 等你长大 √ 等你回家 √ 等你说爱"},
    {u"々 那年夏天的蝉鸣，是你在我耳边的低语  ", u"々 那年冬天的雪花，是我在你窗前的心事"},
    {u"★ 你若不离不弃，我必生死相依，一生一世 ★  ", u"☆ 你若生死相依，我必不离不弃，一心一意 ☆"},
    {u"↑ 抬头是你笑着的脸，低头是我红着的眼 ↑  ", u"↓ 低头是你写下的信，抬头是我望着的天 ↓"},
    {u"我把思念折成纸飞机，飞去有你的城市。  ", u"你把牵挂叠成千纸鹤，飞回有我的小镇。"},
    {u"◎ 你是我的Wi-Fi，连上了就不想断开 ◎  ", u"◎ 我是你的充电宝，靠近了就满格电量 ◎"},
    {u"\uE7EC 第一眼是心动，第二眼便是余生 \uE7EC  ",
     u"\uE7EC 第一句是你好，第二句便是永远 \uE7EC"},
    {u"〓 如果思念有声音，那一定震耳欲聋 〓  ", u"〓 如果想念有颜色，那一定铺满天空 〓"},
    {u"曾经热门的爱情旅程，却以迷路告终。  ", u"一度流行的爱情游戏，却被过时谢幕。"},
}};

// The pair each position 1 to 54 holds; the repeats belong to the catalogue.
constexpr std::array<int, entryCount> positions{
    1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18,
    19, 20, 21, 11, 22, 23, 24, 25, 26, 1,  2,  3,  4,  5,  6,  7,  8,  9,
    10, 26, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 11, 22, 23, 24, 25, 26};

} // namespace

CatalogueEntry pair(int k)
{
    return pairs.at(static_cast<std::size_t>(k - 1));
}

int pairAt(int position)
{
    return positions.at(static_cast<std::size_t>(position - 1));
}

QString pairText(const CatalogueEntry &entry)
{
    return entry.lineA.toString() + QStringLiteral("\r\n\r\n") + entry.lineB.toString();
}

QString closingNotice(const QString &siteBase)
{
    return QStringLiteral(u"更多情侣个性签名请期待下一版，Korvane ") + siteBase +
           QStringLiteral(u" —— 免费QQ空间素材大全");
}

QString textAt(int position, const QString &siteBase)
{
    if (position >= 1 && position <= entryCount)
        return pairText(pair(pairAt(position)));
    if (position == noticePosition)
        return closingNotice(siteBase);
    return {};
}

} // namespace SignatureCatalogue
