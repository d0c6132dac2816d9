#include "records/ini_record_file.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>

#include <algorithm>
#include <array>

// The parsing follows QSettings' own INI code of Qt 6 step for step, so that a hand-edited file
// reads here as it did there; the tests compare the two on the same bytes.

namespace gp {

namespace {

const QString RecordSection = QStringLiteral("GAL PORTRAIT/");
// In the order QSettings writes a new section's keys.
constexpr std::array<const char*, 3> KeyNames = {"CheckFlag", "H_Name", "H_Score"};

std::optional<QString> IniRecordTexts::*const KeyFields[] = {
    &IniRecordTexts::check, &IniRecordTexts::name, &IniRecordTexts::score};

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isSpecial(char c)
{
    return c == '\n' || c == '\r' || c == '"' || c == ';' || c == '=' || c == '\\';
}

// One logical line: lines joined by a backslash or a quote included, its end and a trailing
// comment not. equals is the position of the first '=' outside quotes, or -1.
struct IniLine
{
    qsizetype start = 0;
    qsizetype length = 0;
    qsizetype equals = -1;
};

bool nextLine(QByteArrayView data, qsizetype& pos, IniLine& line)
{
    const qsizetype size = data.size();
    bool inQuotes = false;
    line.equals = -1;
    qsizetype start = pos;
    while (start < size && isSpace(data[start]))
        ++start;
    qsizetype i = start;
    while (i < size) {
        const char c = data[i++];
        if (!isSpecial(c))
            continue;
        if (c == '=') {
            if (!inQuotes && line.equals == -1)
                line.equals = i - 1;
        } else if (c == '\n' || c == '\r') {
            if (i == start + 1) {
                ++start;
            } else if (!inQuotes) {
                --i;
                break;
            }
        } else if (c == '\\') {
            if (i < size) {
                const char escaped = data[i++];
                if (i < size &&
                    ((escaped == '\n' && data[i] == '\r') || (escaped == '\r' && data[i] == '\n')))
                    ++i;
            }
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (i == start + 1) { // ';' opening a comment line
            while (i < size && data[i] != '\n' && data[i] != '\r')
                ++i;
            while (i < size && isSpace(data[i]))
                ++i;
            start = i;
        } else if (!inQuotes) { // ';' after a value
            --i;
            break;
        }
    }
    pos = i;
    line.start = start;
    line.length = i - start;
    return line.length > 0;
}

QString unescapedKey(QByteArrayView key)
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

// The prefix a section gives its keys: "" for [General], else the name and a slash.
QString sectionPrefix(QByteArrayView line)
{
    qsizetype close = line.indexOf(']');
    if (close < 0)
        close = line.size();
    const QByteArrayView name = line.first(close).sliced(1).trimmed();
    if (name.compare("general", Qt::CaseInsensitive) == 0)
        return {};
    if (name.compare("%general", Qt::CaseInsensitive) == 0)
        return QString::fromLatin1(name.sliced(1)) + u'/';
    return unescapedKey(name) + u'/';
}

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
            static constexpr char Named[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                                {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                                {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
            bool named = false;
            for (const auto& code : Named)
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

// Where a key of the record lies: its value's bytes, and what decides which of several wins.
struct KeyPlace
{
    qsizetype valueStart = -1;
    qsizetype valueEnd = -1;
    QString section;
};

struct IniScan
{
    // Every line of each key, in file order.
    std::array<QList<KeyPlace>, 3> keys;
    // The end of the record section's last header; -1 without such a section. New keys go right
    // below it, where no open quote further down the section can swallow them.
    qsizetype headerEnd = -1;
};

// A key written without escapes or non-ASCII bytes, as nearly every key is, reads as its bytes.
bool isPlainKey(QByteArrayView key)
{
    for (const char c : key)
        if (c == '%' || c == '\\' || static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

IniScan scan(QByteArrayView ini)
{
    static const std::array<QString, 3> FullKeys = {RecordSection + QLatin1String(KeyNames[0]),
                                                    RecordSection + QLatin1String(KeyNames[1]),
                                                    RecordSection + QLatin1String(KeyNames[2])};
    IniScan found;
    // A byte order mark is skipped as QSettings skips it.
    const qsizetype from = ini.startsWith("\xef\xbb\xbf") ? 3 : 0;
    const QByteArrayView data = ini.sliced(from);
    QString section;
    // Whether keys of this section can name the record at all ("[General]" with
    // "GAL%20PORTRAIT/H_Name" can); the others' lines are not even decoded. For those that can,
    // what a key must read to name each of the three.
    bool relevant = true;
    std::array<QByteArray, 3> rests;
    auto setSection = [&](const QString& prefix) {
        section = prefix;
        relevant = FullKeys[0].startsWith(section);
        for (std::size_t k = 0; k < rests.size() && relevant; ++k)
            rests[k] = FullKeys[k].sliced(section.size()).toLatin1();
    };
    setSection(QString());
    qsizetype pos = 0;
    IniLine line;
    while (nextLine(data, pos, line)) {
        const QByteArrayView text = data.sliced(line.start, line.length);
        if (text.startsWith('[')) {
            setSection(sectionPrefix(text));
            if (section == RecordSection)
                found.headerEnd = from + line.start + line.length;
            continue;
        }
        if (line.equals < 0 || !relevant)
            continue;
        const QByteArrayView key = data.sliced(line.start, line.equals - line.start).trimmed();
        const bool plain = isPlainKey(key);
        const QString unescaped = plain ? QString() : section + unescapedKey(key);
        for (std::size_t k = 0; k < KeyNames.size(); ++k)
            if (plain ? key == rests[k] : unescaped == FullKeys[k])
                found.keys[k].append(
                    {from + line.equals + 1, from + line.start + line.length, section});
    }
    return found;
}

QString valueText(QByteArrayView value)
{
    QStringList parts = unescapedValue(value);
    for (QString& part : parts)
        part = plainText(part);
    return parts.join(QStringLiteral(", "));
}

} // namespace

QString iniUnescapedText(QByteArrayView value)
{
    return valueText(value);
}

IniRecordTexts readIniRecord(QByteArrayView ini)
{
    const IniScan found = scan(ini);
    IniRecordTexts texts;
    for (std::size_t k = 0; k < KeyNames.size(); ++k) {
        const KeyPlace* winner = nullptr;
        // QSettings reads the sections in the order of their names; later ones overwrite.
        for (const KeyPlace& place : found.keys[k])
            if (!winner || place.section >= winner->section)
                winner = &place;
        if (winner)
            texts.*KeyFields[k] =
                valueText(ini.sliced(winner->valueStart, winner->valueEnd - winner->valueStart));
    }
    return texts;
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

QByteArray writeIniRecord(QByteArrayView ini, const IniRecordTexts& texts)
{
    const IniScan found = scan(ini);
    const QByteArray newline = ini.contains("\r\n") ? "\r\n" : "\n";
    struct Edit
    {
        qsizetype at;
        qsizetype removed;
        QByteArray inserted;
    };
    QList<Edit> edits;
    QByteArray added;
    for (std::size_t k = 0; k < KeyNames.size(); ++k) {
        const std::optional<QString>& text = texts.*KeyFields[k];
        if (!text)
            continue;
        const QByteArray escaped = iniEscapedText(*text);
        for (const KeyPlace& place : found.keys[k]) {
            // Blanks around the old value mean nothing to a reader and stay as they were typed.
            qsizetype start = place.valueStart;
            qsizetype end = place.valueEnd;
            while (start < end && (ini[start] == ' ' || ini[start] == '\t'))
                ++start;
            while (end > start && (ini[end - 1] == ' ' || ini[end - 1] == '\t'))
                --end;
            edits.append({start, end - start, escaped});
        }
        if (found.keys[k].isEmpty())
            added += KeyNames[k] + ('=' + escaped) + newline;
    }
    if (!added.isEmpty() && found.headerEnd >= 0) {
        // Below the header, past a comment behind it and the line break.
        qsizetype at = found.headerEnd;
        while (at < ini.size() && ini[at] != '\n' && ini[at] != '\r')
            ++at;
        if (at == ini.size())
            added.prepend(newline);
        else
            at += ini.sliced(at).startsWith("\r\n") ? 2 : 1;
        edits.append({at, 0, added});
    } else if (!added.isEmpty()) {
        QByteArray section = "[GAL%20PORTRAIT]" + newline + added;
        if (!ini.isEmpty())
            section.prepend(ini.endsWith('\n') || ini.endsWith('\r') ? newline : newline + newline);
        edits.append({ini.size(), 0, section});
    }

    // In one pass from the front: a file may hold a key thousands of times.
    std::sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) { return a.at < b.at; });
    QByteArray result;
    result.reserve(ini.size() + added.size() + 64);
    qsizetype copied = 0;
    for (const Edit& edit : edits) {
        result += ini.sliced(copied, edit.at - copied);
        result += edit.inserted;
        copied = edit.at + edit.removed;
    }
    result += ini.sliced(copied);
    return result;
}

} // namespace gp
