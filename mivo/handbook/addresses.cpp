#include "mivo/handbook/addresses.h"

#include "platform/text.h"

namespace mivo {

DocumentBases documentBases()
{
    return {kDocumentServer + QStringLiteral("/web/upload/item/"),
            kDocumentServer + QStringLiteral("/web/bbs/uploadfile/602/403/"),
            kDocumentServer + QStringLiteral("/web/bbs/uploadfile/584/403/")};
}

namespace {

// Bytes a web address carries as they are; '#', '?' and '/' keep their meaning, as they would
// when typed into the browser.
bool keepsAsIs(unsigned char b)
{
    if (b <= 0x20 || b >= 0x7F)
        return false;
    switch (b) {
    case '"':
    case '%':
    case '<':
    case '>':
    case '\\':
    case '^':
    case '`':
    case '{':
    case '|':
    case '}':
        return false;
    default:
        return true;
    }
}

QByteArray encodeCode(const QString &code)
{
    static const char hex[] = "0123456789ABCDEF";
    QByteArray out;
    for (const char c : platform::toCodePage(code)) {
        const auto b = static_cast<unsigned char>(c);
        if (keepsAsIs(b)) {
            out += c;
        } else {
            out += '%';
            out += hex[b >> 4];
            out += hex[b & 0xF];
        }
    }
    return out;
}

} // namespace

QUrl documentAddress(const QString &base, const QString &code, const QString &extension)
{
    return QUrl::fromEncoded(base.toLatin1() + encodeCode(code) + encodeCode(extension), QUrl::TolerantMode);
}

const std::array<CommonPart, kCommonPartCount> &commonParts()
{
    static const std::array<CommonPart, kCommonPartCount> parts{{
        {QStringLiteral("主吸管资料"), QStringLiteral("T-ZG.PDF")},
        {QStringLiteral("软管  组件"), QStringLiteral("T-RZ.pdf")},
        {QStringLiteral("手柄体资料"), QStringLiteral("T-SB.pdf")},
        {QStringLiteral("金伸管资料"), QStringLiteral("T-SG.pdf")},
        {QStringLiteral("地刷  资料"), QStringLiteral("T-DS.pdf")},
        {QStringLiteral("扁吸  资料"), QStringLiteral("T-BX.pdf")},
        {QStringLiteral("毛刷  资料"), QStringLiteral("T-MS.pdf")},
        {QStringLiteral("圆刷  资料"), QStringLiteral("T-YS.pdf")},
        {QStringLiteral("沙发吸资料"), QStringLiteral("T-SX.pdf")},
        {QStringLiteral("挂钩  资料"), QStringLiteral("T-GG.pdf")},
        {QStringLiteral("布袋  资料"), QStringLiteral("T-CD.pdf")},
        {QStringLiteral("纸袋  资料"), QStringLiteral("T-ZD.pdf")},
        {QStringLiteral("保护器资料"), QStringLiteral("T-BH.pdf")},
        {QStringLiteral("压座  资料"), QStringLiteral("T-DY.pdf")},
        {QStringLiteral("电机密封圈"), QStringLiteral("T-DM.pdf")},
        {QStringLiteral("电机调整圈"), QStringLiteral("T-DT.pdf")},
        {QStringLiteral("特殊  软管"), QStringLiteral("T-RG.pdf")},
        {QStringLiteral("海帕  组件"), QStringLiteral("T-HP.pdf")},
        {QStringLiteral("长接管组件"), QStringLiteral("T-JG.pdf")},
        {QStringLiteral("卷簧  组件"), QStringLiteral("T-JH.pdf")},
        {QStringLiteral("卷线轮组件"), QStringLiteral("T-JX.pdf")},
        {QStringLiteral("开关  压板"), QStringLiteral("T-KY.pdf")},
        {QStringLiteral("螺钉明细表"), QStringLiteral("T-LD.pdf")},
        {QStringLiteral("指示灯主板"), QStringLiteral("T-LE.pdf")},
        {QStringLiteral("滤片架明细"), QStringLiteral("T-LJ.pdf")},
        {QStringLiteral("过滤片明细"), QStringLiteral("T-LP.pdf")},
        {QStringLiteral("线路板主板"), QStringLiteral("T-PC.pdf")},
        {QStringLiteral("传感器主板"), QStringLiteral("T-PK.pdf")},
        {QStringLiteral("软管  卡圈"), QStringLiteral("T-RK.pdf")},
        {QStringLiteral("软管连接头"), QStringLiteral("T-RL.pdf")},
        {QStringLiteral("软管连接头密封圈"), QStringLiteral("T-RM.pdf")},
        {QStringLiteral("电位器主板"), QStringLiteral("T-RW.pdf")},
        {QStringLiteral("提手  明细"), QStringLiteral("T-TS.pdf")},
        {QStringLiteral("连接  导线"), QStringLiteral("T-WR.pdf")},
        {QStringLiteral("小轮  明细"), QStringLiteral("T-XL.pdf")},
        {QStringLiteral("风量管组件"), QStringLiteral("T-ZS.pdf")},
    }};
    return parts;
}

} // namespace mivo
