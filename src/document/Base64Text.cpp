#include "document/Base64Text.h"

namespace {
constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int Sextet(char16_t c)
{
    if (c >= u'A' && c <= u'Z')
        return c - u'A';
    if (c >= u'a' && c <= u'z')
        return c - u'a' + 26;
    if (c >= u'0' && c <= u'9')
        return c - u'0' + 52;
    if (c == u'+')
        return 62;
    if (c == u'/')
        return 63;
    return -1;
}
} // namespace

QString EncodeBase64Text(const QByteArray &bytes)
{
    const qsizetype n = bytes.size();
    const qsizetype fullGroups = n / 3;
    QString out;
    out.reserve(fullGroups * 4 + (fullGroups / 19) * 2 + 4);
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    for (qsizetype g = 0; g < fullGroups; ++g) {
        const unsigned v = (unsigned(p[0]) << 16) | (unsigned(p[1]) << 8) | p[2];
        out += QLatin1Char(kAlphabet[(v >> 18) & 63]);
        out += QLatin1Char(kAlphabet[(v >> 12) & 63]);
        out += QLatin1Char(kAlphabet[(v >> 6) & 63]);
        out += QLatin1Char(kAlphabet[v & 63]);
        p += 3;
        if ((g + 1) % 19 == 0)
            out += QStringLiteral("\r\n");
    }
    const qsizetype rest = n - fullGroups * 3;
    if (rest > 0) {
        const unsigned v = (unsigned(p[0]) << 16) | (rest == 2 ? unsigned(p[1]) << 8 : 0u);
        out += QLatin1Char(kAlphabet[(v >> 18) & 63]);
        out += QLatin1Char(kAlphabet[(v >> 12) & 63]);
        out += rest == 2 ? QLatin1Char(kAlphabet[(v >> 6) & 63]) : QLatin1Char('=');
        out += QLatin1Char('=');
    }
    return out;
}

QByteArray DecodeBase64Text(QStringView text)
{
    QByteArray out;
    out.reserve(text.size() / 4 * 3 + 3);
    unsigned acc = 0;
    int count = 0;
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c == 0)
            break;
        const int s = Sextet(c);
        if (s < 0)
            continue;
        acc = (acc << 6) | unsigned(s);
        if (++count == 4) {
            out += char((acc >> 16) & 0xFF);
            out += char((acc >> 8) & 0xFF);
            out += char(acc & 0xFF);
            acc = 0;
            count = 0;
        }
    }
    if (count == 2) {
        out += char((acc >> 4) & 0xFF);
    } else if (count == 3) {
        out += char((acc >> 10) & 0xFF);
        out += char((acc >> 2) & 0xFF);
    }
    return out;
}
