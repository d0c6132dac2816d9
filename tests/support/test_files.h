// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Whole files as bytes, wave headers and records, for the tests that make or inspect files.

#include "records/check_value.h"
#include "records/record_store.h"

#include <QByteArray>
#include <QDataStream>
#include <QFile>
#include <QString>

// The file's bytes from the offset on; empty when it cannot be read.
inline QByteArray readBytes(const QString& path, qsizetype from = 0)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().mid(from) : QByteArray();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The 44-byte header of a RIFF wave with one fmt chunk; format tag 1 is PCM, 7 mu-law.
inline QByteArray waveHeader(int tag, int rate, int channels, int bits, qsizetype dataBytes)
{
    QByteArray header;
    QDataStream out(&header, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const int blockAlign = channels * bits / 8;
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataBytes);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(tag) << quint16(channels) << quint32(rate)
        << quint32(rate * blockAlign) << quint16(blockAlign) << quint16(bits);
    out.writeRawData("data", 4);
    out << quint32(dataBytes);
    return header;
}

// A record as the game holds it: with the check value of its name and score.
inline gp::Record checkedRecord(const QString& holder, int score)
{
    gp::Record record;
    record.holder = holder;
    record.score = std::int16_t(score);
    record.checkValue = gp::checkValue(record);
    return record;
}

// The record as the store reads it from the file now.
inline gp::Record loadRecord(const QString& path)
{
    gp::Record record;
    gp::RecordStore(path).load(record);
    return record;
}
