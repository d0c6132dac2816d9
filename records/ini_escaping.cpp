// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/ini_escaping.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>

// The unescaping follows QSettings' own INI code of Qt 6 step for step, so that a hand-edited file
// reads here as it did there; the tests compare the two on the same bytes.

namespace gp {

namespace {

void chopTrailingBlanks(QString& text, qsizetype limit)
{
    while (text.size() > limit && (text.back() == u' ' || text.back() == u'\t'))
        text.chop(1);
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// QSettings' reading of a value as a string or, with unquoted commas, a list of strings.
QStringList unescapedValue(QByteArrayView value)
{
    QStringList list;
    QString text;
    bool isList = false;
    bool inQuotes = false;
    bool quoted = false;
    qsizetype chopLimit = 0;
    QStringDecoder fromUtf8(QStringDecoder::Utf8);
    const qsizetype size = value.size();
    qsizetype i = 0;
    auto skipBlanks = [&] {
        while (i < size && (value[i] == ' ' || value[i] == '\t'))
            ++i;
    };
    skipBlanks();
    while (i < size) {
        const char c = value[i];
        if (c == '\\') {
            if (++i >= size)
                break;
            const char e = value[i++];
            static constexpr char kNamed[][2] = {
                {'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'},  {'r', '\r'}, {'t', '\t'},
                {'v', '\v'}, {'"', '"'},  {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
            bool named = false;
            for (const auto& code : kNamed)
                if (e == code[0]) {
                    text += QLatin1Char(code[1]);
                    named = true;
                }
            if (!named && e == 'x' && i < size && hexValue(value[i]) >= 0) {
                char16_t code = 0;
                for (; i < size && hexValue(value[i]) >= 0; ++i)
                    code = char16_t(code << 4) + char16_t(hexValue(value[i]));
                text += QChar(code);
            } else if (!named && e >= '0' && e <= '7') {
                char16_t code = char16_t(e - '0');
                for (; i < size && value[i] >= '0' && value[i] <= '7'; ++i)
                    code = char16_t(code << 3) + char16_t(value[i] - '0');
                text += QChar(code);
            } else if (!named && e == 'x') {
                if (i >= size)
                    break;
            } else if (!named && (e == '\n' || e == '\r') && i < size &&
                       (value[i] == '\n' || value[i] == '\r') && value[i] != e) {
                ++i;
            }
            chopLimit = text.size();
        } else if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipBlanks();
                chopLimit = text.size();
            }
        } else if (c == ',' && !inQuotes) {
            if (!quoted)
                chopTrailingBlanks(text, chopLimit);
            isList = true;
            list.append(text);
            text.clear();
            quoted = false;
            ++i;
            skipBlanks();
            chopLimit = 0;
        } else {
            qsizetype j = i + 1;
            while (j < size && value[j] != '\\' && value[j] != '"' && value[j] != ',')
                ++j;
            text += fromUtf8(value.sliced(i, j - i));
            i = j;
        }
        if (i >= size && !quoted)
            chopTrailingBlanks(text, chopLimit);
    }
    list.append(text);
    return isList ? list : QStringList{text};
}

// What QSettings makes of a string that begins with '@', short of decoding a typed value.
QString plainText(const QString& text)
{
    if (text.startsWith(QLatin1String("@String(")) && text.endsWith(u')'))
        return text.sliced(8).chopped(1);
    if (text.startsWith(QLatin1String("@@")))
        return text.sliced(1);
    return text;
}

} // namespace

QString iniUnescapedKey(QByteArrayView key)
{
    const QString decoded = QString::fromUtf8(key);
    const qsizetype size = decoded.size();
    QString result;
    result.reserve(size);
    qsizetype i = 0;
    while (i < size) {
        const QChar c = decoded[i];
        if (c == u'\\') {
            result += u'/';
            ++i;
            continue;
        }
        if (c != u'%' || i == size - 1) {
            result += c;
            ++i;
            continue;
        }
        const qsizetype first = decoded[i + 1] == u'U' ? i + 2 : i + 1;
        const qsizetype digits = first == i + 2 ? 4 : 2;
        bool ok = false;
        const ushort code = first + digits <= size
                                ? QStringView(decoded).sliced(first, digits).toUShort(&ok, 16)
                                : 0;
        if (!ok) {
            result += u'%';
            ++i;
            continue;
        }
        result += QChar(code);
        i = first + digits;
    }
    return result;
}

QString iniUnescapedText(QByteArrayView value)
{
    QStringList parts = unescapedValue(value);
    for (QString& part : parts)
        part = plainText(part);
    return parts.join(QStringLiteral(", "));
}

QByteArray iniEscapedText(const QString& plain)
{
    QString text = plain;
    if (text.contains(QChar(0)))
        text = QStringLiteral("@String(") + text + u')';
    else if (text.startsWith(u'@'))
        text.prepend(u'@');

    QByteArray result;
    bool needsQuotes = false;
    bool escapeNextIfDigit = false;
    QStringEncoder toUtf8(QStringEncoder::Utf8);
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        needsQuotes = needsQuotes || c == u';' || c == u',' || c == u'=';
        if (escapeNextIfDigit && hexValue(code < 0x80 ? char(code) : 0) >= 0) {
            result += "\\x" + QByteArray::number(code, 16);
            continue;
        }
        escapeNextIfDigit = false;
        switch (code) {
        case u'\0':
            result += "\\0";
            escapeNextIfDigit = true;
            break;
        case u'\a':
            result += "\\a";
            break;
        case u'\b':
            result += "\\b";
            break;
        case u'\f':
            result += "\\f";
            break;
        case u'\n':
            result += "\\n";
            break;
        case u'\r':
            result += "\\r";
            break;
        case u'\t':
            result += "\\t";
            break;
        case u'\v':
            result += "\\v";
            break;
        case u'"':
        case u'\\':
            result += '\\';
            result += char(code);
            break;
        default:
            if (code <= 0x1F) {
                result += "\\x" + QByteArray::number(code, 16);
                escapeNextIfDigit = true;
            } else {
                const QByteArray bytes = toUtf8(QStringView(&c, 1));
                result += bytes;
            }
        }
    }
    if (needsQuotes || result.startsWith(' ') || result.endsWith(' '))
        result = '"' + result + '"';
    return result;
}

} // namespace gp
