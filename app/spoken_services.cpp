// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/spoken_services.h"

#include "ui/announcer.h"

#include <QTimer>

namespace gp {

SpokenServices::SpokenServices(GameServices& services, Announcer& announcer, QObject* parent)
    : QObject(parent), m_services(services), m_announcer(announcer)
{
}

bool SpokenServices::showMessage(MessageKind kind, const QString& text)
{
    m_announcer.announce(text);
    return m_services.showMessage(kind, text);
}

void SpokenServices::askRecordHolder(Record& record)
{
    // Told once the name entry is up, so that what a screen reader says of the new window does
    // not cut it short.
    QTimer::singleShot(
        0, this,
        [this, prompt = tr("記録更新です。%1 点。名前を入力して Enter を押してください")
                            .arg(record.score)] { m_announcer.announce(prompt); });
    m_services.askRecordHolder(record);
}

} // namespace gp
