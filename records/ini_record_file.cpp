// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/ini_record_file.h"

#include "records/ini_escaping.h"

#include <QList>

#include <algorithm>
#include <array>

// The scanning follows QSettings' own INI code of Qt 6 step for step, so that a hand-edited file
// reads here as it did there; the tests compare the two on the same bytes.

namespace gp {

namespace {

const QString kRecordSection = QStringLiteral("GAL PORTRAIT/");
// In the order QSettings writes a new section's keys.
constexpr std::array<const char*, 3> kKeyNames = {"CheckFlag", "H_Name", "H_Score"};

std::optional<QString> IniRecordTexts::*const kKeyFields[] = {
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
    return iniUnescapedKey(name) + u'/';
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
    // Not a static: the save at exit() runs after the destructors of statics made since its
    // handler was registered.
    const std::array<QString, 3> fullKeys = {kRecordSection + QLatin1String(kKeyNames[0]),
                                             kRecordSection + QLatin1String(kKeyNames[1]),
                                             kRecordSection + QLatin1String(kKeyNames[2])};
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
        relevant = fullKeys[0].startsWith(section);
        for (std::size_t k = 0; k < rests.size() && relevant; ++k)
            rests[k] = fullKeys[k].sliced(section.size()).toLatin1();
    };
    setSection(QString());
    qsizetype pos = 0;
    IniLine line;
    while (nextLine(data, pos, line)) {
        const QByteArrayView text = data.sliced(line.start, line.length);
        if (text.startsWith('[')) {
            setSection(sectionPrefix(text));
            if (section == kRecordSection)
                found.headerEnd = from + line.start + line.length;
            continue;
        }
        if (line.equals < 0 || !relevant)
            continue;
        const QByteArrayView key = data.sliced(line.start, line.equals - line.start).trimmed();
        const bool plain = isPlainKey(key);
        const QString unescaped = plain ? QString() : section + iniUnescapedKey(key);
        for (std::size_t k = 0; k < kKeyNames.size(); ++k)
            if (plain ? key == rests[k] : unescaped == fullKeys[k])
                found.keys[k].append(
                    {from + line.equals + 1, from + line.start + line.length, section});
    }
    return found;
}

} // namespace

IniRecordTexts readIniRecord(QByteArrayView ini)
{
    const IniScan found = scan(ini);
    IniRecordTexts texts;
    for (std::size_t k = 0; k < kKeyNames.size(); ++k) {
        const KeyPlace* winner = nullptr;
        // QSettings reads the sections in the order of their names; later ones overwrite.
        for (const KeyPlace& place : found.keys[k])
            if (!winner || place.section >= winner->section)
                winner = &place;
        if (winner)
            texts.*kKeyFields[k] = iniUnescapedText(
                ini.sliced(winner->valueStart, winner->valueEnd - winner->valueStart));
    }
    return texts;
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
    for (std::size_t k = 0; k < kKeyNames.size(); ++k) {
        const std::optional<QString>& text = texts.*kKeyFields[k];
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
            added += kKeyNames[k] + ('=' + escaped) + newline;
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
